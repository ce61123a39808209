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

#ifndef LV_ATTRIBUTE_IMG_GA
#define LV_ATTRIBUTE_IMG_GA
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_GA uint8_t ga_map[] = {
#if LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8
  /*Pixel format: Alpha 8 bit, Red: 3 bit, Green: 3 bit, Blue: 2 bit*/
  0x00, 0x54, 0x49, 0x89, 0x6d, 0xbe, 
  0x6d, 0xb5, 0xb6, 0xea, 0xdb, 0x1f, 
#endif
#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0
  /*Pixel format: Alpha 8 bit, Red: 5 bit, Green: 6 bit, Blue: 5 bit*/
  0x61, 0x08, 0x54, 0x08, 0x42, 0x89, 0xae, 0x73, 0xbe, 
  0x6d, 0x6b, 0xb5, 0x14, 0xa5, 0xea, 0xdb, 0xde, 0x1f, 
#endif
#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP != 0
  /*Pixel format: Alpha 8 bit, Red: 5 bit, Green: 6 bit, Blue: 5 bit  BUT the 2  color bytes are swapped*/
  0x08, 0x61, 0x54, 0x42, 0x08, 0x89, 0x73, 0xae, 0xbe, 
  0x6b, 0x6d, 0xb5, 0xa5, 0x14, 0xea, 0xde, 0xdb, 0x1f, 
#endif
#if LV_COLOR_DEPTH == 32
  /*Pixel format: Alpha 0xFF: 8 bit, Red: 8 bit, Green: 8 bit, Blue: 8 bit*/
  0x0d, 0x0d, 0x0d, 0x54, 0x42, 0x42, 0x42, 0x89, 0x77, 0x77, 0x77, 0xbe, 
  0x6e, 0x6e, 0x6e, 0xb5, 0xa3, 0xa3, 0xa3, 0xea, 0xd8, 0xd8, 0xd8, 0x1f, 
#endif
};

const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t ga = {
  .header.always_zero = 0,
  .header.w = 3,
  .header.h = 2,
  .data_size = 6 * LV_IMG_PX_SIZE_ALPHA_BYTE,
  .header.cf = LV_IMG_CF_TRUE_COLOR_ALPHA,
  .data = ga_map,
};
