// The data folder as the game reads it: every picture and the font bitmap
// through the game's own loaders, and what the pictures must show.
#include "deed_text.h"
#include "dib_image.h"
#include "font_accents.h"
#include "tables.h"
#include "texture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kFolder = TEXTURES_DIR;

std::vector<uint8_t> ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// A decoded picture with rows counted from the top, as the player sees it.
struct Picture {
    uint32_t width = 0, height = 0, bytes = 3;
    std::vector<uint8_t> bottomUp;  // as the loaders leave it: R, G, B(, A)
    const uint8_t* At(uint32_t x, uint32_t yFromTop) const
    {
        return &bottomUp[bytes * ((height - 1 - yFromTop) * width + x)];
    }
};

// Loads name.tga with the game's loader, keeping its pixels.
::testing::AssertionResult ReadTarga(const std::string& name, Picture& picture)
{
    CTexture texture;
    if (texture.Load((kFolder + "/" + name + ".tga").c_str()) != 1)
        return ::testing::AssertionFailure() << name << ": error " << texture.m_nError;
    if (texture.m_nBpp < 24)
        return ::testing::AssertionFailure() << name << ": " << texture.m_nBpp << " bits";
    picture.width = texture.m_nWidth;
    picture.height = texture.m_nHeight;
    picture.bytes = texture.m_nBpp / 8;
    picture.bottomUp.assign(texture.m_pData, texture.m_pData + picture.bytes * texture.m_nPixels);
    return ::testing::AssertionSuccess();
}

// The font through the game's bitmap reader, in 16 x 16 whole cells.
::testing::AssertionResult ReadFontBitmap(Picture& picture)
{
    const std::unique_ptr<ImageRGB, void (*)(ImageRGB*)> image(
        LoadDIBImage((kFolder + "/Font.bmp").c_str()), ReleaseImage);
    if (!image || image->width % 16 || image->height % 16)
        return ::testing::AssertionFailure() << "Font.bmp: unreadable or not 16 x 16 cells";
    picture.width = uint32_t(image->width);
    picture.height = uint32_t(image->height);
    picture.bottomUp.assign(image->data, image->data + 3 * picture.width * picture.height);
    return ::testing::AssertionSuccess();
}

std::vector<std::string> TextureNames()
{
    std::vector<std::string> names = {
        "c0",  "c10",    "c20",     "c30",  "b1",    "b2",         "b4",        "b5",
        "b7",  "b12",    "b22",     "b28",  "b36",   "b38",        "h1",        "h2",
        "h6",  "h11",    "h16",     "h21",  "h26",   "h31",        "h37",       "maison",
        "loupe", "options", "info", "trade", "construire", "hypotheque"};
    for (int p = 0; p < kPropertyCount; ++p)
        names.push_back("p" + std::to_string(propertySquare[p]));
    return names;
}

TEST(TextureFiles, EveryTargaLoadsAsTheGameReadsIt)
{
    for (const std::string& name : TextureNames()) {
        Picture picture;
        EXPECT_TRUE(ReadTarga(name, picture));
    }
}

// The lower zone of the mortgage icon lifts a mortgage (green), the upper
// one mortgages (red); the zones meet just under the middle.
TEST(TextureFiles, MortgageIconStandsUpright)
{
    Picture icon;
    ASSERT_TRUE(ReadTarga("hypotheque", icon));
    const uint8_t* upper = icon.At(4, icon.height / 4);
    const uint8_t* lower = icon.At(4, icon.height * 3 / 4);
    EXPECT_GT(upper[0], upper[1] + 80);
    EXPECT_GT(lower[1], lower[0] + 80);
}

// A deed card carries its group's colour at the top, where the name is.
TEST(TextureFiles, DeedCardHeaderIsAtTheTop)
{
    Picture card;
    ASSERT_TRUE(ReadTarga("p39", card));  // RUE DE LA PAIX, dark blue
    const uint8_t* header = card.At(card.width - 12, card.height / 20);
    const uint8_t* body = card.At(card.width - 12, card.height * 19 / 20);
    EXPECT_GT(header[2], header[0] + 100);
    EXPECT_GT(body[0], 200);
}

int Ink(const Picture& font, int column, int row, int x, int y)
{
    const int cell = font.width / 16;
    return font.At(column * cell + x, row * cell + y)[0];
}

// The glyph the font's lists draw for a character: cell k + 128 * set for
// character k + 32, sixteen to a row from the top of the picture.
struct Cell {
    int column, row;
};

Cell CellOf(int character, int set)
{
    const int glyph = character - 32 + 128 * set;
    return {glyph % 16, glyph / 16};
}

// Ink per row of a cell, top to bottom, and in all.
std::vector<int> RowInk(const Picture& font, Cell c)
{
    const int cell = font.width / 16;
    std::vector<int> rows(cell);
    for (int y = 0; y < cell; ++y)
        for (int x = 0; x < cell; ++x)
            rows[y] += Ink(font, c.column, c.row, x, y);
    return rows;
}

int Sum(const std::vector<int>& v)
{
    int total = 0;
    for (int n : v)
        total += n;
    return total;
}

TEST(FontBitmap, GlyphsSitInsideTheCellsTheFontDrawsThemFrom)
{
    Picture font;
    ASSERT_TRUE(ReadFontBitmap(font));
    const int cell = font.width / 16;
    const int kDark = 40;
    for (int set = 0; set < 2; ++set) {
        EXPECT_EQ(0, Sum(RowInk(font, CellOf(' ', set))));
        // The printable ASCII characters, then the accented letters.
        const int last = kFirstAccentCharacter + kFontAccentCount - 1;
        for (int c = '!'; c <= last; c = c == '~' ? kFirstAccentCharacter : c + 1) {
            const Cell at = CellOf(c, set);
            EXPECT_GT(Sum(RowInk(font, at)), 0) << "no glyph for " << c << " in set " << set;
            // The next glyph's square covers the last two columns; linear
            // filtering reaches one texel into the neighbours above and below.
            for (int i = 0; i < cell; ++i) {
                EXPECT_LT(Ink(font, at.column, at.row, cell - 1, i), kDark) << c;
                EXPECT_LT(Ink(font, at.column, at.row, i, 0), kDark) << c;
                EXPECT_LT(Ink(font, at.column, at.row, i, cell - 1), kDark) << c;
            }
        }
        for (int c = last + 1; c < 160; ++c)
            EXPECT_EQ(0, Sum(RowInk(font, CellOf(c, set)))) << "the cells past the accents stay empty";
        const std::vector<int> underscore = RowInk(font, CellOf('_', set));
        const std::vector<int> accent = RowInk(font, CellOf('`', set));
        EXPECT_GT(Sum({underscore.begin() + cell / 2, underscore.end()}), Sum(underscore) * 9 / 10);
        EXPECT_GT(Sum({accent.begin(), accent.begin() + cell / 2}), Sum(accent) * 9 / 10);
    }
    EXPECT_GT(Sum(RowInk(font, CellOf('A', 1))), Sum(RowInk(font, CellOf('A', 0))) * 5 / 4);
}

// The numbers printed on cards are the deed table's, written as the cards
// of the game write amounts.
TEST(DeedText, StreetCardListsEveryPriceAndRent)
{
    const std::vector<CDeedLine> expected = {
        {"Prix", "40.000 F"},           {"Loyer terrain nu", "5.000 F"},
        {"Avec 1 maison", "20.000 F"},  {"Avec 2 maisons", "60.000 F"},
        {"Avec 3 maisons", "140.000 F"}, {"Avec 4 maisons", "170.000 F"},
        {"Avec un HÔTEL", "200.000 F"}, {"Prix d'une maison", "20.000 F"},
        {"Prix d'un hôtel", "20.000 F"}, {"Valeur hypothécaire", "20.000 F"}};
    const std::vector<CDeedLine> lines = DeedLines(21);  // RUE DE LA PAIX
    ASSERT_EQ(expected.size(), lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(expected[i].label, lines[i].label);
        EXPECT_EQ(expected[i].amount, lines[i].amount);
    }
    EXPECT_EQ("62.500 F", DeedLines(5)[5].amount);  // BOUL. DE LA VILLETTE, 4 houses
}

TEST(DeedText, StationAndUtilityCardsGiveTheirRentRules)
{
    const std::vector<CDeedLine> station = DeedLines(25);  // GARE DE LYON
    ASSERT_EQ(6u, station.size());
    EXPECT_EQ("20.000 F", station[0].amount);
    EXPECT_EQ("2.500 F", station[1].amount);
    EXPECT_EQ("20.000 F", station[4].amount);
    EXPECT_EQ("10.000 F", station[5].amount);
    const std::vector<CDeedLine> utility = DeedLines(23);  // COMPAGNIE DES EAUX
    ASSERT_EQ(4u, utility.size());
    EXPECT_EQ("dés × 400 F", utility[1].amount);
    EXPECT_EQ("dés × 1.000 F", utility[2].amount);
    EXPECT_EQ("7.500 F", utility[3].amount);
}

// Same generator, same bytes: a second run matches the build's folder.
TEST(TextureFiles, GeneratorIsDeterministic)
{
    const std::string again = testing::TempDir() + "texgen_again";
    const std::string command = "mkdir -p '" + again + "' && '" TEXGEN_PATH "' '" + again + "'";
    ASSERT_EQ(0, std::system(command.c_str()));
    std::vector<std::string> names = TextureNames();
    for (std::string& name : names)
        name += ".tga";
    names.push_back("Font.bmp");
    for (const std::string& name : names)
        EXPECT_EQ(ReadAll(kFolder + "/" + name), ReadAll(again + "/" + name)) << name;
}

}  // namespace
