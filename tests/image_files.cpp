#include "image_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

// Little-endian, as both formats store their numbers.
void Put(Bytes& b, const std::vector<uint32_t>& values, int size)
{
    for (uint32_t v : values)
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
    Put(b, {h.width, h.height}, 2);
    Put(b, {h.bpp, h.descriptor}, 1);
    b.insert(b.end(), h.id.begin(), h.id.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

Bytes BitmapFile(const BitmapHeader& h, const Bytes& rows)
{
    const bool core = h.headerSize == 12;
    Bytes info;
    Bytes b;
    Put(info, {h.headerSize}, 4);
    Put(info, {uint32_t(h.width), uint32_t(h.height)}, core ? 2 : 4);
    Put(info, {1, h.bitCount}, 2);
    if (!core) {
        Put(info, {h.compression, uint32_t(rows.size()), 2835, 2835, h.coloursUsed, 0}, 4);
        info.resize(h.headerSize, 0);
        Put(info, h.masks, 4);
    }
    Put(info, h.palette, core ? 3 : 4);  // blue, green, red (and a zero)
    if (h.fileHeader) {
        const uint32_t offset = 14 + static_cast<uint32_t>(info.size());
        b = {'B', 'M'};
        Put(b, {offset + static_cast<uint32_t>(rows.size()), 0, offset}, 4);
    }
    b.insert(b.end(), info.begin(), info.end());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}
