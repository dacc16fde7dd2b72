// Which glyph of the bitmap font shows each character of a text.
//
// The font holds characters 32 to 127 only. The game's texts are UTF-8 and
// a few carry accented letters: those are drawn as their unaccented letter,
// and every other character as "?", so that no text ever selects a display
// list outside the font's own. A byte that is not part of a valid UTF-8
// sequence is taken as a Latin-1 character.
#pragma once

// Returns the font character (32..127) for the character that starts at
// text, and moves text past it. text must not point at the terminating zero.
char NextFontCharacter(const char*& text);
