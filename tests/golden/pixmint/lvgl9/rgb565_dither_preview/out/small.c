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
  /*Pixel format: RGB565, rows of 12 bytes*/
  0x00, 0xf8, 0x00, 0xf8, 0xe0, 0x07, 0xe0, 0x07, 0x1f, 0x00, 0x1f, 0x00, 
  0x1f, 0x00, 0x1f, 0x00, 0xff, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0x00, 
  0x00, 0x00, 0x00, 0x00, 0x26, 0xc3, 0x26, 0xc3, 0xa4, 0x08, 0xa4, 0x08, 
  0xe7, 0x39, 0xe7, 0x39, 0xe8, 0x41, 0xe7, 0x39, 0xe7, 0x41, 0xe7, 0x39, 
};

const LV_ATTRIBUTE_LARGE_CONST lv_image_dsc_t small = {
  .header.magic = LV_IMAGE_HEADER_MAGIC,
  .header.cf = LV_COLOR_FORMAT_RGB565,
  .header.flags = 0,
  .header.w = 6,
  .header.h = 4,
  .header.stride = 12,
  .data_size = 48,
  .data = small_map,
};
