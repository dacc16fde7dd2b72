// The squares of the board. Each square's quad maps its picture with the
// top of the picture towards the board's centre and its left towards the
// next square in the direction of play, so a player sitting at that side
// reads it upright. For a corner, the picture's bottom and right edges are
// the board's outer edges and its top-left the inner corner.
#include "drawings.h"
#include "image_files.h"
#include "money_text.h"
#include "palette.h"
#include "picture_files.h"
#include "text.h"

#include "tables.h"

#include <cmath>
#include <string>

namespace {

// Corners are 3 by 3 board units, other squares 2 wide and 3 deep; the
// street picture leaves the inner 0.65 to the colour band.
constexpr double kUnit = 100;
constexpr double kCorner = 3 * kUnit;

const char* SpecialName(int square)
{
    return specialSquareNames[-squareToProperty[square]];
}

const char* SpecialText(int square)
{
    return specialSquareTexts[-squareToProperty[square]];
}

void PaintBoardGround(const CCanvas& canvas)
{
    cairo_t* cr = canvas.Cr();
    FillRect(cr, 0, 0, canvas.Width(), canvas.Height(), kBoardGreen);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_rectangle(cr, 1.5, 1.5, canvas.Width() - 3, canvas.Height() - 3);
    cairo_stroke(cr);
}

// Text along the diagonal from the outer corner (bottom right) towards the
// centre, read by a player standing at the outer corner; `offset` moves the
// baseline across the diagonal, negative towards the inner corner. The
// line is narrowed to what the square leaves at that offset.
// Saves the state and turns x along that diagonal, from the corner's centre.
void EnterDiagonal(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, kCorner / 2, kCorner / 2);
    cairo_rotate(cr, -M_PI / 4);
}

void ShowDiagonalText(cairo_t* cr, const char* text, double offset, const CTextStyle& style)
{
    const double diagonal = kCorner * M_SQRT2;
    const double farthest = offset < 0 ? style.size * 0.75 - offset : offset;
    EnterDiagonal(cr);
    ShowText(cr, text, 0, offset, style, kCentre, diagonal - 2 * farthest - 40);
    cairo_restore(cr);
}

// The name in two lines, broken at the last space.
void ShowDiagonalName(cairo_t* cr, const std::string& name, double size)
{
    const size_t space = name.rfind(' ');
    SetColour(cr, kInk);
    ShowDiagonalText(cr, name.substr(0, space).c_str(), -72, {kSansBold, size});
    ShowDiagonalText(cr, name.substr(space + 1).c_str(), 104, {kSansBold, size});
}

void DrawStart(const CCanvas& canvas)
{
    cairo_t* cr = canvas.Cr();
    PaintBoardGround(canvas);
    EnterDiagonal(cr);
    SetColour(cr, kInk);
    ShowWrappedText(cr, SpecialText(0), 0, -92, {kSans, 19}, 190, 22);
    cairo_restore(cr);
    SetColour(cr, kRed);
    ShowDiagonalText(cr, SpecialName(0), 12, {kSansBold, 60});
    DrawLeftArrow(cr, kCorner / 2, 266, 250, 44, kRed);
}

// The cell is the inner part of the corner; a visitor only passes along
// the two outer edges, where "SIMPLE" and "VISITE" are written.
void DrawPrison(const CCanvas& canvas)
{
    cairo_t* cr = canvas.Cr();
    PaintBoardGround(canvas);
    const double cell = 205;
    FillRect(cr, 0, 0, cell, cell, {0.96, 0.55, 0.16});
    DrawPoliceman(cr, cell / 2, cell / 2 + 10, 120);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 7);
    for (int bar = 1; bar <= 5; ++bar) {
        cairo_move_to(cr, bar * cell / 6, 40);
        cairo_line_to(cr, bar * cell / 6, cell);
    }
    cairo_stroke(cr);
    cairo_set_line_width(cr, 4);
    cairo_rectangle(cr, 0, 0, cell, cell);
    cairo_stroke(cr);
    FillRect(cr, 3, 3, cell - 6, 36, kInk);
    SetColour(cr, kWhite);
    ShowText(cr, "EN PRISON", cell / 2, 30, {kSansBold, 28}, kCentre, cell - 20);

    const std::string visit = SpecialName(10);
    const size_t space = visit.find(' ');
    SetColour(cr, kInk);
    ShowText(cr, visit.substr(space + 1).c_str(), cell / 2, 268, {kSansBold, 34}, kCentre, cell - 10);
    cairo_save(cr);
    cairo_translate(cr, 268, cell / 2);
    cairo_rotate(cr, -M_PI / 2);
    ShowText(cr, visit.substr(0, space).c_str(), 0, 0, {kSansBold, 34}, kCentre, cell - 10);
    cairo_restore(cr);
}

void DrawFreeParking(const CCanvas& canvas)
{
    cairo_t* cr = canvas.Cr();
    PaintBoardGround(canvas);
    ShowDiagonalName(cr, SpecialName(20), 46);
    EnterDiagonal(cr);
    DrawCar(cr, 0, 6, 150);
    cairo_restore(cr);
}

void DrawGoToPrison(const CCanvas& canvas)
{
    cairo_t* cr = canvas.Cr();
    PaintBoardGround(canvas);
    ShowDiagonalName(cr, SpecialName(30), 44);
    EnterDiagonal(cr);
    DrawPoliceman(cr, 0, 8, 118);
    cairo_restore(cr);
}

// A square with its name at the top, a pictogram in the middle and, at
// the outer edge, its price or what it costs to stop there.
constexpr CTextStyle kSquareNameStyle = {kSansBold, 28};
constexpr CTextStyle kSquareFooterStyle = {kSans, 22};
constexpr double kSquareLineHeight = 27;

double ShowSquareName(cairo_t* cr, const char* name)
{
    SetColour(cr, kInk);
    return ShowWrappedText(cr, name, kUnit, 40, kSquareNameStyle, 2 * kUnit - 20, 32) - 32;
}

// Returns the top of the footer's first line.
double ShowSquareFooter(cairo_t* cr, const std::string& footer)
{
    const double width = 2 * kUnit - 16;
    const size_t count = WrapLines(cr, footer.c_str(), kSquareFooterStyle, width).size();
    const double first = 3 * kUnit - 22 - kSquareLineHeight * (count ? count - 1 : 0);
    SetColour(cr, kInk);
    ShowWrappedText(cr, footer.c_str(), kUnit, first, kSquareFooterStyle, width, kSquareLineHeight);
    return count ? first - kSquareFooterStyle.size : 3 * kUnit;
}

std::string PriceOf(int square)
{
    return FormatFrancs(deedTable[squareToProperty[square]].price);
}

bool SaveSquare(const std::string& folder, int square, const char* name, const std::string& footer,
                void (*pictogram)(cairo_t*, double, double, double), double pictogramSize)
{
    CCanvas canvas(128, 256, 2 * kUnit, 3 * kUnit);
    cairo_t* cr = canvas.Cr();
    PaintBoardGround(canvas);
    const double nameBottom = ShowSquareName(cr, name) + 8;
    const double footerTop = ShowSquareFooter(cr, footer) - 8;
    pictogram(cr, kUnit, (nameBottom + footerTop) / 2, pictogramSize);
    return SaveTarga(canvas, folder, "b" + std::to_string(square));
}

bool SaveChance(const std::string& folder, int square, const CColour& colour)
{
    CCanvas canvas(128, 256, 2 * kUnit, 3 * kUnit);
    cairo_t* cr = canvas.Cr();
    PaintBoardGround(canvas);
    ShowSquareName(cr, SpecialName(square));
    DrawQuestionMark(cr, kUnit, 170, 190, colour);
    return SaveTarga(canvas, folder, "b" + std::to_string(square));
}

// The street picture, shared by every street, so it carries no name: a row
// of Paris facades over the pavement, in soft colours that leave the pawns
// and houses standing out.
void DrawFacade(cairo_t* cr, double x, double width, double top, const CColour& stone)
{
    const double ground = 185;
    FillRect(cr, x, top, width, ground - top, stone);
    cairo_move_to(cr, x - 3, top);  // zinc roof
    cairo_line_to(cr, x + 6, top - 22);
    cairo_line_to(cr, x + width - 6, top - 22);
    cairo_line_to(cr, x + width + 3, top);
    cairo_close_path(cr);
    SetColour(cr, {0.45, 0.52, 0.60});
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    const int columns = 3;
    const double pitch = width / columns;
    for (double y = top + 14; y + 26 < ground - 34; y += 36) {
        for (int c = 0; c < columns; ++c) {
            FillRect(cr, x + c * pitch + pitch * 0.25, y, pitch * 0.5, 24, {0.35, 0.45, 0.58});
            FillRect(cr, x + c * pitch + pitch * 0.18, y + 22, pitch * 0.64, 3, kInk);
        }
    }
    FillRect(cr, x + 4, ground - 32, width - 8, 32, {0.55, 0.13, 0.15});  // shop front
    FillRect(cr, x + 8, ground - 26, width - 16, 24, {0.85, 0.92, 0.95});
    for (int stripe = 0; stripe < 6; ++stripe) {  // awning
        const double w = (width - 4) / 6;
        FillRect(cr, x + 2 + stripe * w, ground - 40, w, 9, stripe % 2 ? kWhite : kRed);
    }
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, x, top, width, ground - top);
    cairo_stroke(cr);
}

bool SaveStreet(const std::string& folder)
{
    CCanvas canvas(128, 128, 2 * kUnit, 2.35 * kUnit);
    cairo_t* cr = canvas.Cr();
    PaintBoardGround(canvas);
    FillRect(cr, 3, 3, 194, 182, {0.80, 0.90, 0.97});  // sky
    DrawFacade(cr, 10, 62, 60, {0.93, 0.88, 0.76});
    DrawFacade(cr, 74, 58, 48, {0.96, 0.92, 0.82});
    DrawFacade(cr, 134, 58, 66, {0.90, 0.84, 0.72});
    FillRect(cr, 3, 185, 194, 22, {0.72, 0.72, 0.70});  // pavement
    FillRect(cr, 3, 207, 194, 25, {0.35, 0.35, 0.38});  // roadway
    SetColour(cr, kWhite);
    cairo_set_line_width(cr, 3);
    for (double x = 12; x < 195; x += 40) {
        cairo_move_to(cr, x, 220);
        cairo_line_to(cr, x + 20, 220);
    }
    cairo_stroke(cr);
    SetColour(cr, {0.15, 0.25, 0.20});  // lamp post
    cairo_set_line_width(cr, 4);
    cairo_move_to(cr, 186, 200);
    cairo_line_to(cr, 186, 120);
    cairo_stroke(cr);
    RoundedRect(cr, 179, 106, 14, 16, 3);
    cairo_fill(cr);
    FillRect(cr, 182, 110, 8, 9, {1.0, 0.93, 0.55});
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_rectangle(cr, 1.5, 1.5, canvas.Width() - 3, canvas.Height() - 3);
    cairo_stroke(cr);
    return SaveTarga(canvas, folder, "b1");
}

// One band texture is both the colour band across a street and the low
// wall between the square and the raised centre, so it is a plain colour
// with a thin edge all round.
bool SaveBand(const std::string& folder, int square, const CColour& colour)
{
    CCanvas canvas(64, 16, 2 * kUnit, 0.65 * kUnit);
    cairo_t* cr = canvas.Cr();
    FillRect(cr, 0, 0, canvas.Width(), canvas.Height(), colour);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 6);
    cairo_rectangle(cr, 0, 0, canvas.Width(), canvas.Height());
    cairo_stroke(cr);
    return SaveTarga(canvas, folder, "h" + std::to_string(square));
}

bool SaveBands(const std::string& folder)
{
    bool saved = true;
    int nextGroup = 0;
    for (int p = 0; p < kStreetCount; ++p) {
        if (GroupNumber(p) != nextGroup)
            continue;
        saved &= SaveBand(folder, propertySquare[p], kGroupColours[nextGroup]);
        ++nextGroup;
    }
    // The low wall of every other square is named after the first of them.
    return saved && SaveBand(folder, 2, Shade(kBoardGreen, 0.8));
}

bool SaveCorner(const std::string& folder, int square, void (*draw)(const CCanvas&))
{
    CCanvas canvas(256, 256, kCorner, kCorner);
    draw(canvas);
    return SaveTarga(canvas, folder, "c" + std::to_string(square));
}

}  // namespace

bool WriteBoardPictures(const std::string& folder)
{
    const int kChanceSquares[3] = {7, 22, 36};
    const CColour kChanceColours[3] = {{0.90, 0.20, 0.55}, {0.15, 0.45, 0.90}, {0.97, 0.55, 0.10}};
    bool saved = SaveCorner(folder, 0, DrawStart) && SaveCorner(folder, 10, DrawPrison) &&
                 SaveCorner(folder, 20, DrawFreeParking) && SaveCorner(folder, 30, DrawGoToPrison);
    saved = saved && SaveStreet(folder) && SaveBands(folder);
    saved = saved && SaveSquare(folder, 2, SpecialName(2), "", DrawChest, 150);
    saved = saved && SaveSquare(folder, 4, SpecialName(4), SpecialText(4), DrawCoins, 130);
    saved = saved && SaveSquare(folder, 5, "GARE", PriceOf(5), DrawLocomotive, 170);
    saved = saved && SaveSquare(folder, 12, deedTable[squareToProperty[12]].name, PriceOf(12),
                                DrawBulb, 120);
    saved = saved && SaveSquare(folder, 28, deedTable[squareToProperty[28]].name, PriceOf(28),
                                DrawTap, 130);
    saved = saved && SaveSquare(folder, 38, SpecialName(38), SpecialText(38), DrawRing, 120);
    for (int i = 0; i < 3 && saved; ++i)
        saved = SaveChance(folder, kChanceSquares[i], kChanceColours[i]);
    return saved;
}
