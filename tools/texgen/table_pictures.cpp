// What surrounds the squares: the wooden table the board lies on and the
// picture of the board's raised centre. The centre is drawn in mid tones:
// the lights over the board brighten it by up to half again, and a paler
// picture would wash out to white.
#include "image_files.h"
#include "palette.h"
#include "picture_files.h"
#include "text.h"

#include <cmath>

namespace {

constexpr CColour kWood = {0.42, 0.26, 0.14};
constexpr int kPlanks = 4;

// Planks across the picture, each with its own shade and a few grain
// lines, so that the repeated picture does not show a pattern at a glance.
bool SaveTable(const std::string& folder)
{
    CCanvas canvas(256, 256, 256, 256);
    cairo_t* cr = canvas.Cr();
    const double plank = 256.0 / kPlanks;
    const double shades[kPlanks] = {1.0, 0.9, 1.06, 0.95};
    for (int i = 0; i < kPlanks; ++i) {
        FillRect(cr, 0, i * plank, 256, plank, Shade(kWood, shades[i]));
        SetColour(cr, Shade(kWood, 0.75));
        cairo_set_line_width(cr, 1.2);
        for (int line = 1; line < 6; ++line) {
            const double y = i * plank + line * plank / 6;
            cairo_move_to(cr, 0, y);
            for (double x = 0; x <= 256; x += 8)
                cairo_line_to(cr, x, y + 2.5 * std::sin((x + 37 * i * line) / 41.0));
            cairo_stroke(cr);
        }
        FillRect(cr, 0, i * plank, 256, 2, Shade(kWood, 0.45));  // the seam
    }
    return SaveTarga(canvas, folder, "table");
}

// The Eiffel tower in outline, its foot on `ground`, `height` tall.
void DrawTower(cairo_t* cr, double cx, double ground, double height)
{
    const double h = height;
    cairo_move_to(cr, cx - 0.30 * h, ground);  // the legs and the arch
    cairo_curve_to(cr, cx - 0.16 * h, ground - 0.25 * h, cx - 0.08 * h, ground - 0.6 * h,
                   cx - 0.025 * h, ground - 0.92 * h);
    cairo_line_to(cr, cx, ground - h);
    cairo_line_to(cr, cx + 0.025 * h, ground - 0.92 * h);
    cairo_curve_to(cr, cx + 0.08 * h, ground - 0.6 * h, cx + 0.16 * h, ground - 0.25 * h,
                   cx + 0.30 * h, ground);
    cairo_line_to(cr, cx + 0.17 * h, ground);
    cairo_curve_to(cr, cx + 0.12 * h, ground - 0.14 * h, cx - 0.12 * h, ground - 0.14 * h,
                   cx - 0.17 * h, ground);
    cairo_close_path(cr);
    SetColour(cr, {0.30, 0.22, 0.16});
    cairo_fill(cr);
    SetColour(cr, Shade(kBoardGreen, 0.72));  // the two platforms
    FillRect(cr, cx - 0.15 * h, ground - 0.30 * h, 0.30 * h, 0.025 * h, Shade(kBoardGreen, 0.72));
    FillRect(cr, cx - 0.075 * h, ground - 0.58 * h, 0.15 * h, 0.02 * h, Shade(kBoardGreen, 0.72));
}

// The Seine across the bottom of the picture, under the tower.
void DrawRiver(cairo_t* cr, double top, double width)
{
    cairo_move_to(cr, 0, top);
    cairo_curve_to(cr, width * 0.3, top - 25, width * 0.6, top + 30, width, top);
    cairo_line_to(cr, width, top + 90);
    cairo_curve_to(cr, width * 0.6, top + 120, width * 0.3, top + 65, 0, top + 90);
    cairo_close_path(cr);
    SetColour(cr, {0.25, 0.42, 0.60});
    cairo_fill(cr);
}

// The texture runs along +x on the board, which the view from above shows
// from right to left: the picture is drawn mirrored so that it reads upright.
bool SaveCentre(const std::string& folder)
{
    const double size = 1800;
    CCanvas canvas(512, 512, size, size);
    cairo_t* cr = canvas.Cr();
    cairo_translate(cr, size, 0);
    cairo_scale(cr, -1, 1);
    FillRect(cr, 0, 0, size, size, Shade(kBoardGreen, 0.85));
    SetColour(cr, Shade(kBoardGreen, 0.6));
    cairo_set_line_width(cr, 14);
    cairo_rectangle(cr, 60, 60, size - 120, size - 120);
    cairo_stroke(cr);
    DrawRiver(cr, 1480, size);
    // Beside the middle, which stays the board's plain green.
    DrawTower(cr, 1340, 1500, 760);
    SetColour(cr, {0.55, 0.08, 0.10});
    ShowText(cr, "BOURGADE", size / 2, 520, {kSansBold, 290}, kCentre, size - 240);
    SetColour(cr, kInk);
    ShowText(cr, "Paris", size / 2, 680, {kSans, 110}, kCentre);
    return SaveTarga(canvas, folder, "centre");
}

}  // namespace

bool WriteTablePictures(const std::string& folder)
{
    return SaveTable(folder) && SaveCentre(folder);
}
