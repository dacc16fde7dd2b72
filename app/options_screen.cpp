#include "options_screen.h"

#include <GL/freeglut.h>

#include <string>

#include "console_setup.h"
#include "display.h"
#include "globals.h"
#include "help_screen.h"
#include "overlays.h"
#include "pace_input.h"
#include "viewport.h"

namespace {

enum class Screen { kNone, kOptions, kHelp };

Screen g_OpenScreen = Screen::kNone;

constexpr unsigned char kEscape = 27;
constexpr unsigned char kHelpKey = '?';

void Close()
{
    g_OpenScreen = Screen::kNone;
}

const char* LevelsRowLabel()
{
    static std::string label;
    label = LevelsInPlayLabel(g_Game);
    return label.c_str();
}

const OptionRow kRows[] = {
    {SpeedRowLabel, ChooseNextSpeed},
    {FastComputersRowLabel, ToggleFastComputers},
    {LevelsRowLabel, [] {}},
    {[] { return "Aide (F1 ou ?)"; }, OpenHelp},
    {[] { return "Reprendre la partie (Échap)"; }, Close},
};
constexpr int kRowCount = sizeof kRows / sizeof kRows[0];

// The box and its rows, in the font's 640 x 480 units over the layout.
constexpr float kBoxLeft = 90, kBoxRight = 550, kBoxTop = 380;
constexpr int kTitleY = 350;
constexpr int kFirstRowY = 310;
constexpr int kRowStep = 30;

float BoxBottom()
{
    return kFirstRowY - kRowStep * kRowCount + 10.0f;
}

// A layout pixel (800 x 600, y down) in the font's units.
float FontX(int x)
{
    return x * 640.0f / 800.0f;
}

float FontY(int y)
{
    return (600 - y) * 480.0f / 600.0f;
}

void DrawOptions()
{
    FillFontRect(kBoxLeft, BoxBottom(), kBoxRight, kBoxTop, 0, 0, 0.1f, 0.88f);
    glColor3f(1, 1, 1);
    g_Text.Print(static_cast<int>(kBoxLeft) + 20, kTitleY, "Options", 1);
    for (int i = 0; i < kRowCount; ++i)
        g_Text.Print(static_cast<int>(kBoxLeft) + 20, kFirstRowY - kRowStep * i, kRows[i].label(), 0);
}

void Show()
{
    g_Frames.Changed();
    OnDisplay();
}

}  // namespace

void OpenOptions()
{
    g_OpenScreen = Screen::kOptions;
}

void OpenHelp()
{
    g_OpenScreen = Screen::kHelp;
}

bool ScreenOpen()
{
    return g_OpenScreen != Screen::kNone;
}

bool ScreenTakesKey(unsigned char key)
{
    if (key == kHelpKey) {
        g_OpenScreen = g_OpenScreen == Screen::kHelp ? Screen::kNone : Screen::kHelp;
    } else if (!ScreenOpen()) {
        return false;
    } else if (key == kEscape) {
        Close();
    }
    Show();
    return true;
}

void OnSpecialKey(int key, int, int)
{
    if (key != GLUT_KEY_F1)
        return;
    OpenHelp();
    Show();
}

void ScreenTakesPress(int x, int y)
{
    const float fx = FontX(x), fy = FontY(y);
    const bool inBox = fx >= kBoxLeft && fx <= kBoxRight && fy >= BoxBottom() && fy <= kBoxTop;
    if (g_OpenScreen != Screen::kOptions || !inBox) {
        Close();
    } else {
        for (int i = 0; i < kRowCount; ++i) {
            const int rowY = kFirstRowY - kRowStep * i;
            if (fy >= rowY - 6 && fy < rowY + 24)
                kRows[i].choose();
        }
    }
    Show();
}

void DrawOpenScreen()
{
    if (!ScreenOpen())
        return;
    SetLayoutViewport(0, 0, 800, 600);
    SetLayoutScissor(0, 0, 800, 600);
    if (g_OpenScreen == Screen::kHelp)
        DrawHelpScreen();
    else
        DrawOptions();
    glEnable(GL_LIGHTING);
}
