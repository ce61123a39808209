/* The benchmarks' test image, big.png: smooth gradients with some noise, like a photo with an
 * alpha mask, SIDE x SIDE pixels (the first argument, 2047 by default). */
#include <stb_image_write.h>
#include <stdlib.h>
int main(int argc, char** argv) {
    const int w = argc > 1 ? atoi(argv[1]) : 2047, h = w;
    if (w < 1) return 1;
    unsigned char* p = malloc((size_t)w * h * 4);
    if (p == NULL) return 1;
    unsigned seed = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char* q = p + ((size_t)y * w + x) * 4;
            seed = seed * 1103515245u + 12345u;
            int n = (int)((seed >> 16) & 15) - 8;
            q[0] = (unsigned char)((x * 255 / w + n) & 255);
            q[1] = (unsigned char)((y * 255 / h + n) & 255);
            q[2] = (unsigned char)(((x + y) * 255 / (w + h)) & 255);
            q[3] = (unsigned char)(((x / 50 + y / 50) & 1) ? 255 : 128 + n);
        }
    return stbi_write_png("big.png", w, h, 4, p, w * 4) ? 0 : 1;
}
