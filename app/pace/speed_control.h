// The player's say over the pace: '+' and '-', the options screen's rows,
// and the notice of a new speed, shown for two seconds over the board.
#pragma once

#include <cstdint>
#include <string>

#include "brief_notice.h"
#include "pace.h"

// The line shown for a while when the speed changes.
std::string SpeedNoticeText(Speed speed);

class CSpeedControl {
public:
    explicit CSpeedControl(CPace& pace) : m_Pace(pace) {}

    // One speed up (+1) or down (-1), with its notice.
    void Step(int direction);
    // The next of the four speeds, back to the first after the last.
    void NextRound();
    void ToggleFastComputers();

    // The options screen's rows.
    std::string SpeedLabel() const;
    std::string FastComputersLabel() const;

    // The notice to draw now, or "".
    std::string Notice() const;
    // True once, when the notice's time is over.
    bool NoticeExpired();

private:
    void Change(Speed speed);

    CPace& m_Pace;
    CBriefNotice m_Notice;
};
