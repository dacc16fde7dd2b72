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

TEST(FontCharacters, PlainTextIsUnchanged)
{
    EXPECT_EQ(FontText("Acheter RUE DE PARIS pour 20000F ? ~\x7F"),
              "Acheter RUE DE PARIS pour 20000F ? ~\x7F");
}

TEST(FontCharacters, AccentedLettersLoseTheirAccents)
{
    EXPECT_EQ(FontText("Hypothèque de Élise, Départ, Noël, ça, Œuvre"),
              "Hypotheque de Elise, Depart, Noel, ca, Ouvre");
    EXPECT_EQ(FontText("l’été « oui »"), "l'ete \" oui \"");
}

TEST(FontCharacters, EveryOtherCharacterStaysInsideTheFont)
{
    // Control bytes, a euro sign, an emoji, a stray continuation byte, a
    // sequence cut short, and Latin-1 bytes that are not UTF-8.
    const char* texts[] = {"\x01\t\n", "€", "🎲", "\x80", "\xE2\x82", "caf\xE9", "\xFF\xC3"};
    const char* expected[] = {"???", "?", "?", "?", "a?", "cafe", "yA"};
    for (int i = 0; i < 7; ++i) {
        const std::string out = FontText(texts[i]);
        EXPECT_EQ(out, expected[i]) << "text " << i;
        for (char c : out) {
            EXPECT_GE(c, 32);
            EXPECT_LE(static_cast<unsigned char>(c), 127);
        }
    }
}
