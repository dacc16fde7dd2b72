#include <gtest/gtest.h>

#include <climits>

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

}  // namespace

TEST(DibImage, TwentyFourBitsBecomeRgb)
{
    BitmapHeader h;
    h.width = 256;
    h.height = 256;
    Bytes rows(256 * 256 * 3, 0);
    rows[0] = 10, rows[1] = 20, rows[2] = 30;  // blue, green, red
    const Decoded d(BitmapFile(h, rows));
    ASSERT_NE(d.image, nullptr) << d.error;
    EXPECT_EQ(d.image->width, 256);
    EXPECT_EQ(d.image->height, 256);
    EXPECT_EQ(Bytes(d.image->data, d.image->data + 3), (Bytes{30, 20, 10}));
}

TEST(DibImage, RowsLoseTheirFiller)
{
    BitmapHeader h;
    h.width = 5;
    h.height = 2;
    // Stored rows of 15 bytes plus 1 filler byte; the filler must vanish.
    Bytes rows;
    for (int r = 0; r < 2; ++r) {
        for (int x = 0; x < 5; ++x)
            rows.insert(rows.end(), {0, 0, static_cast<unsigned char>(10 * r + x)});
        rows.push_back(0xEE);
    }
    const Decoded d(BitmapFile(h, rows));
    ASSERT_NE(d.image, nullptr) << d.error;
    const Bytes pixels = d.Pixels();
    ASSERT_EQ(pixels.size(), 30u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(pixels[3 * i], (i / 5) * 10 + i % 5) << "pixel " << i;
}

TEST(DibImage, PalettedDepthsGoThroughTheColourTable)
{
    BitmapHeader h;
    h.width = 3;
    h.height = 1;
    h.bitCount = 8;
    h.palette = {0x000000, 0x112233, 0x445566};
    h.coloursUsed = 3;
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{2, 1, 0, 0})).Pixels(),
              (Bytes{0x44, 0x55, 0x66, 0x11, 0x22, 0x33, 0, 0, 0}));

    h.bitCount = 4;
    h.coloursUsed = 0;
    h.palette.resize(16, 0xFFFFFF);
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{0x21, 0xF0, 0, 0})).Pixels(),
              (Bytes{0x44, 0x55, 0x66, 0x11, 0x22, 0x33, 0xFF, 0xFF, 0xFF}));

    h.bitCount = 1;
    h.palette = {0x0000FF, 0xFF0000};
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{0xA0, 0, 0, 0})).Pixels(),
              (Bytes{0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0}));
}

TEST(DibImage, IndexesPastAShortColourTableAreBlack)
{
    BitmapHeader h;
    h.width = 1;
    h.height = 1;
    h.bitCount = 8;
    h.coloursUsed = 1;
    h.palette = {0xABCDEF};
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{200, 0, 0, 0})).Pixels(), (Bytes{0, 0, 0}));
}

TEST(DibImage, CoreHeaderAndNoFileHeader)
{
    BitmapHeader h;
    h.width = 2;
    h.height = 1;
    h.bitCount = 8;
    h.headerSize = 12;
    h.palette.assign(256, 0);
    h.palette[7] = 0x102030;
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{7, 0, 0, 0})).Pixels(), (Bytes{0x10, 0x20, 0x30, 0, 0, 0}));

    // Without the file header the pixels follow the colour table, whose
    // length a depth gives when the header does not.
    h.fileHeader = false;
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{0, 7, 0, 0})).Pixels(), (Bytes{0, 0, 0, 0x10, 0x20, 0x30}));
    h.headerSize = 40;
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{0, 7, 0, 0})).Pixels(), (Bytes{0, 0, 0, 0x10, 0x20, 0x30}));
    h.bitCount = 1;
    h.palette = {0x000000, 0x102030};
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{0x40, 0, 0, 0})).Pixels(), (Bytes{0, 0, 0, 0x10, 0x20, 0x30}));
    h.bitCount = 24;
    h.palette.clear();
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{1, 2, 3, 4, 5, 6, 0, 0})).Pixels(), (Bytes{3, 2, 1, 6, 5, 4}));
}

TEST(DibImage, TopDownBitmapsComeOutBottomRowFirst)
{
    BitmapHeader h;
    h.width = 1;
    h.height = -3;
    const Bytes rows = {0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0};  // top row first
    const Decoded d(BitmapFile(h, rows));
    ASSERT_NE(d.image, nullptr) << d.error;
    EXPECT_EQ(d.image->height, 3);
    EXPECT_EQ(d.Pixels(), (Bytes{3, 0, 0, 2, 0, 0, 1, 0, 0}));
}

TEST(DibImage, SixteenAndThirtyTwoBitPixels)
{
    BitmapHeader h;
    h.width = 1;
    h.height = 1;
    h.bitCount = 16;  // 5-5-5 when uncompressed
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{0x1F, 0x7C, 0, 0})).Pixels(), (Bytes{0xFF, 0, 0xFF}));

    h.compression = 3;  // 5-6-5 through colour masks
    h.masks = {0xF800, 0x07E0, 0x001F};
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{0xE0, 0x07, 0, 0})).Pixels(), (Bytes{0, 0xFF, 0}));

    h.bitCount = 32;
    h.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{1, 2, 3, 4})).Pixels(), (Bytes{1, 2, 3}));

    h.compression = 0;
    h.masks.clear();
    EXPECT_EQ(Decoded(BitmapFile(h, Bytes{1, 2, 3, 4})).Pixels(), (Bytes{3, 2, 1}));
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
