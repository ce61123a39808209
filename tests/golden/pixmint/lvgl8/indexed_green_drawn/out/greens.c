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

#ifndef LV_ATTRIBUTE_IMG_GREENS
#define LV_ATTRIBUTE_IMG_GREENS
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_GREENS uint8_t greens_map[] = {
  /*Palette: 4 colors of Blue, Green, Red, Alpha: 8 bit each*/
  0x00, 0xff, 0x00, 0xff, 
  0x00, 0x00, 0xff, 0xff, 
  0xff, 0x00, 0x00, 0x64, 
  0x06, 0xfc, 0x04, 0xff, 
  /*Pixel format: Index 2 bit, every row starting on a byte boundary*/
  0x1b, 0x10, 
  0xb1, 0xb0, 
};

const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t greens = {
  .header.always_zero = 0,
  .header.w = 6,
  .header.h = 2,
  .data_size = 20,
  .header.cf = LV_IMG_CF_INDEXED_2BIT,
  .data = greens_map,
};
