// A screen of the window: the game itself at the bottom, and over it the
// options, the help or the end of the game. The top screen takes every
// click and key; a screen that holds the game keeps it from stepping while
// it is open.
#pragma once

#include <functional>
#include <vector>

#include "input_event.h"

class CScreen {
public:
    virtual ~CScreen() = default;
    virtual void OnKey(const InputEvent& key) = 0;
    virtual void OnSpecialKey(const InputEvent&) {}
    virtual void OnPress(const InputEvent& press) = 0;
    virtual void OnRelease(const InputEvent&) {}
    virtual void OnDrag(const InputEvent&) {}
    // Draws over the board view, which the caller has set up.
    virtual void Draw() {}
    virtual bool HoldsGame() const { return true; }
};

class CScreenStack {
public:
    explicit CScreenStack(CScreen& bottom) { m_Screens.push_back(&bottom); }

    // Opens a screen over the others; one already open is not opened twice.
    void Push(CScreen& screen);
    // Closes the top screen; the bottom one stays.
    void Pop();
    // Closes every screen but the bottom one.
    void CloseAll();
    CScreen& Top() const { return *m_Screens.back(); }
    bool IsOpen(const CScreen& screen) const;
    bool HoldsGame() const;
    // Draws every screen, bottom first.
    void Draw();
    // Called whenever a screen opens or closes.
    void OnChange(std::function<void()> changed) { m_Changed = std::move(changed); }

private:
    void Changed();

    std::vector<CScreen*> m_Screens;
    std::function<void()> m_Changed;
};
