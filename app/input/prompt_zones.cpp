#include "prompt_zones.h"

PromptClick PromptClickAt(int x, int y)
{
    if (y < 310 || y > 320)
        return PromptClick::kElsewhere;
    if (x >= 174 && x <= 203)
        return PromptClick::kYes;
    if (x >= 243 && x <= 268)
        return PromptClick::kNo;
    return PromptClick::kBetween;
}
