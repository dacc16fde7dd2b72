#include "drawings.h"

#include "fonts.h"
#include "palette.h"

#include <cmath>

namespace {

// Every pictogram is drawn in a box from -50 to 50 on both axes.
void EnterBox(cairo_t* cr, double cx, double cy, double size)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size / 100, size / 100);
}

void FillAndOutline(cairo_t* cr, const CColour& fill, double lineWidth)
{
    SetColour(cr, fill);
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke(cr);
}

void Circle(cairo_t* cr, double x, double y, double radius)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
}

}  // namespace

void DrawLocomotive(cairo_t* cr, double cx, double cy, double size)
{
    const CColour body = {0.15, 0.18, 0.22};
    const CColour trim = {0.80, 0.12, 0.12};
    EnterBox(cr, cx, cy, size);
    cairo_move_to(cr, -26, -38);  // smoke
    cairo_curve_to(cr, -40, -46, -30, -58, -16, -52);
    cairo_curve_to(cr, -6, -62, 14, -56, 6, -44);
    cairo_close_path(cr);
    FillAndOutline(cr, {0.85, 0.85, 0.88}, 2);
    cairo_rectangle(cr, -30, -36, 12, 18);  // chimney
    FillAndOutline(cr, body, 3);
    RoundedRect(cr, -44, -18, 60, 30, 10);  // boiler
    FillAndOutline(cr, body, 3);
    cairo_rectangle(cr, 12, -36, 34, 48);  // cab
    FillAndOutline(cr, trim, 3);
    cairo_rectangle(cr, 20, -28, 18, 14);  // cab window
    FillAndOutline(cr, {0.95, 0.90, 0.60}, 2);
    cairo_rectangle(cr, -48, 12, 96, 8);  // frame
    FillAndOutline(cr, trim, 3);
    const double wheels[3][2] = {{-32, 28}, {-10, 28}, {26, 24}};
    for (int i = 0; i < 3; ++i) {
        Circle(cr, wheels[i][0], wheels[i][1], i == 2 ? 17 : 11);
        FillAndOutline(cr, {0.30, 0.30, 0.32}, 3);
        Circle(cr, wheels[i][0], wheels[i][1], 3);
        FillAndOutline(cr, kGold, 1);
    }
    cairo_move_to(cr, -50, 14);  // cow-catcher
    cairo_line_to(cr, -58, 34);
    cairo_line_to(cr, -44, 34);
    cairo_close_path(cr);
    FillAndOutline(cr, trim, 2);
    cairo_restore(cr);
}

void DrawBulb(cairo_t* cr, double cx, double cy, double size)
{
    EnterBox(cr, cx, cy, size);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 4);
    for (int ray = 0; ray < 7; ++ray) {
        const double angle = M_PI + ray * M_PI / 6;
        cairo_move_to(cr, 44 * std::cos(angle), -14 + 44 * std::sin(angle));
        cairo_line_to(cr, 52 * std::cos(angle), -14 + 52 * std::sin(angle));
    }
    cairo_stroke(cr);
    cairo_move_to(cr, -14, 22);  // glass
    cairo_curve_to(cr, -16, 8, -34, 0, -34, -16);
    cairo_arc(cr, 0, -16, 34, M_PI, 2 * M_PI);
    cairo_curve_to(cr, 34, 0, 16, 8, 14, 22);
    cairo_close_path(cr);
    FillAndOutline(cr, {1.0, 0.95, 0.45}, 3);
    cairo_move_to(cr, -8, 20);  // filament
    cairo_line_to(cr, -8, -6);
    cairo_line_to(cr, -3, -14);
    cairo_line_to(cr, 2, -6);
    cairo_line_to(cr, 7, -14);
    cairo_line_to(cr, 8, 20);
    SetColour(cr, {0.55, 0.35, 0.05});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int band = 0; band < 3; ++band) {  // screw base
        RoundedRect(cr, -15, 23 + band * 8, 30, 8, 3);
        FillAndOutline(cr, {0.72, 0.72, 0.75}, 2);
    }
    cairo_move_to(cr, -8, 47);
    cairo_line_to(cr, 8, 47);
    cairo_line_to(cr, 0, 54);
    cairo_close_path(cr);
    FillAndOutline(cr, kInk, 2);
    cairo_restore(cr);
}

void DrawTap(cairo_t* cr, double cx, double cy, double size)
{
    const CColour chrome = {0.72, 0.76, 0.80};
    const CColour water = {0.25, 0.55, 0.95};
    EnterBox(cr, cx, cy, size);
    cairo_rectangle(cr, -50, -22, 26, 20);  // pipe from the wall
    FillAndOutline(cr, chrome, 3);
    cairo_move_to(cr, -26, -28);  // body and spout
    cairo_line_to(cr, 20, -28);
    cairo_curve_to(cr, 34, -28, 38, -18, 38, -4);
    cairo_line_to(cr, 38, 4);
    cairo_line_to(cr, 22, 4);
    cairo_line_to(cr, 22, -6);
    cairo_curve_to(cr, 22, -10, 20, -12, 16, -12);
    cairo_line_to(cr, -26, -12);
    cairo_close_path(cr);
    FillAndOutline(cr, chrome, 3);
    cairo_rectangle(cr, -6, -40, 8, 12);  // handle stem
    FillAndOutline(cr, chrome, 2);
    RoundedRect(cr, -24, -50, 44, 10, 5);  // handle
    FillAndOutline(cr, {0.85, 0.15, 0.15}, 3);
    for (int drop = 0; drop < 3; ++drop) {
        const double y = 16 + drop * 14;
        cairo_move_to(cr, 30, y - 8);
        cairo_curve_to(cr, 36, y, 36, y + 6, 30, y + 6);
        cairo_curve_to(cr, 24, y + 6, 24, y, 30, y - 8);
        FillAndOutline(cr, water, 1.5);
    }
    cairo_restore(cr);
}

void DrawChest(cairo_t* cr, double cx, double cy, double size)
{
    const CColour wood = {0.62, 0.36, 0.16};
    EnterBox(cr, cx, cy, size);
    cairo_move_to(cr, -44, -6);  // lid
    cairo_curve_to(cr, -44, -40, 44, -40, 44, -6);
    cairo_close_path(cr);
    FillAndOutline(cr, Shade(wood, 1.15), 3);
    cairo_rectangle(cr, -44, -6, 88, 44);  // box
    FillAndOutline(cr, wood, 3);
    for (int side = -1; side <= 1; side += 2) {  // iron bands
        cairo_rectangle(cr, side * 30 - 5, -30, 10, 68);
        FillAndOutline(cr, kGold, 2);
    }
    cairo_rectangle(cr, -44, -8, 88, 7);
    FillAndOutline(cr, kGold, 2);
    RoundedRect(cr, -9, -4, 18, 20, 3);  // lock
    FillAndOutline(cr, kGold, 2);
    Circle(cr, 0, 5, 3);
    SetColour(cr, kInk);
    cairo_fill(cr);
    for (int coin = 0; coin < 3; ++coin) {  // coins spilling out
        cairo_save(cr);
        cairo_translate(cr, -20 + coin * 20, -30 + (coin == 1 ? -8 : 0));
        cairo_scale(cr, 1, 0.5);
        Circle(cr, 0, 0, 9);
        cairo_restore(cr);
        FillAndOutline(cr, kGold, 2);
    }
    cairo_restore(cr);
}

void DrawQuestionMark(cairo_t* cr, double cx, double cy, double size, const CColour& colour)
{
    EnterBox(cr, cx, cy, size);
    cairo_set_font_face(cr, FontFace(kSansBold));
    cairo_set_font_size(cr, 110);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, "?", &extents);
    cairo_move_to(cr, -extents.x_bearing - extents.width / 2, -extents.y_bearing - extents.height / 2);
    cairo_text_path(cr, "?");
    SetColour(cr, colour);
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawRing(cairo_t* cr, double cx, double cy, double size)
{
    EnterBox(cr, cx, cy, size);
    Circle(cr, 0, 14, 32);
    Circle(cr, 0, 14, 24);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    FillAndOutline(cr, kGold, 2.5);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_move_to(cr, -22, -30);  // the stone
    cairo_line_to(cr, 22, -30);
    cairo_line_to(cr, 30, -20);
    cairo_line_to(cr, 0, 6);
    cairo_line_to(cr, -30, -20);
    cairo_close_path(cr);
    FillAndOutline(cr, {0.70, 0.92, 1.0}, 2.5);
    cairo_move_to(cr, -30, -20);
    cairo_line_to(cr, 30, -20);
    cairo_move_to(cr, -10, -30);
    cairo_line_to(cr, -14, -20);
    cairo_line_to(cr, 0, 6);
    cairo_line_to(cr, 14, -20);
    cairo_line_to(cr, 10, -30);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    SetColour(cr, kWhite);  // sparkle
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 34, -40);
    cairo_line_to(cr, 34, -26);
    cairo_move_to(cr, 27, -33);
    cairo_line_to(cr, 41, -33);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawCoins(cairo_t* cr, double cx, double cy, double size)
{
    EnterBox(cr, cx, cy, size);
    for (int stack = 0; stack < 2; ++stack) {
        const double x = stack == 0 ? -20 : 18;
        const int height = stack == 0 ? 5 : 3;
        for (int coin = 0; coin < height; ++coin) {
            const double y = 36 - coin * 10;
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_scale(cr, 1, 0.35);
            Circle(cr, 0, 0, 22);
            cairo_restore(cr);
            cairo_rectangle(cr, x - 22, y, 44, 6);
            SetColour(cr, Shade(kGold, 0.8));
            cairo_fill(cr);
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_scale(cr, 1, 0.35);
            Circle(cr, 0, 0, 22);
            cairo_restore(cr);
            FillAndOutline(cr, kGold, 2);
        }
    }
    Circle(cr, 4, -24, 22);  // a standing coin with an F
    FillAndOutline(cr, kGold, 3);
    cairo_set_font_face(cr, FontFace(kSansBold));
    cairo_set_font_size(cr, 28);
    SetColour(cr, Shade(kGold, 0.55));
    cairo_move_to(cr, -4, -14);
    cairo_show_text(cr, "F");
    cairo_restore(cr);
}

void DrawCar(cairo_t* cr, double cx, double cy, double size)
{
    EnterBox(cr, cx, cy, size);
    cairo_move_to(cr, -48, 14);  // body
    cairo_line_to(cr, -48, -2);
    cairo_curve_to(cr, -48, -8, -40, -10, -32, -10);
    cairo_line_to(cr, -20, -10);
    cairo_line_to(cr, -8, -28);
    cairo_line_to(cr, 22, -28);
    cairo_line_to(cr, 34, -10);
    cairo_curve_to(cr, 44, -10, 50, -6, 50, 2);
    cairo_line_to(cr, 50, 14);
    cairo_close_path(cr);
    FillAndOutline(cr, kRed, 3);
    cairo_move_to(cr, -16, -12);  // windows
    cairo_line_to(cr, -6, -24);
    cairo_line_to(cr, 5, -24);
    cairo_line_to(cr, 5, -12);
    cairo_close_path(cr);
    cairo_move_to(cr, 9, -12);
    cairo_line_to(cr, 9, -24);
    cairo_line_to(cr, 20, -24);
    cairo_line_to(cr, 28, -12);
    cairo_close_path(cr);
    FillAndOutline(cr, {0.75, 0.90, 1.0}, 2);
    for (int side = -1; side <= 1; side += 2) {
        Circle(cr, side * 28, 14, 11);
        FillAndOutline(cr, {0.2, 0.2, 0.22}, 3);
        Circle(cr, side * 28, 14, 4);
        FillAndOutline(cr, {0.8, 0.8, 0.82}, 1.5);
    }
    Circle(cr, 46, -2, 3);  // headlight
    FillAndOutline(cr, kGold, 1);
    cairo_restore(cr);
}

void DrawPoliceman(cairo_t* cr, double cx, double cy, double size)
{
    const CColour navy = {0.10, 0.16, 0.38};
    const CColour skin = {0.98, 0.82, 0.66};
    EnterBox(cr, cx, cy, size);
    cairo_move_to(cr, -40, 50);  // shoulders
    cairo_curve_to(cr, -40, 24, -24, 20, 0, 20);
    cairo_curve_to(cr, 24, 20, 40, 24, 40, 50);
    cairo_close_path(cr);
    FillAndOutline(cr, navy, 3);
    Circle(cr, 0, 0, 24);  // face
    FillAndOutline(cr, skin, 3);
    cairo_move_to(cr, -26, -14);  // kepi
    cairo_line_to(cr, -22, -44);
    cairo_line_to(cr, 22, -44);
    cairo_line_to(cr, 26, -14);
    cairo_close_path(cr);
    FillAndOutline(cr, navy, 3);
    cairo_rectangle(cr, -25, -22, 50, 6);
    FillAndOutline(cr, kRed, 1.5);
    cairo_move_to(cr, -30, -14);  // visor
    cairo_curve_to(cr, -10, -6, 10, -6, 30, -14);
    cairo_line_to(cr, 30, -12);
    cairo_curve_to(cr, 10, -2, -10, -2, -30, -12);
    cairo_close_path(cr);
    FillAndOutline(cr, kInk, 2);
    Circle(cr, 0, -32, 5);  // badge
    FillAndOutline(cr, kGold, 1.5);
    SetColour(cr, kInk);  // eyes and moustache
    Circle(cr, -9, 2, 2.5);
    Circle(cr, 9, 2, 2.5);
    cairo_fill(cr);
    cairo_move_to(cr, -14, 14);
    cairo_curve_to(cr, -8, 6, -2, 8, 0, 11);
    cairo_curve_to(cr, 2, 8, 8, 6, 14, 14);
    cairo_curve_to(cr, 8, 12, 2, 14, 0, 13);
    cairo_curve_to(cr, -2, 14, -8, 12, -14, 14);
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawHouse(cairo_t* cr, double cx, double cy, double size, const CColour& walls)
{
    EnterBox(cr, cx, cy, size);
    cairo_rectangle(cr, -34, -8, 68, 52);
    FillAndOutline(cr, walls, 4);
    cairo_move_to(cr, -46, -4);
    cairo_line_to(cr, 0, -46);
    cairo_line_to(cr, 46, -4);
    cairo_close_path(cr);
    FillAndOutline(cr, kRed, 4);
    cairo_rectangle(cr, -8, 16, 16, 28);
    FillAndOutline(cr, Shade(walls, 0.55), 3);
    cairo_rectangle(cr, -26, 4, 12, 12);
    cairo_rectangle(cr, 14, 4, 12, 12);
    FillAndOutline(cr, {0.85, 0.95, 1.0}, 3);
    cairo_restore(cr);
}

// The shackle of an open padlock is lifted and swung out about its left
// leg, so that open and shut read apart even when drawn small.
void DrawShackle(cairo_t* cr, bool open)
{
    cairo_save(cr);
    if (open) {
        cairo_translate(cr, -20, -10);
        cairo_rotate(cr, -0.6);
        cairo_translate(cr, 20, -6);
    }
    cairo_move_to(cr, -20, -4);
    cairo_line_to(cr, -20, -20);
    cairo_arc(cr, 0, -20, 20, M_PI, 2 * M_PI);
    cairo_line_to(cr, 20, -4);
    cairo_restore(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 13);
    cairo_stroke_preserve(cr);
    SetColour(cr, {0.75, 0.76, 0.80});
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

void DrawPadlock(cairo_t* cr, double cx, double cy, double size, bool open)
{
    EnterBox(cr, cx, cy, size);
    DrawShackle(cr, open);
    RoundedRect(cr, -32, -6, 64, 50, 8);
    FillAndOutline(cr, kGold, 4);
    Circle(cr, 0, 12, 6);
    cairo_move_to(cr, -4, 14);
    cairo_line_to(cr, -6, 30);
    cairo_line_to(cr, 6, 30);
    cairo_line_to(cr, 4, 14);
    SetColour(cr, kInk);
    cairo_fill(cr);
    cairo_restore(cr);
}

void DrawLeftArrow(cairo_t* cr, double cx, double cy, double length, double size,
                   const CColour& colour)
{
    const double head = size * 0.9;
    const double shaft = size * 0.22;
    cairo_move_to(cr, cx - length / 2, cy);
    cairo_line_to(cr, cx - length / 2 + head, cy - size / 2);
    cairo_line_to(cr, cx - length / 2 + head, cy - shaft);
    cairo_line_to(cr, cx + length / 2, cy - shaft);
    cairo_line_to(cr, cx + length / 2, cy + shaft);
    cairo_line_to(cr, cx - length / 2 + head, cy + shaft);
    cairo_line_to(cr, cx - length / 2 + head, cy + size / 2);
    cairo_close_path(cr);
    SetColour(cr, colour);
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, size * 0.06);
    cairo_stroke(cr);
}
