/*
 * Generated in 2026 by pixmint from an image file.
 * LVGL image data: one pixel section per LV_COLOR_DEPTH,
 * followed by its lv_img_dsc_t descriptor.
 * Do not edit by hand; regenerate it from the source image.
 */

#include "lvgl.h"

#ifndef LV_ATTRIBUTE_MEM_ALIGN
#define LV_ATTRIBUTE_MEM_ALIGN
#endif

#ifndef LV_ATTRIBUTE_LARGE_CONST
#define LV_ATTRIBUTE_LARGE_CONST
#endif

#ifndef LV_ATTRIBUTE_IMG_IN
#define LV_ATTRIBUTE_IMG_IN
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_IN uint8_t in_map[] = {
  /*Palette: 2 colors of Blue, Green, Red, Alpha: 8 bit each*/
  0x01, 0xff, 0x00, 0xff, 
  0x06, 0xfe, 0x09, 0xff, 
  /*Pixel format: Index 1 bit, every row starting on a byte boundary*/
  0x55, 0x50, 
  0xff, 0xf8, 
  0x55, 0x50, 
};

const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t in = {
  .header.always_zero = 0,
  .header.w = 13,
  .header.h = 3,
  .data_size = 14,
  .header.cf = LV_IMG_CF_INDEXED_1BIT,
  .data = in_map,
};
