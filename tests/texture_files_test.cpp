// The generated pictures as the game and a desktop read them: every texture
// and the font bitmap through the game's own loaders, what they must show,
// the same bytes on every run of the generator, and the program's icons.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "deed_text.h"
#include "dib_image.h"
#include "font_accents.h"
#include "tables.h"
#include "texture.h"

namespace {

const std::string kFolder = TEXTURES_DIR;

std::vector<uint8_t> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// A decoded picture with rows counted from the top, as the player sees it.
struct Picture {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t bytes = 3;
    std::vector<uint8_t> bottomUp;  // as the loaders leave it: R, G, B(, A)
    int At(uint32_t x, uint32_t yFromTop, int channel) const
    {
        return bottomUp[bytes * ((height - 1 - yFromTop) * width + x) + channel];
    }
};

// name.tga through the game's loader; empty, with a failure, when it does
// not load in colour.
Picture ReadTarga(const std::string& name)
{
    CTexture texture;
    EXPECT_EQ(texture.Load((kFolder + "/" + name + ".tga").c_str()), 1) << name << ": " << texture.m_nError;
    EXPECT_GE(texture.m_nBpp, 24u) << name;
    const uint8_t* data = texture.m_pData;
    const size_t size = data ? texture.m_nBpp / 8 * texture.m_nPixels : 0;
    return {texture.m_nWidth, texture.m_nHeight, texture.m_nBpp / 8, {data, data + size}};
}

std::vector<std::string> TextureNames()
{
    std::vector<std::string> names = {
        "c0",  "c10", "c20", "c30", "b1",  "b2",  "b4",    "b5",      "b7",   "b12",
        "b22", "b28", "b36", "b38", "h1",  "h2",  "h6",    "h11",     "h16",  "h21",
        "h26", "h31", "h37", "maison", "loupe", "options", "info", "trade", "construire", "hypotheque"};
    for (int p = 0; p < kPropertyCount; ++p)
        names.push_back("p" + std::to_string(propertySquare[p]));
    return names;
}

// The ink of a font cell's rows, from the top, and the darkest texel of its
// top and bottom rows and its last column. Glyph k + 128 * set shows
// character k + 32, sixteen cells to a row from the top of the picture.
struct CellInk {
    std::vector<int> rows;
    int edge = 0;
    int Sum(size_t from, size_t to) const { return std::accumulate(rows.begin() + from, rows.begin() + to, 0); }
};

CellInk InkOf(const Picture& font, int character, int set)
{
    const int side = font.width / 16;
    const int glyph = character - 32 + 128 * set;
    CellInk ink{std::vector<int>(side)};
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const int texel = font.At(glyph % 16 * side + x, glyph / 16 * side + y, 0);
            ink.rows[y] += texel;
            if (y == 0 || y == side - 1 || x == side - 1)
                ink.edge = std::max(ink.edge, texel);
        }
    return ink;
}

}  // namespace

TEST(TextureFiles, EveryPictureLoadsAndTheGeneratorDrawsTheSameBytesAgain)
{
    const std::string again = testing::TempDir() + "texgen_again";
    const std::string command = "mkdir -p '" + again + "' && '" TEXGEN_PATH "' '" + again + "'";
    ASSERT_EQ(0, std::system(command.c_str()));
    for (const std::string& name : TextureNames()) {
        ReadTarga(name);
        EXPECT_EQ(ReadAll(kFolder + "/" + name + ".tga"), ReadAll(again + "/" + name + ".tga")) << name;
    }
    EXPECT_EQ(ReadAll(kFolder + "/Font.bmp"), ReadAll(again + "/Font.bmp"));
}

// The mortgage icon's upper zone mortgages (red), its lower one lifts a
// mortgage (green), meeting just under the middle; a deed card carries its
// group's colour at the top, where the name is. x < 0 counts from the right.
TEST(TextureFiles, PicturesStandUpright)
{
    const struct { const char* name; int x, yTwentieths, channel, against, margin; } probes[] = {
        {"hypotheque", 4, 5, 0, 1, 80},  {"hypotheque", 4, 15, 1, 0, 80},
        {"p39", -12, 1, 2, 0, 100},      {"p39", -12, 19, 0, -1, 200},  // RUE DE LA PAIX, dark blue
    };
    for (const auto& p : probes) {
        const Picture picture = ReadTarga(p.name);
        ASSERT_FALSE(picture.bottomUp.empty());
        const uint32_t x = p.x < 0 ? picture.width + p.x : p.x;
        const uint32_t y = picture.height * p.yTwentieths / 20;
        const int against = p.against < 0 ? 0 : picture.At(x, y, p.against);
        EXPECT_GT(picture.At(x, y, p.channel), against + p.margin) << p.name << " at " << x << "," << y;
    }
}

// Every printable ASCII character and accented letter has ink, kept off the
// last column (the next glyph's square covers it) and the edge rows (linear
// filtering reaches one texel into the neighbours above and below); the
// space and the cells past the accents stay empty. Set 1 is bold.
TEST(FontBitmap, GlyphsSitInsideTheCellsTheFontDrawsThemFrom)
{
    ImageRGB* image = LoadDIBImage((kFolder + "/Font.bmp").c_str());
    ASSERT_TRUE(image && image->width % 16 == 0 && image->height == image->width);
    const uint32_t width = uint32_t(image->width);
    const Picture font = {width, width, 3, {image->data, image->data + 3 * width * width}};
    ReleaseImage(image);
    const int last = kFirstAccentCharacter + kFontAccentCount - 1;
    const int side = font.width / 16;
    for (int set = 0; set < 2; ++set) {
        for (int c = ' '; c < 160; ++c) {
            if (c == 127)
                continue;  // DEL, which no text of the game holds
            const CellInk ink = InkOf(font, c, set);
            EXPECT_EQ(ink.Sum(0, side) > 0, c != ' ' && (c < 127 || (c >= kFirstAccentCharacter && c <= last)))
                << c << " in set " << set;
            EXPECT_LT(ink.edge, 40) << c << " in set " << set;
        }
        const CellInk underscore = InkOf(font, '_', set);
        const CellInk grave = InkOf(font, '`', set);
        EXPECT_GT(underscore.Sum(side / 2, side), underscore.Sum(0, side) * 9 / 10);
        EXPECT_GT(grave.Sum(0, side / 2), grave.Sum(0, side) * 9 / 10);
    }
    EXPECT_GT(InkOf(font, 'A', 1).Sum(0, side), InkOf(font, 'A', 0).Sum(0, side) * 5 / 4);
}

// The amounts the cards print, in order, written as the game writes
// amounts; "--" marks a line with a rule drawn above it. The street is
// RUE DE LA PAIX.
TEST(DeedText, CardsPrintTheirDeedsAmountsInOrder)
{
    const std::pair<int, const char*> cards[] = {
        {21, "40.000 F|5.000 F|20.000 F|60.000 F|140.000 F|170.000 F|200.000 F|--20.000 F|20.000 F|--20.000 F|"},
        {25, "20.000 F|2.500 F|5.000 F|10.000 F|20.000 F|--10.000 F|"},  // GARE DE LYON
        {23, "15.000 F|dés × 400 F|dés × 1.000 F|--7.500 F|"},           // COMPAGNIE DES EAUX
    };
    for (const auto& [property, amounts] : cards) {
        std::string lines;
        for (const CDeedLine& line : DeedLines(property))
            lines += (line.startsSection ? "--" : "") + line.amount + "|";
        EXPECT_EQ(lines, amounts) << deedTable[property].name;
    }
}

// The program's icons as a desktop reads them: PNG files of the sizes their
// folders name, clear in the corners and opaque over the house and the rim.
TEST(AppIcon, EverySizeIsAPngOfThatSizeWithATransparentGround)
{
    for (int size : {64, 128, 256}) {
        const std::string side = std::to_string(size);
        const std::string path = ICONS_DIR "/" + side + "x" + side + "/apps/bourgade3d.png";
        cairo_surface_t* icon = cairo_image_surface_create_from_png(path.c_str());
        ASSERT_EQ(cairo_surface_status(icon), CAIRO_STATUS_SUCCESS) << path;
        EXPECT_EQ(cairo_image_surface_get_format(icon), CAIRO_FORMAT_ARGB32) << path;
        EXPECT_EQ(cairo_image_surface_get_width(icon), size) << path;
        EXPECT_EQ(cairo_image_surface_get_height(icon), size) << path;
        const auto alpha = [&](int x, int y) {  // x and y in 256ths of the side
            const unsigned char* row = cairo_image_surface_get_data(icon);
            row += y * size / 256 * cairo_image_surface_get_stride(icon);
            return reinterpret_cast<const uint32_t*>(row)[x * size / 256] >> 24;
        };
        for (const auto& [x, y] : {std::pair{0, 0}, {255, 0}, {0, 255}, {255, 255}})
            EXPECT_EQ(alpha(x, y), 0u) << path << " at " << x << "," << y;
        for (const auto& [x, y] : {std::pair{128, 128}, {128, 30}, {30, 128}})
            EXPECT_EQ(alpha(x, y), 255u) << path << " at " << x << "," << y;
        cairo_surface_destroy(icon);
    }
}
