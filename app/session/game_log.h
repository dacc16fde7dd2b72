// The game's log on the console: every message shown on screen, one line
// each, so that players can read back what happened. A question or a prompt
// shown again at every tick while the game waits is written once.
#pragma once

#include <cstdio>
#include <deque>
#include <string>

class CGameLog {
public:
    explicit CGameLog(std::FILE* out) : m_pOut(out) {}

    // A message shown on screen. True when it is news and was written;
    // false for an empty text and for a reminder of one written already.
    bool Message(const std::string& text);
    // Something happened on the board (a throw, a walk): later messages are
    // new news even if their text repeats an earlier one.
    void Event();
    // A turn is over: the journal marks it before the next turn's lines.
    void TurnOver();

    // The last lines written, oldest first, with kTurnMark between turns,
    // for the journal screen.
    const std::deque<std::string>& Journal() const { return m_Journal; }
    static constexpr size_t kJournalLines = 1000;
    static constexpr const char* kTurnMark = "";

private:
    // Long enough to hold the texts that alternate while the game waits.
    static constexpr size_t kRecentLines = 4;

    void Keep(const std::string& line);

    std::FILE* m_pOut;
    std::deque<std::string> m_Recent;
    std::deque<std::string> m_Journal;
};
