// A scene texture that fails to load: the documented line, then the path
// tried and the reason.
#include <GL/gl.h>

#include "gl_test_env.h"
#include "image_files.h"
#include "texture_file.h"

TEST(TextureReport, ADamagedTextureGivesTheDocumentedLineThenThePathAndReason)
{
    CTempFolder folder;
    TargaHeader big;
    big.width = 1024;
    const std::string path = folder.Write("c0.tga", TargaFile(big, Bytes(1024 * 2 * 3, 0)));
    uint32_t name = 0;
    testing::internal::CaptureStdout();
    LoadOrReport(name, path.c_str(), "textures\\c0.tga");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Fichier textures\\c0.tga introuvable\n  " + path +
                  " : taille 1024 × 2 : chaque côté doit être une puissance de 2, de 2 à 512\n");
    EXPECT_NE(name, 0u) << "the name is made all the same, and stays empty";
    glDeleteTextures(1, &name);
}
