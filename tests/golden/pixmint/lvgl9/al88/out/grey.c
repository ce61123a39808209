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

#ifndef LV_ATTRIBUTE_IMG_GREY
#define LV_ATTRIBUTE_IMG_GREY
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_GREY uint8_t grey_map[] = {
  /*Pixel format: AL88, rows of 10 bytes*/
  0x00, 0xff, 0x3c, 0xcd, 0x78, 0x9b, 0xb4, 0x69, 0xf0, 0x37, 
  0x05, 0xff, 0x41, 0xcd, 0x7d, 0x9b, 0xb9, 0x69, 0xf5, 0x37, 
  0x0a, 0xff, 0x46, 0xcd, 0x82, 0x9b, 0xbe, 0x69, 0xfa, 0x37, 
};

const LV_ATTRIBUTE_LARGE_CONST lv_image_dsc_t grey = {
  .header.magic = LV_IMAGE_HEADER_MAGIC,
  .header.cf = LV_COLOR_FORMAT_AL88,
  .header.flags = 0,
  .header.w = 5,
  .header.h = 3,
  .header.stride = 10,
  .data_size = 30,
  .data = grey_map,
};
