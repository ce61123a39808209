/* Prints what the generated sources hold, so a build can be checked from the
   outside: the colour depth lv_conf.h chose, each image's header with the
   first bytes and an FNV-1a hash of its pixels, and the animation's length. */
#include <stdio.h>
#include <string.h>

#include "lvgl.h"

extern const lv_img_dsc_t logo;
extern const lv_img_dsc_t tile;
extern const uint8_t intro_anim[];

static void show(const char* name, const lv_img_dsc_t* img) {
    uint32_t hash = 2166136261u;
    for (uint32_t i = 0; i < img->data_size; i++) hash = (hash ^ img->data[i]) * 16777619u;
    printf("%s: %ux%u cf %u, %u bytes, fnv1a %08x, starts", name, (unsigned)img->header.w,
           (unsigned)img->header.h, (unsigned)img->header.cf, (unsigned)img->data_size,
           (unsigned)hash);
    for (uint32_t i = 0; i < 4 && i < img->data_size; i++) printf(" %02x", img->data[i]);
    printf("\n");
}

int main(void) {
    printf("color depth: %d\n", LV_COLOR_DEPTH);
    show("logo", &logo);
    show("tile", &tile);
    /* animpack ends the array with a zero byte, so the JSON text is a C string. */
    printf("intro_anim: %zu bytes\n", strlen((const char*)intro_anim));
    return 0;
}
