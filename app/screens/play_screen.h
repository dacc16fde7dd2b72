// The game itself, at the bottom of the screens: clicks and keys for the
// rules, the camera and the pace.
#pragma once

#include <functional>

#include "bourgade3d.h"
#include "camera_control.h"
#include "frame_pacer.h"
#include "game.h"
#include "press_reader.h"
#include "renderer.h"
#include "screen.h"
#include "speed_control.h"

struct PlayParts {
    const CGame& game;
    CBourgade3D& table;
    CPressReader& presses;
    CCameraControl& camera;
    CSpeedControl& speed;
    CFramePacer& frames;
    CRenderer& renderer;
    std::function<void()> openHelp;
    std::function<void()> openJournal;
    std::function<void()> openTrade;
    std::function<void()> toggleMute;
    std::function<void()> quit;
};

class CPlayScreen : public CScreen {
public:
    explicit CPlayScreen(PlayParts parts) : m_P(std::move(parts)) {}

    void OnKey(const InputEvent& key) override;
    void OnSpecialKey(const InputEvent& key) override;
    void OnPress(const InputEvent& press) override;
    void OnRelease(const InputEvent& release) override;
    void OnDrag(const InputEvent& drag) override;
    bool HoldsGame() const override { return false; }

private:
    // The view's own keys; true when the key was one.
    void CameraKey(unsigned char key);
    bool OfThisTurn(const InputEvent& event) const;

    PlayParts m_P;
};
