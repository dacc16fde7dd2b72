#include "font_characters.h"

#include "font_accents.h"

namespace {

constexpr char kUnknown = '?';

// Latin-1 letters U+00C0..U+00FF without their accents.
const char kUnaccented[] =
    "AAAAAAACEEEEIIII"
    "DNOOOOOxOUUUUYPs"
    "aaaaaaaceeeeiiii"
    "dnooooo/ouuuuypy";

// The font character of an accented letter the font holds, or 0.
char AccentCharacter(unsigned cp)
{
    for (int k = 0; k < kFontAccentCount; ++k)
        if (kFontAccents[k].codePoint == cp)
            return static_cast<char>(kFirstAccentCharacter + k);
    return 0;
}

char FromCodePoint(unsigned cp)
{
    if (cp >= 32 && cp < 128)
        return static_cast<char>(cp);
    if (const char accent = AccentCharacter(cp))
        return accent;
    if (cp == 0xA0)
        return ' ';
    if (cp >= 0xC0 && cp <= 0xFF)
        return kUnaccented[cp - 0xC0];
    if (cp == 0x152 || cp == 0x153)  // the French ligature oe
        return cp == 0x152 ? 'O' : 'o';
    if (cp == 0x2018 || cp == 0x2019)
        return '\'';
    if (cp == 0x201C || cp == 0x201D || cp == 0xAB || cp == 0xBB)
        return '"';
    return kUnknown;
}

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The number of continuation bytes a UTF-8 lead byte announces, or -1.
int ContinuationCount(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return -1;
}

}  // namespace

char NextFontCharacter(const char*& text)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    const unsigned char lead = *p;
    const int count = ContinuationCount(lead);
    int valid = 0;
    while (valid < count && IsContinuation(p[1 + valid]))
        ++valid;
    if (count < 0 || valid < count) {
        ++text;
        return FromCodePoint(lead);
    }
    unsigned cp = lead & (0x3F >> count);
    for (int i = 1; i <= count; ++i)
        cp = cp << 6 | (p[i] & 0x3F);
    text += 1 + count;
    return FromCodePoint(cp);
}
