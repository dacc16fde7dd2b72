// What the player reads when a data file cannot be used: the path tried
// and the reason, for damaged textures and a damaged font.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dib_image.h"
#include "gl_text.h"
#include "image_files.h"
#include "load_failure.h"
#include "texture.h"

namespace {

Bytes Pixels(size_t count)
{
    return Bytes(count, 0x55);
}

}  // namespace

TEST(LoadFailure, EachDamagedTextureGivesItsReason)
{
    CTempFolder folder;
    std::filesystem::create_directories(folder.Path() + "/dossier.tga");
    struct Case {
        const char* name;
        Bytes bytes;
        const char* reason;
    };
    TargaHeader big, deep, rle, named;
    named.id = "abc";  // an image ID before the pixels lengthens the file
    big.width = 1024;
    big.height = 4;
    deep.bpp = 16;
    rle.type = 10;
    const Case cases[] = {
        {"vide.tga", {}, "fichier vide"},
        {"court.tga", {'g', 'a', 'r', 'b', 'a', 'g', 'e'},
         "fichier tronqué (7 octets ; l'en-tête Targa en compte 18)"},
        {"rle.tga", TargaFile(rle, Pixels(12)),
         "pas une image Targa non compressée (type 10, table de couleurs 0 ; type 2 ou 3 sans "
         "table attendu)"},
        {"grand.tga", TargaFile(big, Pixels(1024 * 4 * 3)),
         "taille 1024 × 4 : chaque côté doit être une puissance de 2, de 2 à 512"},
        {"profond.tga", TargaFile(deep, Pixels(8)), "16 bits par pixel : 8, 24 ou 32 attendus"},
        {"tronque.tga", TargaFile(TargaHeader{}, Pixels(5)),
         "fichier tronqué (23 octets ; 30 attendus pour 2 × 2 à 24 bits)"},
        {"nomme.tga", TargaFile(named, Pixels(5)),
         "fichier tronqué (26 octets ; 33 attendus pour 2 × 2 à 24 bits)"},
    };
    for (const Case& c : cases) {
        const std::string path = folder.Write(c.name, c.bytes);
        CTexture texture;
        ASSERT_EQ(texture.Load(path.c_str()), 0) << c.name;
        EXPECT_EQ(TargaFailure(path, texture.m_nError), c.reason) << c.name;
    }
    for (const auto& [name, reason] : {std::pair<const char*, const char*>{"absent.tga", "fichier absent"},
                                       {"dossier.tga", "c'est un dossier, pas un fichier"}}) {
        const std::string path = folder.Path() + "/" + name;
        CTexture texture;
        ASSERT_EQ(texture.Load(path.c_str()), 0) << name;
        EXPECT_EQ(TargaFailure(path, texture.m_nError), reason) << name;
    }
}

TEST(LoadFailure, ADamagedFontGivesTheReadersTextThenThePathAndReason)
{
    CTempFolder folder;
    BitmapHeader newer;
    newer.headerSize = 108;
    BitmapHeader wide;
    wide.width = 64;
    const std::pair<Bytes, std::string> cases[] = {
        {BitmapFile(newer, Bytes(16, 0)),
         "Error: Unknown DIB file format.\n  %s : en-tête de bitmap inconnu (12 ou 40 octets "
         "attendus)\n"},
        {BitmapFile(wide, Bytes(8, 0)),
         "Error: Image file conversion error.\n  %s : bitmap illisible : dimensions, profondeur, "
         "compression et longueur du fichier ne s'accordent pas\n"},
    };
    for (const auto& [bytes, format] : cases) {
        const std::string path = folder.Write("Font.bmp", bytes);
        glText font;
        testing::internal::CaptureStderr();
        EXPECT_EQ(font.LoadImageFile(path.c_str()), nullptr);
        std::string expected = format;
        for (size_t at = expected.find("%s"); at != std::string::npos; at = expected.find("%s"))
            expected.replace(at, 2, path);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), expected);
    }
}

TEST(LoadFailure, TheNoteForNoDataFolderListsEveryFolderAndHowToGetTheData)
{
    CTempFolder folder;
    const std::string file = folder.Write("fichier", {1});
    EXPECT_FALSE(AnyFolderExists({folder.Path() + "/rien", file}));
    EXPECT_TRUE(AnyFolderExists({folder.Path() + "/rien", folder.Path()}));

    const std::string note = MissingDataNote({"textures", "/opt/jeu/textures"});
    EXPECT_EQ(note.rfind("Aucun dossier de données trouvé ; dossiers cherchés :\n"
                         "  ./textures\n  /opt/jeu/textures\n",
                         0),
              0u)
        << note;
    EXPECT_NE(note.find("cmake --build build"), std::string::npos);
    EXPECT_NE(note.find("cmake --install build"), std::string::npos);
}

TEST(LoadFailure, EachBitmapReaderErrorGivesItsReason)
{
    CTempFolder folder;
    const std::string path = folder.Write("Font.bmp", {'B', 'M'});
    const std::pair<const char*, const char*> cases[] = {
        {kDibUnknownFormat, "en-tête de bitmap inconnu (12 ou 40 octets attendus)"},
        {kDibConversionError, "bitmap illisible : dimensions, profondeur, compression et "
                              "longueur du fichier ne s'accordent pas"},
        {kDibOutOfMemory, "mémoire insuffisante"},
        {kDibOpenFailed, "lecture interrompue"},
    };
    for (auto [error, reason] : cases)
        EXPECT_EQ(BitmapFailure(path, error), reason) << error;
}
