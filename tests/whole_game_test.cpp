#include "game_fixture.h"

// Humans scripted as players who buy what could complete a group for them,
// build and lift mortgages when they have money to spare, and otherwise
// throw the dice, play whole games on seeded dice.
class WholeGameTest : public GameTest {
protected:
    // Money a scripted player keeps in hand before building or lifting.
    static constexpr int32_t kReserve = 40000;

    int m_nBuildChanges = 0;
    int m_nTurns = 0;  // turns passed on to the next player
    std::string m_sLastWords;

    // Whether a street of p's group is mortgaged, or else whether one is
    // another player's.
    bool GroupHas(int p, bool mortgaged)
    {
        for (int q = groupFirst[p]; q < groupFirst[p] + groupSize[p]; ++q) {
            const Property& d = Deed(q);
            if (mortgaged ? d.mortgaged != 0 : d.owner != -1 && d.owner != game.current)
                return true;
        }
        return false;
    }

    // A street or mortgage of the current player worth a pick, or -1.
    int Worth(char key)
    {
        const int64_t money = P(game.current).money - kReserve;
        for (int p = 0; p < kPropertyCount; ++p) {
            const Property& d = Deed(p);
            if (d.owner != game.current)
                continue;
            if (key == 'u' && d.mortgaged && money >= CGame::LiftCost(p))
                return p;
            if (key == 'b' && p < kStreetCount && game.OwnsGroup(p) && d.houses < 5 &&
                money >= d.houseCost && !GroupHas(p, true))
                return p;
        }
        return -1;
    }

    // Yes to every question but the purchase of a street of a group that
    // another player has a foot in: so groups get completed, built on, and
    // the game comes to an end.
    char Answer()
    {
        const int p = squareToProperty[P(game.current).square];
        const bool street = p >= 0 && Deed(p).owner == -1 && groupSize[p] > 0;
        return street && GroupHas(p, false) ? 'n' : 'y';
    }

    // Plays until a winner is declared; the first broken rule, or "".
    std::string PlayToTheEnd()
    {
        for (int move = 0; !game.gameOver && move < 20000; ++move) {
            int p = -1;
            if (game.inputMode == kYesNo)
                Tick(Answer());
            else if ((p = Worth('u')) >= 0)
                PickWith('u', p);
            else if ((p = Worth('b')) >= 0)
                PickWith('b', p);
            else
                ClickDie();
            m_nBuildChanges += static_cast<int>(frame.Entries("build").size());
            m_nTurns += static_cast<int>(frame.Entries("look").size());
            if (!frame.messages.empty())
                m_sLastWords = frame.messages.back();
            frame.Clear();
            const std::string broken = CheckConsistency(game, frame.buildings);
            if (!broken.empty())
                return broken + " after move " + std::to_string(move);
        }
        return "";
    }
};

// Two to five players on ten sets of dice: bankruptcies compact the table on
// the way, the game ends with one winner, and the chart at the end draws one
// line per seat: every seat from the start, the winner's to the end, each
// bankrupt's ending at 0 the turn it fell.
TEST_F(WholeGameTest, ManyGamesEndWithOneWinnerAndNeverBreakARule)
{
    for (int players = 2; players <= 5; ++players) {
        for (uint64_t seed = 1; seed <= 10; ++seed) {
            SCOPED_TRACE(std::to_string(players) + " players, seed " + std::to_string(seed));
            random.Seed(seed);
            Start(std::vector<int>(players, 0));
            m_nTurns = 0;
            ASSERT_EQ(PlayToTheEnd(), "");
            ASSERT_EQ(game.gameOver, 1);
            // The two left are the winner, announced, and a loser with nothing.
            const int winner = P(0).money == 0 ? 1 : 0;
            EXPECT_EQ(m_sLastWords, std::string(P(winner).name) + " a gagne!!!");
            EXPECT_GT(P(winner).money, 0);
            EXPECT_EQ(P(1 - winner).money, 0);

            const CWorthHistory& history = game.worthHistory;
            EXPECT_EQ(history.Entries(), 1 + m_nTurns + 1);
            const int seat = P(winner).seat;
            EXPECT_EQ(history.Line(seat).size(), size_t(history.Entries()));
            EXPECT_EQ(history.Line(seat).back(), P(winner).money + EstateValue(game, winner));
            int ended = 0;
            for (int s = 0; s < players; ++s) {
                const std::vector<int64_t> line = history.Line(s);
                ASSERT_FALSE(line.empty()) << "seat " << s;
                EXPECT_EQ(line.front(), kStartMoney) << "seat " << s;
                if (s != seat) {
                    EXPECT_EQ(line.back(), 0) << "seat " << s;
                    ended += line.size() < size_t(history.Entries());
                }
            }
            EXPECT_EQ(ended, players - 2) << "all but the last to fall left before the end";
            EXPECT_TRUE(history.Line(players).empty());
            EXPECT_GE(history.Highest(), kStartMoney);
        }
    }
    EXPECT_GT(m_nBuildChanges, 0);
}

TEST_F(GameTest, AnEstateIsWorthItsPricesLessMortgagesAndItsBuildings)
{
    Start({0, 0});
    Own(0, {0, 1, 24});
    Build({0, 1}, 2);
    Deed(24).mortgaged = 1;
    EXPECT_EQ(EstateValue(game, 0), 6000 + 6000 + 4 * 5000 + 20000 - 10000);
    EXPECT_EQ(EstateValue(game, 1), 0);
    EXPECT_TRUE(game.worthHistory.Line(-1).empty());
    EXPECT_TRUE(game.worthHistory.Line(kPlayerSlots).empty());
}
