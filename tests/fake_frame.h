// A frame for tests: it records what the rules show, and plays back the
// mouse and keys a test scripts, tick by tick.
#pragma once

#include <algorithm>
#include <cstdio>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "frame.h"
#include "random.h"

class CFakeFrame : public CFrame {
public:
    // Everything shown, in order, as "kind:field:field...": msg, yesno,
    // offer (computer, human, gives, wants, price), redraw, move (pawn,
    // square, seconds), look, overview, dice, picture, remove (pawn, count),
    // build (square, count).
    std::vector<std::string> log;
    std::vector<std::string> messages;  // only the texts of the messages
    MouseEvent mouse;
    std::deque<char> keys;
    int buildings[40] = {};
    int turnsOver = 0;  // how many times the rules said a turn, or the game, was over

    void DrawMessage(const char* text) override
    {
        messages.push_back(text);
        log.push_back(std::string("msg:") + text);
    }
    void DrawYesNo() override { log.push_back("yesno"); }
    void DrawOffer(const PricedOffer& o) override
    {
        Log("offer", {o.computer, o.human, o.gives, o.wants, o.price});
    }
    void Redraw() override { log.push_back("redraw"); }
    void MovePawnTo(int pawn, int square, float seconds) override
    {
        char text[16];
        std::snprintf(text, sizeof text, ":%.1f", seconds);
        Log("move", {pawn, square});
        log.back() += text;
    }
    void RegardePion(int pawn) override { Log("look", {pawn}); }
    void FlyToOverview() override { log.push_back("overview"); }
    void AnimateDice(int die1, int die2) override { Log("dice", {die1, die2}); }
    void LoadPicture(int square) override { Log("picture", {square}); }
    void RemovePawn(int pawn, int count) override { Log("remove", {pawn, count}); }
    void SetBuildings(int square, int count) override
    {
        buildings[square] = count;
        Log("build", {square, count});
    }
    void BetweenTurns() override { ++turnsOver; }
    MouseEvent LastMouse() const override { return mouse; }
    char TakeKey() override
    {
        const char key = keys.empty() ? 0 : keys.front();
        if (!keys.empty())
            keys.pop_front();
        return key;
    }

    void Press(int x, int y) { mouse = {x, y, true}; }
    void Release() { mouse.pressed = false; }
    // Log entries of one kind ("move", "dice", ...), without the kind.
    std::vector<std::string> Entries(const std::string& kind) const
    {
        std::vector<std::string> found;
        for (const std::string& entry : log)
            if (entry.compare(0, kind.size() + 1, kind + ":") == 0)
                found.push_back(entry.substr(kind.size() + 1));
        return found;
    }
    bool Showed(const std::string& text) const
    {
        return std::find(messages.begin(), messages.end(), text) != messages.end();
    }
    void Clear()
    {
        log.clear();
        messages.clear();
    }

private:
    void Log(const char* kind, std::initializer_list<long long> fields)
    {
        std::string entry = kind;
        for (long long field : fields)
            entry += ":" + std::to_string(field);
        log.push_back(entry);
    }
};

// A random source that hands out the values a test queued, then a seeded
// sequence. A die shows (value % 6) + 1, so QueueDice(3, 4) makes the next
// throw 3 and 4.
class CScriptedRandom : public CRandom {
public:
    std::deque<int> values;

    int Next() override
    {
        const int value = values.empty() ? m_Fallback.Next() : values.front();
        if (!values.empty())
            values.pop_front();
        return value;
    }
    // Starts the sequence that follows the queued values afresh.
    void Seed(uint64_t seed) { m_Fallback = CSeededRandom(seed); }
    void QueueDice(int die1, int die2) { values.insert(values.end(), {die1 - 1, die2 - 1}); }

private:
    CSeededRandom m_Fallback{1};
};
