#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "game_fixture.h"

// Humans scripted as players who buy what could complete a group for them,
// build and lift mortgages when they have money to spare, and otherwise
// throw the dice, play whole games on seeded dice.
class WholeGameTest : public GameTest {
protected:
    // Money a scripted player keeps in hand before building or lifting.
    static constexpr int32_t kReserve = 40000;
    static constexpr int kMaxMoves = 20000;

    int m_nMoves = 0;
    int m_nBuildChanges = 0;
    int m_nTurns = 0;  // turns passed on to the next player
    std::string m_sLastWords;

    static void PressOn(CFakeFrame& frame, int p)
    {
        const PickRect& rect = pickRects[p];
        frame.Press((rect.xFrom + rect.xTo) / 2, (rect.yFrom + rect.yTo) / 2);
    }

    // A street of the current player that a build would go to, or -1.
    int Buildable()
    {
        const int32_t money = P(game.current).money;
        for (int p = 0; p < kStreetCount; ++p) {
            const Property& street = Deed(p);
            if (street.owner == game.current && game.OwnsGroup(p) && street.houses < 5 &&
                money >= street.houseCost + kReserve && !GroupMortgaged(p))
                return p;
        }
        return -1;
    }

    bool GroupMortgaged(int p)
    {
        for (int q = groupFirst[p]; q < groupFirst[p] + groupSize[p]; ++q)
            if (Deed(q).mortgaged)
                return true;
        return false;
    }

    // Yes to every question but the purchase of a street of a group that
    // another player has a foot in: so groups get completed, built on, and
    // the game comes to an end.
    bool Wants()
    {
        const int p = squareToProperty[P(game.current).square];
        if (p < 0 || Deed(p).owner != -1 || groupSize[p] == 0)
            return true;
        for (int q = groupFirst[p]; q < groupFirst[p] + groupSize[p]; ++q)
            if (Deed(q).owner != -1 && Deed(q).owner != game.current)
                return false;
        return true;
    }

    // A mortgage of the current player worth lifting, or -1.
    int Liftable()
    {
        for (int p = 0; p < kPropertyCount; ++p)
            if (Deed(p).owner == game.current && Deed(p).mortgaged &&
                P(game.current).money >= CGame::LiftCost(p) + kReserve)
                return p;
        return -1;
    }

    // An action key, then a click on the property it applies to.
    void PickWith(char key, int p)
    {
        frame.mouse = {700, 300, false};
        frame.keys.push_back(key);
        Tick();
        PressOn(frame, p);
        Tick();
        frame.Release();
    }

    void StartHumans(int count)
    {
        switch (count) {
        case 2: Start({0, 0}); break;
        case 3: Start({0, 0, 0}); break;
        case 4: Start({0, 0, 0, 0}); break;
        default: Start({0, 0, 0, 0, 0}); break;
        }
        std::fill(std::begin(frame.buildings), std::end(frame.buildings), 0);
    }

    // Plays until a winner is declared; the first broken rule, or "".
    std::string PlayToTheEnd()
    {
        m_nMoves = 0;
        m_nBuildChanges = 0;
        m_nTurns = 0;
        m_sLastWords.clear();
        while (!game.gameOver && m_nMoves < kMaxMoves) {
            PlayOneMove();
            ++m_nMoves;
            m_nBuildChanges += static_cast<int>(frame.Entries("build").size());
            m_nTurns += static_cast<int>(frame.Entries("look").size());
            if (!frame.messages.empty())
                m_sLastWords = frame.messages.back();
            frame.Clear();
            const std::string broken = CheckConsistency(game, frame.buildings);
            if (!broken.empty())
                return broken + " after move " + std::to_string(m_nMoves);
        }
        return "";
    }

    void PlayOneMove()
    {
        int p = -1;
        if (game.inputMode == kYesNo)
            Tick(Wants() ? 'y' : 'n');
        else if ((p = Liftable()) >= 0)
            PickWith('u', p);
        else if ((p = Buildable()) >= 0)
            PickWith('b', p);
        else
            ClickDie();
    }
};

// The chart at the end draws one line per seat: every seat from the start,
// the winner's to the end, each bankrupt's ending at 0 the turn it fell.
TEST_F(WholeGameTest, TheWorthOfEverySeatIsRecordedAtTheStartAfterEveryTurnAndAtTheEnd)
{
    for (int players = 2; players <= 5; ++players) {
        SCOPED_TRACE(std::to_string(players) + " players");
        random.Seed(players);
        StartHumans(players);
        ASSERT_EQ(PlayToTheEnd(), "");
        const CWorthHistory& history = game.worthHistory;
        EXPECT_EQ(history.Entries(), 1 + m_nTurns + 1);
        const int winner = P(game.current).seat;
        EXPECT_EQ(history.Line(winner).size(), size_t(history.Entries()));
        EXPECT_EQ(history.Line(winner).back(),
                  P(game.current).money + EstateValue(game, game.current));
        int ended = 0;
        for (int seat = 0; seat < players; ++seat) {
            const std::vector<int64_t> line = history.Line(seat);
            ASSERT_FALSE(line.empty()) << "seat " << seat;
            EXPECT_EQ(line.front(), kStartMoney) << "seat " << seat;
            if (seat != winner) {
                EXPECT_EQ(line.back(), 0) << "seat " << seat;
                ended += line.size() < size_t(history.Entries());
            }
        }
        // All but the last to fall left before the end.
        EXPECT_EQ(ended, players - 2);
        EXPECT_TRUE(history.Line(players).empty());
        EXPECT_GE(history.Highest(), kStartMoney);
    }
}

// Two to five players on ten sets of dice: bankruptcies compact the table
// on the way, and the game ends with one winner.
TEST_F(WholeGameTest, ManyGamesEndWithOneWinnerAndNeverBreakARule)
{
    int buildChanges = 0;
    for (int players = 2; players <= 5; ++players) {
        for (uint64_t seed = 1; seed <= 10; ++seed) {
            SCOPED_TRACE(std::to_string(players) + " players, seed " + std::to_string(seed));
            random.Seed(seed);
            StartHumans(players);
            EXPECT_EQ(PlayToTheEnd(), "");
            ASSERT_EQ(game.gameOver, 1);
            buildChanges += m_nBuildChanges;
            // The two left are the winner, announced, and a loser with nothing.
            const int winner = P(0).money == 0 ? 1 : 0;
            EXPECT_EQ(m_sLastWords, std::string(P(winner).name) + " a gagne!!!");
            EXPECT_GT(P(winner).money, 0);
            EXPECT_EQ(P(1 - winner).money, 0);
        }
    }
    EXPECT_GT(buildChanges, 0);
}
