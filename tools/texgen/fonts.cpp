#include "fonts.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstring>

namespace {

struct FontRequest {
    const char* family;
    int weight;
};

const FontRequest kRequests[kFontStyleCount] = {
    {"DejaVu Sans", FC_WEIGHT_REGULAR},
    {"DejaVu Sans", FC_WEIGHT_BOLD},
    {"DejaVu Sans Mono", FC_WEIGHT_REGULAR},
    {"DejaVu Sans Mono", FC_WEIGHT_BOLD},
};

// Asks fontconfig for the file of the face and accepts only that family at
// that weight; the face is then made from the file alone, without the
// machine's rendering preferences.
cairo_font_face_t* FindFace(const FontRequest& request)
{
    FcPattern* wanted = FcPatternCreate();
    FcPatternAddString(wanted, FC_FAMILY, reinterpret_cast<const FcChar8*>(request.family));
    FcPatternAddInteger(wanted, FC_WEIGHT, request.weight);
    FcPatternAddInteger(wanted, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, wanted, &result);
    FcPatternDestroy(wanted);

    FcChar8* family = nullptr;
    FcChar8* file = nullptr;
    int weight = -1;
    int index = 0;
    cairo_font_face_t* face = nullptr;
    if (found && FcPatternGetString(found, FC_FAMILY, 0, &family) == FcResultMatch &&
        FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch &&
        FcPatternGetInteger(found, FC_WEIGHT, 0, &weight) == FcResultMatch &&
        std::strcmp(reinterpret_cast<const char*>(family), request.family) == 0 &&
        weight == request.weight) {
        FcPatternGetInteger(found, FC_INDEX, 0, &index);
        FcPattern* byFile = FcPatternBuild(nullptr, FC_FILE, FcTypeString, file, FC_INDEX,
                                           FcTypeInteger, index, static_cast<char*>(nullptr));
        face = cairo_ft_font_face_create_for_pattern(byFile);
        FcPatternDestroy(byFile);
    } else {
        std::fprintf(stderr, "texgen: font \"%s\" (weight %d) not found; install fonts-dejavu-core\n",
                     request.family, request.weight);
    }
    if (found)
        FcPatternDestroy(found);
    return face;
}

}  // namespace

cairo_font_face_t* FontFace(EFontStyle style)
{
    static cairo_font_face_t* faces[kFontStyleCount] = {};
    static bool searched[kFontStyleCount] = {};
    if (!searched[style]) {
        searched[style] = true;
        faces[style] = FindFace(kRequests[style]);
    }
    return faces[style];
}

void ApplyFixedFontOptions(cairo_t* cr)
{
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}
