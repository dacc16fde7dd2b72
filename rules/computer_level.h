// The levels at which the computer plays: each has its own strategy for
// every decision a computer player takes.
#pragma once

#include <cstdint>

class CGame;
struct Deal;

enum ComputerLevel : int32_t {
    // The computer as it has always played, and the level of a player set
    // up without one.
    kLevelNormal = 0,
    // For children and beginners: buys less, never trades first, builds late.
    kLevelEasy = 1,
    // Plays to win.
    kLevelStrong = 2,
};
constexpr int kLevelCount = 3;

// The level's name on a command line ("normal", "facile", "fort"), and as
// the players read it ("Normal", "Facile", "Fort"). Unknown levels read as
// "normal", which is how they play.
const char* LevelName(int32_t level);
const char* LevelLabel(int32_t level);
// The level named `name` on a command line; false when none is.
bool LevelFromName(const char* name, int32_t& level);

// What a computer player decides, behind the calls the rules make. Each
// level is one object; the rules ask the strategy of the player concerned.
class CComputerStrategy {
public:
    virtual ~CComputerStrategy() = default;
    // At the start of its turn, before the dice: trades, mortgages, building.
    virtual void TurnStart(CGame& game) const = 0;
    // On the unowned property p, with enough cash for it, or without.
    virtual bool Buys(const CGame& game, int p) const = 0;
    virtual bool BuysShort(const CGame& game, int p) const = 0;
    // In prison: use the "Sortie de Prison" card, or pay the fine.
    virtual bool UsesJailCard(const CGame& game) const = 0;
    virtual bool PaysJail(const CGame& game) const = 0;
    // The current player, a human, asks for q, which this player owns.
    virtual void AnswerTrade(CGame& game, int q) const = 0;
    // Another computer player proposes that `player` give `gives` for `gets`
    // and receive `cash` (below 0: pay it).
    virtual bool AcceptsSwap(const CGame& game, int player, int gives, int gets, int cash) const = 0;
    // Why this level's player, the deal's partner, refuses `deal` ("il ne
    // cède pas la dernière rue de son groupe"), or null when it accepts.
    virtual const char* RefusesDeal(const CGame& game, const Deal& deal) const = 0;
    // A deal that this level's player, the current one, proposes to the
    // person `partner` at the start of its turn, never one it proposed
    // before (CGame::DealProposedBefore); false when none.
    virtual bool ProposesDeal(const CGame& game, int partner, Deal& deal) const = 0;
};

// The strategy of a level; an unknown level plays as "normal".
const CComputerStrategy& StrategyOf(int32_t level);

// Each level's one object.
const CComputerStrategy& NormalStrategy();
const CComputerStrategy& EasyStrategy();
const CComputerStrategy& StrongStrategy();
