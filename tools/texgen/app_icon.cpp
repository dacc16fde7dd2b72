// The program's icon for the desktop's menus: the board seen from above,
// its group colours round the rim and a house on the centre, on a
// transparent ground. Desktops pick among several sizes, so it is drawn at
// each of them rather than scaled from one.
#include "drawings.h"
#include "palette.h"
#include "picture_files.h"

#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr double kSide = 256;  // logical units of every size
constexpr double kBoard = 216;
constexpr double kRing = 46;  // the ring of squares round the centre
constexpr double kBand = 18;
const int kIconSizes[] = {64, 128, 256};

// Two groups on each side of the rim, along the inner edge of the ring of
// squares, in the order a pawn meets them from the bottom right corner.
void PaintGroupBands(cairo_t* cr, double inner, double band)
{
    const double length = (kSide - 2 * inner) / 2;
    for (int side = 0; side < 4; ++side) {
        cairo_save(cr);
        cairo_translate(cr, kSide / 2, kSide / 2);
        cairo_rotate(cr, side * M_PI / 2);
        cairo_translate(cr, -kSide / 2, -kSide / 2);
        for (int i = 0; i < 2; ++i) {
            cairo_rectangle(cr, kSide - inner - (i + 1) * length + 3, kSide - inner, length - 6,
                            band);
            SetColour(cr, kGroupColours[2 * side + i]);
            cairo_fill_preserve(cr);
            SetColour(cr, kInk);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }
}

void DrawIcon(cairo_t* cr)
{
    const double from = (kSide - kBoard) / 2;
    RoundedRect(cr, from, from, kBoard, kBoard, 18);
    SetColour(cr, kBoardGreen);
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    PaintGroupBands(cr, from + kRing, kBand);
    DrawHouse(cr, kSide / 2, kSide / 2 + 4, 104, kCardWhite);
}

bool WriteIcon(int size, const std::string& path)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, size / kSide, size / kSide);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    DrawIcon(cr);
    cairo_destroy(cr);
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS)
        std::fprintf(stderr, "%s: %s\n", path.c_str(), cairo_status_to_string(status));
    return status == CAIRO_STATUS_SUCCESS;
}

// mkdir -p for the two levels below the folder.
bool MakeFolders(const std::string& sizeFolder)
{
    mkdir(sizeFolder.c_str(), 0755);
    const std::string apps = sizeFolder + "/apps";
    mkdir(apps.c_str(), 0755);
    struct stat info;
    return stat(apps.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

bool WriteAppIcons(const std::string& folder)
{
    for (int size : kIconSizes) {
        const std::string sizeFolder = folder + "/" + std::to_string(size) + "x" + std::to_string(size);
        if (!MakeFolders(sizeFolder) || !WriteIcon(size, sizeFolder + "/apps/bourgade3d.png"))
            return false;
    }
    return true;
}
