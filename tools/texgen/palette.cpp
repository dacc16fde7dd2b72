#include "palette.h"

#include <algorithm>

CColour Shade(const CColour& colour, double factor)
{
    if (factor <= 1)
        return {colour.r * factor, colour.g * factor, colour.b * factor};
    const double toWhite = std::min(factor - 1, 1.0);
    return {colour.r + (1 - colour.r) * toWhite, colour.g + (1 - colour.g) * toWhite,
            colour.b + (1 - colour.b) * toWhite};
}
