// Draws every picture the game reads at start into one data folder, or
// the program's icons for the desktop into a theme folder:
//     texgen <folder>
//     texgen --icons <folder>
#include "fonts.h"
#include "picture_files.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0)
        return WriteAppIcons(argv[2]) ? 0 : 1;
    if (argc != 2) {
        std::fprintf(stderr, "usage: texgen [--icons] <folder>\n");
        return 2;
    }
    for (int style = 0; style < kFontStyleCount; ++style)
        if (!FontFace(static_cast<EFontStyle>(style)))
            return 1;
    const std::string folder = argv[1];
    const bool written = WriteBoardPictures(folder) && WriteDeedCards(folder) &&
                         WriteIcons(folder) && WriteFontSheet(folder) &&
                         WriteTablePictures(folder) && WriteStreetLabels(folder);
    return written ? 0 : 1;
}
