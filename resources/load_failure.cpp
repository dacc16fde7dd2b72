#include "load_failure.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "dib_image.h"
#include "terminal_text.h"
#include "texture.h"

namespace {

constexpr size_t kTargaHeaderSize = 18;

// The first `count` bytes of the file (fewer when it is shorter).
std::string Head(const std::string& path, size_t count)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes(count, '\0');
    in.read(&bytes[0], static_cast<std::streamsize>(count));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

long long FileSize(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

unsigned Le16(const std::string& bytes, size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

// The reasons that need the header's fields, read back from the file.
std::string TargaHeaderFailure(const std::string& header, long long size, uint32_t code)
{
    const unsigned id = static_cast<unsigned char>(header[0]);
    const unsigned colourMap = static_cast<unsigned char>(header[1]);
    const unsigned type = static_cast<unsigned char>(header[2]);
    const unsigned width = Le16(header, 12), height = Le16(header, 14);
    const unsigned bits = static_cast<unsigned char>(header[16]);
    const std::string size2d = std::to_string(width) + " × " + std::to_string(height);
    switch (code) {
    case kTargaBadType:
        return "pas une image Targa non compressée (type " + std::to_string(type) +
               ", table de couleurs " + std::to_string(colourMap) +
               " ; type 2 ou 3 sans table attendu)";
    case kTargaBadSize:
        return "taille " + size2d + " : chaque côté doit être une puissance de 2, de 2 à 512";
    case kTargaBadDepth:
        return std::to_string(bits) + " bits par pixel : 8, 24 ou 32 attendus";
    case kTargaShortPixels:
        return "fichier tronqué (" + std::to_string(size) + " octets ; " +
               std::to_string(kTargaHeaderSize + id + 1ull * width * height * (bits / 8)) +
               " attendus pour " + size2d + " à " + std::to_string(bits) + " bits)";
    default:
        return "refusé par le lecteur Targa (erreur " + std::to_string(code) + ")";
    }
}

}  // namespace

std::string FileProblem(const std::string& path)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? "fichier absent"
                               : std::string("inaccessible (") + std::strerror(errno) + ")";
    if (S_ISDIR(info.st_mode))
        return "c'est un dossier, pas un fichier";
    if (!S_ISREG(info.st_mode))
        return "ce n'est pas un fichier ordinaire";
    if (access(path.c_str(), R_OK) != 0)
        return "lecture refusée (droits du fichier)";
    if (info.st_size == 0)
        return "fichier vide";
    return "";
}

std::string TargaFailure(const std::string& path, uint32_t code)
{
    const std::string problem = FileProblem(path);
    if (!problem.empty())
        return problem;
    const std::string header = Head(path, kTargaHeaderSize);
    if (header.size() < kTargaHeaderSize)
        return "fichier tronqué (" + std::to_string(header.size()) +
               " octets ; l'en-tête Targa en compte " + std::to_string(kTargaHeaderSize) + ")";
    return TargaHeaderFailure(header, FileSize(path), code);
}

std::string BitmapFailure(const std::string& path, const char* readerError)
{
    const std::string problem = FileProblem(path);
    if (!problem.empty())
        return problem;
    if (readerError == kDibUnknownFormat)
        return "en-tête de bitmap inconnu (12 ou 40 octets attendus)";
    if (readerError == kDibConversionError)
        return "bitmap illisible : dimensions, profondeur, compression et longueur du fichier "
               "ne s'accordent pas";
    if (readerError == kDibOutOfMemory)
        return "mémoire insuffisante";
    return "lecture interrompue";
}

std::string FailureLine(const std::string& path, const std::string& reason)
{
    return "  " + Printable(path) + " : " + reason + "\n";
}

bool AnyFolderExists(const std::vector<std::string>& folders)
{
    for (const std::string& folder : folders) {
        struct stat info;
        if (stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            return true;
    }
    return false;
}

std::string MissingDataNote(const std::vector<std::string>& folders)
{
    std::string note = "Aucun dossier de données trouvé ; dossiers cherchés :\n";
    for (const std::string& folder : folders)
        note += "  " + Printable(folder[0] == '/' ? folder : "./" + folder) + "\n";
    note +=
        "Pour avoir les images et la police : construire le jeu (cmake --build build les "
        "dessine dans build/textures)\n"
        "ou l'installer (cmake --install build, ou le paquet Debian). La partie continue sans "
        "elles.\n";
    return note;
}
