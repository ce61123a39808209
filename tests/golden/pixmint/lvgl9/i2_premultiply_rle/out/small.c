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
  /*Compressed with RLE: method, 24 compressed bytes, 24 bytes of I2 with rows of 2 bytes*/
  0x01, 0x00, 0x00, 0x00, 
  0x18, 0x00, 0x00, 0x00, 
  0x18, 0x00, 0x00, 0x00, 
  /*RLE data*/
  0x8c, 0x4d, 0xbf, 0x4d, 0xc0, 0x2d, 0x29, 0x25, 0xff, 0xae, 0x00, 0x71, 0xff, 0x04, 0x00, 0x88, 
  0xa0, 0xa0, 0xa0, 0xf0, 0xff, 0x50, 0x55, 0x50, 
};

const LV_ATTRIBUTE_LARGE_CONST lv_image_dsc_t small = {
  .header.magic = LV_IMAGE_HEADER_MAGIC,
  .header.cf = LV_COLOR_FORMAT_I2,
  .header.flags = LV_IMAGE_FLAGS_PREMULTIPLIED | LV_IMAGE_FLAGS_COMPRESSED,
  .header.w = 6,
  .header.h = 4,
  .header.stride = 2,
  .data_size = 36,
  .data = small_map,
};
