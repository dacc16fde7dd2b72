// The program-wide objects of the running game, constructed before main in
// this order and destroyed in the reverse order at exit.
#pragma once

#include <vector>

#include "bourgade3d.h"
#include "camera.h"
#include "clock.h"
#include "frame_pacer.h"
#include "game.h"
#include "game_random.h"
#include "game_log.h"
#include "gl_text.h"
#include "icon_bar.h"
#include "mouse.h"
#include "mouse_latch.h"
#include "pace.h"
#include "status_panel.h"

extern CGameRandom g_Random;
extern CGame g_Game;
extern CBourgade3D g_App;
extern CCamera g_Camera;
extern CStatusPanel g_StatusPanel;
extern CIconBar g_IconBar;
extern glText g_Text;  // the messages' font: a copy of the panel's
extern CMouse g_Mouse;
extern CMouse g_MouseDelta;
// The presses as the rules see them: none is lost between two steps.
extern CMouseLatch g_MouseLatch;

extern CSteadyClock g_Clock;
extern CGameLog g_Log;
extern CPace g_Pace;
extern CFramePacer g_Frames;

extern bool g_bFullScreen;
extern int g_nWindow;
extern int g_nMovingPawn;
extern int g_nMouseButton;  // of the last button event; -1 once released
extern int g_nMouseState;   // 0 pressed, 1 released
extern bool g_bPanMode;
extern float g_fLastElevation;
extern int g_nTourSquare;
// The seats of the players who went bankrupt, in the order they fell.
extern std::vector<int> g_FallenSeats;
