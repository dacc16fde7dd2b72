#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game.h"
#include "save_file.h"

namespace {

// A table whose first player is worth exactly the number of turns recorded,
// so that a line of worths reads as the turns it kept.
struct CountingTable {
    CNullFrame frame;
    CSeededRandom random{1};
    CGame game{frame, random};

    CountingTable()
    {
        game.NewGame();
        game.players[0].money = 0;
        game.worthHistory.Start(game);
    }
    void Record(int64_t turns)
    {
        for (int64_t k = 0; k < turns; ++k) {
            game.players[0].money += 1;
            game.worthHistory.Record(game);
        }
    }
};

}  // namespace

// However long the game, the history keeps the first turn, the latest, and
// turns evenly spaced between them, and reads back from a save to go on the same.
TEST(WorthHistory, KeepsEvenlySpacedTurnsWithinItsBound)
{
    for (const int64_t turns : {0, 1, 999, 1000, 1001, 1998, 5000, 123457}) {
        SCOPED_TRACE(turns);
        CountingTable table;
        table.Record(turns);
        const CWorthHistory& history = table.game.worthHistory;
        const std::vector<int64_t> line = history.Line(0);
        EXPECT_LE(history.Entries(), CWorthHistory::kMostEntries);
        EXPECT_GE(history.Entries(), std::min<int64_t>(turns + 1, CWorthHistory::kMostEntries / 2));
        if (turns < CWorthHistory::kMostEntries) {
            EXPECT_EQ(history.Entries(), turns + 1) << "every turn kept while they all fit";
        }
        EXPECT_EQ(history.Turns(), turns);
        EXPECT_EQ(line.front(), 0);
        EXPECT_EQ(line.back(), turns);
        const int64_t stride = line.size() > 1 ? line[1] - line[0] : 1;
        for (size_t k = 1; k + 1 < line.size(); ++k)
            EXPECT_EQ(line[k], static_cast<int64_t>(k) * stride) << "entry " << k;
        const int64_t lastGap = line.size() > 1 ? line.back() - line[line.size() - 2] : 0;
        EXPECT_LE(lastGap, stride) << "the latest turn is at most one stride after the entry before";

        CountingTable copy;
        GameHistory fallen;
        ASSERT_EQ(ReadSave(WriteSave(table.game, fallen), copy.game, fallen), "");
        table.Record(777);
        copy.Record(777);
        EXPECT_EQ(copy.game.worthHistory.Line(0), table.game.worthHistory.Line(0));
    }
    // A new game after a long one keeps every turn again.
    CountingTable table;
    table.Record(5000);
    table.game.players[0].money = 0;
    table.game.worthHistory.Start(table.game);
    table.Record(3);
    EXPECT_EQ(table.game.worthHistory.Line(0), (std::vector<int64_t>{0, 1, 2, 3}));
}

// Lines are by seat: the first player falls after one turn and the others
// move down a place; at the end only the winner is in play.
TEST(WorthHistory, EachSeatsLineEndsWithTheZeroOfItsFall)
{
    CNullFrame frame;
    CSeededRandom random{1};
    CGame game{frame, random};
    game.playerCount = 3;
    game.NewGame();
    game.players[0].money = 160000;
    game.players[1].money = 140000;
    game.worthHistory.Record(game);
    game.players[0] = game.players[1];
    game.players[1] = game.players[2];
    game.playerCount = 2;
    game.players[0].money = 130000;
    game.players[1].money = 155000;
    game.worthHistory.Record(game);
    game.gameOver = 1;
    game.current = 1;
    game.players[1].money = 400000;
    game.worthHistory.Record(game);
    const CWorthHistory& history = game.worthHistory;
    EXPECT_EQ(history.Line(0), (std::vector<int64_t>{150000, 160000, 0}));
    EXPECT_EQ(history.Line(1), (std::vector<int64_t>{150000, 140000, 130000, 0}));
    EXPECT_EQ(history.Line(2), (std::vector<int64_t>{150000, 150000, 155000, 400000}));
    for (int seat : {-1, 3, 7, 8})
        EXPECT_TRUE(history.Line(seat).empty()) << seat;
    EXPECT_EQ(history.Highest(), 400000);
    for (Player& player : game.players)
        player.money = 0;
    game.worthHistory.Start(game);
    EXPECT_EQ(game.worthHistory.Highest(), 1) << "a chart of nothing still has a scale";
}
