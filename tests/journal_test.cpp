// The journal: every line the console writes, kept for the window with a
// mark between turns, and the rows the journal screen shows of it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "game_log.h"
#include "journal_view.h"

namespace {

// A log whose console output goes nowhere.
class JournalTest : public ::testing::Test {
protected:
    void TearDown() override { std::fclose(m_pNowhere); }

    std::FILE* m_pNowhere = std::fopen("/dev/null", "w");
    CGameLog log{m_pNowhere};
};

}  // namespace

TEST_F(JournalTest, KeepsEachNewsOnceWithAMarkBetweenTurnsAndTheLatestLines)
{
    log.TurnOver();
    log.Message("Anne paye 2000F de loyer");
    log.Message("Anne paye 2000F de loyer");
    log.TurnOver();
    log.TurnOver();
    log.Message("Bruno a gagne!!!");
    const std::deque<std::string> expected = {"Anne paye 2000F de loyer", CGameLog::kTurnMark,
                                              "Bruno a gagne!!!"};
    EXPECT_EQ(log.Journal(), expected);
    for (int k = 0; k < 1200; ++k) {
        log.Event();
        log.Message("ligne " + std::to_string(k));
    }
    EXPECT_EQ(log.Journal().size(), CGameLog::kJournalLines);
    EXPECT_EQ(log.Journal().back(), "ligne 1199");
}

TEST_F(JournalTest, TheViewBreaksLongLinesAndScrollsWithinTheJournal)
{
    log.Message(std::string(44, 'a') + " b");
    log.TurnOver();
    for (int k = 0; k < 30; ++k)
        log.Message("ligne " + std::to_string(k));
    CJournalView view;
    view.Refresh(log.Journal());
    std::vector<std::string> shown = view.Shown();
    ASSERT_EQ(shown.size(), static_cast<size_t>(CJournalView::kRows));
    EXPECT_EQ(shown.back(), "ligne 29") << "the latest at the bottom";
    view.Top();
    shown = view.Shown();
    EXPECT_EQ(shown.size(), static_cast<size_t>(CJournalView::kRows));
    EXPECT_EQ(shown[0], std::string(44, 'a'));
    EXPECT_EQ(shown[1], "b");
    EXPECT_EQ(shown[2], kTurnRule);
    EXPECT_EQ(shown[3], "ligne 0");
    view.Scroll(-1);
    EXPECT_EQ(view.Shown()[0], "b");
    view.Scroll(-100);
    EXPECT_EQ(view.Shown().back(), "ligne 29") << "no further than the latest";
    view.Scroll(100);
    EXPECT_EQ(view.Shown()[0], std::string(44, 'a')) << "no further than the oldest";
    view.Refresh(std::deque<std::string>{"une ligne"});
    EXPECT_EQ(view.Shown(), std::vector<std::string>{"une ligne"}) << "a shorter journal shows from its start";
}
