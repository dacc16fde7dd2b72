// Reading Targa files (no OpenGL needed: Load stops before the upload), and
// the reason the player reads when one cannot be used.
#include <gtest/gtest.h>

#include <numeric>

#include "image_files.h"
#include "load_failure.h"
#include "texture.h"

namespace {

// 0, 1, 2, ...: every byte tells where it came from.
Bytes Numbered(size_t count)
{
    Bytes bytes(count);
    std::iota(bytes.begin(), bytes.end(), 0);
    return bytes;
}

class TargaLoad : public ::testing::Test {
protected:
    int LoadFile(const Bytes& bytes) { return m_Texture.Load(m_Folder.Write("image.tga", bytes).c_str()); }

    CTempFolder m_Folder;
    CTexture m_Texture;
};

}  // namespace

// Header: type, width, height, bits, descriptor, colour map, image ID; `at`
// is where `pixels` starts in what the loader keeps.
TEST_F(TargaLoad, ColourBytesComeOutRgbBottomRowFirst)
{
    // The header's fields are built in the loop: GCC 12 at -O3 warns falsely
    // about the image ID string of a header kept in a table.
    const struct { const char* name; unsigned char type; unsigned width, height; unsigned char bpp, descriptor;
                   const char* id; GLenum format; size_t at; Bytes pixels; } cases[] = {
        {"32 bits", 2, 2, 2, 32, 0, "", GL_RGBA, 0, {2, 1, 0, 3}},
        {"24 bits, last pixel", 2, 2, 2, 24, 0, "", GL_RGB, 9, {11, 10, 9}},
        {"8 bits", 2, 2, 2, 8, 0, "", GL_ALPHA, 0, {0, 1, 2, 3}},
        {"grey, yet 24 bits", 3, 2, 2, 24, 0, "", GL_RGB, 0, {2, 1, 0}},
        {"image ID skipped", 2, 2, 2, 8, 0, "made by hand", GL_ALPHA, 0, {0, 1, 2, 3}},
        {"top row first", 2, 2, 4, 8, 0x20, "", GL_ALPHA, 0, {6, 7, 4, 5, 2, 3, 0, 1}},
        {"largest", 2, 512, 512, 24, 0, "", GL_RGB, 3 * 512 * 512 - 3, {255, 254, 253}},
    };
    for (const auto& c : cases) {
        TargaHeader h;
        h.type = c.type;
        h.width = c.width;
        h.height = c.height;
        h.bpp = c.bpp;
        h.descriptor = c.descriptor;
        h.id = c.id;
        ASSERT_EQ(LoadFile(TargaFile(h, Numbered(h.width * h.height * h.bpp / 8))), 1) << c.name;
        EXPECT_EQ(m_Texture.m_nWidth, h.width) << c.name;
        EXPECT_EQ(m_Texture.m_nHeight, h.height) << c.name;
        EXPECT_EQ(m_Texture.m_nPixels, h.width * h.height) << c.name;
        EXPECT_EQ(m_Texture.m_nFormat, c.format) << c.name;
        const unsigned char* at = m_Texture.m_pData + c.at;
        EXPECT_EQ(Bytes(at, at + c.pixels.size()), c.pixels) << c.name;
    }
    // Pixels kept for the caller, not uploaded, under the name and format asked.
    ASSERT_EQ(m_Texture.LoadTexture((m_Folder.Path() + "/image.tga").c_str(), 7, 0, 1, GL_LUMINANCE), 1);
    EXPECT_EQ(m_Texture.m_nTexId, 7u);
    EXPECT_EQ(m_Texture.m_nFormat, GLenum(GL_LUMINANCE));
}

// What is wrong with a file as a file comes before anything the loader
// could say about its bytes.
TEST_F(TargaLoad, EachRefusalHasItsCodeAndItsReason)
{
    const std::string sides = " : chaque côté doit être une puissance de 2, de 2 à 512";
    const std::string type = "pas une image Targa non compressée (type ";
    const std::string types = " ; type 2 ou 3 sans table attendu)";
    const std::string folder = m_Folder.Path();
    m_Folder.Write("dossier.tga/inside", {});
    m_Folder.Write("fichier", {1});
    Bytes shortHeader = TargaFile({}, {});
    shortHeader.pop_back();
    // path: loaded instead of the file, when given.
    const struct { Bytes file; uint32_t code; std::string reason, path = {}; } cases[] = {
        {{}, kTargaBadType, "fichier vide"},
        {{'g', 'a', 'r', 'b', 'a', 'g', 'e'}, kTargaBadType,
         "fichier tronqué (7 octets ; l'en-tête Targa en compte 18)"},
        {{0, 0, 2}, kTargaBadSize, "fichier tronqué (3 octets ; l'en-tête Targa en compte 18)"},
        {shortHeader, kTargaShortPixels, "fichier tronqué (17 octets ; l'en-tête Targa en compte 18)"},
        {TargaFile({10}, Bytes(12)), kTargaBadType, type + "10, table de couleurs 0" + types},
        {TargaFile({2, 2, 2, 24, 0, 1}, Bytes(12)), kTargaBadType, type + "2, table de couleurs 1" + types},
        {TargaFile({2, 1024, 2}, Bytes(64)), kTargaBadSize, "taille 1024 × 2" + sides},
        {TargaFile({2, 4, 1}, Bytes(64)), kTargaBadSize, "taille 4 × 1" + sides},
        {TargaFile({2, 6, 4}, Bytes(64)), kTargaBadSize, "taille 6 × 4" + sides},
        {TargaFile({2, 0, 0}, Bytes(64)), kTargaBadSize, "taille 0 × 0" + sides},
        {TargaFile({2, 2, 2, 16}, Bytes(8)), kTargaBadDepth, "16 bits par pixel : 8, 24 ou 32 attendus"},
        {TargaFile({}, Bytes(11)), kTargaShortPixels,
         "fichier tronqué (29 octets ; 30 attendus pour 2 × 2 à 24 bits)"},
        // An image ID before the pixels lengthens the file.
        {TargaFile({2, 2, 2, 24, 0, 0, "abc"}, Bytes(5)), kTargaShortPixels,
         "fichier tronqué (26 octets ; 33 attendus pour 2 × 2 à 24 bits)"},
        {TargaFile({2, 2, 2, 8, 0, 0, std::string(255, 'x')}, {}), kTargaShortPixels,
         "fichier tronqué (273 octets ; 277 attendus pour 2 × 2 à 8 bits)"},
        {{}, kTargaCannotOpen, "fichier absent", folder + "/absent.tga"},
        {{}, kTargaBadType, "c'est un dossier, pas un fichier", folder + "/dossier.tga"},
        {{}, kTargaBadType, "ce n'est pas un fichier ordinaire", "/dev/null"},
        {{}, kTargaCannotOpen, "inaccessible (Not a directory)", folder + "/fichier/c0.tga"},
    };
    const size_t openBefore = OpenFileCount();
    for (const auto& c : cases) {
        // Each failure to read follows a success: nothing of that image may
        // remain (a file that cannot be opened leaves the texture as it was).
        ASSERT_EQ(LoadFile(TargaFile({}, Bytes(12))), 1);
        const std::string path = c.path.empty() ? m_Folder.Write("image.tga", c.file) : c.path;
        EXPECT_EQ(m_Texture.Load(path.c_str()), 0) << c.reason;
        EXPECT_EQ(m_Texture.m_nError, c.code) << c.reason;
        EXPECT_TRUE(c.code == kTargaCannotOpen || !m_Texture.m_pData) << c.reason;
        EXPECT_EQ(TargaFailure(path, m_Texture.m_nError), c.reason);
    }
    EXPECT_EQ(OpenFileCount(), openBefore);
    EXPECT_EQ(TargaFailure(folder + "/image.tga", kTargaCannotOpen),
              "refusé par le lecteur Targa (erreur 1000)");
}
