// Not a test: draws whole frames of the scene and saves them as PNG files in
// the working directory, for looking at the board as a player sees it, and
// prints how long a frame takes to draw (Mesa, in software).
// Run `scene_shots` from the build folder.
#include <cairo.h>

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "end_screen.h"
#include "gl_test_env.h"
#include "globals.h"
#include "scene_frame.h"
#include "tables.h"

namespace {

void SavePng(const char* file)
{
    std::vector<unsigned char> rgba(kGlWindowWidth * kGlWindowHeight * 4);
    glReadPixels(0, 0, kGlWindowWidth, kGlWindowHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, kGlWindowWidth, kGlWindowHeight);
    unsigned char* out = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kGlWindowHeight; ++y)
        for (int x = 0; x < kGlWindowWidth; ++x) {
            const unsigned char* p = &rgba[((kGlWindowHeight - 1 - y) * kGlWindowWidth + x) * 4];
            unsigned char* q = out + y * stride + x * 4;
            q[0] = p[2];
            q[1] = p[1];
            q[2] = p[0];
            q[3] = 255;
        }
    cairo_surface_mark_dirty(surface);
    cairo_surface_write_to_png(surface, file);
    cairo_surface_destroy(surface);
}

// A game in progress: owners, houses, a hotel, a mortgage, pawns about.
void SetUpGame(CTestScene& s)
{
    CGame& g = s.m_Game;
    const int owned[][2] = {{0, 0}, {1, 0}, {5, 1}, {6, 1}, {7, 1}, {11, 2}, {24, 3},
                            {20, 4}, {21, 4}, {12, 5}, {13, 5}, {22, 0}};
    for (const auto& o : owned)
        g.properties[o[0]].owner = o[1];
    g.properties[24].mortgaged = 1;
    g.properties[12].mortgaged = 1;
    s.m_Board.SetBuildings(1, 4);
    s.m_Board.SetBuildings(3, 5);
    s.m_Board.SetBuildings(11, 2);
    s.m_Board.SetBuildings(39, 5);
    s.m_Board.SetBuildings(37, 1);
    g.current = 2;
    g.players[1].money = -2500;
    const int squares[kPawnCount] = {0, 5, 11, 24, 0, 0};
    for (int k = 1; k < 4; ++k)
        s.m_Pawns[k].m_vPosition = s.m_Board.RestingPoint(squares[k], s.m_Pawns[k].m_vOffset);
    s.m_Dice.m_nDie1 = 5;
    s.m_Dice.m_nDie2 = 2;
    s.m_Card.LoadPicture(39);
}

void PrintFrameTime(CTestScene& s)
{
    constexpr int kFrames = 50;
    const auto start = std::chrono::steady_clock::now();
    // Processor time as well: on a busy machine the wall clock says more
    // about the other programs than about the frame.
    const std::clock_t processorStart = std::clock();
    for (int i = 0; i < kFrames; ++i)
        s.DrawFrame();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    const double processor = 1000.0 * (std::clock() - processorStart) / CLOCKS_PER_SEC;
    std::printf("%.2f ms per frame over %d frames, %.2f ms of processor\n",
                spent.count() / kFrames, kFrames, processor / kFrames);
}

// Seats in the order their lines end, first to fall first: the bankrupt.
std::vector<int> FallenSeats(const CWorthHistory& history, int players)
{
    std::vector<std::pair<size_t, int>> ends;
    for (int seat = 0; seat < players; ++seat)
        if (history.Line(seat).back() == 0)
            ends.push_back({history.Line(seat).size(), seat});
    std::sort(ends.begin(), ends.end());
    std::vector<int> seats;
    for (const auto& end : ends)
        seats.push_back(end.second);
    return seats;
}

// Four computers play a whole game without a screen; its end is shown over
// the board as the game shows it.
void SetUpEnd(CTestScene& s)
{
    const char* names[] = {"Anne", "Bertrand", "Claire-Marguerite", "Dominique-Alexandra"};
    CNullFrame frame;
    CSeededRandom random(7);
    CGame game(frame, random);
    game.playerCount = 4;
    for (int i = 0; i < kPlayerSlots; ++i) {
        std::snprintf(game.players[i].name, kNameSize, "%s", names[i % 4]);
        game.players[i].computer = 1;
        game.players[i].color = i;
        game.setupPlayers[i] = game.players[i];
    }
    game.NewGame();
    for (int step = 0; step < 100000 && !game.gameOver; ++step)
        game.Step();
    g_Game.worthHistory = game.worthHistory;
    std::copy(std::begin(game.setupPlayers), std::end(game.setupPlayers), g_Game.setupPlayers);
    ShowEndScreen(RankPlayers(game, FallenSeats(game.worthHistory, 4)), game.message);
    s.ViewFromAbove();
    s.DrawFrame();
    glViewport(0, 50, 500, 600);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 100, 500, 600);
    g_Text = s.m_Panel.m_Font;
    DrawEndScreen();
    glDisable(GL_SCISSOR_TEST);
    glFinish();
}

class SceneShots : public GlTest {};

TEST_F(SceneShots, SavesFrames)
{
    CTestScene& s = CTestScene::Get();
    s.Build(6);
    SetUpGame(s);
    s.ViewFromAbove();
    PrintFrameTime(s);
    SavePng("scene_above.png");
    s.ViewFromAngle(30, 35, 22);
    s.DrawFrame();
    SavePng("scene_angle.png");
    s.ViewFromAngle(0, 30, 9, CVector(-7, 0, -10));
    s.DrawFrame();
    SavePng("scene_houses_inside.png");
    s.ViewFromAngle(180, 30, 9, CVector(-7, 0, -10));
    s.DrawFrame();
    SavePng("scene_houses_outside.png");
    s.ViewFromAngle(-45, 20, 8, CVector(-9, 0, -9));
    s.DrawFrame();
    SavePng("scene_start.png");
    SetUpEnd(s);
    SavePng("scene_end.png");
}

}  // namespace
