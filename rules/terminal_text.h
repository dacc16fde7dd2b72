// Text on its way to a terminal. Whatever a player or the system hands the
// program (an argument, a path, an environment value, a line of a file) may
// hold bytes that a terminal would obey rather than show.
#pragma once

#include <cstddef>
#include <string>

// C0 controls and DEL.
bool IsControl(unsigned char c);

// Bytes 0x80..0x9F outside a UTF-8 character are C1 controls to an 8-bit
// terminal (0x9B opens a control sequence, like ESC [).
bool IsEightBitControl(unsigned char c);

// The length of the UTF-8 character at `at`, or 0 when the bytes there are
// not one.
size_t Utf8Length(const std::string& text, size_t at);

// U+0080..U+009F written in UTF-8: the C1 controls again.
bool IsUtf8Control(const std::string& text, size_t at, size_t length);

// `text` with every control (C0, DEL, C1 in either spelling) and every byte
// outside UTF-8 written as \xNN, so that it shows as it is and drives
// nothing. Letters with accents in UTF-8 are kept.
std::string Printable(const std::string& text);
