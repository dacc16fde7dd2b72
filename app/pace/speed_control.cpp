#include "speed_control.h"

std::string SpeedNoticeText(Speed speed)
{
    return std::string("Vitesse : ") + SpeedInfo(speed).label;
}

void CSpeedControl::Change(Speed speed)
{
    m_Pace.SetSpeed(speed);
    m_Notice.Show(SpeedNoticeText(speed), m_Pace.Clock().Milliseconds());
    // The wait under way ends at once when there are to be no waits.
    if (m_Pace.CurrentSpeed() == Speed::kInstant)
        m_Pace.Skip();
}

void CSpeedControl::Step(int direction)
{
    const Speed now = m_Pace.ChosenSpeed();
    Change(direction > 0 ? FasterSpeed(now) : SlowerSpeed(now));
}

void CSpeedControl::NextRound()
{
    Change(NextSpeedRound(m_Pace.ChosenSpeed()));
}

void CSpeedControl::ToggleFastComputers()
{
    m_Pace.SetFastComputers(!m_Pace.FastComputers());
}

std::string CSpeedControl::SpeedLabel() const
{
    return SpeedNoticeText(m_Pace.ChosenSpeed());
}

std::string CSpeedControl::FastComputersLabel() const
{
    return m_Pace.FastComputers() ? "Ordinateur accéléré : oui" : "Ordinateur accéléré : non";
}

std::string CSpeedControl::Notice() const
{
    return m_Notice.TextAt(m_Pace.Clock().Milliseconds());
}

bool CSpeedControl::NoticeExpired()
{
    return m_Notice.Expire(m_Pace.Clock().Milliseconds());
}
