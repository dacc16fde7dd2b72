// The four DejaVu faces every picture is drawn with, found through
// fontconfig. Another face silently substituted for a missing one would
// change every picture, so a missing DejaVu face is an error.
#pragma once

#include <cairo.h>

enum EFontStyle { kSans, kSansBold, kMono, kMonoBold, kFontStyleCount };

// The face of the style, or nullptr after printing why it was not found.
// Faces live as long as the program.
cairo_font_face_t* FontFace(EFontStyle style);

// Font options that do not depend on the machine's fontconfig settings, so
// the same fonts give the same pixels everywhere.
void ApplyFixedFontOptions(cairo_t* cr);
