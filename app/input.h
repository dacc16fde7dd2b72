// The GLUT input and idle callbacks.
#pragma once

// One game step and one frame; also called right after every button event.
void OnIdle();
void OnKeyboard(unsigned char key, int x, int y);
void OnMouse(int button, int state, int x, int y);
void OnMotion(int x, int y);
