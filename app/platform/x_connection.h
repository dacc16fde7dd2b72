// The program's dealings with the X display outside GLUT: whether it can be
// reached at all, and what its errors mean once the window is open.
#pragma once

// Opens a connection to the display, or says in one French line on the
// error output that it cannot be opened. The connection is kept until
// ReleaseDisplay: an X server whose last client leaves resets itself, and
// would turn GLUT's own connection away meanwhile.
bool HoldDisplay();
void ReleaseDisplay();

// Asks the held display for an answer: a display lost meanwhile (during the
// dialogue) is said in one French line and ends the program with status 1,
// before GLUT would say it in its own words.
void CheckHeldDisplay();

// After the window is open: an error about a drawable or a window that no
// longer exists means the window was destroyed from outside and calls
// `windowGone`; a lost connection says so in one French line and calls
// `connectionLost`. Neither returns.
void InstallXErrorHandlers(void (*windowGone)(), void (*connectionLost)());
