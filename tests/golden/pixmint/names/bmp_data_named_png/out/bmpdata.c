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

#ifndef LV_ATTRIBUTE_IMG_BMPDATA
#define LV_ATTRIBUTE_IMG_BMPDATA
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_BMPDATA uint8_t bmpdata_map[] = {
#if LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8
  /*Pixel format: Red: 3 bit, Green: 3 bit, Blue: 2 bit*/
  0x0a, 0x53, 0x74, 
  0x77, 0xbc, 0xc1, 
  0xc1, 0x0a, 0x33, 
#endif
#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0
  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit*/
  0xb3, 0x0a, 0x5a, 0x44, 0xe0, 0x75, 
  0xbf, 0x6d, 0x46, 0xa7, 0xec, 0xd8, 
  0xab, 0xc8, 0x52, 0x02, 0x18, 0x3c, 
#endif
#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP != 0
  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit BUT the 2 bytes are swapped*/
  0x0a, 0xb3, 0x44, 0x5a, 0x75, 0xe0, 
  0x6d, 0xbf, 0xa7, 0x46, 0xd8, 0xec, 
  0xc8, 0xab, 0x02, 0x52, 0x3c, 0x18, 
#endif
#if LV_COLOR_DEPTH == 32
  /*Pixel format: Fix 0xFF: 8 bit, Red: 8 bit, Green: 8 bit, Blue: 8 bit*/
  0x9b, 0x54, 0x0d, 0xff, 0xd0, 0x89, 0x42, 0xff, 0x05, 0xbe, 0x77, 0xff, 
  0xfc, 0xb5, 0x6e, 0xff, 0x31, 0xea, 0xa3, 0xff, 0x66, 0x1f, 0xd8, 0xff, 
  0x5d, 0x16, 0xcf, 0xff, 0x92, 0x4b, 0x04, 0xff, 0xc7, 0x80, 0x39, 0xff, 
#endif
};

const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t bmpdata = {
  .header.always_zero = 0,
  .header.w = 3,
  .header.h = 3,
  .data_size = 9 * LV_COLOR_SIZE / 8,
  .header.cf = LV_IMG_CF_TRUE_COLOR,
  .data = bmpdata_map,
};
