// The options screen and the help screen, drawn over the whole layout while
// open. While one is open the game waits: presses and keys go to the screen.
// Escape or a click outside the box closes it; neither quits the game.
#pragma once

// One row of the options screen: its label and what a click on it does.
// Settings add their own rows to the table in options_screen.cpp.
struct OptionRow {
    const char* (*label)();
    void (*choose)();
};

void OpenOptions();
void OpenHelp();
bool ScreenOpen();

// The keys while a screen is open, and the help keys at any time; true when
// the key was used here.
bool ScreenTakesKey(unsigned char key);
// The GLUT special-key callback: F1 opens the help.
void OnSpecialKey(int key, int x, int y);
// A press at a layout point while a screen is open: used here, never the
// game's.
void ScreenTakesPress(int x, int y);
// Draws the open screen over the whole layout, if any.
void DrawOpenScreen();
