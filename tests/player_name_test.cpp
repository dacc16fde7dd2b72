#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "player_name.h"
#include "terminal_text.h"

using namespace std::string_literals;

TEST(PlayerName, NamesAreCleanedDefaultedAndCut)
{
    struct Case { std::string typed; int index; const char* stored; };
    const Case cases[] = {
        {"Anne", 0, "Anne"}, {"", 3, "Joueur 4"},
        {"\0Anne"s, 0, "Joueur 1"},              // a NUL first leaves nothing
        {"Jean\0\x1b[2J"s, 0, "Jean"},           // nothing after a NUL counts
        {"\x1b[31mRouge\x1b[0m", 0, "Rouge"},    // colour sequences
        {"\x1b[2J\x1b[H", 1, "Joueur 2"},        // clear screen: nothing left
        {"\x1b]0;titre\aBob", 0, "Bob"},         // window title, ended by BEL
        {"\x1b]2;x\x1b\\L\xc3\xa9" "a", 0, "L\xc3\xa9" "a"},  // ... or by ESC backslash
        {"\x1b]0;C:\\jeux\aBob", 0, "Bob"},      // a backslash alone ends nothing
        {"\x1b" "cReset", 0, "Reset"},           // full terminal reset
        {"\x1b[@Zed", 0, "Zed"},                  // the first final byte
        {"\x1b(BAl", 0, "Al"},                   // character set choice
        {"\x1b /AB", 0, "B"}, {"\x1b/ AB", 0, "B"},  // intermediates from space to slash
        {"L\xc3\xa9" "a\x1b", 0, "L\xc3\xa9" "a"},  // a lone ESC at the end
        {"a\ab\bc\x7f", 0, "abc"},               // bell, backspace, delete
        {"\x9b" "31mX", 0, "31mX"},              // 8-bit control sequence opener
        {"A\x80" "B", 0, "AB"}, {"A\x9f" "B", 0, "AB"},  // the first and last of the 8-bit controls
        {"\xc2" "AB", 0, "\xc2" "AB"},            // a lead byte without its continuation
        {"x\xc2\xa0y", 0, "x\xc2\xa0y"},          // the first character past the controls
        {"\xf4\x8f\xbf\x80", 0, "\xf4\x8f\xbf\x80"},  // the last 4-byte lead
        {"\xc2\x9b" "2J", 0, "2J"},              // the same, written in UTF-8
        {"A\xc2\x9f" "B", 0, "AB"},              // the last 8-bit control in UTF-8
        {"Zo\xc3\xa9", 0, "Zo\xc3\xa9"},         // UTF-8 accents stay
        {"\xe9t\xe9", 0, "\xe9t\xe9"},           // Latin-1 accents stay
        {"\x1b[1mAbcdefghijklmnopqrstuvw", 0, "Abcdefghijklmnopqrs"},  // cut after cleaning
        {"Abcdefghijklmnopqrs", 0, "Abcdefghijklmnopqrs"},  // 19 bytes fit
        {"Abcdefghijklmnopqrst", 0, "Abcdefghijklmnopqrs"},  // 20 do not
        {"Abcdefghijklmnopq\xc3\xa9\xc3\xa9", 0, "Abcdefghijklmnopq\xc3\xa9"},  // a letter cut whole
        {"Abcdefghijklmnopqr\xc3\xa9", 0, "Abcdefghijklmnopqr"},
    };
    for (const Case& c : cases) {
        char name[kNameSize];
        std::memset(name, 'x', sizeof name);
        StorePlayerName(c.typed, c.index, name);
        EXPECT_STREQ(name, c.stored) << "typed: " << testing::PrintToString(c.typed);
    }
}

TEST(PrintableText, ControlsAndStrayBytesShowAsEscapes)
{
    struct Case { std::string text; std::string shown; };
    const Case cases[] = {
        {"/home/zo\xc3\xa9/partie.sav", "/home/zo\xc3\xa9/partie.sav"},
        {"\x1b]0;T\a", "\\x1B]0;T\\x07"},
        {"a\x7f" "b", "a\\x7Fb"},
        {"\xc2\x9b" "2J", "\\xC2\\x9B2J"},
        {"\x9b" "2J", "\\x9B2J"},
        {"\xc2\xa0", "\xc2\xa0"},
        {"\xe9t\xe9", "\\xE9t\\xE9"},
        {"\xf5\x80\x80", "\\xF5\\x80\\x80"},
        {"\xf4\x8f\xbf\x80", "\xf4\x8f\xbf\x80"},
        {"C:\\jeux", "C:\\jeux"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Printable(c.text), c.shown) << testing::PrintToString(c.text);
}

// Every lead byte range, whole and with a continuation missing or wrong:
// C0 and C1 would spell ASCII again, F5 and above lie past U+10FFFF.
TEST(PrintableText, Utf8LengthKnowsEveryLeadByte)
{
    struct Case { std::string text; size_t at; size_t length; };
    const Case cases[] = {
        {"\x80\x80", 0, 0},             {"\xbf\x80", 0, 0},
        {"\xc0\x80", 0, 0},             {"\xc1\xbf", 0, 0},
        {"\xc2\x80", 0, 2},             {"\xc2", 0, 0},
        {"\xc2" "A", 0, 0},             {"\xdf\xbf", 0, 2},
        {"\xdf\xc0", 0, 0},             {"\xe0\xa0\x80", 0, 3},
        {"\xe0\xa0", 0, 0},             {"\xe0\xa0" "A", 0, 0},
        {"\xe0" "A\x80", 0, 0},         {"\xef\xbf\xbf", 0, 3},
        {"\xef\xbf\xc0", 0, 0},         {"\xf0\x90\x80\x80", 0, 4},
        {"\xf0\x90\x80", 0, 0},         {"\xf0\x90\x80" "A", 0, 0},
        {"\xf0\x90" "A\x80", 0, 0},     {"\xf4\x8f\xbf\xbf", 0, 4},
        {"\xf5\x80\x80\x80", 0, 0},     {"\xff\x80\x80\x80", 0, 0},
        {"A\xc3\xa9", 1, 2},            {"A\xc3", 1, 0},
        {"AB\xe2\x82\xac", 2, 3},       {"AB\xe2\x82", 2, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8Length(c.text, c.at), c.length) << testing::PrintToString(c.text);
}
