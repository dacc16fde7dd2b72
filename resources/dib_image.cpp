#include "dib_image.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

const char kDibOpenFailed[] = "Failed to open DIB file %s.\n";
const char kDibOutOfMemory[] = "Out of memory.";
const char kDibUnknownFormat[] = "Unknown DIB file format.";
const char kDibConversionError[] = "Image file conversion error.";

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kMasksSize = 12;
constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kBitFields = 3;

uint16_t U16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t U32(const unsigned char* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}

// One colour channel of a 16 or 32-bit pixel, widened or narrowed to 8 bits.
struct Channel {
    uint32_t mask;
    int shift;
    int bits;

    // Only a non-empty run of consecutive bits is a usable mask.
    bool Set(uint32_t m)
    {
        if (m == 0)
            return false;
        mask = m;
        shift = __builtin_ctz(m);
        bits = __builtin_popcount(m);
        const uint32_t run = m >> shift;
        return (run & (run + 1)) == 0;
    }

    unsigned char Of(uint32_t pixel) const
    {
        const uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8)
            return static_cast<unsigned char>(v >> (bits - 8));
        return static_cast<unsigned char>(v * 255 / ((1u << bits) - 1));
    }
};

// What the headers say about the pixels, checked against the file's size.
struct Layout {
    int64_t width;
    int64_t height;  // negative for a top-down bitmap
    uint32_t bitCount;
    uint32_t compression;
    uint64_t stride;   // bytes per stored row, a multiple of 4
    uint64_t pixels;   // offset of the first stored row
    Channel rgb[3];
    unsigned char palette[256][3];  // R, G, B; entries the file lacks stay black
};

uint32_t DefaultColourCount(uint32_t bitCount)
{
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

bool Fits(uint64_t offset, uint64_t length, size_t size)
{
    return offset <= size && length <= size - offset;
}

bool SetMasks(Layout& image, uint32_t red, uint32_t green, uint32_t blue)
{
    return image.rgb[0].Set(red) && image.rgb[1].Set(green) && image.rgb[2].Set(blue);
}

// Depths and compressions this reader converts; RLE and embedded JPEG or
// PNG pictures are refused.
bool ReadMasks(Layout& image, const unsigned char* bytes, size_t size, size_t maskPos)
{
    const uint32_t depth = image.bitCount;
    if (image.compression == kUncompressed) {
        if (depth == 16)
            return SetMasks(image, 0x7C00, 0x03E0, 0x001F);
        if (depth == 32)
            return SetMasks(image, 0xFF0000, 0xFF00, 0xFF);
        return depth == 1 || depth == 4 || depth == 8 || depth == 24;
    }
    if (image.compression != kBitFields || (depth != 16 && depth != 32) || maskPos == 0 ||
        !Fits(maskPos, kMasksSize, size))
        return false;
    const unsigned char* m = bytes + maskPos;
    return SetMasks(image, U32(m), U32(m + 4), U32(m + 8));
}

bool ReadPalette(Layout& image, const unsigned char* bytes, size_t size, size_t tablePos,
                 uint32_t colourCount, uint32_t entrySize)
{
    std::memset(image.palette, 0, sizeof image.palette);
    if (image.bitCount > 8)
        return true;
    const uint32_t used = std::min(colourCount, 1u << image.bitCount);
    if (!Fits(tablePos, uint64_t(used) * entrySize, size))
        return false;
    for (uint32_t i = 0; i < used; ++i) {
        const unsigned char* entry = bytes + tablePos + size_t(i) * entrySize;
        image.palette[i][0] = entry[2];
        image.palette[i][1] = entry[1];
        image.palette[i][2] = entry[0];
    }
    return true;
}

// Reads the headers and the colour table; on failure returns the message.
const char* ReadLayout(Layout& image, const unsigned char* bytes, size_t size)
{
    size_t pos = 0;
    const bool fileHeader = size >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
    if (fileHeader)
        pos = kFileHeaderSize;
    if (!Fits(pos, 4, size))
        return kDibUnknownFormat;
    const unsigned char* h = bytes + pos;
    const uint32_t headerSize = U32(h);
    if ((headerSize != kInfoHeaderSize && headerSize != kCoreHeaderSize) ||
        !Fits(pos, headerSize, size))
        return kDibUnknownFormat;

    const bool info = headerSize == kInfoHeaderSize;
    image.width = info ? int32_t(U32(h + 4)) : U16(h + 4);
    image.height = info ? int32_t(U32(h + 8)) : U16(h + 6);
    image.bitCount = info ? U16(h + 14) : U16(h + 10);
    image.compression = info ? U32(h + 16) : kUncompressed;
    const uint32_t colourCount =
        info && U32(h + 32) != 0 ? U32(h + 32) : DefaultColourCount(image.bitCount);
    const uint32_t entrySize = info ? 4 : 3;
    // Colour masks, when the compression says so, sit between an info
    // header and its colour table.
    const bool masks = info && image.compression == kBitFields;
    const size_t tablePos = pos + headerSize + (masks ? kMasksSize : 0);
    image.pixels = fileHeader ? U32(bytes + 10) : tablePos + uint64_t(entrySize) * colourCount;

    if (image.width <= 0 || image.height == 0)
        return kDibConversionError;
    if (!ReadMasks(image, bytes, size, masks ? pos + headerSize : 0) ||
        !ReadPalette(image, bytes, size, tablePos, colourCount, entrySize))
        return kDibConversionError;
    image.stride = (uint64_t(image.width) * image.bitCount + 31) / 32 * 4;
    const uint64_t rows = image.height < 0 ? -image.height : image.height;
    if (image.pixels > size || rows > (size - image.pixels) / image.stride)
        return kDibConversionError;
    return nullptr;
}

void ConvertPixel(const Layout& image, const unsigned char* row, int64_t x, unsigned char* out)
{
    const uint32_t depth = image.bitCount;
    if (depth <= 8) {
        const uint64_t bit = uint64_t(x) * depth;
        const unsigned index = (row[bit / 8] >> (8 - depth - bit % 8)) & ((1u << depth) - 1);
        std::memcpy(out, image.palette[index], 3);
        return;
    }
    if (depth == 24) {
        const unsigned char* p = row + 3 * x;
        out[0] = p[2];
        out[1] = p[1];
        out[2] = p[0];
        return;
    }
    const uint32_t pixel = depth == 16 ? U16(row + 2 * x) : U32(row + 4 * x);
    for (int c = 0; c < 3; ++c)
        out[c] = image.rgb[c].Of(pixel);
}

// Copies every row into RGB, bottom row first, whichever way the file
// stores them.
void ConvertRows(const Layout& image, const unsigned char* bytes, unsigned char* out)
{
    const int64_t rows = image.height < 0 ? -image.height : image.height;
    for (int64_t r = 0; r < rows; ++r) {
        const int64_t stored = image.height < 0 ? rows - 1 - r : r;
        const unsigned char* row = bytes + image.pixels + stored * image.stride;
        for (int64_t x = 0; x < image.width; ++x, out += 3)
            ConvertPixel(image, row, x, out);
    }
}

void Report(const char* text)
{
    std::fprintf(stderr, "Error: %s%s", text, text[std::strlen(text) - 1] == '\n' ? "" : "\n");
}

void ReportOpenFailure(const char* path)
{
    char text[512];
    std::snprintf(text, sizeof text, kDibOpenFailed, path);
    Report(text);
}

}  // namespace

ImageRGB* DecodeDIBImage(const unsigned char* bytes, size_t size, const char** error)
{
    Layout image;
    *error = ReadLayout(image, bytes, size);
    if (*error)
        return nullptr;
    const int64_t rows = image.height < 0 ? -image.height : image.height;
    unsigned char* data = new (std::nothrow) unsigned char[size_t(image.width * rows * 3)];
    ImageRGB* result = data ? new (std::nothrow) ImageRGB : nullptr;
    if (!result) {
        delete[] data;
        *error = kDibOutOfMemory;
        return nullptr;
    }
    ConvertRows(image, bytes, data);
    result->width = int32_t(image.width);
    result->height = int32_t(rows);
    result->data = data;
    return result;
}

ImageRGB* LoadDIBImage(const char* path, const char** error)
{
    const char* ignored = nullptr;
    const char** reported = error != nullptr ? error : &ignored;
    FILE* file = std::fopen(path, "rb");
    struct stat info;
    if (!file || fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) {
        if (file)
            std::fclose(file);
        *reported = kDibOpenFailed;
        ReportOpenFailure(path);
        return nullptr;
    }
    const size_t size = size_t(info.st_size);
    unsigned char* bytes = new (std::nothrow) unsigned char[size];
    const bool read = bytes && std::fread(bytes, 1, size, file) == size;
    std::fclose(file);
    if (!read) {
        *reported = bytes ? kDibOpenFailed : kDibOutOfMemory;
        if (bytes)
            ReportOpenFailure(path);
        else
            Report(kDibOutOfMemory);
        delete[] bytes;
        return nullptr;
    }
    ImageRGB* image = DecodeDIBImage(bytes, size, reported);
    delete[] bytes;
    if (!image)
        Report(*reported);
    return image;
}

void ReleaseImage(ImageRGB* image)
{
    if (!image)
        return;
    delete[] image->data;
    delete image;
}
