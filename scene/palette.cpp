#include "palette.h"

const PaletteColour playerPalette[kPaletteSize] = {
    {0.4314f, 0.8157f, 0.9921f}, {0.8117f, 0.0f, 0.8039f},    {1.0f, 0.6804f, 0.0157f},
    {1.0f, 0.0f, 0.3333f},       {1.0f, 1.0f, 0.3529f},       {0.0f, 0.7019f, 0.0627f},
    {0.0196f, 0.0f, 0.9098f},    {0.5176f, 0.1019f, 0.5137f},
};
