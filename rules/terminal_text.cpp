#include "terminal_text.h"

#include "text_format.h"

bool IsControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

bool IsEightBitControl(unsigned char c)
{
    return c >= 0x80 && c <= 0x9F;
}

size_t Utf8Length(const std::string& text, size_t at)
{
    const unsigned char lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead > 0xF4 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 0;
    return length;
}

bool IsUtf8Control(const std::string& text, size_t at, size_t length)
{
    return length == 2 && static_cast<unsigned char>(text[at]) == 0xC2 &&
           static_cast<unsigned char>(text[at + 1]) <= 0x9F;
}

std::string Printable(const std::string& text)
{
    std::string shown;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const size_t length = c >= 0x80 ? Utf8Length(text, i) : 1;
        if (length == 0 || IsControl(c) || IsUtf8Control(text, i, length)) {
            shown += TextFormat("\\x%02X", c);
            ++i;
        } else {
            shown.append(text, i, length);
            i += length;
        }
    }
    return shown;
}
