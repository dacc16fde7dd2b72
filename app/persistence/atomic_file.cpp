#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The system's reason in French for the failures a player can mend.
std::string Why(int error)
{
    switch (error) {
    case ENOENT: return "fichier introuvable";
    case EACCES:
    case EPERM: return "accès refusé";
    case EROFS: return "disque en lecture seule";
    case ENOSPC:
    case EDQUOT: return "disque plein";
    case ENOTDIR: return "un fichier occupe la place d'un dossier";
    case EISDIR: return "c'est un dossier";
    default: return std::strerror(error);
    }
}

bool Fail(std::string& reason, const char* step, int error)
{
    reason = std::string(step) + " : " + Why(error);
    return false;
}

bool WriteAll(int fd, const std::string& text)
{
    for (size_t done = 0; done < text.size();) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno != EINTR)
            return false;
        done += written > 0 ? static_cast<size_t>(written) : 0;
    }
    return true;
}

// Makes the rename itself last through a power cut; a folder that cannot
// be flushed still holds the new file, so this is not a failure.
void FlushFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

}  // namespace

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string SystemReason(int error)
{
    return Why(error);
}

bool MakeFolders(const std::string& folder, std::string& reason)
{
    for (size_t slash = folder.find('/', 1); ; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (!part.empty() && mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return Fail(reason, ("création du dossier " + part).c_str(), errno);
        if (slash == std::string::npos)
            break;
    }
    struct stat info;
    if (stat(folder.c_str(), &info) != 0)
        return Fail(reason, ("dossier " + folder).c_str(), errno);
    if (!S_ISDIR(info.st_mode))
        return Fail(reason, ("dossier " + folder).c_str(), ENOTDIR);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& reason)
{
    const std::string folder = FolderOf(path);
    if (!MakeFolders(folder, reason))
        return false;
    // A name of its own, so that two games saving at once never share it.
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return Fail(reason, "création du fichier", errno);
    const bool written = WriteAll(fd, text) && fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = close(fd) == 0;
    if (!written || !closed) {
        unlink(temporary.c_str());
        return Fail(reason, "écriture", written ? errno : writeError);
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        unlink(temporary.c_str());
        return Fail(reason, "remplacement de l'ancien fichier", renameError);
    }
    FlushFolder(folder);
    return true;
}

bool ReadWholeFile(const std::string& path, size_t limit, std::string& text, std::string& reason,
                   bool& missing)
{
    missing = false;
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never
    // come; nothing but a regular file is read anyway.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info;
    if (fd < 0 || fstat(fd, &info) != 0) {
        missing = errno == ENOENT;
        reason = Why(errno);
        if (fd >= 0)
            close(fd);
        return false;
    }
    if (!S_ISREG(info.st_mode) || static_cast<size_t>(info.st_size) > limit) {
        reason = S_ISREG(info.st_mode) ? "fichier trop gros pour une sauvegarde"
                                       : "ce n'est pas un fichier ordinaire";
        close(fd);
        return false;
    }
    // A file cut short while it is read is read as it stands: the reader of
    // its contents judges it.
    text.assign(static_cast<size_t>(info.st_size), '\0');
    size_t done = 0;
    ssize_t got = 1;
    while (done < text.size() && got != 0) {
        got = read(fd, text.data() + done, text.size() - done);
        if (got < 0 && errno != EINTR)
            break;
        done += got > 0 ? static_cast<size_t>(got) : 0;
    }
    const int readError = errno;
    close(fd);
    text.resize(done);
    if (got < 0)
        reason = Why(readError);
    return got >= 0;
}
