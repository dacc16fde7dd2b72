// The data folder that the build draws, read through the game's own
// loaders: every picture must load as a texture and the font as a bitmap.
#include <gtest/gtest.h>

#include <filesystem>

#include "dib_image.h"
#include "texture.h"

TEST(DataFolder, EveryPictureLoadsThroughTheGamesLoaders)
{
    int targaFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TEXTURES_DIR)) {
        if (entry.path().extension() != ".tga")
            continue;
        ++targaFiles;
        CTexture texture;
        EXPECT_EQ(texture.Load(entry.path().c_str()), 1)
            << entry.path() << ": error " << texture.m_nError;
    }
    EXPECT_GT(targaFiles, 0);

    ImageRGB* font = LoadDIBImage(TEXTURES_DIR "/Font.bmp");
    ASSERT_NE(font, nullptr);
    // 16 × 16 glyph cells.
    EXPECT_EQ(font->width % 16, 0);
    EXPECT_EQ(font->height % 16, 0);
    ReleaseImage(font);
}
