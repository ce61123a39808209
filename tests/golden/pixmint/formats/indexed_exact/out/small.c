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

#ifndef LV_ATTRIBUTE_IMG_SMALL
#define LV_ATTRIBUTE_IMG_SMALL
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_SMALL uint8_t small_map[] = {
  /*Palette: 4 colors of Blue, Green, Red, Alpha: 8 bit each*/
  0x3c, 0x1e, 0xc8, 0xff, 
  0xff, 0xff, 0xff, 0x00, 
  0xfa, 0x78, 0x0a, 0x80, 
  0x00, 0x00, 0x00, 0x00, 
  /*Pixel format: Index 2 bit, every row starting on a byte boundary*/
  0x18, 0x60, 
  0x18, 0x60, 
  0x18, 0x60, 
};

const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t small = {
  .header.always_zero = 0,
  .header.w = 7,
  .header.h = 3,
  .data_size = 22,
  .header.cf = LV_IMG_CF_INDEXED_2BIT,
  .data = small_map,
};
