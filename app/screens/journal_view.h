// Which rows of the journal the journal screen shows: the log's lines
// broken to the board view's width, a rule between turns, the latest at the
// bottom unless the player scrolls back.
#pragma once

#include <deque>
#include <string>
#include <vector>

class CJournalView {
public:
    static constexpr int kRows = 18;

    // Takes the journal as it stands; a view at the bottom stays there.
    void Refresh(const std::deque<std::string>& journal);
    // Moves the view by `rows`, above 0 towards older lines, within the
    // journal.
    void Scroll(int rows);
    void Top();
    void Bottom() { m_nFromBottom = 0; }
    // The rows to show, oldest first: at most kRows.
    std::vector<std::string> Shown() const;

private:
    int MostFromBottom() const;

    std::vector<std::string> m_Rows;
    int m_nFromBottom = 0;
};

// The row standing for the end of a turn.
extern const char kTurnRule[];
