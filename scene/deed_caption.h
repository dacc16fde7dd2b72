// The lines under the deed card: who owns the property, in the owner's
// colour, what stands on it, and "Hypothéquée" when it is mortgaged. A
// property of the bank has no caption.
#pragma once

#include <string>
#include <vector>

class CGame;
class glText;

// The caption's texts, top line first: the owner's name, then "1 maison",
// "N maisons" or "1 hôtel" where there are buildings, then "Hypothéquée".
std::vector<std::string> DeedCaptionLines(const CGame& game, int square);

// Draws the caption of the property on `square` in the panel's font space.
void DrawDeedCaption(glText& font, const CGame& game, int square);
