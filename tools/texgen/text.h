// Lines of text placed by their baseline, in the canvas's logical units.
#pragma once

#include "fonts.h"

#include <cairo.h>

#include <string>
#include <vector>

enum EAlign { kLeft, kCentre, kRight };

struct CTextStyle {
    EFontStyle font;
    double size;
};

// Draws one line; a line wider than maxWidth (when positive) is narrowed
// to fit rather than cut.
void ShowText(cairo_t* cr, const char* utf8, double x, double baseline, const CTextStyle& style,
              EAlign align, double maxWidth = 0);

// The text broken between words into lines no wider than maxWidth (a
// single word wider than that makes a line of its own).
std::vector<std::string> WrapLines(cairo_t* cr, const char* utf8, const CTextStyle& style,
                                   double maxWidth);

// Draws the text centred on x, broken between words into lines no wider
// than maxWidth, the first baseline at `baseline`; returns the baseline
// below the last line.
double ShowWrappedText(cairo_t* cr, const char* utf8, double x, double baseline,
                       const CTextStyle& style, double maxWidth, double lineHeight);

double TextWidth(cairo_t* cr, const char* utf8, const CTextStyle& style);
