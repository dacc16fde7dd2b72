#include "save_slot.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <ostream>
#include <vector>

#include "atomic_file.h"
#include "terminal_text.h"

namespace {

// The usual save and eight numbered ones: more games at once than anyone
// plays at one desk.
constexpr int kMostSaves = 9;
// mkstemp's six letters and digits after the save's name and a dot.
constexpr size_t kTemporaryLetters = 6;

std::string NameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsTemporaryOf(const std::string& name, const std::string& save)
{
    if (name.size() != save.size() + 1 + kTemporaryLetters || name.compare(0, save.size(), save) != 0 ||
        name[save.size()] != '.')
        return false;
    for (size_t i = save.size() + 1; i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

}  // namespace

CSaveLock::~CSaveLock()
{
    Release();
}

CSaveLock::Outcome CSaveLock::Take(const std::string& savePath)
{
    Release();
    std::string reason;
    if (!MakeFolders(FolderOf(savePath), reason))
        return Outcome::kUnavailable;
    const std::string lockPath = savePath + ".lock";
    m_nFd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0600);
    if (m_nFd < 0)
        return Outcome::kUnavailable;
    if (flock(m_nFd, LOCK_EX | LOCK_NB) == 0)
        return Outcome::kTaken;
    const bool held = errno == EWOULDBLOCK;
    Release();
    return held ? Outcome::kHeldElsewhere : Outcome::kUnavailable;
}

void CSaveLock::Release()
{
    if (m_nFd >= 0)
        close(m_nFd);
    m_nFd = -1;
}

std::string NumberedSave(const std::string& usualPath, int n)
{
    const std::string suffix = ".sav";
    const bool hasSuffix = usualPath.size() >= suffix.size() &&
                           usualPath.compare(usualPath.size() - suffix.size(), suffix.size(), suffix) == 0;
    const std::string stem = hasSuffix ? usualPath.substr(0, usualPath.size() - suffix.size()) : usualPath;
    return stem + "-" + std::to_string(n) + suffix;
}

std::string ChooseSave(const std::string& usualPath, CSaveLock& lock, std::ostream& out)
{
    for (int n = 1; n <= kMostSaves; ++n) {
        const std::string path = n == 1 ? usualPath : NumberedSave(usualPath, n);
        const CSaveLock::Outcome outcome = lock.Take(path);
        if (outcome == CSaveLock::Outcome::kHeldElsewhere)
            continue;
        if (outcome == CSaveLock::Outcome::kTaken)
            RemoveStaleTemporaries(path);
        if (n > 1)
            out << "La sauvegarde " << Printable(usualPath)
                << " sert à une autre partie en cours : celle-ci s'enregistre dans " << Printable(path)
                << ".\n";
        return path;
    }
    out << "Toutes les sauvegardes servent à d'autres parties en cours : celle-ci ne sera pas "
           "enregistrée.\n";
    return "";
}

void RemoveStaleTemporaries(const std::string& savePath)
{
    const std::string folder = FolderOf(savePath);
    const std::string save = NameOf(savePath);
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr)
        return;
    std::vector<std::string> stale;
    while (const dirent* entry = readdir(listing))
        if (IsTemporaryOf(entry->d_name, save))
            stale.push_back(folder + "/" + entry->d_name);
    closedir(listing);
    for (const std::string& path : stale)
        unlink(path.c_str());
}
