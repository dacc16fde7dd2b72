#include "deed_caption.h"

#include <GL/gl.h>

#include <vector>

#include "game.h"
#include "gl_text.h"
#include "palette.h"
#include "panel_layout.h"

namespace {

constexpr int kHotel = 5;
constexpr float kMortgageRed[3] = {1.0f, 0.25f, 0.25f};

const Property* DeedOn(const CGame& game, int square)
{
    if (square < 0 || square >= kSquareCount)
        return nullptr;
    const int p = squareToProperty[square];
    if (p < 0 || game.properties[p].owner < 0 || game.properties[p].owner >= game.playerCount)
        return nullptr;
    return &game.properties[p];
}

std::string Buildings(int count)
{
    if (count == kHotel)
        return "1 hôtel";
    if (count == 1)
        return "1 maison";
    return std::to_string(count) + " maisons";
}

}  // namespace

std::vector<std::string> DeedCaptionLines(const CGame& game, int square)
{
    const Property* deed = DeedOn(game, square);
    if (!deed)
        return {};
    std::vector<std::string> lines = {game.players[deed->owner].name};
    if (deed->houses > 0)
        lines.push_back(Buildings(deed->houses));
    if (deed->mortgaged)
        lines.push_back("Hypothéquée");
    return lines;
}

void DrawDeedCaption(glText& font, const CGame& game, int square)
{
    const std::vector<std::string> lines = DeedCaptionLines(game, square);
    const Property* deed = DeedOn(game, square);
    for (size_t k = 0; k < lines.size() && k < 3; ++k) {
        if (k == 0) {
            const int c = game.players[deed->owner].color;
            const PaletteColour& colour = playerPalette[c >= 0 && c < kPaletteSize ? c : 0];
            glColor3f(colour.r, colour.g, colour.b);
        } else if (deed->mortgaged && k + 1 == lines.size()) {
            glColor3fv(kMortgageRed);
        } else {
            glColor3f(1, 1, 1);
        }
        font.Print(kCaptionX, kCaptionY[k], lines[k].c_str(), 0);
    }
}
