// The Targa texture loader: reads one uncompressed Targa file (true-colour
// or grey, 8, 24 or 32 bits per pixel, sides of 2 to 512 that are powers of
// two), reorders its colour bytes for OpenGL and uploads it into a texture
// name that the caller created. It prints nothing: callers report failures.
//
// Rows reach OpenGL bottom row first, whatever order the file stores them
// in, and an image ID field before the pixels is skipped.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <cstdio>

// Codes left in m_nError by a failed load.
enum : uint32_t {
    kTargaCannotOpen = 1000,   // the file cannot be opened
    kTargaBadType = 1001,      // a colour map, or neither true-colour nor grey
    kTargaBadSize = 1002,      // a side that is not a power of two from 2 to 512
    kTargaBadDepth = 1003,     // neither 8, 24 nor 32 bits per pixel
    kTargaShortPixels = 1004,  // the pixels cannot be read in full
};

class CTexture {
public:
    uint32_t m_nError;
    uint32_t m_nBpp;
    uint32_t m_nWidth;
    uint32_t m_nHeight;
    uint32_t m_nTexId;
    uint32_t m_nPixels;
    GLenum m_nFormat;        // of m_pData: GL_RGBA, GL_RGB or GL_ALPHA
    unsigned char* m_pData;  // owned from Load until uploaded

    CTexture();
    virtual ~CTexture();
    CTexture(const CTexture&) = delete;
    CTexture& operator=(const CTexture&) = delete;

    // 1 when the file was read into m_pData, else 0 with m_nError set.
    int Load(const char* path);
    // Reads a Targa image from an open file and closes it; as Load.
    int Read(FILE* file);
    // Loads path into the texture name texName and uploads it (unless
    // keepPixels); a non-zero format replaces the one read from the file.
    int LoadTexture(const char* path, unsigned texName, int linear, int keepPixels,
                    GLenum format);
    void Upload(int linear);
    unsigned char* ReadPixels(FILE* file, unsigned count);
    static bool IsValidSize(int n);
    int SetError(uint32_t code, FILE* file);

private:
    void ReleasePixels();
    void FlipRows();
};
