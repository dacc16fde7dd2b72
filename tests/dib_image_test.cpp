#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "dib_image.h"
#include "image_files.h"

namespace {

// Decodes in memory; returns the image or nullptr, and the failure text.
struct Decoded {
    ImageRGB* image;
    std::string error;

    explicit Decoded(const Bytes& file)
    {
        const char* text = nullptr;
        image = DecodeDIBImage(file.data(), file.size(), &text);
        error = text ? text : "";
    }
    ~Decoded() { ReleaseImage(image); }

    Bytes Pixels() const
    {
        return Bytes(image->data, image->data + image->width * image->height * 3);
    }
};

BitmapHeader Header(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
                    uint32_t headerSize = 40, uint32_t coloursUsed = 0, bool fileHeader = true,
                    std::vector<uint32_t> palette = {}, std::vector<uint32_t> masks = {})
{
    return {width, height, bits, compression, headerSize, coloursUsed, fileHeader, palette, masks};
}

}  // namespace

// Every depth and layout the reader converts, each case one small file.
// Headers: width, height, bits, compression, header size (12 for a core
// header), colours used, file header, colour table (0xRRGGBB), masks.
TEST(DibImage, EveryDepthAndLayoutBecomesRgbBottomRowFirst)
{
    const std::vector<uint32_t> grey = {0x000000, 0x112233, 0x445566};
    std::vector<uint32_t> sixteen = grey;
    sixteen.resize(16, 0xFFFFFF);
    std::vector<uint32_t> core(256, 0);
    core[7] = 0x102030;
    const struct {
        const char* name;
        BitmapHeader h;
        Bytes rows;
        Bytes rgb;
    } cases[] = {
        {"24 bits, blue green red", Header(2, 1, 24), {10, 20, 30, 1, 2, 3, 0, 0},
         {30, 20, 10, 3, 2, 1}},
        // Stored rows of 9 bytes plus 3 of filler, which must vanish.
        {"rows with filler", Header(3, 2, 24),
         {0, 0, 1, 0, 0, 2, 0, 0, 3, 0xEE, 0xEE, 0xEE, 0, 0, 4, 0, 0, 5, 0, 0, 6, 0xEE, 0xEE, 0xEE},
         {1, 0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0, 5, 0, 0, 6, 0, 0}},
        {"top-down rows", Header(1, -3, 24), {0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0},
         {3, 0, 0, 2, 0, 0, 1, 0, 0}},
        {"8 bits", Header(3, 1, 8, 0, 40, 3, true, grey), {2, 1, 0, 0},
         {0x44, 0x55, 0x66, 0x11, 0x22, 0x33, 0, 0, 0}},
        {"4 bits", Header(3, 1, 4, 0, 40, 0, true, sixteen), {0x21, 0xF0, 0, 0},
         {0x44, 0x55, 0x66, 0x11, 0x22, 0x33, 0xFF, 0xFF, 0xFF}},
        {"1 bit", Header(3, 1, 1, 0, 40, 0, true, {0x0000FF, 0xFF0000}), {0xA0, 0, 0, 0},
         {0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0}},
        {"index past a short colour table", Header(1, 1, 8, 0, 40, 1, true, {0xABCDEF}),
         {200, 0, 0, 0}, {0, 0, 0}},
        {"core header", Header(2, 1, 8, 0, 12, 0, true, core), {7, 0, 0, 0},
         {0x10, 0x20, 0x30, 0, 0, 0}},
        // Without the file header the pixels follow the colour table, whose
        // length a depth gives when the header does not.
        {"core header alone", Header(2, 1, 8, 0, 12, 0, false, core), {0, 7, 0, 0},
         {0, 0, 0, 0x10, 0x20, 0x30}},
        {"info header alone", Header(2, 1, 8, 0, 40, 0, false, core), {0, 7, 0, 0},
         {0, 0, 0, 0x10, 0x20, 0x30}},
        {"1 bit alone", Header(2, 1, 1, 0, 40, 0, false, {0, 0x102030}), {0x40, 0, 0, 0},
         {0, 0, 0, 0x10, 0x20, 0x30}},
        {"4 bits alone", Header(2, 1, 4, 0, 40, 0, false, sixteen), {0x01, 0, 0, 0},
         {0, 0, 0, 0x11, 0x22, 0x33}},
        {"24 bits alone", Header(2, 1, 24, 0, 40, 0, false), {1, 2, 3, 4, 5, 6, 0, 0}, {3, 2, 1, 6, 5, 4}},
        {"16 bits are 5-5-5", Header(2, 1, 16), {0x1F, 0x7C, 0, 0}, {0xFF, 0, 0xFF, 0, 0, 0}},
        {"16 bits through masks", Header(2, 1, 16, 3, 40, 0, true, {}, {0xF800, 0x07E0, 0x001F}),
         {0, 0, 0xE0, 0x07}, {0, 0, 0, 0, 0xFF, 0}},
        {"masks without a file header",
         Header(1, 1, 16, 3, 40, 0, false, {}, {0xF800, 0x07E0, 0x001F}), {0xE0, 0x07, 0, 0},
         {0, 0xFF, 0}},
        {"32 bits through masks", Header(2, 1, 32, 3, 40, 0, true, {}, {0xFF, 0xFF00, 0xFF0000}),
         {0, 0, 0, 0, 1, 2, 3, 4}, {0, 0, 0, 1, 2, 3}},
        {"32 bits", Header(2, 1, 32), {1, 2, 3, 4, 5, 6, 7, 8}, {3, 2, 1, 7, 6, 5}},
    };
    for (const auto& c : cases) {
        const Decoded d(BitmapFile(c.h, c.rows));
        ASSERT_NE(d.image, nullptr) << c.name << ": " << d.error;
        EXPECT_EQ(d.image->width, c.h.width) << c.name;
        EXPECT_EQ(d.image->height, std::abs(c.h.height)) << c.name;
        EXPECT_EQ(d.Pixels(), c.rgb) << c.name;
    }
}

TEST(DibImage, RefusesWhatItCannotConvert)
{
    BitmapHeader broken;
    broken.bitCount = 32;
    broken.compression = 3;
    broken.masks = {0xF0F0, 0xFF00, 0xFF};  // a mask with a gap
    BitmapHeader emptyMask = broken;
    emptyMask.masks = {0, 0xFF00, 0xFF};
    BitmapHeader palettedMasks = broken;
    palettedMasks.bitCount = 8;
    palettedMasks.masks = {0xE0, 0x1C, 0x03};
    BitmapHeader noMasks = broken;
    noMasks.masks.clear();
    noMasks.fileHeader = false;
    BitmapHeader rle;
    rle.bitCount = 8;
    rle.compression = 1;
    BitmapHeader noWidth;
    noWidth.width = 0;
    BitmapHeader negativeWidth;
    negativeWidth.width = -2;
    BitmapHeader tooHigh;
    tooHigh.height = INT_MIN;
    BitmapHeader huge;
    huge.width = 0x7FFFFFFF;
    huge.height = 0x7FFFFFFF;
    BitmapHeader hugePalette;
    hugePalette.bitCount = 8;
    hugePalette.coloursUsed = 0xFFFFFFFF;
    BitmapHeader shortPalette;
    shortPalette.bitCount = 8;
    shortPalette.palette = {1, 2, 3};
    for (const BitmapHeader& h : {broken, emptyMask, palettedMasks, noMasks, rle, noWidth,
                                  negativeWidth, tooHigh, huge, hugePalette, shortPalette}) {
        // Enough pixel bytes for a quarter of a whole colour table.
        const Decoded d(BitmapFile(h, Bytes(300, 0)));
        EXPECT_EQ(d.image, nullptr);
        EXPECT_EQ(d.error, kDibConversionError) << h.width << "x" << h.height;
    }
}

TEST(DibImage, OffsetsAndDataPastTheEndAreRefused)
{
    BitmapHeader h;
    Bytes file = BitmapFile(h, Bytes(16, 0));
    const Bytes whole = file;
    file[10] = 0xF0;  // pixel offset far past the end
    EXPECT_EQ(Decoded(file).error, kDibConversionError);
    file = whole;
    file.resize(file.size() - 1);  // the last row ends early
    EXPECT_EQ(Decoded(file).error, kDibConversionError);
}

TEST(DibImage, UnknownAndTruncatedHeaders)
{
    BitmapHeader v4;
    v4.headerSize = 108;
    EXPECT_EQ(Decoded(BitmapFile(v4, Bytes(16, 0))).error, kDibUnknownFormat);
    const Bytes whole = BitmapFile(BitmapHeader(), Bytes(16, 0));
    for (size_t size : {1, 2, 13, 17, 30, 53}) {
        const Decoded d(Bytes(whole.begin(), whole.begin() + size));
        EXPECT_EQ(d.image, nullptr);
        EXPECT_EQ(d.error, kDibUnknownFormat) << size << " bytes";
    }
}

TEST(DibImage, FileFailuresAreReportedUnderTheCaption)
{
    CTempFolder folder;
    const std::string empty = folder.Write("empty.bmp", {});
    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadDIBImage(empty.c_str()), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error: Failed to open DIB file " + empty + ".\n");

    BitmapHeader v4;
    v4.headerSize = 108;
    const std::string newer = folder.Write("newer.bmp", BitmapFile(v4, Bytes(16, 0)));
    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadDIBImage(newer.c_str()), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Unknown DIB file format.\n");

    const std::string good = folder.Write("good.bmp", BitmapFile(BitmapHeader(), Bytes(16, 9)));
    ImageRGB* image = LoadDIBImage(good.c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->data[11], 9);
    ReleaseImage(image);
}
