/* Stand-in for LVGL v7's lvgl.h (v7.11): just what the generated sources and the
   tests use. Like the real one, it takes its settings from lv_conf.h. */
#ifndef LVGL_H
#define LVGL_H

#include <stdint.h>

#include "lv_conf.h"

#if LV_COLOR_DEPTH == 1
#define LV_COLOR_SIZE 8
#else
#define LV_COLOR_SIZE LV_COLOR_DEPTH
#endif

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
};

/* A palette entry of the indexed formats. */
typedef union {
    struct {
        uint8_t blue;
        uint8_t green;
        uint8_t red;
        uint8_t alpha;
    } ch;
    uint32_t full;
} lv_color32_t;

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
