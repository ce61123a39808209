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
  /*Pixel format: Alpha 4 bit, every row starting on a byte boundary*/
  0xf0, 0x8f, 0x08, 0xf0, 
  0xf0, 0x8f, 0x08, 0xf0, 
  0xf0, 0x8f, 0x08, 0xf0, 
};

const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t small = {
  .header.always_zero = 0,
  .header.w = 7,
  .header.h = 3,
  .data_size = 12,
  .header.cf = LV_IMG_CF_ALPHA_4BIT,
  .data = small_map,
};
