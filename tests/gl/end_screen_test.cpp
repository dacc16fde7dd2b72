// The game's end drawn for real: the chart's lines in the players' colours,
// until a key takes the end screen away.
#include <GL/gl.h>

#include <cmath>

#include "display.h"
#include "end_screen.h"
#include "gl_test_env.h"
#include "globals.h"
#include "input.h"
#include "palette.h"

namespace {

class EndScreenTest : public GlTest {};

// A point of the font's space over the board view, in window pixels.
void ReadAt(const ChartPoint& p, unsigned char rgb[3])
{
    const int x = static_cast<int>(std::lround(p.x * 500 / 640));
    const int y = static_cast<int>(std::lround(50 + p.y * 600 / 480));
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
}

bool Shows(const unsigned char rgb[3], const PaletteColour& c)
{
    return std::abs(rgb[0] - c.r * 255) < 6 && std::abs(rgb[1] - c.g * 255) < 6 &&
           std::abs(rgb[2] - c.b * 255) < 6;
}

TEST_F(EndScreenTest, TheChartDrawsEachPlayersLineInTheirColourUntilAKey)
{
    const int colours[3] = {0, 6, 2};
    const int64_t worth[3] = {300000, 150000, 40000};
    g_Game.playerCount = 3;
    g_Game.NewGame();
    g_Game.gameOver = 0;
    for (int k = 0; k < 3; ++k) {
        g_Game.players[k].color = g_Game.setupPlayers[k].color = colours[k];
        g_Game.players[k].money = worth[k];
    }
    g_Game.worthHistory.Start(g_Game);
    g_Game.worthHistory.Record(g_Game);
    g_Game.worthHistory.Record(g_Game);
    g_Game.gameOver = 1;
    ShowEndScreen(RankPlayers(g_Game, {}), "Joueur 1 a gagne!!!");
    DrawScene();

    const ChartBox box = EndChartBox(3);
    for (int k = 0; k < 3; ++k) {
        const ChartPoint from = PlaceOnChart(box, 0, 3, worth[k], worth[0]);
        const ChartPoint to = PlaceOnChart(box, 1, 3, worth[k], worth[0]);
        unsigned char rgb[3];
        ReadAt({(from.x + to.x) / 2, from.y}, rgb);
        EXPECT_TRUE(Shows(rgb, playerPalette[colours[k]]))
            << "seat " << k << ": " << int(rgb[0]) << "," << int(rgb[1]) << "," << int(rgb[2]);
    }

    OnKeyboard('x', 0, 0);
    EXPECT_FALSE(EndScreenShown());
    DrawScene();
    unsigned char rgb[3];
    ReadAt(PlaceOnChart(box, 0, 3, worth[1], worth[0]), rgb);
    EXPECT_FALSE(Shows(rgb, playerPalette[colours[1]]));
    g_Game.gameOver = 0;
}

}  // namespace
