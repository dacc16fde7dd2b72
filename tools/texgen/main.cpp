// Draws every picture the game reads at start into one data folder:
//     texgen <folder>
#include "fonts.h"
#include "picture_files.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: texgen <folder>\n");
        return 2;
    }
    for (int style = 0; style < kFontStyleCount; ++style)
        if (!FontFace(static_cast<EFontStyle>(style)))
            return 1;
    const std::string folder = argv[1];
    const bool written = WriteBoardPictures(folder) && WriteDeedCards(folder) &&
                         WriteIcons(folder) && WriteFontSheet(folder);
    return written ? 0 : 1;
}
