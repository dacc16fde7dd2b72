#include "player_name.h"

#include <cstdio>
#include <cstring>

#include "terminal_text.h"

namespace {

constexpr unsigned char kEscape = 0x1B;
constexpr unsigned char kBell = 0x07;

// The index just past the escape sequence that starts at `at` (an ESC):
// a control sequence (ESC [ ... final byte), a string (ESC ] or P, X, ^, _
// up to BEL or ESC \), or ESC with its intermediates and one final byte.
size_t SkipEscape(const std::string& text, size_t at)
{
    size_t i = at + 1;
    if (i >= text.size())
        return i;
    const char kind = text[i++];
    if (kind == '[') {
        while (i < text.size() && (text[i] < 0x40 || text[i] > 0x7E))
            ++i;
        return i + 1;
    }
    if (std::strchr("]PX^_", kind) != nullptr) {
        for (; i < text.size(); ++i) {
            if (text[i] == kBell)
                return i + 1;
            if (text[i] == kEscape && i + 1 < text.size() && text[i + 1] == '\\')
                return i + 2;
        }
        return i;
    }
    while (kind >= 0x20 && kind <= 0x2F && i < text.size() && text[i] >= 0x20 && text[i] <= 0x2F)
        ++i;
    return kind >= 0x20 && kind <= 0x2F ? i + 1 : i;
}

}  // namespace

std::string CleanName(const std::string& typed)
{
    const std::string text = typed.substr(0, typed.find('\0'));
    std::string clean;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == kEscape) {
            i = SkipEscape(text, i);
            continue;
        }
        const size_t length = c >= 0x80 ? Utf8Length(text, i) : 1;
        if (length == 0) {  // a byte outside UTF-8: Latin-1, or a C1 control
            if (!IsEightBitControl(c))
                clean += text[i];
            ++i;
            continue;
        }
        if (!IsControl(c) && !IsUtf8Control(text, i, length))
            clean.append(text, i, length);
        i += length;
    }
    return clean;
}

void StorePlayerName(const std::string& typed, int index, char (&name)[kNameSize])
{
    const std::string clean = CleanName(typed);
    if (clean.empty()) {
        std::snprintf(name, sizeof name, "Joueur %d", index + 1);
        return;
    }
    size_t length = clean.size();
    if (length > kNameSize - 1) {
        length = kNameSize - 1;
        while (length > 0 && (static_cast<unsigned char>(clean[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy(name, clean.data(), length);
    name[length] = '\0';
}
