// The scene drawn for real into the game's layout and checked pixel by
// pixel where things must be. Every test draws one scene, built once with
// three players (pawns 3 to 5 never built), seen from above unless it says.
#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "display.h"
#include "gl_test_env.h"
#include "image_files.h"
#include "palette.h"
#include "panel_layout.h"
#include "scene_frame.h"
#include "texture.h"

namespace {

constexpr int kPlayers = 3;

CTestScene& Scene()
{
    static bool built = false;
    CTestScene& s = CTestScene::Get();
    if (!built) {
        s.Build(kPlayers);
        built = true;
    }
    return s;
}

Colour PaletteOf(int i)
{
    const PaletteColour& c = playerPalette[i];
    return {c.r, c.g, c.b};
}

Colour PawnColour(const CPawn& pawn)
{
    return {pawn.m_Color[0], pawn.m_Color[1], pawn.m_Color[2]};
}

// The texel at (s, t) of a texture file, as the game reads it.
Colour Texel(const char* path, float s, float t)
{
    CTexture texture;
    EXPECT_EQ(texture.Load(path), 1) << path;
    if (!texture.m_pData)
        return {0, 0, 0};
    const unsigned bytes = texture.m_nBpp / 8;
    const unsigned row = unsigned(t * texture.m_nHeight);
    const unsigned column = unsigned(s * texture.m_nWidth);
    const unsigned char* p = texture.m_pData + (row * texture.m_nWidth + column) * bytes;
    return {p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f};
}

class SceneTest : public GlTest {
protected:
    CTestScene& s = Scene();

    void SetUp() override
    {
        GlTest::SetUp();
        s.m_Game.ResetProperties();
        for (int i = 0; i < kSquareCount; ++i)
            s.m_Board.SetBuildings(i, 0);
        s.m_Game.playerCount = kPlayers;
        s.m_Game.current = 0;
        s.ViewFromAbove();
    }
};

TEST_F(SceneTest, EachSideShowsItsColourBandsAtTheirPlaces)
{
    s.DrawFrame();
    // The first street of every colour group, and the last street.
    for (int square : {1, 6, 11, 16, 21, 26, 31, 37, 39}) {
        char band[32];
        std::snprintf(band, sizeof band, "textures\\h%d.tga", square == 39 ? 37 : square);
        const WindowPixel at = s.OnBoard(s.SquarePoint(square, 1, 0, 2.675f));
        EXPECT_TRUE(LitAs(ReadColour(at), Texel(band, 0.5f, 0.5f)))
            << "square " << square << " shows " << ReadColour(at);
    }
}

TEST_F(SceneTest, AnOwnersMarkerTakesItsPawnsColourAndAMortgageDimsTheSquare)
{
    const CVector marker = s.SquarePoint(1, 1, 0.4f, 3.25f);
    // Outside the street's name plate and its stamp.
    const WindowPixel picture = s.OnBoard(s.SquarePoint(1, 1, 0, 0.6f));
    s.DrawFrame();
    const Colour bare = ReadColour(s.OnBoard(marker));
    const Colour clear = ReadColour(picture);
    EXPECT_FALSE(LitAs(bare, PawnColour(s.m_Pawns[2]))) << bare;

    s.m_Game.properties[0].owner = 2;
    s.m_Game.properties[0].mortgaged = 1;
    s.DrawFrame();
    const Colour owned = ReadColour(s.OnBoard(marker));
    EXPECT_TRUE(LitAs(owned, PawnColour(s.m_Pawns[2]))) << owned;
    // Blended at 0.8 over the black behind the board.
    const Colour dimmed = ReadColour(picture);
    ASSERT_GT(clear.r + clear.g + clear.b, 0.5f);
    EXPECT_NEAR(dimmed.r, 0.8f * clear.r, 2.5f / 255);
    EXPECT_NEAR(dimmed.g, 0.8f * clear.g, 2.5f / 255);
    EXPECT_NEAR(dimmed.b, 0.8f * clear.b, 2.5f / 255);
}

TEST_F(SceneTest, BuiltPawnsStandOnSquareZeroInTheirOwnColours)
{
    s.DrawFrame();
    for (int k = 0; k < kPlayers; ++k) {
        const CPawn& pawn = s.m_Pawns[k];
        const CVector rest = s.m_Board.RestingPoint(0, pawn.m_vOffset);
        EXPECT_NEAR(Distance(rest, pawn.m_vPosition), 0, 1e-5f) << "pawn " << k;
        EXPECT_NEAR(rest.x, -12 + pawn.m_vOffset.x, 1e-5f);
        EXPECT_NEAR(rest.z, -12 + pawn.m_vOffset.z, 1e-5f);
        // The top of the head, lit from the front as the board is.
        const Colour seen = ReadColour(s.OnBoard(rest + CVector(0, 0.42f, 0)));
        EXPECT_TRUE(LitAs(seen, PawnColour(pawn), 0.85f)) << "pawn " << k << " shows " << seen;
    }
}

TEST_F(SceneTest, AnUnbuiltPawnDrawsNothingUntilABuiltOneIsCopiedOverIt)
{
    CPawn& slot = s.m_Pawns[3];
    const CPawn unbuilt = slot;
    const CVector middle(0, 0.5f, 0);
    slot.m_vPosition = middle;
    s.DrawFrame();
    const Colour empty = ReadColour(s.OnBoard(middle + CVector(0, 0.42f, 0)));
    EXPECT_FALSE(LitAs(empty, PawnColour(slot))) << empty;

    slot = s.m_Pawns[1];
    EXPECT_EQ(slot.m_nList, s.m_Pawns[1].m_nList);
    EXPECT_EQ(slot.m_nNumber, 1);
    slot.m_vPosition = middle;
    s.DrawFrame();
    const Colour copied = ReadColour(s.OnBoard(middle + CVector(0, 0.42f, 0)));
    EXPECT_TRUE(LitAs(copied, PawnColour(s.m_Pawns[1]), 0.85f)) << copied;
    slot = unbuilt;
}

TEST_F(SceneTest, AHotelShowsOneFixedTexelOfTheHouseTexture)
{
    s.m_Board.SetBuildings(39, 5);
    s.DrawFrame();
    // The middle of the hotel's roof, 1.1 along the square and 0.2 outside.
    const Colour roof = ReadColour(s.OnBoard(s.SquarePoint(39, 1.1f, 1.09f, -0.2f)));
    EXPECT_TRUE(LitAs(roof, Texel("textures\\maison.tga", 0.25f, 0.25f))) << roof;
}

// Pip places on a face as seen, and which values show a pip there.
struct PipSpot {
    float x, y;
    std::vector<int> values;
};

TEST_F(SceneTest, EachDieShowsTheValueAskedForToTheViewer)
{
    const PipSpot spots[] = {
        {0, 0, {1, 3, 5}},          {-0.6f, 0.6f, {2, 3, 4, 5, 6}}, {0.6f, -0.6f, {2, 3, 4, 5, 6}},
        {0.6f, 0.6f, {4, 5, 6}},    {-0.6f, -0.6f, {4, 5, 6}},      {0, 0.6f, {6}},
        {0, -0.6f, {6}},
    };
    for (int value : {1, 2, 3, 4, 5, 6, 0, 9}) {
        s.m_Dice.m_nDie1 = value;
        s.m_Dice.m_nDie2 = 7 - value;
        s.DrawFrame();
        const int shown = value >= 1 && value <= 6 ? value : 1;
        float darkestPip = 3, brightestGap = 0;
        for (const PipSpot& spot : spots) {
            const Colour c = ReadColour(s.InStrip(CVector(-1.5f + spot.x, spot.y, 1)));
            const float light = c.r + c.g + c.b;
            const bool pip = std::count(spot.values.begin(), spot.values.end(), shown) > 0;
            if (pip)
                darkestPip = std::min(darkestPip, light);
            else
                brightestGap = std::max(brightestGap, light);
        }
        EXPECT_GT(darkestPip, brightestGap + 0.3f) << "value " << value;
    }
    s.m_Dice.m_nDie1 = 3;
    s.m_Dice.m_nDie2 = 6;
}

// What earlier drawing may leave behind when the dice are drawn.
struct LeftState {
    const char* what;
    bool blend, depthTest, depthWrites;
};

// A die showing 3 hides the four pips of the 4 on its far side. Where a far
// pip lies behind the plain near face, the pixel must be the near face's
// own colour, whatever state the drawing before left.
TEST_F(SceneTest, ADieShowingThreeHidesThePipsOfItsFarSide)
{
    const LeftState states[] = {
        {"the usual state", false, true, true},
        {"blending on, depth test and writes off", true, false, false},
    };
    const CVector farPips[] = {CVector(0.6f, 0.6f, -1), CVector(-0.6f, -0.6f, -1)};
    s.m_Dice.m_nDie1 = 3;
    for (const LeftState& state : states) {
        s.DrawFrame();
        s.InStrip(CVector());
        glEnable(GL_SCISSOR_TEST);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SetupLights();
        s.InStrip(CVector());
        state.blend ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
        state.depthTest ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
        glDepthMask(state.depthWrites ? GL_TRUE : GL_FALSE);
        s.m_Dice.Draw();
        glDepthMask(GL_TRUE);
        glDisable(GL_SCISSOR_TEST);
        glFinish();
        // The near face between the pips of the 3, far from each of them.
        const Colour face = ReadColour(s.InStrip(CVector(-1.5f + 0.6f, 0, 1)));
        for (const CVector& pip : farPips) {
            const Colour seen = ReadColour(s.InStrip(CVector(-1.5f + pip.x, pip.y, pip.z)));
            EXPECT_NEAR(seen.r + seen.g + seen.b, face.r + face.g + face.b, 0.15f)
                << state.what << ": far pip at " << pip.x << "," << pip.y;
        }
    }
    s.m_Dice.m_nDie1 = 3;
}

// Counts the pixels in the colour given, as the font's glyphs carry it, in
// a rectangle of the panel's font space one glyph high.
int PixelsOfColour(int x, int y, int width, const Colour& colour)
{
    const int xFrom = 500 + x * 500 / 640;
    const int w = width * 500 / 640;
    std::vector<unsigned char> rgba(w * 20 * 4);
    glReadPixels(xFrom, y * 600 / 480, w, 20, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    int count = 0;
    for (size_t i = 0; i < rgba.size(); i += 4) {
        const Colour c = {rgba[i] / 255.0f, rgba[i + 1] / 255.0f, rgba[i + 2] / 255.0f};
        count += LitAs(c, colour, 0.85f, 0.03f);
    }
    return count;
}

// A player's name, or the money, on the panel.
int PixelsOfColour(int line, bool money, const Colour& colour)
{
    return money ? PixelsOfColour(kPanelMoneyX, PanelMoneyY(line), 130, colour)
                 : PixelsOfColour(kPanelNameX, PanelNameY(line), 150, colour);
}

Colour Shaded(const double rgb[3], float shade)
{
    return {float(rgb[0]) * shade, float(rgb[1]) * shade, float(rgb[2]) * shade};
}

TEST_F(SceneTest, ThePanelWritesEachPlayerInTheirPaletteColour)
{
    const Colour money = {0.7529f, 0.8666f, 0.6784f};
    s.m_Game.current = 1;
    s.m_Game.players[1].color = 6;
    s.DrawFrame();
    EXPECT_GT(PixelsOfColour(0, false, PaletteOf(0)), 20);
    EXPECT_GT(PixelsOfColour(1, false, PaletteOf(6)), 20);
    EXPECT_EQ(PixelsOfColour(1, false, PaletteOf(1)), 0);
    EXPECT_GT(PixelsOfColour(1, true, money), 20);
    // Only the players in play are listed.
    EXPECT_EQ(PixelsOfColour(3, false, PaletteOf(3)), 0);
    EXPECT_EQ(PixelsOfColour(3, true, money), 0);
    s.m_Game.players[1].color = 1;
}

TEST_F(SceneTest, ThePanelShowsWholeNamesChipsInGroupColoursAndTheDeedsOwner)
{
    char saved[kNameSize];
    std::snprintf(saved, sizeof saved, "%s", s.m_Game.players[1].name);
    std::snprintf(s.m_Game.players[1].name, kNameSize, "%s", "Marie-Charlotte-Ann");
    s.m_Game.properties[0].owner = 0;  // brown
    s.m_Game.properties[5].owner = 0;  // pink, mortgaged
    s.m_Game.properties[5].mortgaged = 1;
    s.m_Game.properties[0].houses = 2;
    s.m_Game.properties[0].mortgaged = 0;
    s.m_Card.LoadPicture(propertySquare[0]);
    s.DrawFrame();
    // The name's last letter, after "  " and 18 others.
    EXPECT_GT(PixelsOfColour(kPanelNameX + 20 * 14, PanelNameY(1), 14, PaletteOf(1)), 5);
    const int chipY = (PanelMoneyY(0) + 8) * 600 / 480;
    const Colour brown = ReadColour({500 + (kPanelChipsX + 3) * 500 / 640, chipY});
    EXPECT_TRUE(LitAs(brown, Shaded(kGroupRgb[0], 1), 1.0f, 0.02f)) << brown;
    const Colour dimmed = ReadColour({500 + (kPanelChipsX + 18) * 500 / 640, chipY});
    EXPECT_TRUE(LitAs(dimmed, Shaded(kGroupRgb[GroupNumber(5)], 0.3f), 1.0f, 0.02f)) << dimmed;
    EXPECT_EQ(PixelsOfColour(1, true, Shaded(kGroupRgb[0], 1)), 0) << "no chips for player 2";

    EXPECT_GT(PixelsOfColour(kCaptionX, kCaptionY[0], 150, PaletteOf(0)), 20) << "owner";
    EXPECT_GT(PixelsOfColour(kCaptionX, kCaptionY[1], 150, {1, 1, 1}), 20) << "houses";
    s.m_Game.properties[0].houses = 0;
    s.m_Game.properties[0].mortgaged = 1;
    s.DrawFrame();
    EXPECT_GT(PixelsOfColour(kCaptionX, kCaptionY[1], 150, {1, 0.25f, 0.25f}), 20) << "mortgage";
    std::snprintf(s.m_Game.players[1].name, kNameSize, "%s", saved);
    s.m_Card.LoadPicture(2);  // no picture: the card empties for the next test
}

TEST(StatusLineTest, MoneyIsRightAlignedInSevenCharacters)
{
    char name[32], money[32];
    FormatStatusLine("Anne", 150000, true, name, sizeof name, money, sizeof money);
    EXPECT_STREQ(name, "> Anne");
    EXPECT_STREQ(money, " 150000 F");
    FormatStatusLine("Paul", -2500, false, name, sizeof name, money, sizeof money);
    EXPECT_STREQ(name, "  Paul");
    EXPECT_STREQ(money, "  -2500 F");
    // A fortune past 2^32 F widens the column rather than wrapping.
    FormatStatusLine("Anne", 4600000000, false, name, sizeof name, money, sizeof money);
    EXPECT_STREQ(money, "4600000000 F");
}

class DeedCardTest : public SceneTest {
protected:
    CTempFolder m_Folder;
    std::filesystem::path m_Previous = std::filesystem::current_path();

    void SetUp() override
    {
        SceneTest::SetUp();
        std::filesystem::current_path(m_Folder.Path());
    }
    void TearDown() override
    {
        std::filesystem::current_path(m_Previous);
        SceneTest::TearDown();
    }

    // A one-colour picture for square 1 in the working directory's data
    // folder, which is looked in first.
    void WritePicture(unsigned char r, unsigned char g, unsigned char b)
    {
        TargaHeader h;
        h.width = 4;
        h.height = 4;
        Bytes pixels;
        for (int i = 0; i < 16; ++i)
            pixels.insert(pixels.end(), {b, g, r});
        m_Folder.Write("textures/p1.tga", TargaFile(h, pixels));
    }

    Colour CardMiddle()
    {
        s.DrawFrame();
        return ReadColour(s.InPanel(s.m_Card.CardPoint(0.5f, 0.5f)));
    }
};

TEST_F(DeedCardTest, ShowsThePictureAskedAndKeepsItWhenAskedAgain)
{
    WritePicture(255, 0, 0);
    EXPECT_EQ(s.m_Card.LoadPicture(1), 1);
    EXPECT_TRUE(LitAs(CardMiddle(), {1, 0, 0})) << CardMiddle();

    // Asked again for the same square, the card keeps what it shows.
    WritePicture(0, 0, 255);
    EXPECT_EQ(s.m_Card.LoadPicture(1), 1);
    EXPECT_TRUE(LitAs(CardMiddle(), {1, 0, 0})) << CardMiddle();

    // Square 2 has no picture: the card empties, then shows again.
    EXPECT_EQ(s.m_Card.LoadPicture(2), 0);
    const Colour empty = CardMiddle();
    EXPECT_LT(empty.r + empty.g + empty.b, 0.05f) << empty;
    EXPECT_EQ(s.m_Card.LoadPicture(1), 1);
    EXPECT_TRUE(LitAs(CardMiddle(), {0, 0, 1})) << CardMiddle();
}

}  // namespace
