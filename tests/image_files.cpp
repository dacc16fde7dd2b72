#include "image_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

// Little-endian, as both formats store their numbers.
void Put(Bytes& b, uint32_t v, int size)
{
    for (int i = 0; i < size; ++i)
        b.push_back((v >> 8 * i) & 0xFF);
}

}  // namespace

size_t OpenFileCount()
{
    const std::filesystem::directory_iterator fds("/proc/self/fd");
    return size_t(std::distance(begin(fds), end(fds)));
}

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
    std::ofstream file(path, std::ios::binary);
    if (!file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size())))
        throw std::runtime_error("cannot write " + path.string());
    return path.string();
}

Bytes TargaFile(const TargaHeader& h, const Bytes& pixels)
{
    Bytes b = {static_cast<unsigned char>(h.id.size()), h.colourMap, h.type};
    b.resize(12, 0);
    Put(b, h.width, 2);
    Put(b, h.height, 2);
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
    const int side = core ? 2 : 4;
    Put(info, h.headerSize, 4);
    Put(info, h.width, side);
    Put(info, h.height, side);
    Put(info, 1, 2);
    Put(info, h.bitCount, 2);
    if (!core) {
        const uint32_t rest[] = {h.compression, uint32_t(rows.size()), 2835, 2835, h.coloursUsed, 0};
        for (uint32_t v : rest)
            Put(info, v, 4);
        info.resize(h.headerSize, 0);
        for (uint32_t m : h.masks)
            Put(info, m, 4);
    }
    for (uint32_t c : h.palette)
        Put(info, c, core ? 3 : 4);  // blue, green, red (and a zero)
    Bytes b;
    if (h.fileHeader) {
        const uint32_t offset = 14 + static_cast<uint32_t>(info.size());
        b = {'B', 'M'};
        Put(b, offset + static_cast<uint32_t>(rows.size()), 4);
        Put(b, 0, 4);
        Put(b, offset, 4);
    }
    b.insert(b.end(), info.begin(), info.end());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}
