#include <gtest/gtest.h>

#include <vector>

#include "message_layout.h"
#include "orbit_drag.h"
#include "pawn_walk.h"
#include "prompt_zones.h"
#include "timed_loop.h"

namespace {

// A clock that only moves when slept on.
class CFakeClock : public CClock {
public:
    uint32_t now = 1000;
    uint32_t Milliseconds() override { return now; }
    void Sleep(uint32_t milliseconds) override { now += milliseconds; }
};

std::vector<std::pair<int, int>> Legs(int from, int to)
{
    std::vector<std::pair<int, int>> legs;
    for (const WalkLeg& leg : WalkLegs(from, to))
        legs.push_back({leg.from, leg.to});
    return legs;
}

using LegList = std::vector<std::pair<int, int>>;

}  // namespace

TEST(PawnWalk, ForwardAlongTheTrackTurningAtCorners)
{
    EXPECT_EQ(Legs(37, 38), (LegList{{37, 38}}));
    EXPECT_EQ(Legs(39, 0), (LegList{{39, 0}}));
    EXPECT_EQ(Legs(5, 15), (LegList{{5, 10}, {10, 15}}));
    EXPECT_EQ(Legs(30, 10), (LegList{{30, 0}, {0, 10}}));
    EXPECT_EQ(Legs(7, 24), (LegList{{7, 10}, {10, 20}, {20, 24}}));
    // To DEPART from the far side, the pawn follows the track.
    EXPECT_EQ(Legs(22, 0), (LegList{{22, 30}, {30, 0}}));
    EXPECT_EQ(Legs(36, 0), (LegList{{36, 0}}));
}

TEST(PawnWalk, StepsBackToASquareJustBehind)
{
    EXPECT_EQ(Legs(22, 19), (LegList{{22, 20}, {20, 19}}));
    EXPECT_EQ(Legs(36, 33), (LegList{{36, 33}}));
    EXPECT_EQ(Legs(2, 0), (LegList{{2, 0}}));
    EXPECT_EQ(Legs(2, 1), (LegList{{2, 1}}));
    EXPECT_EQ(Legs(1, 38), (LegList{{1, 0}, {0, 38}}));
    EXPECT_EQ(Legs(12, 12), (LegList{{12, 12}}));
}

TEST(PromptZones, WordsRowAndBetween)
{
    EXPECT_EQ(PromptClickAt(180, 315), PromptClick::kYes);
    EXPECT_EQ(PromptClickAt(174, 310), PromptClick::kYes);
    EXPECT_EQ(PromptClickAt(268, 320), PromptClick::kNo);
    EXPECT_EQ(PromptClickAt(220, 315), PromptClick::kBetween);
    EXPECT_EQ(PromptClickAt(180, 330), PromptClick::kElsewhere);
    EXPECT_EQ(PromptClickAt(180, 309), PromptClick::kElsewhere);
}

TEST(OrbitDrag, HalfADegreePerPixelWithinLimits)
{
    float last = 30.0f;
    OrbitAngles a = DragOrbit({0.0f, 30.0f}, -10, 4, last);
    EXPECT_FLOAT_EQ(a.azimuth, -5.0f);
    EXPECT_FLOAT_EQ(a.elevation, 32.0f);
    EXPECT_FLOAT_EQ(last, 32.0f);

    last = 89.0f;
    a = DragOrbit({10.0f, 89.0f}, 2, 4, last);
    EXPECT_FLOAT_EQ(a.elevation, 89.0f) << "cannot go over the top";
    EXPECT_FLOAT_EQ(a.azimuth, 11.0f) << "the turn of the same event stays";

    last = 0.0f;
    a = DragOrbit({179.0f, 90.0f}, 4, 2, last);
    EXPECT_FLOAT_EQ(a.azimuth, -179.0f);
    EXPECT_FLOAT_EQ(a.elevation, 0.0f) << "falls back on the last accepted elevation";
}

TEST(MessageLayout, ShortLinesKeepTheirPlace)
{
    const auto lines = LayOutMessage("0123456789");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x, 194);
    EXPECT_EQ(lines[0].y, 200);
    EXPECT_EQ(LayOutMessage(std::string(45, 'a'))[0].x, 0);
    EXPECT_EQ(LayOutMessage("")[0].x, 250);
}

TEST(MessageLayout, LongLinesBreakAtSpacesInsideTheView)
{
    const std::string question =
        "Voulez vous hypothequer pour acheter AV. DES CHAMPS-ELYSEES pour 35000F ?";
    const auto lines = LayOutMessage(question);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text + " " + lines[1].text, question);
    EXPECT_GT(lines[0].y, lines[1].y) << "the first line is above";
    EXPECT_EQ(lines[1].y, 200) << "the last line stays clear of OUI NON";
    for (const MessageLine& line : lines) {
        EXPECT_GE(line.x, 0);
        EXPECT_LE(line.x + CountCharacters(line.text) * 14, 640);
        EXPECT_LE(line.y + 16, 440) << "below the view's top";
    }
    // A word longer than a line is cut, never lost.
    const auto cut = LayOutMessage(std::string(100, 'x'));
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_EQ(cut[2].text.size(), 10u);
    // Accented letters count as one character each and are not split.
    EXPECT_EQ(CountCharacters("Hypothèque"), 10);
    const auto accented = LayOutMessage(std::string(44, 'a') + "éé");
    ASSERT_EQ(accented.size(), 2u);
    EXPECT_EQ(accented[1].text, "é");
}

TEST(TimedLoop, FractionsFollowTheClockAndEndAtOne)
{
    CFakeClock clock;
    std::vector<float> fractions;
    int frames = 0;
    RunTimed(clock, 0.05f, [&](float f) { fractions.push_back(f); }, [&] { ++frames; });
    ASSERT_GE(fractions.size(), 2u);
    EXPECT_FLOAT_EQ(fractions.front(), 0.0f);
    EXPECT_FLOAT_EQ(fractions.back(), 1.0f);
    EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
    EXPECT_EQ(frames, 4) << "16 ms a frame over 50 ms";
    EXPECT_EQ(clock.now, 1050u) << "the movement keeps its duration";

    fractions.clear();
    frames = 0;
    RunTimed(clock, 0.0f, [&](float f) { fractions.push_back(f); }, [&] { ++frames; });
    EXPECT_EQ(frames, 0) << "a zero duration draws nothing";
    EXPECT_EQ(fractions, std::vector<float>{1.0f});
}

#include <cstdio>

#include "fake_frame.h"
#include "game.h"
#include "game_log.h"
#include "standings.h"

TEST(GameLog, WritesEachNewsOnceWhileTheGameWaits)
{
    char buffer[512] = {};
    std::FILE* out = fmemopen(buffer, sizeof buffer, "w");
    CGameLog log(out);
    for (int tick = 0; tick < 3; ++tick) {
        log.Message("Hypothequer");
        log.Message("Choisissez la propriete");
    }
    log.Message("Vous avez des doubles!");
    log.Event();
    log.Message("Vous avez des doubles!");
    log.Message("");
    std::fclose(out);
    EXPECT_STREQ(buffer,
                 "Hypothequer\nChoisissez la propriete\nVous avez des doubles!\n"
                 "Vous avez des doubles!\n");
}

TEST(Standings, RankedByMoneyAndEstateThenTheFallen)
{
    CFakeFrame frame;
    CScriptedRandom random;
    CGame game(frame, random);
    game.playerCount = 4;
    for (int i = 0; i < kPlayerSlots; ++i)
        game.setupPlayers[i] = game.players[i];
    game.NewGame();
    game.players[0].money = 10000;
    game.properties[21].owner = 0;  // RUE DE LA PAIX, 40000, with a hotel
    game.properties[21].houses = 5;
    game.properties[24].owner = 0;  // a station, mortgaged: 20000 - 10000
    game.properties[24].mortgaged = 1;
    game.players[1].money = 100000;
    game.players[2].money = 5000;

    EXPECT_EQ(EstateValue(game, 0), 40000 + 5 * 20000 + 10000);
    game.EliminatePlayer(3);  // seat 3 falls first
    game.EliminatePlayer(2);  // then seat 2
    const auto standings = RankPlayers(game, {3, 2});
    ASSERT_EQ(standings.size(), 4u);
    EXPECT_EQ(standings[0].name, "Player 1");
    EXPECT_EQ(standings[1].name, "Player 2");
    EXPECT_EQ(standings[2].name, "Player 3");
    EXPECT_TRUE(standings[2].bankrupt);
    EXPECT_EQ(standings[3].name, "Player 4");

    const auto lines = StandingLines(standings);
    EXPECT_EQ(lines[0], "1. Player 1              10000 F + 150000 F");
    EXPECT_EQ(lines[3], "4. Player 4            en faillite");
    for (const std::string& line : lines)
        EXPECT_LE(line.size(), 45u);
    EXPECT_EQ(StandingLines({{"Riche", 4600000000, 0, false}})[0],
              "1. Riche               4600000000 F +      0 F");
}

#include "board_changes.h"

TEST(BoardChanges, PurchasesExchangesMortgagesAndBuildingsAreTold)
{
    CFakeFrame frame;
    CScriptedRandom random;
    CGame game(frame, random);
    game.playerCount = 3;
    std::snprintf(game.players[1].name, kNameSize, "Bob");
    for (int i = 0; i < kPlayerSlots; ++i)
        game.setupPlayers[i] = game.players[i];
    game.NewGame();
    game.properties[0].owner = 1;
    game.properties[24].owner = 1;
    game.properties[24].mortgaged = 1;
    const BoardSnapshot before = TakeSnapshot(game);

    game.properties[1].owner = 1;  // bought
    game.properties[24].mortgaged = 0;
    game.properties[0].houses = 1;
    game.EliminatePlayer(0);  // Bob moves to index 0: no change of owner
    EXPECT_EQ(DescribeChanges(before, TakeSnapshot(game), game),
              (std::vector<std::string>{"BOUL. DE BELLEVILLE : 1 maison",
                                        "RUE LECOURBE appartient maintenant a Bob",
                                        "GARE MONTPARNASSE n'est plus hypothequee"}));
    EXPECT_TRUE(DescribeChanges(before, before, game).empty());
}
