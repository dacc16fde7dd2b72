// The font bitmap: 16 x 16 cells, white glyphs on black. Glyph k of each
// half shows character k + 32; the upper half is the plain set, the lower
// half the bold one of the current player. The accented letters of French
// follow the ASCII characters, as the game's text drawing expects them.
//
// The game draws a cell as a square of 16 x 16 font units, advancing 14,
// in a 640 x 480 space laid over a 500 x 600 pixel view: on screen a cell
// is 1.6 times taller than wide. The glyphs are drawn that much flatter so
// they read with their natural proportions, kept within the first 14
// columns (the next glyph's square covers the last two) and off the cell's
// edge rows, where filtering would pick up the neighbours.
#include "canvas.h"
#include "font_accents.h"
#include "fonts.h"
#include "image_files.h"
#include "palette.h"
#include "picture_files.h"

#include <cairo.h>

namespace {

constexpr int kSheet = 256;
constexpr int kCell = kSheet / 16;
constexpr int kAdvance = 14;
constexpr int kFirstCharacter = 32;
constexpr int kLastCharacter = 126;
constexpr double kMonoAdvancePerEm = 0.602;
constexpr double kEmHeight = 13.0;
constexpr double kBaseline = 11.6;

// Accented capitals are drawn this much shorter, so that their accent
// stays inside the cell.
constexpr double kAccentedCapitalHeight = 0.78;

void SetShape(cairo_t* cr, double height)
{
    cairo_matrix_t shape;
    cairo_matrix_init_scale(&shape, kAdvance / kMonoAdvancePerEm, kEmHeight * height);
    cairo_set_font_matrix(cr, &shape);
}

void DrawGlyph(cairo_t* cr, int character, const char* text, int set)
{
    const int glyph = character - kFirstCharacter + 128 * set;
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    const double left = (glyph % 16) * kCell + (kAdvance - extents.x_advance) / 2;
    cairo_move_to(cr, left, (glyph / 16) * kCell + kBaseline);
    cairo_show_text(cr, text);
}

}  // namespace

bool WriteFontSheet(const std::string& folder)
{
    CCanvas canvas(kSheet, kSheet, kSheet, kSheet);
    cairo_t* cr = canvas.Cr();
    FillRect(cr, 0, 0, kSheet, kSheet, kBlack);
    SetColour(cr, kWhite);
    for (int set = 0; set < 2; ++set) {
        cairo_set_font_face(cr, FontFace(set ? kMonoBold : kMono));
        SetShape(cr, 1.0);
        for (int c = kFirstCharacter + 1; c <= kLastCharacter; ++c) {
            const char text[2] = {static_cast<char>(c), '\0'};
            DrawGlyph(cr, c, text, set);
        }
        for (int k = 0; k < kFontAccentCount; ++k) {
            SetShape(cr, IsCapitalAccent(kFontAccents[k]) ? kAccentedCapitalHeight : 1.0);
            DrawGlyph(cr, kFirstAccentCharacter + k, kFontAccents[k].utf8, set);
        }
    }
    return WriteBitmap(canvas, (folder + "/Font.bmp").c_str());
}
