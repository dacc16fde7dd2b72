// Uploading Targa files into texture names.
#include <GL/gl.h>

#include "gl_test_env.h"
#include "image_files.h"
#include "texture.h"

namespace {

class TextureGl : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        glGenTextures(1, &m_nName);
    }
    void TearDown() override
    {
        glDeleteTextures(1, &m_nName);
        GlTest::TearDown();
    }

    // Of the texture, or of its level 0.
    GLint Get(GLenum what, bool level = false)
    {
        glBindTexture(GL_TEXTURE_2D, m_nName);
        GLint value = 0;
        if (level)
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, what, &value);
        else
            glGetTexParameteriv(GL_TEXTURE_2D, what, &value);
        return value;
    }

    std::string Write(unsigned width, unsigned height, unsigned char bpp, const Bytes& pixels)
    {
        return m_Folder.Write("image.tga", TargaFile({2, width, height, bpp}, pixels));
    }

    CTempFolder m_Folder;
    GLuint m_nName = 0;
};

}  // namespace

TEST_F(TextureGl, UploadsReorderedPixelsWithNearestFiltering)
{
    Bytes pixels(2 * 2 * 4);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<unsigned char>(10 * i);
    CTexture texture;
    ASSERT_EQ(texture.LoadTexture(Write(2, 2, 32, pixels).c_str(), m_nName, 0, 0, 0), 1);
    EXPECT_EQ(texture.m_pData, nullptr);
    const GLint level[][2] = {{GL_TEXTURE_WIDTH, 2}, {GL_TEXTURE_HEIGHT, 2}, {GL_TEXTURE_INTERNAL_FORMAT, GL_RGBA}};
    for (const auto& l : level)
        EXPECT_EQ(Get(l[0], true), l[1]) << std::hex << l[0];
    EXPECT_EQ(Get(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(Get(GL_TEXTURE_MAG_FILTER), GL_NEAREST);

    Bytes uploaded(pixels.size());
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, uploaded.data());
    EXPECT_EQ(Bytes(uploaded.begin(), uploaded.begin() + 8), (Bytes{20, 10, 0, 30, 60, 50, 40, 70}));
}

TEST_F(TextureGl, KeptSmoothAndFailedLoads)
{
    CTexture kept;
    // Pixels kept for the caller are not uploaded.
    ASSERT_EQ(kept.LoadTexture(Write(2, 2, 8, Bytes(4, 1)).c_str(), m_nName, 0, 1, GL_LUMINANCE), 1);
    EXPECT_EQ(Get(GL_TEXTURE_WIDTH, true), 0);

    // A smooth one filters linearly; a failed load after it changes nothing.
    CTexture good;
    CTexture bad;
    ASSERT_EQ(good.LoadTexture(Write(4, 4, 8, Bytes(16, 1)).c_str(), m_nName, 1, 0, 0), 1);
    EXPECT_EQ(Get(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(bad.LoadTexture(Write(4, 4, 24, Bytes(5, 1)).c_str(), m_nName, 0, 0, 0), 0);
    EXPECT_EQ(Get(GL_TEXTURE_WIDTH, true), 4);
}
