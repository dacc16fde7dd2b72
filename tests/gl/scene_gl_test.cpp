// The game's frame drawn for real, seen from above, checked pixel by pixel.
#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "image_files.h"
#include "renderer.h"
#include "palette.h"
#include "panel_layout.h"
#include "scene_frame.h"
#include "table.h"
#include "texture.h"

namespace {

constexpr int kPlayers = 3;
constexpr Colour kPlate = {kPlateColour[0], kPlateColour[1], kPlateColour[2]};
const CVector kOverTheHead(0, 0.42f, 0), kMiddle(0, 0.5f, 0);
// The rim outside the squares, where the first house of square 1 stands.
const CVector kFirstHouse = SquarePoint(1, 0.3f, 0.52f, -0.2f);

Colour PaletteOf(int i) { return {playerPalette[i].r, playerPalette[i].g, playerPalette[i].b}; }
Colour PawnColour(int k)
{
    const float* c = TheApp().Table().pawns[k].m_Color;
    return {c[0], c[1], c[2]};
}
Colour Shaded(const double c[3], float k) { return {float(c[0]) * k, float(c[1]) * k, float(c[2]) * k}; }

// The texel at (s, t) of a texture file, as the game reads it.
Colour Texel(const std::string& path, float s, float t)
{
    CTexture texture;
    EXPECT_EQ(texture.Load(path.c_str()), 1) << path;
    if (!texture.m_pData)
        return {0, 0, 0};
    const unsigned row = unsigned(t * texture.m_nHeight);
    const unsigned column = unsigned(s * texture.m_nWidth);
    const unsigned char* p = texture.m_pData + (row * texture.m_nWidth + column) * (texture.m_nBpp / 8);
    return FromBytes(p[0], p[1], p[2]);
}

template <typename Test>
int Count(const std::vector<Colour>& seen, Test test)
{
    return int(std::count_if(seen.begin(), seen.end(), test));
}

// A game of three players (pawns 3 to 5 never built) at its start, with no
// deed card shown, drawn by the game's own frame.
class SceneTest : public GlTest {
protected:
    static void SetUpTestSuite()
    {
        TheApp().Game().playerCount = kPlayers;
        TheApp().Game().NewGame();
        TheApp().Table().BuildList();
    }

    void SetUp() override
    {
        GlTest::SetUp();
        InitGL();
        for (int i = 0; i < kPlayerSlots; ++i) {
            std::snprintf(TheApp().Game().players[i].name, kNameSize, "Joueur %d", i + 1);
            TheApp().Game().players[i].color = i;
        }
        TheApp().Game().current = 0;
        TheApp().Game().ResetProperties();
        for (int i = 0; i < kSquareCount; ++i)
            TheApp().Table().board.SetBuildings(i, 0);
        TheApp().Table().deedCard.LoadPicture(2);
        ViewFromAbove();
    }

    static void Draw()
    {
        TheApp().ShowFrame(nullptr);
        glFinish();
    }

    // Expects a board point to show `colour` under the lights, or not.
    static void ExpectLit(const CVector& p, const Colour& colour, float minStrength = 0.1f, bool lit = true)
    {
        const Colour seen = ReadColour(OnBoard(p));
        EXPECT_EQ(LitAs(seen, colour, minStrength), lit) << p.x << "," << p.y << "," << p.z << " shows " << seen;
    }

    // The pixels of the window square around a board point.
    static std::vector<Colour> Around(const CVector& world, int half)
    {
        const WindowPixel at = OnBoard(world);
        std::vector<Colour> seen;
        for (int dy = -half; dy <= half; ++dy)
            for (int dx = -half; dx <= half; ++dx)
                seen.push_back(ReadColour({at.x + dx, at.y + dy}));
        return seen;
    }
};

TEST_F(SceneTest, EachThingShowsItsColourAtItsPlace)
{
    // A pawn never built draws nothing; a player leaving copies the pawns
    // behind over theirs, and the copy draws.
    CPawn& slot = TheApp().Table().pawns[3];
    const CPawn unbuilt = slot;
    slot.m_vPosition = kMiddle;
    Draw();
    ExpectLit(kMiddle + kOverTheHead, PawnColour(3), 0.1f, false);
    // The first street before it is owned and mortgaged, to compare with.
    const CVector marker = SquarePoint(1, 1, 0.4f, 3.25f);
    const CVector middle = SquarePoint(1, 1, 0, 1.5f);
    const CVector picture = SquarePoint(1, 1, 0, 0.6f);  // outside the name plate and the stamp
    const auto stamped = [](const Colour& c) { return c.r > 0.5f && c.g < 0.3f && c.b < 0.3f; };
    ExpectLit(marker, PawnColour(2), 0.1f, false);
    const Colour clear = ReadColour(OnBoard(picture));
    const int plain = Count(Around(middle, 14), stamped);
    slot = TheApp().Table().pawns[1];
    slot.m_vPosition = kMiddle;
    Draw();
    ExpectLit(kMiddle + kOverTheHead, PawnColour(1), 0.85f);
    slot = unbuilt;
    // The first street of every colour group, and the last street.
    for (int square : {1, 6, 11, 16, 21, 26, 31, 37, 39}) {
        const int band = square == 39 ? 37 : square;
        ExpectLit(SquarePoint(square, 1, 0, 2.675f), Texel("textures\\h" + std::to_string(band) + ".tga", 0.5f, 0.5f));
    }
    for (int k = 0; k < kPlayers; ++k) {
        const CVector rest = TheApp().Table().board.RestingPoint(0, TheApp().Table().pawns[k].m_vOffset);
        ExpectLit(rest + kOverTheHead, PawnColour(k), 0.85f);
    }
    ExpectLit(kFirstHouse, kPlate);
    // Each street shows its own name plate.
    const auto ink = [](const Colour& c) { return c.r + c.g + c.b < 0.9f; };
    const auto paper = [](const Colour& c) { return c.r > 0.8f && c.g > 0.8f && c.b > 0.7f; };
    const std::vector<Colour> first = Around(SquarePoint(1, 1, 0, 1.9f), 12);
    const std::vector<Colour> second = Around(SquarePoint(3, 1, 0, 1.9f), 12);
    EXPECT_GT(Count(first, ink), 15);
    EXPECT_GT(Count(first, paper), 100);
    int differ = 0;
    for (size_t i = 0; i < first.size(); ++i)
        differ += ink(first[i]) != ink(second[i]);
    EXPECT_GT(differ, 15) << "two streets show the same plate";
    // The centre's picture shows the game's name in dark red.
    std::vector<Colour> name;
    for (float x = -7; x <= 7; x += 0.05f)
        name.push_back(ReadColour(OnBoard(CVector(x, 1.0f / 3, 5.2f))));
    EXPECT_GT(Count(name, [](const Colour& c) { return c.r > 0.3f && c.r > 2 * c.g && c.r < 0.9f; }), 40);

    // Then owners, mortgages and buildings show on their squares.
    TheApp().Game().properties[0].owner = 2;
    TheApp().Game().properties[0].mortgaged = 1;
    TheApp().Table().board.SetBuildings(1, 1);
    TheApp().Table().board.SetBuildings(39, 5);
    Draw();
    // The owner's marker takes the colour of the owner's pawn.
    ExpectLit(marker, PawnColour(2));
    // A mortgage blends the square at 0.8 over the black behind the board,
    // and stamps it.
    const Colour dimmed = ReadColour(OnBoard(picture));
    ASSERT_GT(clear.r + clear.g + clear.b, 0.5f);
    for (float Colour::*c : {&Colour::r, &Colour::g, &Colour::b})
        EXPECT_NEAR(dimmed.*c, 0.8f * clear.*c, 2.5f / 255);
    EXPECT_GT(Count(Around(middle, 14), stamped), plain + 60);
    // The house hides the rim where it stands, not where the fourth would.
    ExpectLit(kFirstHouse, kPlate, 0.1f, false);
    ExpectLit(SquarePoint(1, 1.4f, 0, -0.3f), kPlate);
    // The middle of the hotel's roof, 1.1 along the square and 0.2 outside.
    ExpectLit(SquarePoint(39, 1.1f, 1.09f, -0.2f), Texel("textures\\maison.tga", 0.25f, 0.25f));
}

// How light the left die is at a point of its near face (z = 1) or of its
// far face (z = -1), as seen.
float DieLight(float x, float y, float z = 1)
{
    const Colour c = ReadColour(InStrip(CVector(-1.5f + x, y, z)));
    return c.r + c.g + c.b;
}

TEST_F(SceneTest, EachDieShowsTheValueAskedForToTheViewer)
{
    // Pip places on a face as seen, and which values show a pip there.
    const struct { float x, y; std::vector<int> values; } spots[] = {
        {0, 0, {1, 3, 5}}, {-0.6f, 0.6f, {2, 3, 4, 5, 6}}, {0.6f, -0.6f, {2, 3, 4, 5, 6}},
        {0.6f, 0.6f, {4, 5, 6}}, {-0.6f, -0.6f, {4, 5, 6}}, {0, 0.6f, {6}}, {0, -0.6f, {6}}};
    for (int value : {1, 2, 3, 4, 5, 6, 0, 9}) {
        TheApp().Table().dice.m_nDie1 = value;
        TheApp().Table().dice.m_nDie2 = 7 - value;
        Draw();
        const int shown = value >= 1 && value <= 6 ? value : 1;
        float darkestPip = 3;
        float brightestGap = 0;
        for (const auto& spot : spots) {
            const float light = DieLight(spot.x, spot.y);
            if (std::count(spot.values.begin(), spot.values.end(), shown) > 0)
                darkestPip = std::min(darkestPip, light);
            else
                brightestGap = std::max(brightestGap, light);
        }
        EXPECT_GT(darkestPip, brightestGap + 0.3f) << "value " << value;
    }
}

// A die showing 3 hides the four pips of the 4 on its far side. Where a far
// pip lies behind the plain near face, the pixel must be the near face's
// own colour, whatever state the drawing before left: the usual one, or
// blending on with the depth test and writes off.
TEST_F(SceneTest, ADieShowingThreeHidesThePipsOfItsFarSide)
{
    TheApp().Table().dice.m_nDie1 = 3;
    for (const bool leftOver : {false, true}) {
        Draw();
        glScissor(0, 0, 500, 100);
        glEnable(GL_SCISSOR_TEST);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SetupLights();
        InStrip(CVector());
        if (leftOver) {
            glEnable(GL_BLEND);
            glDisable(GL_DEPTH_TEST);
            glDepthMask(GL_FALSE);
        } else {
            glDisable(GL_BLEND);
            glEnable(GL_DEPTH_TEST);
        }
        TheApp().Table().dice.Draw();
        glDepthMask(GL_TRUE);
        glDisable(GL_SCISSOR_TEST);
        glFinish();
        // The near face between the pips of the 3, far from each of them.
        const float face = DieLight(0.6f, 0);
        EXPECT_NEAR(DieLight(0.6f, 0.6f, -1), face, 0.15f) << leftOver;
        EXPECT_NEAR(DieLight(-0.6f, -0.6f, -1), face, 0.15f) << leftOver;
    }
}

// Counts the pixels in the colour given, as the font's glyphs carry it, in
// a rectangle of the panel's font space one glyph high.
int PixelsOfColour(int x, int y, int width, const Colour& colour)
{
    const int w = width * 500 / 640;
    std::vector<unsigned char> rgba(w * 20 * 4);
    glReadPixels(500 + x * 500 / 640, y * 600 / 480, w, 20, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    int count = 0;
    for (size_t i = 0; i < rgba.size(); i += 4)
        count += LitAs(FromBytes(rgba[i], rgba[i + 1], rgba[i + 2]), colour, 0.85f, 0.03f);
    return count;
}

// A player's name, or the money, on the panel.
int OnLine(int line, bool money, const Colour& colour)
{
    return money ? PixelsOfColour(kPanelMoneyX, PanelMoneyY(line), 130, colour)
                 : PixelsOfColour(kPanelNameX, PanelNameY(line), 150, colour);
}

TEST_F(SceneTest, ThePanelShowsThePlayersInTheirColoursWithTheirChipsAndTheDeedsOwner)
{
    const Colour money = {0.7529f, 0.8666f, 0.6784f};
    TheApp().Game().current = 1;
    TheApp().Game().players[1].color = 6;
    std::snprintf(TheApp().Game().players[1].name, kNameSize, "%s", "Marie-Charlotte-Ann");
    TheApp().Game().properties[0].owner = 0;  // brown
    TheApp().Game().properties[5].owner = 0;  // pink, mortgaged
    TheApp().Game().properties[5].mortgaged = 1;
    TheApp().Game().properties[0].houses = 2;
    TheApp().Table().deedCard.LoadPicture(propertySquare[0]);
    Draw();
    EXPECT_GT(OnLine(0, false, PaletteOf(0)), 20);
    EXPECT_GT(OnLine(1, false, PaletteOf(6)), 20);
    EXPECT_EQ(OnLine(1, false, PaletteOf(1)), 0);
    EXPECT_GT(OnLine(1, true, money), 20);
    // The name's last letter, after "> " and 18 others.
    EXPECT_GT(PixelsOfColour(kPanelNameX + 20 * 14, PanelNameY(1), 14, PaletteOf(6)), 5);
    // Only the players in play are listed.
    EXPECT_EQ(OnLine(3, false, PaletteOf(3)), 0);
    EXPECT_EQ(OnLine(3, true, money), 0);
    // The brown street's chip, then the mortgaged pink one's, dimmed.
    for (const auto& [dx, group, shade] : {std::tuple{3, 0, 1.0f}, std::tuple{18, GroupNumber(5), 0.3f}}) {
        const Colour chip = ReadColour({500 + (kPanelChipsX + dx) * 500 / 640, (PanelMoneyY(0) + 8) * 600 / 480});
        EXPECT_TRUE(LitAs(chip, Shaded(kGroupRgb[group], shade), 1.0f, 0.02f)) << chip;
    }
    EXPECT_EQ(OnLine(1, true, Shaded(kGroupRgb[0], 1)), 0) << "no chips for player 2";

    EXPECT_GT(PixelsOfColour(kCaptionX, kCaptionY[0], 150, PaletteOf(0)), 20) << "owner";
    EXPECT_GT(PixelsOfColour(kCaptionX, kCaptionY[1], 150, {1, 1, 1}), 20) << "houses";
    TheApp().Game().properties[0].houses = 0;
    TheApp().Game().properties[0].mortgaged = 1;
    Draw();
    EXPECT_GT(PixelsOfColour(kCaptionX, kCaptionY[1], 150, {1, 0.25f, 0.25f}), 20) << "mortgage";
}

TEST(StatusLineTest, MoneyIsRightAlignedInSevenCharacters)
{
    char name[32];
    char money[32];
    FormatStatusLine("Anne", 150000, true, name, sizeof name, money, sizeof money);
    EXPECT_STREQ(name, "> Anne");
    EXPECT_STREQ(money, " 150000 F");
    FormatStatusLine("Paul", -2500, false, name, sizeof name, money, sizeof money);
    EXPECT_STREQ(name, "  Paul");
    // A fortune past 2^32 F widens the column rather than wrapping.
    FormatStatusLine("Anne", 4600000000, false, name, sizeof name, money, sizeof money);
    EXPECT_STREQ(money, "4600000000 F");
}

TEST_F(SceneTest, TheDeedCardShowsThePictureAskedAndKeepsItWhenAskedAgain)
{
    CTempFolder folder;
    CWorkingDirectory here(folder.Path());
    // One-colour pictures for square 1 in the working directory's data
    // folder, which is looked in first; square 2 has none.
    // Asked again, the card keeps what it shows; for square 2 it empties.
    const struct { unsigned char r, g, b; int square, loaded; Colour shown; } steps[] = {
        {255, 0, 0, 1, 1, {1, 0, 0}}, {0, 0, 255, 1, 1, {1, 0, 0}}, {0, 0, 255, 2, 0, {0, 0, 0}},
        {0, 0, 255, 1, 1, {0, 0, 1}}};
    for (const auto& step : steps) {
        Bytes pixels;
        for (int i = 0; i < 4; ++i) {
            pixels.push_back(step.b);
            pixels.push_back(step.g);
            pixels.push_back(step.r);
        }
        folder.Write("textures/p1.tga", TargaFile({}, pixels));
        EXPECT_EQ(TheApp().Table().deedCard.LoadPicture(step.square), step.loaded);
        Draw();
        const Colour middle = ReadColour(InPanel(TheApp().Table().deedCard.CardPoint(0.5f, 0.5f)));
        EXPECT_TRUE(LitAs(middle, step.shown)) << "square " << step.square << " shows " << middle;
    }
}

}  // namespace
