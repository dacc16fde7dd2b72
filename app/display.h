// Drawing one frame: the board view, the lower strip with the dice and
// icons, and the right-hand panel with the deed card and the players.
#pragma once

// The GLUT display callback: draws the whole frame and shows it.
void OnDisplay();
// Draws the whole frame into the back buffer without showing it; a frame
// that carries a message of its own leaves out the pending question.
void DrawScene(bool withQuestion = true);
// Shows the frame drawn into the back buffer.
void ShowFrame();
// The fixed OpenGL state, once the window exists.
void InitGL();

void DrawPaneFrame();
void SetupLights();
void SetStripView(int width, int height);
void SetPanelView(int width, int height);
// The board view's viewport and camera, for text over the board.
void SetBoardView();
