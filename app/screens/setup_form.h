// The set-up screen's form without its drawing: a row per field, the
// keyboard and the mouse moving between them and changing their values,
// the players' names typed in.
#pragma once

#include <string>
#include <vector>

#include "game_setup.h"

class CSetupForm {
public:
    enum class Outcome { kNone, kStart, kBack };

    explicit CSetupForm(GameSetup& setup) : m_Setup(setup) {}

    // A character key: Enter starts, Escape goes back, Tab moves on; on a
    // name, letters are typed and Backspace takes the last one away;
    // elsewhere the space bar changes the value.
    Outcome Key(unsigned char key);
    // The arrows: up and down move, left and right change the value.
    void Special(int key);
    // A click on a row takes it, and changes its value or starts.
    Outcome Click(int row);

    std::vector<std::string> Rows() const;
    int Focus() const { return m_nFocus; }

private:
    enum class Field { kCount, kName, kKind, kSpeed, kLimit, kScreen, kStart };
    Field FieldOf(int row) const;
    int RowCount() const { return 1 + 2 * m_Setup.count + 4; }
    void Move(int rows);
    void Change(int row, int step);
    void Type(unsigned char key);
    void Erase();
    std::string& FocusedName() { return m_Setup.names[(m_nFocus - 1) / 2]; }

    GameSetup& m_Setup;
    int m_nFocus = 0;
};
