/*
 * Generated in 2026 by pixmint from an image file.
 * LVGL v9 image data in one color format,
 * followed by its lv_image_dsc_t descriptor.
 * Do not edit by hand; regenerate it from the source image.
 */

#include "lvgl.h"

#ifndef LV_ATTRIBUTE_MEM_ALIGN
#define LV_ATTRIBUTE_MEM_ALIGN
#endif

#ifndef LV_ATTRIBUTE_LARGE_CONST
#define LV_ATTRIBUTE_LARGE_CONST
#endif

#ifndef LV_ATTRIBUTE_IMG_SMALL
#define LV_ATTRIBUTE_IMG_SMALL
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_SMALL uint8_t small_map[] = {
  /*Pixel format: A2, rows of 2 bytes*/
  0xff, 0xf0, 
  0xfa, 0x00, 
  0x05, 0xf0, 
  0xff, 0xf0, 
};

const LV_ATTRIBUTE_LARGE_CONST lv_image_dsc_t small = {
  .header.magic = LV_IMAGE_HEADER_MAGIC,
  .header.cf = LV_COLOR_FORMAT_A2,
  .header.flags = 0,
  .header.w = 6,
  .header.h = 4,
  .header.stride = 2,
  .data_size = 8,
  .data = small_map,
};
