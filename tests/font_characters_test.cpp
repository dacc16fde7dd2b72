#include <gtest/gtest.h>

#include <string>

#include "font_characters.h"

namespace {

std::string FontText(const char* text)
{
    std::string out;
    while (*text)
        out += NextFontCharacter(text);
    return out;
}

}  // namespace

// Every character comes out inside the font (32..127): plain ASCII as it
// is, French letters without their accents, the rest as "?".
TEST(FontCharacters, EveryCharacterBecomesOneOfTheFonts)
{
    const struct {
        const char* text;
        const char* font;
    } cases[] = {
        {"Acheter RUE DE PARIS pour 20000F ? ~\x7F", "Acheter RUE DE PARIS pour 20000F ? ~\x7F"},
        {"Hypothèque de Élise, Départ, Noël, ça, Œuvre, œil", "Hypotheque de Elise, Depart, Noel, ca, Ouvre, oil"},
        {"l’été « oui » ‘a’ “b”\u00A0!", "l'ete \" oui \" 'a' \"b\" !"},
        {"Àÿ×÷", "Ayx/"},  // the ends of Latin-1, and its two signs
        {"\x01\t\n\x1F", "????"},
        {"€🎲\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBD\xF4\x8F\xBF\xBF", "??????"},
        // Bytes that are no UTF-8 are read as Latin-1: a stray continuation
        // byte, sequences cut short, leads that cannot start one.
        {"\x80", "?"},
        {"\xE2\x82", "a?"},
        {"caf\xE9", "cafe"},
        {"\xFF\xC3", "yA"},
        {"\xC1\xA9\xF5", "A?o"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FontText(c.text), c.font) << testing::PrintToString(c.text);
}
