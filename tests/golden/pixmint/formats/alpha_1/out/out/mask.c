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

#ifndef LV_ATTRIBUTE_IMG_MASK
#define LV_ATTRIBUTE_IMG_MASK
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_MASK uint8_t mask_map[] = {
  /*Pixel format: Alpha 1 bit, every row starting on a byte boundary*/
  0xff, 0xff, 
  0xff, 0xff, 
  0xff, 0xff, 
  0xff, 0xff, 
  0xff, 0xff, 
  0xff, 0xff, 
};

const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t mask = {
  .header.always_zero = 0,
  .header.w = 16,
  .header.h = 6,
  .data_size = 12,
  .header.cf = LV_IMG_CF_ALPHA_1BIT,
  .data = mask_map,
};
