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

#ifndef LV_ATTRIBUTE_IMG_GREY
#define LV_ATTRIBUTE_IMG_GREY
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_GREY uint8_t grey_map[] = {
#if LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8
  /*Pixel format: Red: 3 bit, Green: 3 bit, Blue: 2 bit*/
  0x00, 0x49, 0x6d, 0xb6, 
  0x6d, 0xb6, 0xdb, 0x00, 
#endif
#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0
  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit*/
  0x61, 0x08, 0x08, 0x42, 0xae, 0x73, 0x75, 0xad, 
  0x6d, 0x6b, 0x14, 0xa5, 0xdb, 0xde, 0x61, 0x08, 
#endif
#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP != 0
  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit BUT the 2 bytes are swapped*/
  0x08, 0x61, 0x42, 0x08, 0x73, 0xae, 0xad, 0x75, 
  0x6b, 0x6d, 0xa5, 0x14, 0xde, 0xdb, 0x08, 0x61, 
#endif
#if LV_COLOR_DEPTH == 32
  /*Pixel format: Fix 0xFF: 8 bit, Red: 8 bit, Green: 8 bit, Blue: 8 bit*/
  0x0d, 0x0d, 0x0d, 0xff, 0x42, 0x42, 0x42, 0xff, 0x77, 0x77, 0x77, 0xff, 0xac, 0xac, 0xac, 0xff, 
  0x6e, 0x6e, 0x6e, 0xff, 0xa3, 0xa3, 0xa3, 0xff, 0xd8, 0xd8, 0xd8, 0xff, 0x0d, 0x0d, 0x0d, 0xff, 
#endif
};

const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t grey = {
  .header.always_zero = 0,
  .header.w = 4,
  .header.h = 2,
  .data_size = 8 * LV_COLOR_SIZE / 8,
  .header.cf = LV_IMG_CF_TRUE_COLOR,
  .data = grey_map,
};
