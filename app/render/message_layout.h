// Where the lines of a message go over the board view, in the font's
// 640 x 480 space: long messages are broken at spaces into lines that all
// fit the view, stacked upwards from the line above the "OUI   NON" words.
#pragma once

#include <string>
#include <vector>

struct MessageLine {
    int x;
    int y;
    std::string text;
};

// Characters that fit on one line of the board view.
constexpr int kMessageLineChars = 45;

std::vector<MessageLine> LayOutMessage(const std::string& text);

// Characters as the font counts them: one per UTF-8 character.
int CountCharacters(const std::string& text);

// A layout pixel (800 x 600, y downwards) in the font's 640 x 480 units
// over the board view, a 500 x 600 pixel viewport whose bottom 50 rows lie
// under the lower strip.
float BoardFontX(int layoutX);
float BoardFontY(int layoutY);
