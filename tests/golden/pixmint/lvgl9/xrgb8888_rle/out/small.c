/*
 * Generated in 2026 by pixmint from an image file.
 * LVGL v9 image data in one color format,
 * followed by its lv_image_dsc_t descriptor.
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
  /*Compressed with RLE: method, 40 compressed bytes, 96 bytes of XRGB8888 with rows of 24 bytes*/
  0x01, 0x00, 0x00, 0x00, 
  0x28, 0x00, 0x00, 0x00, 
  0x60, 0x00, 0x00, 0x00, 
  /*RLE data*/
  0x02, 0x00, 0x00, 0xff, 0xff, 0x02, 0x00, 0xff, 0x00, 0xff, 0x04, 0xff, 0x00, 0x00, 0xff, 0x02, 
  0xff, 0xff, 0xff, 0xff, 0x04, 0x00, 0x00, 0x00, 0xff, 0x02, 0x32, 0x64, 0xc8, 0xff, 0x02, 0x1e, 
  0x14, 0x0a, 0xff, 0x06, 0x3c, 0x3c, 0x3c, 0xff, 
};

const LV_ATTRIBUTE_LARGE_CONST lv_image_dsc_t small = {
  .header.magic = LV_IMAGE_HEADER_MAGIC,
  .header.cf = LV_COLOR_FORMAT_XRGB8888,
  .header.flags = LV_IMAGE_FLAGS_COMPRESSED,
  .header.w = 6,
  .header.h = 4,
  .header.stride = 24,
  .data_size = 52,
  .data = small_map,
};
