// Reading Targa files (no OpenGL needed: Load stops before the upload).
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "image_files.h"
#include "texture.h"

namespace {

Bytes Pixels(size_t count, unsigned char value = 7)
{
    return Bytes(count, value);
}

// A loader that leaves a file open runs out of descriptors in a long game.
size_t OpenFiles()
{
    const std::filesystem::directory_iterator fds("/proc/self/fd");
    return size_t(std::distance(begin(fds), end(fds)));
}

class TargaLoad : public ::testing::Test {
protected:
    // Writes the file and loads it; returns Load's result.
    int LoadFile(const Bytes& bytes)
    {
        return m_Texture.Load(m_Folder.Write("image.tga", bytes).c_str());
    }

    CTempFolder m_Folder;
    CTexture m_Texture;
};

}  // namespace

TEST_F(TargaLoad, SizesArePowersOfTwoUpTo512EachSideOnItsOwn)
{
    TargaHeader h;
    h.width = 512;
    h.height = 512;
    EXPECT_EQ(LoadFile(TargaFile(h, Pixels(512 * 512 * 3))), 1);
    EXPECT_EQ(m_Texture.m_nPixels, 512u * 512u);

    h.width = 256;
    h.height = 64;
    EXPECT_EQ(LoadFile(TargaFile(h, Pixels(256 * 64 * 3))), 1);
    EXPECT_EQ(m_Texture.m_nWidth, 256u);
    EXPECT_EQ(m_Texture.m_nHeight, 64u);

    for (auto [w, height] : {std::pair{1024u, 2u}, {4u, 1u}, {6u, 4u}, {0u, 0u}}) {
        CTexture texture;
        h.width = w;
        h.height = height;
        EXPECT_EQ(texture.Load(m_Folder.Write("bad.tga", TargaFile(h, Pixels(64))).c_str()), 0);
        EXPECT_EQ(texture.m_nError, kTargaBadSize) << w << "x" << height;
        EXPECT_EQ(texture.m_pData, nullptr);
    }
}

TEST_F(TargaLoad, ColourBytesAreReorderedPerDepth)
{
    TargaHeader h;
    h.bpp = 32;
    Bytes pixels = Pixels(16);
    pixels[0] = 10, pixels[1] = 20, pixels[2] = 30, pixels[3] = 40;
    ASSERT_EQ(LoadFile(TargaFile(h, pixels)), 1);
    EXPECT_EQ(m_Texture.m_nFormat, GLenum(GL_RGBA));
    EXPECT_EQ(Bytes(m_Texture.m_pData, m_Texture.m_pData + 4), (Bytes{30, 20, 10, 40}));

    h.bpp = 24;
    pixels = Pixels(12);
    pixels[9] = 1, pixels[10] = 2, pixels[11] = 3;  // the last pixel
    ASSERT_EQ(LoadFile(TargaFile(h, pixels)), 1);
    EXPECT_EQ(m_Texture.m_nFormat, GLenum(GL_RGB));
    EXPECT_EQ(Bytes(m_Texture.m_pData + 9, m_Texture.m_pData + 12), (Bytes{3, 2, 1}));

    h.bpp = 8;
    ASSERT_EQ(LoadFile(TargaFile(h, Bytes{1, 2, 3, 4})), 1);
    EXPECT_EQ(m_Texture.m_nFormat, GLenum(GL_ALPHA));
    EXPECT_EQ(Bytes(m_Texture.m_pData, m_Texture.m_pData + 4), (Bytes{1, 2, 3, 4}));
}

TEST_F(TargaLoad, TypeAndDepthAreTestedIndependently)
{
    TargaHeader h;
    h.type = 3;  // grey, yet 24 bits
    ASSERT_EQ(LoadFile(TargaFile(h, Pixels(12))), 1);
    EXPECT_EQ(m_Texture.m_nFormat, GLenum(GL_RGB));
    h.type = 2;  // true-colour, yet 8 bits
    h.bpp = 8;
    ASSERT_EQ(LoadFile(TargaFile(h, Pixels(4))), 1);
    EXPECT_EQ(m_Texture.m_nFormat, GLenum(GL_ALPHA));
}

TEST_F(TargaLoad, EachFailureHasItsCode)
{
    TargaHeader rle;
    rle.type = 10;
    TargaHeader mapped;
    mapped.colourMap = 1;
    TargaHeader sixteen;
    sixteen.bpp = 16;
    Bytes shortHeader = TargaFile(TargaHeader(), {});
    shortHeader.pop_back();
    const struct {
        Bytes file;
        uint32_t code;
    } cases[] = {
        {TargaFile(rle, Pixels(12)), kTargaBadType},
        {TargaFile(mapped, Pixels(12)), kTargaBadType},
        {TargaFile(sixteen, Pixels(8)), kTargaBadDepth},
        {TargaFile(TargaHeader(), Pixels(11)), kTargaShortPixels},
        {Bytes(), kTargaBadType},
        {Bytes{0, 0, 2}, kTargaBadSize},
        {shortHeader, kTargaShortPixels},
    };
    const size_t openBefore = OpenFiles();
    for (const auto& c : cases) {
        // Each failure follows a success: nothing of that image may remain.
        ASSERT_EQ(LoadFile(TargaFile(TargaHeader(), Pixels(12))), 1);
        EXPECT_EQ(LoadFile(c.file), 0);
        EXPECT_EQ(m_Texture.m_nError, c.code) << "file of " << c.file.size() << " bytes";
        EXPECT_EQ(m_Texture.m_pData, nullptr);
    }
    EXPECT_EQ(OpenFiles(), openBefore);
    const CTexture fresh;  // a texture that has loaded nothing reports nothing
    EXPECT_EQ(fresh.m_nError + fresh.m_nBpp + fresh.m_nWidth + fresh.m_nHeight + fresh.m_nPixels, 0u);
    EXPECT_EQ(m_Texture.Load((m_Folder.Path() + "/missing.tga").c_str()), 0);
    EXPECT_EQ(m_Texture.m_nError, kTargaCannotOpen);
}

TEST_F(TargaLoad, ImageIdIsSkipped)
{
    TargaHeader h;
    h.bpp = 8;
    h.id = "made by hand";
    ASSERT_EQ(LoadFile(TargaFile(h, Bytes{1, 2, 3, 4})), 1);
    EXPECT_EQ(Bytes(m_Texture.m_pData, m_Texture.m_pData + 4), (Bytes{1, 2, 3, 4}));
    h.id = std::string(255, 'x');  // an ID running past the end leaves no pixels
    EXPECT_EQ(LoadFile(TargaFile(h, {})), 0);
    EXPECT_EQ(m_Texture.m_nError, kTargaShortPixels);
}

TEST_F(TargaLoad, TopRowFirstFilesAreTurnedBottomRowFirst)
{
    TargaHeader h;
    h.bpp = 8;
    h.width = 2;
    h.height = 4;
    h.descriptor = 0x20;
    ASSERT_EQ(LoadFile(TargaFile(h, Bytes{1, 2, 3, 4, 5, 6, 7, 8})), 1);
    EXPECT_EQ(Bytes(m_Texture.m_pData, m_Texture.m_pData + 8), (Bytes{7, 8, 5, 6, 3, 4, 1, 2}));
    h.descriptor = 0;
    ASSERT_EQ(LoadFile(TargaFile(h, Bytes{1, 2, 3, 4, 5, 6, 7, 8})), 1);
    EXPECT_EQ(Bytes(m_Texture.m_pData, m_Texture.m_pData + 8), (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
}

// The upload itself is checked in a real context; here what LoadTexture
// keeps, replaces and releases around it.
TEST_F(TargaLoad, LoadTextureKeepsOrReleasesThePixelsAndSetsTheName)
{
    TargaHeader h;
    h.bpp = 8;
    const std::string path = m_Folder.Write("image.tga", TargaFile(h, Bytes{1, 2, 3, 4}));
    ASSERT_EQ(m_Texture.LoadTexture(path.c_str(), 7, 0, 1, GL_LUMINANCE), 1);
    EXPECT_EQ(m_Texture.m_nTexId, 7u);
    EXPECT_EQ(m_Texture.m_nFormat, GLenum(GL_LUMINANCE));
    EXPECT_EQ(Bytes(m_Texture.m_pData, m_Texture.m_pData + 4), (Bytes{1, 2, 3, 4}));
    ASSERT_EQ(m_Texture.LoadTexture(path.c_str(), 8, 0, 1, 0), 1);
    EXPECT_EQ(m_Texture.m_nFormat, GLenum(GL_ALPHA)) << "the file's own format";
    EXPECT_EQ(m_Texture.LoadTexture((path + "x").c_str(), 9, 0, 1, 0), 0);
    EXPECT_EQ(m_Texture.m_nTexId, 8u) << "a failed load names nothing";
}
