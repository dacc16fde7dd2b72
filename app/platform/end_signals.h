// The signals a running game answers, kept apart from the window so that
// what they do can be checked without one.
#pragma once

// A console reader that goes away (a closed pipe, `| head`) must not end
// the game: what the game writes to it from then on is simply lost.
void IgnoreBrokenPipes();

// Sends SIGTERM, SIGINT and SIGHUP to `handler`, except a signal whose
// "ignore" the program inherited (nohup, a shell's background job), which
// the player asked for and keeps.
void CatchEndSignals(void (*handler)(int));
