// The help screen: the icons, the keys and the mouse, over the whole
// layout until it is closed.
#pragma once

// Expects the whole layout's viewport.
void DrawHelpScreen();
