/*
 * Generated in 1999 by pixmint from an image file.
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

#ifndef LV_ATTRIBUTE_IMG_LOGO
#define LV_ATTRIBUTE_IMG_LOGO
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_LOGO uint8_t logo_map[] = {
#if LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8
  /*Pixel format: Red: 3 bit, Green: 3 bit, Blue: 2 bit*/
  0x0a, 0x53, 0x74, 0xbc, 0xe5, 
  0x77, 0xbc, 0xc1, 0x0a, 0x53, 
  0xc1, 0x0a, 0x33, 0x77, 0xbc, 
#endif
};

const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t logo = {
  .header.always_zero = 0,
  .header.w = 5,
  .header.h = 3,
  .data_size = 15 * LV_COLOR_SIZE / 8,
  .header.cf = LV_IMG_CF_TRUE_COLOR,
  .data = logo_map,
};
