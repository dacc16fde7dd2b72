// The name plate of each street, laid over the inner part of the street's
// shared picture, and the stamp across a mortgaged square. Both are read
// from above at a few dozen pixels: large bold letters, dark on light.
#include "drawings.h"
#include "image_files.h"
#include "money_text.h"
#include "palette.h"
#include "picture_files.h"
#include "text.h"

#include "tables.h"

namespace {

// The plate covers the square's whole width (2 units) and 1.2 of its depth.
constexpr double kPlateWidth = 200;
constexpr double kPlateHeight = 120;
constexpr CTextStyle kNameStyle = {kSansBold, 34};
constexpr CTextStyle kPriceStyle = {kSansBold, 30};

bool SaveLabel(const std::string& folder, int property)
{
    CCanvas canvas(128, 64, kPlateWidth, kPlateHeight);
    cairo_t* cr = canvas.Cr();
    FillRect(cr, 0, 0, kPlateWidth, kPlateHeight, kCardWhite);
    const std::vector<std::string> lines =
        WrapLines(cr, deedTable[property].name, kNameStyle, kPlateWidth - 8);
    const double lineHeight = lines.size() > 2 ? 28 : 36;
    double baseline = lines.size() > 2 ? 26 : 34;
    SetColour(cr, kInk);
    for (const std::string& line : lines) {
        ShowText(cr, line.c_str(), kPlateWidth / 2, baseline, kNameStyle, kCentre, kPlateWidth - 8);
        baseline += lineHeight;
    }
    SetColour(cr, kRed);
    ShowText(cr, FormatFrancs(deedTable[property].price).c_str(), kPlateWidth / 2,
             kPlateHeight - 8, kPriceStyle, kCentre, kPlateWidth - 8);
    return SaveTarga(canvas, folder, "rue" + std::to_string(propertySquare[property]));
}

// A red band across the square, the word in white inside a white frame:
// seen from above at a few pixels, it still reads as a stamp.
bool SaveStamp(const std::string& folder)
{
    const double width = 400, height = 100;
    CCanvas canvas(256, 64, width, height);
    cairo_t* cr = canvas.Cr();
    FillRect(cr, 0, 0, width, height, kRed);
    SetColour(cr, kCardWhite);
    cairo_set_line_width(cr, 6);
    cairo_rectangle(cr, 9, 9, width - 18, height - 18);
    cairo_stroke(cr);
    ShowText(cr, "HYPOTHÉQUÉ", width / 2, 70, {kSansBold, 56}, kCentre, width - 50);
    return SaveTarga(canvas, folder, "tampon");
}

// The count of a street's buildings, laid on its colour band: a badge per
// count in a grid of 4 by 2 cells, 1 to 4 houses then the hotel.
constexpr double kBadgeWidth = 128;
constexpr double kBadgeHeight = 64;
constexpr int kBadgeColumns = 4;

void DrawBadge(cairo_t* cr, int count)
{
    const bool hotel = count == 5;
    const double x = (count - 1) % kBadgeColumns * kBadgeWidth;
    const double y = (count - 1) / kBadgeColumns * kBadgeHeight;
    RoundedRect(cr, x + 4, y + 4, kBadgeWidth - 8, kBadgeHeight - 8, 14);
    SetColour(cr, hotel ? kRed : kCardWhite);
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    SetColour(cr, hotel ? kWhite : kInk);
    const std::string text = hotel ? "H" : std::to_string(count);
    ShowText(cr, text.c_str(), x + 36, y + 50, {kSansBold, 50}, kCentre);
    DrawHouse(cr, x + 88, y + 32, 44, hotel ? kWhite : CColour{0.10, 0.60, 0.28});
}

bool SaveBadges(const std::string& folder)
{
    CCanvas canvas(512, 128, kBadgeColumns * kBadgeWidth, 2 * kBadgeHeight);
    cairo_t* cr = canvas.Cr();
    FillRect(cr, 0, 0, canvas.Width(), canvas.Height(), kCardWhite);
    for (int count = 1; count <= 5; ++count)
        DrawBadge(cr, count);
    return SaveTarga(canvas, folder, "batiments");
}

}  // namespace

bool WriteStreetLabels(const std::string& folder)
{
    bool saved = SaveStamp(folder) && SaveBadges(folder);
    for (int p = 0; p < kStreetCount && saved; ++p)
        saved = SaveLabel(folder, p);
    return saved;
}
