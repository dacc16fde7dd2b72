// The bitmap font, drawn for real. The test font paints every glyph cell in
// its own colour: red from its column, green from its row.
#include <GL/gl.h>

#include "gl_test_env.h"
#include "gl_text.h"
#include "image_files.h"

namespace {

constexpr int kFontSide = 256, kCellSide = 16;
constexpr unsigned char kBlue = 77;
const Colour kBlack = {0, 0, 0};

unsigned char Shade(int cell)
{
    return static_cast<unsigned char>(cell * 16 + 8);
}

// A 256 × 256 bottom-up 24-bit bitmap; rows are 768 bytes, no filler.
Bytes CellFont()
{
    Bytes rows;
    for (int stored = 0; stored < kFontSide; ++stored)
        for (int x = 0; x < kFontSide; ++x)
            rows.insert(rows.end(), {kBlue, Shade((kFontSide - 1 - stored) / kCellSide), Shade(x / kCellSide)});
    BitmapHeader h;
    h.width = h.height = kFontSide;
    return BitmapFile(h, rows);
}

Colour Glyph(int glyph)
{
    return FromBytes(Shade(glyph % 16), Shade(glyph / 16), kBlue);
}

// The colour at a point of font space (640 × 480 over the 800 × 600 window).
Colour At(int x, int y)
{
    return ReadColour({x * kGlWindowWidth / 640, y * kGlWindowHeight / 480});
}

class GlTextTest : public GlTest {
protected:
    void CreateWithCellFont()
    {
        m_Folder.Write("textures/Font.bmp", CellFont());
        m_Font.Create();
        ASSERT_NE(m_Font.m_nFontTexture, 0u);
    }

    CTempFolder m_Folder;
    CWorkingDirectory m_Here{m_Folder.Path()};
    glText m_Font;
};

struct Printed {
    int x, y;
    const char* text;
    int set;
    Colour seen;  // at (x + 8, y + 8) in font space
};

TEST_F(GlTextTest, CharactersPickTheirCellInEachSet)
{
    CreateWithCellFont();
    const Printed printed[] = {
        {100, 100, "A", 0, Glyph(33)},
        {300, 100, "A", 1, Glyph(161)},
        {100, 300, "A", 5, Glyph(161)},  // drawn as set 1
        {300, 300, "A", -3, Glyph(33)},  // drawn as set 0
        {500, 300, " ", 0, Glyph(0)},
        // UTF-8: a French accented letter from its own cell after the ASCII
        // ones, another as its plain letter, the rest as "?".
        {100, 200, "é", 0, Glyph(100)},
        {500, 200, "É", 1, Glyph(242)},
        {500, 100, "á", 0, Glyph(65)},
        {300, 200, "€", 0, Glyph(31)},
    };
    for (const Printed& p : printed) {
        m_Font.Print(p.x, p.y, p.text, p.set);
        EXPECT_EQ(At(p.x + 8, p.y + 8), p.seen) << p.text << " in set " << p.set;
    }
}

TEST_F(GlTextTest, ThePenAdvancesFourteenUnits)
{
    CreateWithCellFont();
    m_Font.Print(100, 200, "ABCDE", 0);
    const struct {
        int x, y;
        Colour seen;
    } points[] = {
        {101, 208, Glyph(33)}, {121, 208, Glyph(34)},  // "B" spans 114 to 130
        {131, 208, Glyph(35)},                         // "C" drawn over it from 128
        {170, 208, Glyph(37)},                         // "E" covers 156 to 172
        {174, 208, kBlack},    {170, 217, kBlack},
    };
    for (const auto& p : points)
        EXPECT_EQ(At(p.x, p.y), p.seen) << p.x << "," << p.y;
}

TEST_F(GlTextTest, PrintLeavesTheStateItPromises)
{
    CreateWithCellFont();
    glEnable(GL_LIGHTING);
    GLint projectionDepth = 0, modelviewDepth = 0, mode = 0, depth = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projectionDepth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelviewDepth);
    glMatrixMode(GL_PROJECTION);
    glTranslatef(1, 2, 3);
    m_Font.Print(10, 10, "", 0);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, projectionDepth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, modelviewDepth);
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_EQ(projection[13], 2.0f);
    EXPECT_EQ(At(18, 18), kBlack) << "an empty text draws nothing";
}

TEST_F(GlTextTest, ACopyDrawsWithTheSameListsAndTextureAndDeletingFreesThem)
{
    CreateWithCellFont();
    glText copy;
    copy = m_Font;
    EXPECT_EQ(copy.m_nListBase, m_Font.m_nListBase);
    EXPECT_EQ(copy.m_nFontTexture, m_Font.m_nFontTexture);
    copy.Print(100, 100, "Z", 1);
    EXPECT_EQ(At(108, 108), Glyph('Z' - 32 + 128));
    m_Font.DeleteLists();
    EXPECT_FALSE(glIsList(copy.m_nListBase));
    EXPECT_FALSE(glIsList(copy.m_nListBase + 255));
}

TEST_F(GlTextTest, WithoutAReadableBitmapGlyphsArePlainSquares)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(m_Font.LoadImageFile("textures/none.bmp"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Fichier textures/none.bmp introuvable\n  textures/none.bmp : fichier absent\n");

    m_Folder.Write("textures/Font.bmp", {});
    testing::internal::CaptureStderr();
    m_Font.Create();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Error: Failed to open DIB file textures/Font.bmp.\n"
              "  textures/Font.bmp : fichier vide\n");
    EXPECT_EQ(m_Font.m_nFontTexture, 0u);
    EXPECT_TRUE(glIsList(m_Font.m_nListBase + 255));
    glColor3f(1, 1, 0);
    m_Font.Print(100, 100, "A", 0);
    EXPECT_EQ(At(108, 108), FromBytes(255, 255, 0));
}

TEST_F(GlTextTest, UnpackAlignmentIsKeptAndOddWidthsLoad)
{
    BitmapHeader h;
    h.width = 5;  // 15-byte rows once packed
    m_Folder.Write("textures/Font.bmp", BitmapFile(h, Bytes(32, 200)));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    m_Font.Create();
    GLint alignment = 0, width = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8);
    glBindTexture(GL_TEXTURE_2D, m_Font.m_nFontTexture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 5);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

}  // namespace
