// The players' colours: a pawn's colour and the colour of its player's name.
#pragma once

constexpr int kPaletteSize = 8;
// The pawns take the first six.
constexpr int kPawnColours = 6;

struct PaletteColour {
    float r, g, b;
};

extern const PaletteColour playerPalette[kPaletteSize];
