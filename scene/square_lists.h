// The six one-quad display lists from which every square of the board is
// assembled, in a square's own frame: x across its width, z from 0 at the
// board's outer edge to 3 at its inner edge, y = 0 on its surface.
#pragma once

#include <cstdint>

enum SquareList {
    kLowerPicture,  // a street's picture, the outer 2.35 units
    kColourBand,    // a street's colour band, the inner 0.65 units
    kInnerEdge,     // the vertical strip up to the raised centre
    kCorner,        // a 3 x 3 corner picture
    kFullPicture,   // a 2 x 3 picture of a square that is not a street
    kOwnerMarker,   // a plate floating over the centre, in the owner's colour
    kSquareListCount
};

extern uint32_t SquareLists[kSquareListCount];

// Allocates and compiles the six lists; needs a current OpenGL context.
void BuildSquareLists();
