// The title-deed cards. The card's quad maps the picture upright (s to the
// right, t upwards); the panel that shows it widens everything by a
// quarter, so the card is drawn narrower to look right on screen.
#include "deed_text.h"
#include "drawings.h"
#include "image_files.h"
#include "palette.h"
#include "picture_files.h"
#include "text.h"

#include "tables.h"

#include <string>
#include <vector>

namespace {

constexpr double kCardWidth = 240;
constexpr double kCardHeight = 346;
constexpr double kMargin = 16;

bool IsLight(const CColour& colour)
{
    return 0.299 * colour.r + 0.587 * colour.g + 0.114 * colour.b > 0.55;
}

void PaintCard(cairo_t* cr)
{
    FillRect(cr, 0, 0, kCardWidth, kCardHeight, kBlack);
    RoundedRect(cr, 3, 3, kCardWidth - 6, kCardHeight - 6, 12);
    SetColour(cr, kCardWhite);
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

// The coloured header of a street: the group colour, "TITRE DE PROPRIETE"
// and the name. Returns the height it takes.
double DrawStreetHeader(cairo_t* cr, int property)
{
    const CColour colour = kGroupColours[GroupNumber(property)];
    cairo_rectangle(cr, 12, 12, kCardWidth - 24, 70);
    SetColour(cr, colour);
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    SetColour(cr, IsLight(colour) ? kInk : kWhite);
    ShowText(cr, "TITRE DE PROPRIÉTÉ", kCardWidth / 2, 31, {kSans, 13}, kCentre, kCardWidth - 40);
    const char* name = deedTable[property].name;
    const CTextStyle nameStyle = {kSansBold, 21};
    if (TextWidth(cr, name, nameStyle) <= kCardWidth - 36)
        ShowText(cr, name, kCardWidth / 2, 62, nameStyle, kCentre);
    else
        ShowWrappedText(cr, name, kCardWidth / 2, 53, {kSansBold, 18}, kCardWidth - 36, 20);
    return 82;
}

double DrawPictureHeader(cairo_t* cr, int property)
{
    if (DeedKindOf(property) == kStationDeed)
        DrawLocomotive(cr, kCardWidth / 2, 44, 62);
    else if (propertySquare[property] == propertySquare[kFirstUtility])
        DrawBulb(cr, kCardWidth / 2, 44, 52);
    else
        DrawTap(cr, kCardWidth / 2, 44, 56);
    SetColour(cr, kInk);
    ShowWrappedText(cr, deedTable[property].name, kCardWidth / 2, 96, {kSansBold, 18},
                    kCardWidth - 36, 20);
    return 120;
}

void DrawRule(cairo_t* cr, double y)
{
    SetColour(cr, Shade(kInk, 1.6));
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, kMargin, y);
    cairo_line_to(cr, kCardWidth - kMargin, y);
    cairo_stroke(cr);
}

void DrawLines(cairo_t* cr, int property, double top)
{
    const std::vector<CDeedLine> lines = DeedLines(property);
    const double step = DeedKindOf(property) == kStreetDeed ? 23.5 : 27;
    double baseline = top + step;
    const CTextStyle style = {kSans, 16};
    const double amountWidth = 90;
    const double labelWidth = kCardWidth - 2 * kMargin - amountWidth - 6;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].startsSection)
            DrawRule(cr, baseline - step + 6);
        SetColour(cr, kInk);
        const CTextStyle shown = i == 0 ? CTextStyle{kSansBold, style.size} : style;
        ShowText(cr, lines[i].label.c_str(), kMargin, baseline, shown, kLeft, labelWidth);
        ShowText(cr, lines[i].amount.c_str(), kCardWidth - kMargin, baseline, shown, kRight,
                 amountWidth);
        if (i == 0)
            DrawRule(cr, baseline + 7);
        baseline += step;
    }
}

bool SaveCard(const std::string& folder, int property)
{
    CCanvas canvas(128, 256, kCardWidth, kCardHeight);
    cairo_t* cr = canvas.Cr();
    PaintCard(cr);
    const double top = DeedKindOf(property) == kStreetDeed ? DrawStreetHeader(cr, property)
                                                          : DrawPictureHeader(cr, property);
    DrawLines(cr, property, top + 4);
    return SaveTarga(canvas, folder, "p" + std::to_string(propertySquare[property]));
}

}  // namespace

bool WriteDeedCards(const std::string& folder)
{
    bool saved = true;
    for (int p = 0; p < kPropertyCount && saved; ++p)
        saved = SaveCard(folder, p);
    return saved;
}
