// Crafted Targa and bitmap files for the loader tests, and a temporary
// folder to write them into.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// A fresh folder under /tmp, removed with everything in it at the end.
class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    const std::string& Path() const { return m_sPath; }
    // Writes bytes to name inside the folder (creating subfolders) and
    // returns the file's full path.
    std::string Write(const std::string& name, const Bytes& bytes) const;

private:
    std::string m_sPath;
};

struct TargaHeader {
    unsigned char type = 2;
    unsigned width = 2;
    unsigned height = 2;
    unsigned char bpp = 24;
    unsigned char descriptor = 0;
    unsigned char colourMap = 0;
    std::string id;
};

Bytes TargaFile(const TargaHeader& header, const Bytes& pixels);

struct BitmapHeader {
    int32_t width = 2;
    int32_t height = 2;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t headerSize = 40;  // 12 writes a core header
    uint32_t coloursUsed = 0;
    bool fileHeader = true;
    std::vector<uint32_t> palette;  // 0xRRGGBB
    std::vector<uint32_t> masks;    // written after an info header when given
};

// rows: the stored pixel rows, each already filled to a multiple of 4 bytes.
Bytes BitmapFile(const BitmapHeader& header, const Bytes& rows);
