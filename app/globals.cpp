#include "globals.h"

#include <cstdio>

CGameRandom g_Random;
CGame g_Game(g_App, g_Random);
CBourgade3D g_App;
CCamera g_Camera;
CStatusPanel g_StatusPanel;
CIconBar g_IconBar;
glText g_Text;
CMouse g_Mouse(0, 0);
CMouse g_MouseDelta(0, 0);
CMouseLatch g_MouseLatch;

CSteadyClock g_Clock;
CGameLog g_Log(stdout);
CPace g_Pace(g_Clock);
CFramePacer g_Frames;

bool g_bFullScreen = false;
int g_nWindow = 0;
int g_nMovingPawn = 0;
int g_nMouseButton = 0;
int g_nMouseState = 1;
bool g_bPanMode = false;
float g_fLastElevation = 0.0f;
int g_nTourSquare = 0;
std::vector<int> g_FallenSeats;
