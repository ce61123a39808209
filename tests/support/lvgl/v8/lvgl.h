/* Stand-in for LVGL v8's lvgl.h (v8.3): the declarations of src/misc/lv_color.h and
   src/draw/lv_img_buf.h that generated sources and the tests use, as v8.3 declares them
   on a little-endian target. Like the real one, it takes its settings from lv_conf.h. */
#ifndef LVGL_H
#define LVGL_H

#include <stdint.h>

#include "lv_conf.h"

#ifndef LV_COLOR_16_SWAP
#define LV_COLOR_16_SWAP 0
#endif

#if LV_COLOR_DEPTH == 24
#error "LV_COLOR_DEPTH 24 is deprecated. Use LV_COLOR_DEPTH 32 instead (lv_conf.h)"
#endif

#if LV_COLOR_DEPTH != 16 && LV_COLOR_16_SWAP != 0
#error "LV_COLOR_16_SWAP requires LV_COLOR_DEPTH == 16. Set it in lv_conf.h"
#endif

#if LV_COLOR_DEPTH == 1
#define LV_COLOR_SIZE 8
#elif LV_COLOR_DEPTH == 8
#define LV_COLOR_SIZE 8
#elif LV_COLOR_DEPTH == 16
#define LV_COLOR_SIZE 16
#elif LV_COLOR_DEPTH == 32
#define LV_COLOR_SIZE 32
#else
#error "Invalid LV_COLOR_DEPTH in lv_conf.h! Set it to 1, 8, 16 or 32!"
#endif

typedef union {
    uint8_t full;
    union {
        uint8_t blue : 1;
        uint8_t green : 1;
        uint8_t red : 1;
    } ch;
} lv_color1_t;

typedef union {
    struct {
        uint8_t blue : 2;
        uint8_t green : 3;
        uint8_t red : 3;
    } ch;
    uint8_t full;
} lv_color8_t;

typedef union {
    struct {
#if LV_COLOR_16_SWAP == 0
        uint16_t blue : 5;
        uint16_t green : 6;
        uint16_t red : 5;
#else
        uint16_t green_h : 3;
        uint16_t red : 5;
        uint16_t blue : 5;
        uint16_t green_l : 3;
#endif
    } ch;
    uint16_t full;
} lv_color16_t;

/* Also a palette entry of the indexed formats. */
typedef union {
    struct {
        uint8_t blue;
        uint8_t green;
        uint8_t red;
        uint8_t alpha;
    } ch;
    uint32_t full;
} lv_color32_t;

#if LV_COLOR_DEPTH == 1
typedef lv_color1_t lv_color_t;
#elif LV_COLOR_DEPTH == 8
typedef lv_color8_t lv_color_t;
#elif LV_COLOR_DEPTH == 16
typedef lv_color16_t lv_color_t;
#else
typedef lv_color32_t lv_color_t;
#endif

typedef uint8_t lv_opa_t;

/* Bytes of one true-color-alpha pixel: its colour, then one alpha byte. */
#if LV_COLOR_DEPTH == 1 || LV_COLOR_DEPTH == 8
#define LV_IMG_PX_SIZE_ALPHA_BYTE 2
#elif LV_COLOR_DEPTH == 16
#define LV_IMG_PX_SIZE_ALPHA_BYTE 3
#elif LV_COLOR_DEPTH == 32
#define LV_IMG_PX_SIZE_ALPHA_BYTE 4
#endif

enum {
    LV_IMG_CF_UNKNOWN = 0,

    LV_IMG_CF_RAW,
    LV_IMG_CF_RAW_ALPHA,
    LV_IMG_CF_RAW_CHROMA_KEYED,

    LV_IMG_CF_TRUE_COLOR,
    LV_IMG_CF_TRUE_COLOR_ALPHA,
    LV_IMG_CF_TRUE_COLOR_CHROMA_KEYED,

    LV_IMG_CF_INDEXED_1BIT,
    LV_IMG_CF_INDEXED_2BIT,
    LV_IMG_CF_INDEXED_4BIT,
    LV_IMG_CF_INDEXED_8BIT,

    LV_IMG_CF_ALPHA_1BIT,
    LV_IMG_CF_ALPHA_2BIT,
    LV_IMG_CF_ALPHA_4BIT,
    LV_IMG_CF_ALPHA_8BIT,

    LV_IMG_CF_RGB888,
    LV_IMG_CF_RGBA8888,
    LV_IMG_CF_RGBX8888,
    LV_IMG_CF_RGB565,
    LV_IMG_CF_RGBA5658,
    LV_IMG_CF_RGB565A8,

    LV_IMG_CF_RESERVED_15,
    LV_IMG_CF_RESERVED_16,
    LV_IMG_CF_RESERVED_17,
    LV_IMG_CF_RESERVED_18,
    LV_IMG_CF_RESERVED_19,
    LV_IMG_CF_RESERVED_20,
    LV_IMG_CF_RESERVED_21,
    LV_IMG_CF_RESERVED_22,
    LV_IMG_CF_RESERVED_23,

    LV_IMG_CF_USER_ENCODED_0,
    LV_IMG_CF_USER_ENCODED_1,
    LV_IMG_CF_USER_ENCODED_2,
    LV_IMG_CF_USER_ENCODED_3,
    LV_IMG_CF_USER_ENCODED_4,
    LV_IMG_CF_USER_ENCODED_5,
    LV_IMG_CF_USER_ENCODED_6,
    LV_IMG_CF_USER_ENCODED_7,
};
typedef uint8_t lv_img_cf_t;

typedef struct {
    uint32_t cf : 5;
    uint32_t always_zero : 3;
    uint32_t reserved : 2;
    uint32_t w : 11;
    uint32_t h : 11;
} lv_img_header_t;

typedef struct {
    lv_img_header_t header;
    uint32_t data_size;
    const uint8_t* data;
} lv_img_dsc_t;

#endif
