// libFuzzer target: any bytes as a Targa file.
#include <cstdint>
#include <cstdio>

#include "texture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;  // fmemopen needs at least one byte; empty files are tested elsewhere
    FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!file)
        return 0;
    CTexture texture;
    if (texture.Read(file) != 1) {
        if (texture.m_pData || texture.m_nError < kTargaBadType || texture.m_nError > kTargaShortPixels)
            __builtin_trap();
        return 0;
    }
    // Touch every byte the image claims, so that a short block shows up.
    const size_t bytes = size_t(texture.m_nPixels) * (texture.m_nBpp / 8);
    unsigned sum = 0;
    for (size_t i = 0; i < bytes; ++i)
        sum += texture.m_pData[i];
    return sum == 0xFFFFFFFFu ? -1 : 0;
}
