// Where the data files are found.
//
// The program names its data files as "textures\" + name + ".tga" and
// "Textures/Font.bmp"; on disk there is one folder, `textures/` in lower
// case. DataPath turns backslashes into slashes and, when the first
// component of the name is that folder in any letter case, looks for the
// rest of the name in turn under:
//   1. the working directory's textures/,
//   2. the textures/ folder beside the running executable,
//   3. share/bourgade3d/textures beside the executable's bin/ folder, so an
//      installed game finds its data wherever its prefix was moved to,
//   4. the installed data folder (BOURGADE_DATA_DIR, set by the build).
// The first file that exists wins; when none does, the first candidate is
// returned so that an error message names a sensible path. Any other name
// comes back with its separators fixed and nothing else changed.
#pragma once

#include <string>
#include <vector>

std::string DataPath(const char* name);

// The folders tried, in order, without their trailing slash.
std::vector<std::string> DataFolders();
