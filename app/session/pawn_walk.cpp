#include "pawn_walk.h"

namespace {

constexpr int kSquares = 40;
constexpr int kSideLength = 10;
constexpr int kLongestStepBack = 3;

}  // namespace

std::vector<WalkLeg> WalkLegs(int from, int to)
{
    const int ahead = ((to - from) % kSquares + kSquares) % kSquares;
    const bool back = ahead != 0 && kSquares - ahead <= kLongestStepBack;
    const int step = back ? -1 : 1;
    const int length = back ? kSquares - ahead : ahead;

    std::vector<WalkLeg> legs;
    int start = from;
    for (int i = 1; i <= length; ++i) {
        const int square = ((from + step * i) % kSquares + kSquares) % kSquares;
        if (square % kSideLength == 0 || i == length) {
            legs.push_back({start, square});
            start = square;
        }
    }
    if (legs.empty())
        legs.push_back({from, to});
    return legs;
}
