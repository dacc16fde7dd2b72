#include <gtest/gtest.h>

#include <string>

#include "font_accents.h"
#include "font_characters.h"

namespace {

std::string FontText(const char* text)
{
    std::string out;
    while (*text)
        out += NextFontCharacter(text);
    return out;
}

// The font character of an accented letter it holds (past them all if not).
char Accent(const char* utf8)
{
    int k = 0;
    while (k < kFontAccentCount && std::string(kFontAccents[k].utf8) != utf8)
        ++k;
    return static_cast<char>(kFirstAccentCharacter + k);
}

}  // namespace

// Every accented letter the font holds has its own cell, reached from its
// UTF-8 text (read whole) and from its Latin-1 byte alike. Every other
// character comes out inside the font (32..127): plain ASCII as it is, other
// Latin-1 letters without their accents, the rest as "?".
TEST(FontCharacters, EachAccentedLetterHasItsOwnCellAndEveryCharacterBecomesOneOfTheFonts)
{
    for (int k = 0; k < kFontAccentCount; ++k) {
        const std::string cell(1, static_cast<char>(kFirstAccentCharacter + k));
        EXPECT_EQ(FontText(kFontAccents[k].utf8), cell) << kFontAccents[k].utf8;
        const char latin1[2] = {static_cast<char>(kFontAccents[k].codePoint), '\0'};
        EXPECT_EQ(kFontAccents[k].codePoint < 0x100 ? FontText(latin1) : cell, cell) << latin1;
    }
    const struct { const char* text; std::string font; } cases[] = {
        {"Acheter RUE DE PARIS pour 20000F ? ~\x7F", "Acheter RUE DE PARIS pour 20000F ? ~\x7F"},
        {"Hypothèque de Élise, Noël, ça, Œil", std::string("Hypoth") + Accent("è") + "que de " +
                                                   Accent("É") + "lise, No" + Accent("ë") + "l, " +
                                                   Accent("ç") + "a, " + Accent("Œ") + "il"},
        {"l’ó « oui » ‘a’ “b”\u00A0!", "l'o \" oui \" 'a' \"b\" !"},
        {"\x01\t\n\x1F", "????"},  {"Ãÿ×÷", "Ayx/"},  // the ends of Latin-1, and its two signs
        {"€🎲\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBD\xF4\x8F\xBF\xBF", "??????"},
        // Bytes that are no UTF-8 are read as Latin-1: a stray continuation
        // byte, sequences cut short, leads that cannot start one.
        {"\x80\x80\x80\x80", "????"},  // no lead byte, however many follow
        {"\xE2\x82", std::string(1, Accent("â")) + "?"},
        {"caf\xE1", "cafa"},  {"\xFF\xC3", "yA"},  {"\xC1\xA9\xF5", "A?o"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FontText(c.text), c.font) << testing::PrintToString(c.text);
}
