// The window's side of skip and speed: the events read during a wait, the
// input kept for after it, the speed keys and the notice of a new speed.
#pragma once

#include <cstdint>

// Lets every wait read the window's events and act on signals.
void InstallEventPump();

// Both take the pointer in the window's pixels, as GLUT reports it.
void OnMouseWhileWaiting(int button, int state, int windowX, int windowY);
void OnKeyWhileWaiting(unsigned char key);
// Changes the speed for '+' or '-'; false for any other key.
bool OnSpeedKey(unsigned char key);
// The options screen's rows: the speed, and the computers' turns played at
// least "Très rapide"; a click on a row changes it.
const char* SpeedRowLabel();
void ChooseNextSpeed();
const char* FastComputersRowLabel();
void ToggleFastComputers();
// Hands the press and the key kept during the step's waits to their
// callbacks, as if they came now.
void ReplayKeptInput();

// Draws the notice of a new speed over the board view while it lasts.
void DrawSpeedNotice();
// True once, when the notice's time is over.
bool SpeedNoticeExpired(uint32_t now);
