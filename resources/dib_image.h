// The Windows bitmap (BMP/DIB) reader behind the bitmap font.
//
// Reads uncompressed 1, 4, 8, 16, 24 and 32-bit bitmaps with an info or a
// core header, with or without the 14-byte file header, bottom-up or
// top-down, and 16 and 32-bit ones with colour masks. The result is 24-bit
// RGB, bottom row first (OpenGL's first texture row), rows packed with no
// filler between them.
#pragma once

#include <cstddef>
#include <cstdint>

struct ImageRGB {
    int32_t width;
    int32_t height;
    unsigned char* data;  // width × height × 3 bytes: R, G, B per pixel
};

// The texts of the reader's failure reports, shown under the caption "Error".
extern const char kDibOpenFailed[];  // a printf format taking the path
extern const char kDibOutOfMemory[];
extern const char kDibUnknownFormat[];
extern const char kDibConversionError[];

// Reads the bitmap file at path. On failure reports why on the console,
// points *error (when given) at the text reported, and returns nullptr.
// Release the result with ReleaseImage.
ImageRGB* LoadDIBImage(const char* path, const char** error = nullptr);

// Decodes a bitmap file's bytes. On failure returns nullptr and points
// *error at the text to report; nothing is printed.
ImageRGB* DecodeDIBImage(const unsigned char* bytes, size_t size, const char** error);

// Releases the pixel block and the record; nullptr is allowed.
void ReleaseImage(ImageRGB* image);
