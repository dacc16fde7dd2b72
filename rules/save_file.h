// A game written as text and read back.
//
// The text is one "key value" line per field of the game state: a first line
// naming the format and its version, then the fields, then a last line with
// the checksum of every byte above it. Lines are plain so that a person can
// read them; nothing is a copy of the structures' bytes, so the format does
// not change with the compiler or the machine. The reader refuses anything
// it could not resume exactly: another version, a wrong checksum, a missing,
// repeated or unknown key, a value out of its range, a state that breaks a
// rule of the game.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CGame;
struct GameState;

constexpr int kSaveVersion = 2;

// What the window keeps about a game beside the rules' state.
struct GameHistory {
    // The seats of the players who went bankrupt, in the order they fell:
    // the final standings list them last-fallen first.
    std::vector<int> fallenSeats;
    // The window's pace, which the game takes up again: the speed (0 for
    // the slowest of the four) and whether computers play faster.
    int32_t speed = 0;
    int32_t fastComputers = 0;
    // The sound: its volume in percent, and whether it is off.
    int32_t soundVolume = 100;
    int32_t soundMuted = 0;
};

std::string WriteSave(const GameState& game, const GameHistory& history);

// The save of `game`, or "" with the reason when its own reader would
// refuse it: a save that cannot be read back is never written.
std::string WriteReadableSave(const GameState& game, const GameHistory& history, std::string& refusal);

// Reads a save into `game` and `history`: "" when it was read whole, else
// why the text is refused, in French. After a refusal `game` holds what was
// read so far: read into a spare game unless the program stops.
std::string ReadSave(const std::string& text, CGame& game, GameHistory& history);

// The value of the last line for the bytes above it: 16 hexadecimal digits.
std::string SaveChecksum(const std::string& body);
