// A line shown over the board for a short while, such as the new speed
// after '+' or '-'; the frame that follows its time takes it away.
#pragma once

#include <cstdint>
#include <string>

class CBriefNotice {
public:
    void Show(const std::string& text, uint32_t now);
    // The text to draw at `now`; empty once its time is over.
    std::string TextAt(uint32_t now) const;
    // True once, when the time is over and the screen still shows it.
    bool Expire(uint32_t now);

private:
    static constexpr uint32_t kShownMilliseconds = 2000;

    bool Over(uint32_t now) const { return now - m_nShownAt >= kShownMilliseconds; }

    std::string m_Text;
    uint32_t m_nShownAt = 0;
};
