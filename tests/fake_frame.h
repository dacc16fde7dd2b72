// A frame for tests: it records what the rules show, and plays back the
// mouse and keys a test scripts, tick by tick.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "frame.h"
#include "random.h"

class CFakeFrame : public CFrame {
public:
    // Everything shown, in order: "msg:<text>", "yesno",
    // "offer:<computer>:<human>:<gives>:<wants>:<price>", "redraw",
    // "move:<pawn>:<square>:<seconds>", "look:<pawn>", "overview",
    // "dice:<d1>:<d2>", "picture:<square>", "remove:<pawn>:<count>",
    // "build:<square>:<count>".
    std::vector<std::string> log;
    // Only the texts of the messages, in order.
    std::vector<std::string> messages;
    MouseEvent mouse;
    std::deque<char> keys;
    int buildings[40] = {};
    // How many times the rules said a turn, or the game, was over.
    int turnsOver = 0;

    void DrawMessage(const char* text) override
    {
        messages.push_back(text);
        log.push_back(std::string("msg:") + text);
    }
    void DrawYesNo() override { log.push_back("yesno"); }
    void DrawOffer(const PricedOffer& offer) override
    {
        log.push_back("offer:" + std::to_string(offer.computer) + ":" +
                      std::to_string(offer.human) + ":" + std::to_string(offer.gives) + ":" +
                      std::to_string(offer.wants) + ":" + std::to_string(offer.price));
    }
    void Redraw() override { log.push_back("redraw"); }
    void MovePawnTo(int pawn, int square, float seconds) override
    {
        log.push_back("move:" + std::to_string(pawn) + ":" + std::to_string(square) + ":" +
                      Seconds(seconds));
    }
    void RegardePion(int pawn) override { log.push_back("look:" + std::to_string(pawn)); }
    void FlyToOverview() override { log.push_back("overview"); }
    void AnimateDice(int die1, int die2) override
    {
        log.push_back("dice:" + std::to_string(die1) + ":" + std::to_string(die2));
    }
    void LoadPicture(int square) override { log.push_back("picture:" + std::to_string(square)); }
    void RemovePawn(int pawn, int count) override
    {
        log.push_back("remove:" + std::to_string(pawn) + ":" + std::to_string(count));
    }
    void SetBuildings(int square, int count) override
    {
        buildings[square] = count;
        log.push_back("build:" + std::to_string(square) + ":" + std::to_string(count));
    }
    void BetweenTurns() override { ++turnsOver; }
    MouseEvent LastMouse() const override { return mouse; }
    char TakeKey() override
    {
        if (keys.empty())
            return 0;
        const char key = keys.front();
        keys.pop_front();
        return key;
    }

    void Press(int x, int y) { mouse = {x, y, true}; }
    void Release() { mouse.pressed = false; }
    // Log entries of one kind ("move", "dice", ...).
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
        for (const std::string& m : messages)
            if (m == text)
                return true;
        return false;
    }
    void Clear()
    {
        log.clear();
        messages.clear();
    }

private:
    static std::string Seconds(float seconds)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", seconds);
        return text;
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
        if (values.empty())
            return m_Fallback.Next();
        const int value = values.front();
        values.pop_front();
        return value;
    }
    // Starts the sequence that follows the queued values afresh.
    void Seed(uint64_t seed) { m_Fallback = CSeededRandom(seed); }
    void QueueDice(int die1, int die2)
    {
        values.push_back(die1 - 1);
        values.push_back(die2 - 1);
    }

private:
    CSeededRandom m_Fallback{1};
};
