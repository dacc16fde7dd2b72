#include "message_layout.h"

namespace {

// The bottom line sits 20 units above the answer words; further lines go up.
constexpr int kBottomLineY = 200;
constexpr int kLineSpacing = 20;
// A line is centred about x = 250, counting 11.111 units per character.
constexpr float kCentreX = 250.0f;
constexpr float kCentringAdvance = 11.111f;

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The byte where character n (counting from 0) starts, or the text's size.
size_t CharacterStart(const std::string& text, int n)
{
    int seen = 0;
    for (size_t at = 0; at < text.size(); ++at)
        if (!IsContinuation(text[at]) && seen++ == n)
            return at;
    return text.size();
}

// Splits at spaces into lines of at most kMessageLineChars characters; a
// single word longer than a line is cut.
std::vector<std::string> BreakLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find(' ', at);
        if (end == std::string::npos)
            end = text.size();
        std::string word = text.substr(at, end - at);
        at = end + 1;
        const std::string joined = line.empty() ? word : line + " " + word;
        if (CountCharacters(joined) <= kMessageLineChars) {
            line = joined;
            continue;
        }
        if (!line.empty())
            lines.push_back(line);
        while (CountCharacters(word) > kMessageLineChars) {
            const size_t cut = CharacterStart(word, kMessageLineChars);
            lines.push_back(word.substr(0, cut));
            word = word.substr(cut);
        }
        line = word;
    }
    lines.push_back(line);
    return lines;
}

}  // namespace

int CountCharacters(const std::string& text)
{
    int count = 0;
    for (char c : text)
        count += IsContinuation(c) ? 0 : 1;
    return count;
}

std::vector<MessageLine> LayOutMessage(const std::string& text)
{
    std::vector<MessageLine> laidOut;
    if (text.empty())
        return laidOut;
    const std::vector<std::string> lines = BreakLines(text);
    const int count = static_cast<int>(lines.size());
    for (int i = 0; i < count; ++i) {
        const int x = static_cast<int>(kCentreX - CountCharacters(lines[i]) * kCentringAdvance / 2);
        laidOut.push_back({x, kBottomLineY + (count - 1 - i) * kLineSpacing, lines[i]});
    }
    return laidOut;
}

float BoardFontX(int layoutX)
{
    return layoutX * 640.0f / 500.0f;
}

float BoardFontY(int layoutY)
{
    return (550 - layoutY) * 480.0f / 600.0f;
}
