#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "dib_image.h"
#include "gl_text.h"
#include "image_files.h"
#include "load_failure.h"

namespace {

// Decodes the first `size` bytes of a file in memory; the bytes after them
// stay readable, so that a reader looking past the size it was given shows.
struct Decoded {
    ImageRGB* image;
    std::string error;

    explicit Decoded(const Bytes& file, size_t size = SIZE_MAX)
    {
        const char* text = nullptr;
        image = DecodeDIBImage(file.data(), std::min(size, file.size()), &text);
        error = text ? text : "";
    }
    ~Decoded() { ReleaseImage(image); }
};

Bytes With(Bytes file, size_t at, unsigned char value)
{
    file[at] = value;
    return file;
}

const std::vector<uint32_t> k565 = {0xF800, 0x07E0, 0x001F};

}  // namespace

// Every depth and layout the reader converts, each case one small file.
// Headers: width, height, bits, compression, header size (12 for a core
// header), colours used, file header, colour table (0xRRGGBB), masks.
TEST(DibImage, EveryDepthAndLayoutBecomesRgbBottomRowFirst)
{
    const std::vector<uint32_t> grey = {0x000000, 0x112233, 0x445566};
    std::vector<uint32_t> sixteen = grey;
    std::vector<uint32_t> core(256, 0);
    sixteen.resize(16, 0xFFFFFF);
    core[7] = 0x102030;
    const struct { const char* name; BitmapHeader h; Bytes rows, rgb; } cases[] = {
        {"24 bits, blue green red", {2, 1, 24}, {10, 20, 30, 1, 2, 3, 0, 0}, {30, 20, 10, 3, 2, 1}},
        // Stored rows of 9 bytes plus 3 of filler, which must vanish.
        {"rows with filler", {3, 2, 24},
         {0, 0, 1, 0, 0, 2, 0, 0, 3, 0xEE, 0xEE, 0xEE, 0, 0, 4, 0, 0, 5, 0, 0, 6, 0xEE, 0xEE, 0xEE},
         {1, 0, 0, 2, 0, 0, 3, 0, 0, 4, 0, 0, 5, 0, 0, 6, 0, 0}},
        {"top-down rows", {1, -3, 24}, {0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0}, {3, 0, 0, 2, 0, 0, 1, 0, 0}},
        {"8 bits", {3, 1, 8, 0, 40, 3, true, grey}, {2, 1, 0, 0},
         {0x44, 0x55, 0x66, 0x11, 0x22, 0x33, 0, 0, 0}},
        {"4 bits", {3, 1, 4, 0, 40, 0, true, sixteen}, {0x21, 0xF0, 0, 0},
         {0x44, 0x55, 0x66, 0x11, 0x22, 0x33, 0xFF, 0xFF, 0xFF}},
        {"1 bit", {3, 1, 1, 0, 40, 0, true, {0x0000FF, 0xFF0000}}, {0xA0, 0, 0, 0},
         {0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0}},
        {"indexes past a short colour table", {2, 1, 8, 0, 40, 1, true, {0xABCDEF}}, {1, 200, 0, 0},
         {0, 0, 0, 0, 0, 0}},
        {"core header", {2, 1, 8, 0, 12, 0, true, core}, {7, 0, 0, 0}, {0x10, 0x20, 0x30, 0, 0, 0}},
        // Without the file header the pixels follow the colour table, whose
        // length a depth gives when the header does not.
        {"core header alone", {2, 1, 8, 0, 12, 0, false, core}, {0, 7, 0, 0}, {0, 0, 0, 0x10, 0x20, 0x30}},
        {"info header alone", {2, 1, 8, 0, 40, 0, false, core}, {0, 7, 0, 0}, {0, 0, 0, 0x10, 0x20, 0x30}},
        {"1 bit alone", {2, 1, 1, 0, 40, 0, false, {0, 0x102030}}, {0x40, 0, 0, 0},
         {0, 0, 0, 0x10, 0x20, 0x30}},
        {"4 bits alone", {2, 1, 4, 0, 40, 0, false, sixteen}, {0x01, 0, 0, 0}, {0, 0, 0, 0x11, 0x22, 0x33}},
        {"24 bits alone", {2, 1, 24, 0, 40, 0, false}, {1, 2, 3, 4, 5, 6, 0, 0}, {3, 2, 1, 6, 5, 4}},
        {"16 bits are 5-5-5", {2, 1, 16}, {0x1F, 0x7C, 0, 0}, {0xFF, 0, 0xFF, 0, 0, 0}},
        {"16 bits, masks", {2, 1, 16, 3, 40, 0, true, {}, k565}, {0, 0, 0xE0, 0x07}, {0, 0, 0, 0, 0xFF, 0}},
        {"masks, no file header", {1, 1, 16, 3, 40, 0, false, {}, k565}, {0xE0, 0x07, 0, 0}, {0, 0xFF, 0}},
        {"32 bits through masks", {2, 1, 32, 3, 40, 0, true, {}, {0xFF, 0xFF00, 0xFF0000}},
         {0, 0, 0, 0, 1, 2, 3, 4}, {0, 0, 0, 1, 2, 3}},
        {"32 bits", {2, 1, 32}, {1, 2, 3, 4, 5, 6, 7, 8}, {3, 2, 1, 7, 6, 5}},
    };
    for (const auto& c : cases) {
        const Decoded d(BitmapFile(c.h, c.rows));
        ASSERT_NE(d.image, nullptr) << c.name << ": " << d.error;
        EXPECT_EQ(d.image->width, c.h.width) << c.name;
        EXPECT_EQ(d.image->height, std::abs(c.h.height)) << c.name;
        EXPECT_EQ(Bytes(d.image->data, d.image->data + c.rgb.size()), c.rgb) << c.name;
    }
}

TEST(DibImage, RefusesWhatItCannotConvert)
{
    const std::pair<const char*, BitmapHeader> headers[] = {
        {"a mask with a gap", {2, 2, 32, 3, 40, 0, true, {}, {0xF0F0, 0xFF00, 0xFF}}},
        {"an empty mask", {2, 2, 32, 3, 40, 0, true, {}, {0, 0xFF00, 0xFF}}},
        {"masks on 8 bits", {2, 2, 8, 3, 40, 0, true, {}, {0xE0, 0x1C, 0x03}}},
        {"masks that are zeros", {2, 2, 32, 3, 40, 0, false}},  {"run-length", {2, 2, 8, 1}},
        {"no width", {0}},  {"negative width", {-2}},  {"no height", {2, 0}},  {"lowest height", {2, INT_MIN}},
        {"huge", {0x7FFFFFFF, 0x7FFFFFFF}},  {"huge colour count", {2, 2, 8, 0, 40, 0xFFFFFFFF}},
        {"short colour table", {2, 2, 8, 0, 40, 0, true, {1, 2, 3}}},
    };
    // Enough pixel bytes for a quarter of a whole colour table.
    for (const auto& [name, h] : headers)
        EXPECT_EQ(Decoded(BitmapFile(h, Bytes(300))).error, kDibConversionError) << name;
    const Bytes whole = BitmapFile({}, Bytes(16));
    EXPECT_EQ(Decoded(With(whole, 10, 0xF0)).error, kDibConversionError);  // pixels past the end
    EXPECT_EQ(Decoded(whole, whole.size() - 1).error, kDibConversionError);  // the last row cut short
    // A pixel offset of 0 leaves the masks past the size given to show alone.
    const Bytes noMaskRoom = With(BitmapFile({1, 1, 16, 3, 40, 0, true, {}, k565}, {}), 10, 0);
    EXPECT_EQ(Decoded(noMaskRoom, noMaskRoom.size() - 12).error, kDibConversionError);

    EXPECT_EQ(Decoded(BitmapFile({2, 2, 24, 0, 108}, Bytes(16))).error, kDibUnknownFormat);
    for (size_t size : {1, 2, 13, 17, 30, 53})
        EXPECT_EQ(Decoded(whole, size).error, kDibUnknownFormat) << size << " bytes";
}

// The reader's report under the caption "Error", then the font's line with
// the path tried and the reason, which needs a data folder: the working
// directory's textures/. No file is left open.
TEST(DibImage, ADamagedFontGivesTheReadersTextThenThePathAndReason)
{
    const CTempFolder folder;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    const std::string path = folder.Path() + "/textures/Font.bmp";
    const struct { Bytes file; std::string report; const char* reason; } cases[] = {
        {{1}, "Unknown DIB file format.", "en-tête de bitmap inconnu (12 ou 40 octets attendus)"},
        {BitmapFile({64}, Bytes(8)), "Image file conversion error.",
         "bitmap illisible : dimensions, profondeur, compression et longueur du fichier ne s'accordent pas"},
        {{}, "Failed to open DIB file " + path + ".", "fichier vide"},
    };
    const size_t openBefore = OpenFileCount();
    for (const auto& c : cases) {
        folder.Write("textures/Font.bmp", c.file);
        glText font;
        testing::internal::CaptureStderr();
        EXPECT_EQ(font.LoadImageFile(path.c_str()), nullptr);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Error: " + c.report + "\n  " + path + " : " + c.reason + "\n");
    }
    std::filesystem::current_path(previous);
    const std::string missing = folder.Path() + "/missing.bmp";
    const char* error = nullptr;
    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadDIBImage(missing.c_str(), &error), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Failed to open DIB file " + missing + ".\n");
    EXPECT_EQ(error, kDibOpenFailed);
    const std::string good = folder.Write("good.bmp", BitmapFile({}, Bytes(16, 9)));
    ImageRGB* image = LoadDIBImage(good.c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->data[11], 9);
    ReleaseImage(image);
    EXPECT_EQ(OpenFileCount(), openBefore);
    // The reader's other two failures cannot be provoked from a file.
    EXPECT_EQ(BitmapFailure(good, kDibOutOfMemory), "mémoire insuffisante");
    EXPECT_EQ(BitmapFailure(good, kDibOpenFailed), "lecture interrompue");
}
