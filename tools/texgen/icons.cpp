// The action icons of the lower strip and the texture of the house and
// hotel models. The icons' quads map them upright (s to the right, t
// upwards); they are shown about 47 pixels wide with nearest filtering, so
// they are drawn at 64 texels with bold shapes.
#include "drawings.h"
#include "image_files.h"
#include "palette.h"
#include "picture_files.h"

#include <cmath>

namespace {

constexpr double kSide = 300;  // an icon is 3 units square

void PaintTile(cairo_t* cr, double top, double height, const CColour& colour)
{
    RoundedRect(cr, 8, top + 8, kSide - 16, height - 16, 40);
    SetColour(cr, colour);
    cairo_fill_preserve(cr);
    SetColour(cr, kWhite);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
}

void StrokeThick(cairo_t* cr, const CColour& colour, double width)
{
    SetColour(cr, kInk);
    cairo_set_line_width(cr, width + 14);
    cairo_stroke_preserve(cr);
    SetColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void DrawLoupe(cairo_t* cr)
{
    PaintTile(cr, 0, kSide, {0.16, 0.45, 0.80});
    cairo_move_to(cr, 175, 175);
    cairo_line_to(cr, 240, 240);
    StrokeThick(cr, {0.55, 0.35, 0.20}, 34);
    cairo_arc(cr, 130, 130, 68, 0, 2 * M_PI);
    SetColour(cr, {0.80, 0.92, 1.0});
    cairo_fill_preserve(cr);
    StrokeThick(cr, kWhite, 22);
}

void DrawOptions(cairo_t* cr)
{
    PaintTile(cr, 0, kSide, {0.40, 0.42, 0.46});
    const int teeth = 8;
    cairo_new_path(cr);
    for (int i = 0; i < 2 * teeth; ++i) {
        const double from = i * M_PI / teeth - M_PI / (2 * teeth);
        const double radius = i % 2 ? 78 : 104;
        cairo_arc(cr, 150, 150, radius, from, from + M_PI / teeth);
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 150, 150, 34, 0, 2 * M_PI);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    SetColour(cr, {0.92, 0.92, 0.94});
    cairo_fill_preserve(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
}

void DrawInfo(cairo_t* cr)
{
    PaintTile(cr, 0, kSide, {0.10, 0.55, 0.75});
    cairo_arc(cr, 150, 150, 104, 0, 2 * M_PI);
    SetColour(cr, kWhite);
    cairo_fill(cr);
    SetColour(cr, {0.10, 0.55, 0.75});
    cairo_arc(cr, 150, 92, 20, 0, 2 * M_PI);
    cairo_fill(cr);
    RoundedRect(cr, 130, 128, 40, 100, 8);
    cairo_fill(cr);
}

void DrawTrade(cairo_t* cr)
{
    PaintTile(cr, 0, kSide, {0.15, 0.60, 0.30});
    cairo_save(cr);
    cairo_translate(cr, 300, 0);
    cairo_scale(cr, -1, 1);
    DrawLeftArrow(cr, 150, 108, 200, 80, kGold);  // pointing right
    cairo_restore(cr);
    DrawLeftArrow(cr, 150, 196, 200, 80, kWhite);
}

void DrawBuild(cairo_t* cr)
{
    PaintTile(cr, 0, kSide, {0.93, 0.52, 0.10});
    DrawHouse(cr, 132, 160, 190, {0.35, 0.75, 0.35});
    cairo_arc(cr, 222, 84, 46, 0, 2 * M_PI);
    SetColour(cr, kWhite);
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    FillRect(cr, 202, 77, 40, 14, kInk);
    FillRect(cr, 215, 64, 14, 40, kInk);
}

// The two click zones meet at 47.5 % of the height from the bottom: the
// upper zone mortgages, the lower one lifts a mortgage.
void DrawMortgage(cairo_t* cr)
{
    const double height = 5 * kSide / 3;
    const double split = height * (1 - 0.475);
    PaintTile(cr, 0, split, {0.75, 0.12, 0.15});
    DrawHouse(cr, 128, split / 2 + 6, 170, {0.92, 0.90, 0.85});
    DrawPadlock(cr, 208, split / 2 + 44, 100, false);
    PaintTile(cr, split, height - split, {0.15, 0.60, 0.30});
    DrawHouse(cr, 128, split + (height - split) / 2 + 4, 160, {0.92, 0.90, 0.85});
    DrawPadlock(cr, 208, split + (height - split) / 2 + 38, 100, true);
}

// The house model maps its two gable walls on the left half (door at the
// bottom middle), its two other walls and gable triangles on the corner
// square 0..0.1, and both roof slopes on the right half, eave and ridge
// swapping sides between the slopes. The hotel takes one texel of the
// door, hence a red door.
void DrawBuildingTexture(cairo_t* cr)
{
    const CColour wall = {0.20, 0.66, 0.30};
    const CColour roof = {0.10, 0.42, 0.18};
    FillRect(cr, 0, 0, 150, 300, wall);
    FillRect(cr, 52, 150, 46, 150, kRed);  // door: s 0.17..0.33, t 0..0.5
    FillRect(cr, 20, 50, 36, 50, {0.85, 0.95, 1.0});
    FillRect(cr, 94, 50, 36, 50, {0.85, 0.95, 1.0});
    FillRect(cr, 0, 0, 150, 12, Shade(wall, 0.7));
    FillRect(cr, 150, 0, 150, 300, roof);
    SetColour(cr, Shade(roof, 0.6));
    cairo_set_line_width(cr, 6);
    for (double y = 30; y < 300; y += 40) {
        cairo_move_to(cr, 150, y);
        cairo_line_to(cr, 300, y);
    }
    cairo_stroke(cr);
    FillRect(cr, 150, 0, 150, 14, Shade(roof, 0.5));
    FillRect(cr, 150, 286, 150, 14, Shade(roof, 0.5));
}

bool SaveIcon(const std::string& folder, const char* name, void (*draw)(cairo_t*))
{
    CCanvas canvas(64, 64, kSide, kSide);
    FillRect(canvas.Cr(), 0, 0, kSide, kSide, kBlack);
    draw(canvas.Cr());
    return SaveTarga(canvas, folder, name);
}

}  // namespace

bool WriteIcons(const std::string& folder)
{
    CCanvas mortgage(64, 128, kSide, 5 * kSide / 3);
    FillRect(mortgage.Cr(), 0, 0, mortgage.Width(), mortgage.Height(), kBlack);
    DrawMortgage(mortgage.Cr());
    return SaveIcon(folder, "loupe", DrawLoupe) && SaveIcon(folder, "options", DrawOptions) &&
           SaveIcon(folder, "info", DrawInfo) && SaveIcon(folder, "trade", DrawTrade) &&
           SaveIcon(folder, "construire", DrawBuild) && SaveTarga(mortgage, folder, "hypotheque") &&
           SaveIcon(folder, "maison", DrawBuildingTexture);
}
