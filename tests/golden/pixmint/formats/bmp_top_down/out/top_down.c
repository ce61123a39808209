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

#ifndef LV_ATTRIBUTE_IMG_TOP_DOWN
#define LV_ATTRIBUTE_IMG_TOP_DOWN
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_IMG_TOP_DOWN uint8_t top_down_map[] = {
#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP == 0
  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit*/
  0x00, 0xf8, 0xe0, 0x07, 0x1f, 0x00, 0xff, 0xff, 0x00, 0x00, 
  0xe0, 0x07, 0x1f, 0x00, 0xff, 0xff, 0x00, 0x00, 0x00, 0xf8, 
  0x1f, 0x00, 0xff, 0xff, 0x00, 0x00, 0x00, 0xf8, 0xe0, 0x07, 
#endif
#if LV_COLOR_DEPTH == 16 && LV_COLOR_16_SWAP != 0
  /*Pixel format: Red: 5 bit, Green: 6 bit, Blue: 5 bit BUT the 2 bytes are swapped*/
  0xf8, 0x00, 0x07, 0xe0, 0x00, 0x1f, 0xff, 0xff, 0x00, 0x00, 
  0x07, 0xe0, 0x00, 0x1f, 0xff, 0xff, 0x00, 0x00, 0xf8, 0x00, 
  0x00, 0x1f, 0xff, 0xff, 0x00, 0x00, 0xf8, 0x00, 0x07, 0xe0, 
#endif
};

const LV_ATTRIBUTE_LARGE_CONST lv_img_dsc_t top_down = {
  .header.always_zero = 0,
  .header.w = 5,
  .header.h = 3,
  .data_size = 15 * LV_COLOR_SIZE / 8,
  .header.cf = LV_IMG_CF_TRUE_COLOR,
  .data = top_down_map,
};
