// Crafted Targa and bitmap files for the loader tests, and a temporary
// folder to write them into.
#pragma once

#include <cstddef>
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

// The process's open file descriptors: a loader that leaves a file open
// runs out of them in a long game.
size_t OpenFileCount();

// Braces give the first fields in order; the others keep their defaults.
struct TargaHeader {
    unsigned char type = 2;
    unsigned width = 2, height = 2;
    unsigned char bpp = 24, descriptor = 0, colourMap = 0;
    std::string id = {};
};

Bytes TargaFile(const TargaHeader& header, const Bytes& pixels);

struct BitmapHeader {
    int32_t width = 2, height = 2;
    uint16_t bitCount = 24;
    uint32_t compression = 0, headerSize = 40 /* 12 writes a core header */, coloursUsed = 0;
    bool fileHeader = true;
    std::vector<uint32_t> palette = {};  // 0xRRGGBB
    std::vector<uint32_t> masks = {};    // written after an info header when given
};

// rows: the stored pixel rows, each already filled to a multiple of 4 bytes.
Bytes BitmapFile(const BitmapHeader& header, const Bytes& rows);
