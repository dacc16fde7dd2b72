// Which glyph of the bitmap font shows each character of a text.
//
// The font holds characters 32 to 127 and, from 128 on, the accented
// letters of French (font_accents.h). The game's texts are UTF-8: those
// letters are drawn as themselves, other accented Latin-1 letters as their
// unaccented letter, and every other character as "?", so that no text ever
// selects a display list outside the font's own. A byte that is not part of a valid UTF-8
// sequence is taken as a Latin-1 character.
#pragma once

// Returns the font character (32..127, or an accented letter's from 128,
// read as an unsigned byte) for the character that starts at
// text, and moves text past it. text must not point at the terminating zero.
char NextFontCharacter(const char*& text);
