#include "data_path.h"

#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <vector>

#ifndef BOURGADE_DATA_DIR
#define BOURGADE_DATA_DIR "/usr/local/share/bourgade3d/textures"
#endif

namespace {

const char kDataFolder[] = "textures";
const char kInstalledFolder[] = "/share/bourgade3d/textures";

// The part of a path before its last slash ("" for "/bourgade3d").
std::string Parent(const std::string& path)
{
    return path.substr(0, path.rfind('/'));
}

std::string ExecutableFolder()
{
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return std::string();
    return Parent(std::string(buffer, static_cast<size_t>(n)));
}

bool Exists(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0;
}

}  // namespace

std::string DataPath(const char* name)
{
    std::string path = name ? name : "";
    std::replace(path.begin(), path.end(), '\\', '/');
    const size_t slash = path.find('/');
    const bool inDataFolder = slash == sizeof kDataFolder - 1 &&
                              strncasecmp(path.c_str(), kDataFolder, slash) == 0;
    if (!inDataFolder)
        return path;

    const std::string rest = path.substr(slash);
    for (const std::string& folder : DataFolders())
        if (Exists(folder + rest))
            return folder + rest;
    return kDataFolder + rest;
}

std::vector<std::string> DataFolders()
{
    std::vector<std::string> folders = {kDataFolder};
    const std::string exeFolder = ExecutableFolder();
    if (!exeFolder.empty()) {
        folders.push_back(exeFolder + "/" + kDataFolder);
        folders.push_back(Parent(exeFolder) + kInstalledFolder);
    }
    folders.push_back(BOURGADE_DATA_DIR);
    return folders;
}
