#include "texture.h"

#include <algorithm>
#include <new>
#include <utility>

#include "data_path.h"

namespace {

constexpr int kHeaderSize = 18;
constexpr unsigned char kTrueColour = 2;
constexpr unsigned char kGrey = 3;
constexpr unsigned char kTopRowFirst = 0x20;  // image descriptor bit 5

}  // namespace

CTexture::CTexture()
    : m_nError(0), m_nBpp(0), m_nWidth(0), m_nHeight(0), m_nTexId(0), m_nPixels(0),
      m_nFormat(0), m_pData(nullptr)
{
}

CTexture::~CTexture()
{
    ReleasePixels();
}

void CTexture::ReleasePixels()
{
    delete[] m_pData;
    m_pData = nullptr;
}

int CTexture::Load(const char* path)
{
    FILE* file = std::fopen(DataPath(path).c_str(), "rb");
    if (!file)
        return SetError(kTargaCannotOpen, nullptr);
    return Read(file);
}

int CTexture::Read(FILE* file)
{
    ReleasePixels();
    // A header cut short keeps zeros where it ends, so the checks below
    // give the code of the first field it lacks.
    unsigned char h[kHeaderSize] = {};
    const size_t headerRead = std::fread(h, 1, kHeaderSize, file);
    if (h[1] != 0 || (h[2] != kTrueColour && h[2] != kGrey))
        return SetError(kTargaBadType, file);
    m_nWidth = h[12] + 256u * h[13];
    m_nHeight = h[14] + 256u * h[15];
    m_nBpp = h[16];
    m_nPixels = m_nWidth * m_nHeight;
    if (!IsValidSize(m_nWidth) || !IsValidSize(m_nHeight))
        return SetError(kTargaBadSize, file);
    if (m_nBpp != 32 && m_nBpp != 24 && m_nBpp != 8)
        return SetError(kTargaBadDepth, file);
    // The pixels follow the image ID field, whose length is byte 0.
    if (headerRead < kHeaderSize || std::fseek(file, kHeaderSize + h[0], SEEK_SET) != 0)
        return SetError(kTargaShortPixels, file);
    m_pData = ReadPixels(file, m_nPixels);
    if (!m_pData)
        return SetError(kTargaShortPixels, file);
    if (h[17] & kTopRowFirst)
        FlipRows();
    std::fclose(file);
    return 1;
}

unsigned char* CTexture::ReadPixels(FILE* file, unsigned count)
{
    const unsigned bytesPerPixel = m_nBpp / 8;
    const size_t size = size_t(count) * bytesPerPixel;
    unsigned char* data = new (std::nothrow) unsigned char[size];
    if (!data)
        return nullptr;
    if (std::fread(data, 1, size, file) != size) {
        delete[] data;
        return nullptr;
    }
    if (bytesPerPixel >= 3)
        for (size_t i = 0; i < size; i += bytesPerPixel)
            std::swap(data[i], data[i + 2]);  // blue-green-red to red-green-blue
    static const GLenum formats[] = {0, GL_ALPHA, 0, GL_RGB, GL_RGBA};
    m_nFormat = formats[bytesPerPixel];
    return data;
}

void CTexture::FlipRows()
{
    const size_t row = size_t(m_nWidth) * (m_nBpp / 8);
    for (uint32_t top = 0, bottom = m_nHeight - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(m_pData + top * row, m_pData + (top + 1) * row, m_pData + bottom * row);
}

bool CTexture::IsValidSize(int n)
{
    return n >= 2 && n <= 512 && (n & (n - 1)) == 0;
}

int CTexture::SetError(uint32_t code, FILE* file)
{
    m_nError = code;
    if (file)
        std::fclose(file);
    return 0;
}

int CTexture::LoadTexture(const char* path, unsigned texName, int linear, int keepPixels,
                          GLenum format)
{
    const int result = Load(path);
    if (result != 1)
        return result;
    m_nTexId = texName;
    if (format != 0)
        m_nFormat = format;
    if (keepPixels)
        return 1;
    Upload(linear);
    ReleasePixels();
    return 1;
}

void CTexture::Upload(int linear)
{
    if (!m_pData)
        return;
    const GLint filter = linear ? GL_LINEAR : GL_NEAREST;
    glBindTexture(GL_TEXTURE_2D, m_nTexId);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexImage2D(GL_TEXTURE_2D, 0, m_nFormat, m_nWidth, m_nHeight, 0, m_nFormat,
                 GL_UNSIGNED_BYTE, m_pData);
}
