#include "text.h"


namespace {

void SelectFont(cairo_t* cr, const CTextStyle& style)
{
    cairo_set_font_face(cr, FontFace(style.font));
    cairo_set_font_size(cr, style.size);
}

}  // namespace

double TextWidth(cairo_t* cr, const char* utf8, const CTextStyle& style)
{
    SelectFont(cr, style);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8, &extents);
    return extents.x_advance;
}

void ShowText(cairo_t* cr, const char* utf8, double x, double baseline, const CTextStyle& style,
              EAlign align, double maxWidth)
{
    const double width = TextWidth(cr, utf8, style);
    const double squeeze = (maxWidth > 0 && width > maxWidth) ? maxWidth / width : 1.0;
    const double shown = width * squeeze;
    const double left = align == kLeft ? x : align == kCentre ? x - shown / 2 : x - shown;
    cairo_save(cr);
    cairo_translate(cr, left, baseline);
    cairo_scale(cr, squeeze, 1.0);
    cairo_move_to(cr, 0, 0);
    cairo_show_text(cr, utf8);
    cairo_restore(cr);
}

std::vector<std::string> WrapLines(cairo_t* cr, const char* utf8, const CTextStyle& style,
                                   double maxWidth)
{
    const std::string text(utf8);
    std::vector<std::string> lines;
    std::string line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(start, end - start);
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && TextWidth(cr, longer.c_str(), style) > maxWidth) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        start = end + 1;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

double ShowWrappedText(cairo_t* cr, const char* utf8, double x, double baseline,
                       const CTextStyle& style, double maxWidth, double lineHeight)
{
    for (const std::string& line : WrapLines(cr, utf8, style, maxWidth)) {
        ShowText(cr, line.c_str(), x, baseline, style, kCentre, maxWidth);
        baseline += lineHeight;
    }
    return baseline;
}
