// The game's end over the board view: the winner's message, the final
// standings in labelled columns, and the chart of every player's worth over
// the turns. It stays on screen until a key or a click.
#pragma once

#include <string>
#include <vector>

#include "standings.h"
#include "worth_chart.h"

// Puts the end screen up with these standings and the message on screen;
// a note, when given, heads it in place of "Classement final".
void ShowEndScreen(const std::vector<Standing>& standings, const std::string& message,
                   const std::string& note = "");
// A key or a click takes the end screen away, leaving the board to look at.
void DismissEndScreen();
bool EndScreenShown();
// Expects the board view's viewport.
void DrawEndScreen();

// Where the chart lies under this many rows of standings.
ChartBox EndChartBox(int rows);

// The number of characters a UTF-8 text shows.
int ShownLength(const char* text);
