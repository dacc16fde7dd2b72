// The trade screen's form without its drawing: the partner, what each side
// gives (properties and cash), and in answer mode the deal put to a person.
// It lays itself out over the centre of the board seen from above, where
// there are no squares, so that a click on a square still picks it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "deal.h"

class CGame;

// The key that opens the trade screen, and closes it while composing.
constexpr unsigned char kTradeKey = 'e';

// Why a trade cannot be opened now, or null: only a person on their own
// turn, before the throw, with nothing else asked, proposes one.
const char* TradeClosedReason(const CGame& game);

// A rectangle in the 800 x 600 layout, y downwards, bounds included.
struct TradeRect {
    int left, top, right, bottom;
    bool Holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// One thing the screen shows, and what a click on it does.
struct TradeItem {
    enum class Kind { kText, kDim, kNote, kChip, kPartner, kChosenPartner, kButton, kOffButton };
    enum class Act { kNone, kPartner, kCash, kPropose, kCancel, kAccept, kRefuse };
    Kind kind = Kind::kText;
    TradeRect rect{};
    std::string text;
    Act act = Act::kNone;
    int value = 0;  // the partner, the property of a chip, or the cash step
    int side = 0;   // for a cash step: 0 the asker's, 1 the partner's
    bool mortgaged = false;  // a chip's property, dimmed as the panel's chips
};

class CTradeForm {
public:
    enum class Mode { kCompose, kAnswer };
    enum class Outcome { kNone, kPropose, kAccept, kRefuse, kLeave };

    explicit CTradeForm(const CGame& game) : m_Game(game) {}

    // A new deal of the current player with the first other player.
    void Compose();
    // The deal pending, put to its partner.
    void Answer();
    const Deal& Current() const { return m_Deal; }

    // The players the asker may trade with, in seat order.
    std::vector<int> Partners() const;
    // Another partner: the properties of the one before leave the deal.
    void ChoosePartner(int player);
    void NextPartner(int step);
    // Puts a property in the deal or takes it out; says why it may not.
    void Toggle(int property);
    // Changes a side's cash, kept between 0 and what that side has.
    void AddCash(int side, int amount);

    // Why "Proposer" is off, or "".
    std::string Refusal() const;
    // The last thing said about a click, until the next one.
    const std::string& Note() const { return m_Note; }

    // Enter proposes or accepts, Escape leaves or refuses, Tab changes the
    // partner; the trade key leaves while composing.
    Outcome Key(unsigned char key);
    // Left and right change the partner.
    void Special(int key);
    // A press at a layout point; `property` is the square under it on the
    // board seen from above, or -1.
    Outcome Click(int x, int y, int property);

    // What the screen shows, from the top.
    std::vector<TradeItem> Items() const;

private:
    int Side(int property) const;
    // Proposes the deal, or says why it cannot be.
    Outcome Propose();
    Outcome Act(const TradeItem& item);
    void AddSides(std::vector<TradeItem>& items, int top) const;
    int AddColumn(std::vector<TradeItem>& items, int side, int left, int top) const;
    void AddComposeEnd(std::vector<TradeItem>& items, int top) const;
    void AddAnswerEnd(std::vector<TradeItem>& items, int top) const;
    int AddPartners(std::vector<TradeItem>& items, int top) const;
    const char* Name(int player) const;

    const CGame& m_Game;
    Mode m_Mode = Mode::kCompose;
    Deal m_Deal;
    std::string m_Note;
};
