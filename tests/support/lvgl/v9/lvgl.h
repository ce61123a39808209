/* Stand-in for LVGL v9.2's lvgl.h: the declarations a generated v9 image
   source uses, as lv_image_dsc.h and lv_color.h declare them (little-endian
   layout of the header). */
#ifndef LVGL_H
#define LVGL_H

#include <stdint.h>

#define LV_IMAGE_HEADER_MAGIC (0x19)

typedef enum lv_image_flags_t {
    LV_IMAGE_FLAGS_PREMULTIPLIED = 0x0001,
    LV_IMAGE_FLAGS_COMPRESSED = 0x0008,
    LV_IMAGE_FLAGS_ALLOCATED = 0x0010,
    LV_IMAGE_FLAGS_MODIFIABLE = 0x0020,
} lv_image_flags_t;

typedef enum {
    LV_IMAGE_COMPRESS_NONE = 0,
    LV_IMAGE_COMPRESS_RLE,
    LV_IMAGE_COMPRESS_LZ4,
} lv_image_compress_t;

typedef enum {
    LV_COLOR_FORMAT_UNKNOWN = 0,

    LV_COLOR_FORMAT_RAW = 0x01,
    LV_COLOR_FORMAT_RAW_ALPHA = 0x02,

    LV_COLOR_FORMAT_L8 = 0x06,
    LV_COLOR_FORMAT_I1 = 0x07,
    LV_COLOR_FORMAT_I2 = 0x08,
    LV_COLOR_FORMAT_I4 = 0x09,
    LV_COLOR_FORMAT_I8 = 0x0A,
    LV_COLOR_FORMAT_A8 = 0x0E,

    LV_COLOR_FORMAT_RGB565 = 0x12,
    LV_COLOR_FORMAT_ARGB8565 = 0x13,
    LV_COLOR_FORMAT_RGB565A8 = 0x14,
    LV_COLOR_FORMAT_AL88 = 0x15,

    LV_COLOR_FORMAT_RGB888 = 0x0F,
    LV_COLOR_FORMAT_ARGB8888 = 0x10,
    LV_COLOR_FORMAT_XRGB8888 = 0x11,

    LV_COLOR_FORMAT_A1 = 0x0B,
    LV_COLOR_FORMAT_A2 = 0x0C,
    LV_COLOR_FORMAT_A4 = 0x0D,
} lv_color_format_t;

typedef struct {
    uint32_t magic : 8;
    uint32_t cf : 8;
    uint32_t flags : 16;

    uint32_t w : 16;
    uint32_t h : 16;
    uint32_t stride : 16;
    uint32_t reserved_2 : 16;
} lv_image_header_t;

typedef struct {
    lv_image_header_t header;
    uint32_t data_size;
    const uint8_t* data;
    const void* reserved;
} lv_image_dsc_t;

#endif /* LVGL_H */
