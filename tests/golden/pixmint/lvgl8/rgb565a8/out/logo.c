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
#if LV_COLOR_DEPTH != 16 || LV_COLOR_16_SWAP != 0
#error "LV_IMG_CF_RGB565A8 data for LV_COLOR_DEPTH 16 and LV_COLOR_16_SWAP 0"
#endif
  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit*/
  0xb3, 0x0a, 0x5a, 0x44, 0xe0, 0x75, 0x87, 0xaf, 0x4d, 0xe1, 
  0xbf, 0x6d, 0x46, 0xa7, 0xec, 0xd8, 0xb3, 0x0a, 0x5a, 0x44, 
  0xab, 0xc8, 0x52, 0x02, 0x18, 0x3c, 0xbf, 0x6d, 0x46, 0xa7, 
  /*Alpha 8 bit, one byte a pixel in the same order*/
  0xe2, 0x17, 0x4c, 0x81, 0xb6, 
  0x43, 0x78, 0xad, 0xe2, 0x17, 
  0xa4, 0xd9, 0x0e, 0x43, 0x78, 
};

const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t logo = {
  .header.always_zero = 0,
  .header.w = 5,
  .header.h = 3,
  .data_size = 45,
  .header.cf = LV_IMG_CF_RGB565A8,
  .data = logo_map,
};
