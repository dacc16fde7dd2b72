// libFuzzer target: any bytes as a Windows bitmap file.
#include <cstdint>

#include "dib_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* error = nullptr;
    ImageRGB* image = DecodeDIBImage(data, size, &error);
    if (!image) {
        if (!error)
            __builtin_trap();
        return 0;
    }
    if (image->width <= 0 || image->height <= 0)
        __builtin_trap();
    // Touch every byte the image claims, so that a short block shows up.
    const size_t bytes = size_t(image->width) * size_t(image->height) * 3;
    unsigned sum = 0;
    for (size_t i = 0; i < bytes; ++i)
        sum += image->data[i];
    ReleaseImage(image);
    return sum == 0xFFFFFFFFu ? -1 : 0;
}
