// The straight legs of a pawn's walk along the track.
#pragma once

#include <vector>

struct WalkLeg {
    int from;
    int to;
};

// A pawn walks forward along the track, turning at each corner it passes,
// except to a square at most three behind it, where it steps back.
std::vector<WalkLeg> WalkLegs(int from, int to);
