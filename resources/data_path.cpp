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

std::string ExecutableFolder()
{
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return std::string();
    const std::string exe(buffer, static_cast<size_t>(n));
    return exe.substr(0, exe.rfind('/'));
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
    std::vector<std::string> candidates = {kDataFolder + rest};
    const std::string exeFolder = ExecutableFolder();
    if (!exeFolder.empty())
        candidates.push_back(exeFolder + "/" + kDataFolder + rest);
    candidates.push_back(BOURGADE_DATA_DIR + rest);
    for (const std::string& candidate : candidates)
        if (Exists(candidate))
            return candidate;
    return candidates.front();
}
