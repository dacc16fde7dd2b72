#include "pace.h"

#include <algorithm>

namespace {

const SpeedRow kSpeeds[] = {
    {Speed::kNormal, "normal", "Normale", 1},
    {Speed::kFast, "fast", "Rapide", 2},
    {Speed::kFaster, "faster", "Très rapide", 4},
    {Speed::kInstant, "instant", "Instantanée", 0},
};
constexpr int kSpeedCount = sizeof kSpeeds / sizeof kSpeeds[0];

// Time between two frames of a movement: about a 60 Hz display's.
constexpr uint32_t kFrameMilliseconds = 16;
// How often a hold reads the window's events: Escape and a skip must act
// well within a tenth of a second.
constexpr uint32_t kEventSliceMilliseconds = 10;

int IndexOf(Speed speed)
{
    return static_cast<int>(speed);
}

}  // namespace

const SpeedRow& SpeedInfo(Speed speed)
{
    return kSpeeds[IndexOf(speed)];
}

bool SpeedFromOption(const std::string& name, Speed& speed)
{
    for (const SpeedRow& row : kSpeeds)
        if (name == row.option) {
            speed = row.speed;
            return true;
        }
    return false;
}

Speed FasterSpeed(Speed speed)
{
    return kSpeeds[std::min(IndexOf(speed) + 1, kSpeedCount - 1)].speed;
}

Speed SlowerSpeed(Speed speed)
{
    return kSpeeds[std::max(IndexOf(speed) - 1, 0)].speed;
}

Speed NextSpeedRound(Speed speed)
{
    return kSpeeds[(IndexOf(speed) + 1) % kSpeedCount].speed;
}

Speed CPace::CurrentSpeed() const
{
    if (m_bFastComputers && m_bComputerTurn)
        return std::max(m_Speed, Speed::kFaster);
    return m_Speed;
}

uint32_t CPace::Scaled(uint32_t milliseconds) const
{
    const uint32_t divisor = SpeedInfo(CurrentSpeed()).divisor;
    return divisor == 0 ? 0 : milliseconds / divisor;
}

bool CPace::Skip()
{
    if (!m_bWaiting)
        return false;
    m_bSkipped = true;
    return true;
}

bool CPace::Begin(WaitKind kind, uint32_t duration)
{
    m_bLastSkipped = false;
    const bool walkSkipped = kind == WaitKind::kWalk && m_bWalkSkipped;
    m_bWalkSkipped = walkSkipped;
    if (duration == 0 || walkSkipped)
        return false;
    m_bWaiting = true;
    m_bSkipped = false;
    return true;
}

void CPace::End()
{
    m_bLastSkipped = m_bSkipped;
    m_bWaiting = false;
    m_bSkipped = false;
}

bool CPace::Over(uint32_t end) const
{
    return m_bSkipped || static_cast<int32_t>(end - m_Clock.Milliseconds()) <= 0;
}

void CPace::SleepUntil(uint32_t end)
{
    while (!Over(end)) {
        if (m_Pump)
            m_Pump();
        if (Over(end))
            return;
        const uint32_t left = end - m_Clock.Milliseconds();
        m_Clock.Sleep(std::min(left, kEventSliceMilliseconds));
    }
}

void CPace::Hold(uint32_t milliseconds)
{
    const uint32_t duration = Scaled(milliseconds);
    if (!Begin(WaitKind::kHold, duration))
        return;
    SleepUntil(m_Clock.Milliseconds() + duration);
    End();
}

void CPace::Run(WaitKind kind, float seconds, const std::function<void(float)>& apply,
                const std::function<void()>& draw)
{
    const uint32_t duration = Scaled(static_cast<uint32_t>(seconds * 1000.0f));
    if (Begin(kind, duration)) {
        const uint32_t start = m_Clock.Milliseconds();
        const uint32_t end = start + duration;
        for (uint32_t now = start; !Over(end); now = m_Clock.Milliseconds()) {
            apply(static_cast<float>(now - start) / static_cast<float>(duration));
            draw();
            SleepUntil(std::min(now + kFrameMilliseconds, end));
        }
        m_bWalkSkipped = m_bSkipped && kind == WaitKind::kWalk;
        End();
    }
    apply(1.0f);
}
