// The accented letters of French that the bitmap font draws as themselves.
// Each has a cell of its own after the ASCII characters (font characters
// 128 onwards), in the plain and the bold set alike; the picture generator
// draws them there and the text drawing selects them, both from this table.
#pragma once

struct SFontAccent {
    unsigned codePoint;
    const char* utf8;
};

constexpr int kFirstAccentCharacter = 128;

inline constexpr SFontAccent kFontAccents[] = {
    {0xE0, "à"}, {0xE2, "â"}, {0xE7, "ç"}, {0xE8, "è"}, {0xE9, "é"}, {0xEA, "ê"},
    {0xEB, "ë"}, {0xEE, "î"}, {0xEF, "ï"}, {0xF4, "ô"}, {0xF9, "ù"}, {0xFB, "û"},
    {0xFC, "ü"}, {0x153, "œ"}, {0xC0, "À"}, {0xC2, "Â"}, {0xC7, "Ç"}, {0xC8, "È"},
    {0xC9, "É"}, {0xCA, "Ê"}, {0xCB, "Ë"}, {0xCE, "Î"}, {0xCF, "Ï"}, {0xD4, "Ô"},
    {0xD9, "Ù"}, {0xDB, "Û"}, {0xDC, "Ü"}, {0x152, "Œ"},
};

constexpr int kFontAccentCount = sizeof kFontAccents / sizeof kFontAccents[0];

// The font has 32 cells past the ASCII characters in each set.
static_assert(kFontAccentCount <= 32, "the font has no room for more accented letters");

// Capitals carry their accent above the cell's usual cap height.
constexpr bool IsCapitalAccent(const SFontAccent& accent)
{
    return accent.codePoint < 0xE0 || accent.codePoint == 0x152;
}
