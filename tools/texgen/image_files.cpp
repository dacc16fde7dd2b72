#include "image_files.h"

#include "canvas.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

void PutLe16(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutLe32(std::vector<uint8_t>& out, uint32_t value)
{
    PutLe16(out, value & 0xffff);
    PutLe16(out, value >> 16);
}

// Rows from the bottom of the picture up, each pixel blue, green, red, each
// row padded with zeros to a multiple of `rowAlign` bytes.
void PutBottomUpBgr(std::vector<uint8_t>& out, const CCanvas& canvas, int rowAlign)
{
    const int rowBytes = canvas.PixelWidth() * 3;
    const int padding = (rowAlign - rowBytes % rowAlign) % rowAlign;
    canvas.Finish();
    for (int y = canvas.PixelHeight() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.PixelWidth(); ++x) {
            uint8_t rgb[3];
            canvas.Pixel(x, y, rgb);
            out.insert(out.end(), {rgb[2], rgb[1], rgb[0]});
        }
        out.insert(out.end(), padding, 0);
    }
}

bool WriteFile(const std::vector<uint8_t>& bytes, const char* path)
{
    FILE* file = std::fopen(path, "wb");
    bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file && std::fclose(file) != 0)
        written = false;
    if (!written)
        std::fprintf(stderr, "texgen: cannot write %s\n", path);
    return written;
}

}  // namespace

bool WriteTarga(const CCanvas& canvas, const char* path)
{
    const uint8_t kTrueColour = 2;
    std::vector<uint8_t> bytes = {0, 0, kTrueColour, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    PutLe16(bytes, canvas.PixelWidth());
    PutLe16(bytes, canvas.PixelHeight());
    bytes.push_back(24);
    bytes.push_back(0);  // no alpha bits, first row at the bottom
    PutBottomUpBgr(bytes, canvas, 1);
    return WriteFile(bytes, path);
}

bool WriteBitmap(const CCanvas& canvas, const char* path)
{
    const uint32_t kHeadersSize = 14 + 40;
    const uint32_t rowBytes = (canvas.PixelWidth() * 3 + 3) / 4 * 4;
    const uint32_t imageSize = rowBytes * canvas.PixelHeight();
    const uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch
    std::vector<uint8_t> bytes = {'B', 'M'};
    PutLe32(bytes, kHeadersSize + imageSize);
    PutLe32(bytes, 0);
    PutLe32(bytes, kHeadersSize);
    PutLe32(bytes, 40);
    PutLe32(bytes, canvas.PixelWidth());
    PutLe32(bytes, canvas.PixelHeight());  // positive: bottom row first
    PutLe16(bytes, 1);
    PutLe16(bytes, 24);
    PutLe32(bytes, 0);  // no compression
    PutLe32(bytes, imageSize);
    PutLe32(bytes, kPixelsPerMetre);
    PutLe32(bytes, kPixelsPerMetre);
    PutLe32(bytes, 0);
    PutLe32(bytes, 0);
    PutBottomUpBgr(bytes, canvas, 4);
    return WriteFile(bytes, path);
}

bool SaveTarga(const CCanvas& canvas, const std::string& folder, const std::string& name)
{
    return WriteTarga(canvas, (folder + "/" + name + ".tga").c_str());
}
