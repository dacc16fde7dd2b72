// The mouse wheel's buttons, as freeglut reports them: a press and a
// release for every notch.
#pragma once

constexpr int kWheelUp = 3;
constexpr int kWheelDown = 4;

inline bool IsWheelButton(int button)
{
    return button == kWheelUp || button == kWheelDown;
}
