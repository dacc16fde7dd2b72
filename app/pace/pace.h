// How fast the game plays its waits: the held messages, the pawn walks, the
// dice roll and the camera flights. A player may choose a faster speed, and
// may skip what is under way with a click or the space bar; neither changes
// what the rules decide, only how long the screen takes to show it.
//
// While a wait is under way the window's events are still read (through the
// pump the window installs), so a skip, a change of speed or Escape acts at
// once; everything else the player does is kept for after the wait.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "clock.h"

enum class Speed { kNormal, kFast, kFaster, kInstant };

struct SpeedRow {
    Speed speed;
    const char* option;  // on the command line: --speed normal
    const char* label;   // shown to the players
    uint32_t divisor;    // every wait is divided by it; 0: no wait at all
};

const SpeedRow& SpeedInfo(Speed speed);
// The speed named on the command line; false for an unknown name.
bool SpeedFromOption(const std::string& name, Speed& speed);
// One step up or down the four speeds, stopping at either end.
Speed FasterSpeed(Speed speed);
Speed SlowerSpeed(Speed speed);
// The next of the four speeds, back to the first after the last: a click on
// the options screen's row goes round them.
Speed NextSpeedRound(Speed speed);

// What a wait shows; a skipped walk lets the pawn land at once even when the
// rules walk it square by square.
enum class WaitKind { kHold, kWalk, kDice, kFlight };

class CPace {
public:
    explicit CPace(CClock& clock) : m_Clock(clock) {}

    CClock& Clock() { return m_Clock; }

    void SetSpeed(Speed speed) { m_Speed = speed; }
    Speed ChosenSpeed() const { return m_Speed; }
    // Computer turns at least "Très rapide", whatever the chosen speed.
    void SetFastComputers(bool fast) { m_bFastComputers = fast; }
    bool FastComputers() const { return m_bFastComputers; }
    // Whose turn the coming waits belong to.
    void SetComputerTurn(bool computer) { m_bComputerTurn = computer; }
    // The speed in force for the coming waits.
    Speed CurrentSpeed() const;
    // A duration at the speed in force; 0 at "Instantanée".
    uint32_t Scaled(uint32_t milliseconds) const;

    // Reads the window's events during a wait; the window installs it.
    void SetEventPump(std::function<void()> pump) { m_Pump = std::move(pump); }
    // True inside a wait: input is to be kept, not acted on.
    bool Waiting() const { return m_bWaiting; }
    // Ends the wait under way, if any; false when there is none, so the
    // click or key is an ordinary one.
    bool Skip();
    // The last wait was ended by a skip, not by its time.
    bool EndedBySkip() const { return m_bLastSkipped; }
    // A walk of this step was skipped: the walks left end at once.
    bool WalkSkipped() const { return m_bWalkSkipped; }
    // The rules' step is over: a skip does not reach into the next one.
    void EndStep() { m_bWalkSkipped = false; }

    // Holds for `milliseconds` at the speed in force, or until a skip.
    void Hold(uint32_t milliseconds);
    // A timed movement: `apply` sets the state for the elapsed fraction and
    // `draw` shows it, about 60 times a second, until the time is up or a
    // skip; then `apply` (1) sets the final state.
    void Run(WaitKind kind, float seconds, const std::function<void(float)>& apply,
             const std::function<void()>& draw);

private:
    // Starts a wait; false when it is to end at once.
    bool Begin(WaitKind kind, uint32_t duration);
    void End();
    // Sleeps until `end` or a skip, reading events in short slices.
    void SleepUntil(uint32_t end);
    bool Over(uint32_t end) const;

    CClock& m_Clock;
    std::function<void()> m_Pump;
    Speed m_Speed = Speed::kNormal;
    bool m_bFastComputers = false;
    bool m_bComputerTurn = false;
    bool m_bWaiting = false;
    bool m_bSkipped = false;
    bool m_bLastSkipped = false;
    // The rules walk a pawn square by square: once a walk is skipped, the
    // walks that follow it in the step end at once too, so the pawn lands
    // where the whole walk ends.
    bool m_bWalkSkipped = false;
};
