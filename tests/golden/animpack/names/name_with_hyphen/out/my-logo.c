/*
 * Generated in 2026 by animpack from a data file.
 * The file's bytes as a C array, followed by one zero byte.
 * Do not edit by hand; regenerate it from the source file.
 */

#include "lvgl.h"

#ifndef LV_ATTRIBUTE_MEM_ALIGN
#define LV_ATTRIBUTE_MEM_ALIGN
#endif

#ifndef LV_ATTRIBUTE_LARGE_CONST
#define LV_ATTRIBUTE_LARGE_CONST
#endif

#ifndef LV_ATTRIBUTE_MY_LOGO
#define LV_ATTRIBUTE_MY_LOGO
#endif

const LV_ATTRIBUTE_LARGE_CONST LV_ATTRIBUTE_MEM_ALIGN LV_ATTRIBUTE_MY_LOGO uint8_t my_logo[] = {
  0x61, 0x62, 0x63, 0x00
};
