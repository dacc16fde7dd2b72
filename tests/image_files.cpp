#include "image_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

void Put16(Bytes& b, uint32_t v)
{
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}

void Put32(Bytes& b, uint32_t v)
{
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

}  // namespace

CTempFolder::CTempFolder()
{
    char pattern[] = "/tmp/bourgade3d-test-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("mkdtemp failed");
    m_sPath = pattern;
}

CTempFolder::~CTempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_sPath, ignored);
}

std::string CTempFolder::Write(const std::string& name, const Bytes& bytes) const
{
    const std::filesystem::path path = std::filesystem::path(m_sPath) / name;
    std::filesystem::create_directories(path.parent_path());
    FILE* file = std::fopen(path.c_str(), "wb");
    // An empty file writes nothing: an empty vector may have no data at all.
    if (!file || (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()))
        throw std::runtime_error("cannot write " + path.string());
    std::fclose(file);
    return path.string();
}

Bytes TargaFile(const TargaHeader& h, const Bytes& pixels)
{
    Bytes b = {static_cast<unsigned char>(h.id.size()), h.colourMap, h.type};
    b.resize(12, 0);
    Put16(b, h.width);
    Put16(b, h.height);
    b.push_back(h.bpp);
    b.push_back(h.descriptor);
    b.insert(b.end(), h.id.begin(), h.id.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

Bytes BitmapFile(const BitmapHeader& h, const Bytes& rows)
{
    const bool core = h.headerSize == 12;
    Bytes info;
    Put32(info, h.headerSize);
    if (core) {
        Put16(info, h.width);
        Put16(info, h.height);
        Put16(info, 1);
        Put16(info, h.bitCount);
    } else {
        Put32(info, h.width);
        Put32(info, h.height);
        Put16(info, 1);
        Put16(info, h.bitCount);
        Put32(info, h.compression);
        Put32(info, static_cast<uint32_t>(rows.size()));
        Put32(info, 2835);
        Put32(info, 2835);
        Put32(info, h.coloursUsed);
        Put32(info, 0);
        info.resize(h.headerSize, 0);
        for (uint32_t m : h.masks)
            Put32(info, m);
    }
    for (uint32_t c : h.palette) {
        info.push_back(c & 0xFF);
        info.push_back((c >> 8) & 0xFF);
        info.push_back((c >> 16) & 0xFF);
        if (!core)
            info.push_back(0);
    }
    Bytes b;
    if (h.fileHeader) {
        const uint32_t offset = 14 + static_cast<uint32_t>(info.size());
        b = {'B', 'M'};
        Put32(b, offset + static_cast<uint32_t>(rows.size()));
        Put32(b, 0);
        Put32(b, offset);
    }
    b.insert(b.end(), info.begin(), info.end());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}
