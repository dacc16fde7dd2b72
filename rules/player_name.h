// What a typed name becomes in a player's record. Names are echoed on the
// console, written to the log and drawn in the panel, so a name must not
// carry anything that would drive a terminal.
#pragma once

#include <string>

#include "player.h"

// The text up to any NUL byte, without control characters (C0, DEL, C1),
// terminal escape sequences (ESC and what it introduces) or stray bytes
// 0x80..0x9F that an 8-bit terminal would read as controls. Letters with
// accents, in UTF-8 or in Latin-1, are kept.
std::string CleanName(const std::string& typed);

// Stores the cleaned name of player `index` (from 0), or "Joueur N" (N from
// 1) when nothing printable is left, cut to 19 bytes without splitting a
// UTF-8 character.
void StorePlayerName(const std::string& typed, int index, char (&name)[kNameSize]);
