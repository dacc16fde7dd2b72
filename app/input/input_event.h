// What the player does, as plain values. The window's callbacks only turn
// what they receive into these; the program acts on them between two steps
// of the game, never inside one.
#pragma once

#include <cstdint>

enum class InputKind {
    kPress,
    kRelease,
    kDrag,   // the pointer moves with a button held
    kHover,  // the pointer moves with no button held
    kKey,
    kSpecialKey,  // a function key, as the window reports it
};

struct InputEvent {
    InputKind kind = InputKind::kKey;
    int x = 0;  // in the 800 x 600 layout, y downwards
    int y = 0;
    int button = 0;
    unsigned char key = 0;
    int special = 0;
    // The turn the event was made in: a press or a key belongs to it.
    int64_t turn = 0;
};

// The mouse buttons as the window numbers them; the wheel gives a press
// and a release for every notch.
constexpr int kLeftButton = 0;
constexpr int kRightButton = 2;
constexpr int kWheelUp = 3;
constexpr int kWheelDown = 4;

// The function and cursor keys, as the window numbers them.
constexpr int kKeyF1 = 0x01;
constexpr int kKeyLeft = 0x64;
constexpr int kKeyUp = 0x65;
constexpr int kKeyRight = 0x66;
constexpr int kKeyDown = 0x67;
constexpr int kKeyPageUp = 0x68;
constexpr int kKeyPageDown = 0x69;
constexpr int kKeyHome = 0x6A;
constexpr int kKeyEnd = 0x6B;

inline bool IsWheelButton(int button)
{
    return button == kWheelUp || button == kWheelDown;
}
