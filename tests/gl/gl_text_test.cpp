// The bitmap font, drawn for real and checked pixel by pixel. The test
// font paints every glyph cell in its own colour: red from its column,
// green from its row.
#include <GL/gl.h>

#include <filesystem>

#include "gl_test_env.h"
#include "gl_text.h"
#include "image_files.h"

namespace {

constexpr int kFontSide = 256;
constexpr int kCellSide = kFontSide / 16;
constexpr unsigned char kBlue = 77;

unsigned char ColumnColour(int column)
{
    return static_cast<unsigned char>(column * 16 + 8);
}

unsigned char RowColour(int row)
{
    return static_cast<unsigned char>(row * 16 + 8);
}

// A 256 × 256 bottom-up 24-bit bitmap; rows are 768 bytes, no filler.
Bytes CellFont()
{
    Bytes rows;
    for (int stored = 0; stored < kFontSide; ++stored) {
        const int rowFromTop = (kFontSide - 1 - stored) / kCellSide;
        for (int x = 0; x < kFontSide; ++x)
            rows.insert(rows.end(), {kBlue, RowColour(rowFromTop), ColumnColour(x / kCellSide)});
    }
    BitmapHeader h;
    h.width = kFontSide;
    h.height = kFontSide;
    return BitmapFile(h, rows);
}

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

Rgb Cell(int column, int row)
{
    return {ColumnColour(column), RowColour(row), kBlue};
}

// The colour at a point of font space (640 × 480 over the 800 × 600 window).
Rgb At(double x, double y)
{
    unsigned char p[4] = {};
    glReadPixels(int(x * kGlWindowWidth / 640), int(y * kGlWindowHeight / 480), 1, 1, GL_RGBA,
                 GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

class GlTextTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        m_sPrevious = std::filesystem::current_path();
        std::filesystem::current_path(m_Folder.Path());
    }
    void TearDown() override
    {
        std::filesystem::current_path(m_sPrevious);
        GlTest::TearDown();
    }

    void CreateWithCellFont()
    {
        m_Folder.Write("textures/Font.bmp", CellFont());
        m_Font.Create();
    }

    CTempFolder m_Folder;
    std::string m_sPrevious;
    glText m_Font;
};

}  // namespace

TEST_F(GlTextTest, CharactersPickTheirCellInEachSet)
{
    CreateWithCellFont();
    ASSERT_NE(m_Font.m_nFontTexture, 0u);
    m_Font.Print(100, 100, "A", 0);
    EXPECT_EQ(At(108, 108), Cell(1, 2));  // "A" is glyph 33
    m_Font.Print(300, 100, "A", 1);
    EXPECT_EQ(At(308, 108), Cell(1, 10));  // glyph 161
    m_Font.Print(100, 300, "A", 5);
    EXPECT_EQ(At(108, 308), Cell(1, 10));  // drawn as set 1
    m_Font.Print(300, 300, "A", -3);
    EXPECT_EQ(At(308, 308), Cell(1, 2));   // drawn as set 0
    m_Font.Print(500, 300, " ", 0);
    EXPECT_EQ(At(508, 308), Cell(0, 0));
    // UTF-8 texts: a French accented letter from its own cell after the
    // ASCII ones ("é" is font character 132, glyph 100; "É" in bold 146, glyph 242),
    // another as its plain letter, the rest as "?".
    m_Font.Print(100, 200, "é", 0);
    EXPECT_EQ(At(108, 208), Cell(100 % 16, 100 / 16));
    m_Font.Print(500, 200, "É", 1);
    EXPECT_EQ(At(508, 208), Cell(242 % 16, 242 / 16));
    m_Font.Print(500, 100, "á", 0);
    EXPECT_EQ(At(508, 108), Cell(65 % 16, 65 / 16));
    m_Font.Print(300, 200, "€", 0);
    EXPECT_EQ(At(308, 208), Cell(31 % 16, 31 / 16));
}

TEST_F(GlTextTest, ThePenAdvancesFourteenUnits)
{
    CreateWithCellFont();
    m_Font.Print(100, 200, "ABCDE", 0);
    EXPECT_EQ(At(101, 208), Cell(1, 2));
    EXPECT_EQ(At(121, 208), Cell(2, 2));  // "B" spans 114 to 130
    EXPECT_EQ(At(131, 208), Cell(3, 2));  // "C" drawn over it from 128
    EXPECT_EQ(At(170, 208), Cell(5, 2));  // "E" covers 156 to 172
    EXPECT_EQ(At(174, 208), (Rgb{0, 0, 0}));
    EXPECT_EQ(At(170, 217), (Rgb{0, 0, 0}));
}

TEST_F(GlTextTest, PrintLeavesTheStateItPromises)
{
    CreateWithCellFont();
    glEnable(GL_LIGHTING);
    GLint projectionDepth = 0, modelviewDepth = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projectionDepth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelviewDepth);
    glMatrixMode(GL_PROJECTION);
    glTranslatef(1, 2, 3);
    m_Font.Print(10, 10, "", 0);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    GLint mode = 0, depth = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, projectionDepth);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, modelviewDepth);
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_EQ(projection[13], 2.0f);
    EXPECT_EQ(At(18, 18), (Rgb{0, 0, 0}));  // an empty text draws nothing
}

TEST_F(GlTextTest, ACopyDrawsWithTheSameListsAndTexture)
{
    CreateWithCellFont();
    glText copy;
    copy = m_Font;
    EXPECT_EQ(copy.m_nListBase, m_Font.m_nListBase);
    EXPECT_EQ(copy.m_nFontTexture, m_Font.m_nFontTexture);
    copy.Print(100, 100, "Z", 1);
    EXPECT_EQ(At(108, 108), Cell(('Z' - 32 + 128) % 16, ('Z' - 32 + 128) / 16));
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
    EXPECT_EQ(At(108, 108), (Rgb{255, 255, 0}));
}

TEST_F(GlTextTest, UnpackAlignmentIsKeptAndOddWidthsLoad)
{
    BitmapHeader h;
    h.width = 5;  // 15-byte rows once packed
    h.height = 2;
    m_Folder.Write("textures/Font.bmp", BitmapFile(h, Bytes(32, 200)));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    m_Font.Create();
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8);
    glBindTexture(GL_TEXTURE_2D, m_Font.m_nFontTexture);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 5);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

TEST_F(GlTextTest, DeleteListsFreesThemOnce)
{
    CreateWithCellFont();
    const GLuint base = m_Font.m_nListBase;
    m_Font.DeleteLists();
    EXPECT_FALSE(glIsList(base));
    EXPECT_FALSE(glIsList(base + 255));
}

TEST_F(GlTextTest, AFontNeverCreatedOwnsNoLists)
{
    const GLuint other = glGenLists(1);
    if (other >= 256)
        GTEST_SKIP() << "needs a fresh context, where list names start low";
    {
        glText never;
    }
    EXPECT_TRUE(glIsList(other));
    glDeleteLists(other, 1);
}
