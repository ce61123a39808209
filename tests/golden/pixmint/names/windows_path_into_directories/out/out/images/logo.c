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

#ifndef LV_ATTRIBUTE_IMG_LOGO
#define LV_ATTRIBUTE_IMG_LOGO
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_LOGO uint8_t logo_map[] = {
#if LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8
  /*Pixel format: Red: 3 bit, Green: 3 bit, Blue: 2 bit*/
  0x0a, 0x53, 
  0x77, 0xbc, 
#endif
#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0
  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit*/
  0xb3, 0x0a, 0x5a, 0x44, 
  0xbf, 0x6d, 0x46, 0xa7, 
#endif
#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP != 0
  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit BUT the 2 bytes are swapped*/
  0x0a, 0xb3, 0x44, 0x5a, 
  0x6d, 0xbf, 0xa7, 0x46, 
#endif
#if LV_COLOR_DEPTH == 32
  /*Pixel format: Fix 0xFF: 8 bit, Red: 8 bit, Green: 8 bit, Blue: 8 bit*/
  0x9b, 0x54, 0x0d, 0xff, 0xd0, 0x89, 0x42, 0xff, 
  0xfc, 0xb5, 0x6e, 0xff, 0x31, 0xea, 0xa3, 0xff, 
#endif
};

const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t logo = {
  .header.always_zero = 0,
  .header.w = 2,
  .header.h = 2,
  .data_size = 4 * LV_COLOR_SIZE / 8,
  .header.cf = LV_IMG_CF_TRUE_COLOR,
  .data = logo_map,
};
