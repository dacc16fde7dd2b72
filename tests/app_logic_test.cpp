#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "board_changes.h"
#include "fake_frame.h"
#include "game.h"
#include "game_log.h"
#include "guidance_line.h"
#include "message_layout.h"
#include "orbit_drag.h"
#include "pawn_walk.h"
#include "pending_question.h"
#include "prompt_zones.h"
#include "standings.h"
#include "step_log.h"
#include "tooltips.h"
#include "visible_state.h"

namespace {

class AppGame : public ::testing::Test {
protected:
    AppGame()
    {  // five players, the second one Bob, in their starting state
        game.playerCount = 5;
        std::snprintf(game.players[1].name, kNameSize, "Bob");
        std::copy(game.players, game.players + kPlayerSlots, game.setupPlayers);
        game.NewGame();
    }
    struct Holding { int property, owner, houses = 0, mortgaged = 0; };
    void Own(std::initializer_list<Holding> holdings)
    {
        for (const Holding& h : holdings) {
            Property& property = game.properties[h.property];
            property.owner = h.owner;
            property.houses = h.houses;
            property.mortgaged = h.mortgaged;
        }
    }

    CFakeFrame frame;
    CScriptedRandom random;
    CGame game{frame, random};
};

}  // namespace

TEST(PawnWalk, ForwardTurningAtCornersOrBackUpToThreeSquares)
{
    using Legs = std::vector<std::pair<int, int>>;
    const struct { int from, to; Legs legs; } cases[] = {
        {37, 38, {{37, 38}}}, {39, 0, {{39, 0}}}, {5, 15, {{5, 10}, {10, 15}}}, {30, 10, {{30, 0}, {0, 10}}},
        {22, 0, {{22, 30}, {30, 0}}},  // to DEPART from the far side: along the track
        {4, 0, {{4, 10}, {10, 20}, {20, 30}, {30, 0}}},  // four behind is too far back
        {36, 0, {{36, 0}}}, {22, 19, {{22, 20}, {20, 19}}}, {36, 33, {{36, 33}}}, {2, 0, {{2, 0}}},
        {1, 38, {{1, 0}, {0, 38}}}, {12, 12, {{12, 12}}}, {7, 24, {{7, 10}, {10, 20}, {20, 24}}},
    };
    for (const auto& c : cases) {
        Legs legs;
        for (const WalkLeg& leg : WalkLegs(c.from, c.to))
            legs.push_back({leg.from, leg.to});
        EXPECT_EQ(legs, c.legs) << c.from << " to " << c.to;
    }
}

TEST(Prompt, TheWordsTheirEdgesAndTheLineHeldWithThem)
{
    using P = PromptClick;
    const struct { int x, y; PromptClick click; } cases[] = {
        {174, 310, P::kYes}, {203, 320, P::kYes}, {173, 315, P::kBetween}, {204, 315, P::kBetween},
        {242, 315, P::kBetween}, {243, 310, P::kNo}, {268, 320, P::kNo}, {269, 315, P::kBetween},
        {180, 309, P::kElsewhere}, {180, 321, P::kElsewhere},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PromptClickAt(c.x, c.y), c.click) << c.x << "," << c.y;
    // A held message gives way to the question waiting.
    const char* question = "Voulez-vous sortir de prison pour 5000F ?";
    const struct { bool askedNow, pending; const char* text; bool words; } held[] = {
        {false, false, "En Prison", false}, {true, true, "Acheter ?", true},
        {false, true, question, true},      {true, false, "Acheter ?", true},
    };
    for (const auto& c : held) {
        const auto line = LineToHold(c.askedNow ? "Acheter ?" : "En Prison", c.askedNow, c.pending, question);
        EXPECT_STREQ(line.text, c.text);
        EXPECT_EQ(line.withAnswerWords, c.words);
    }
}

TEST(OrbitDrag, HalfADegreePerPixelWithinLimits)
{
    const struct { OrbitAngles start; int dx, dy; float last; OrbitAngles expected; } cases[] = {
        {{0, 30}, -10, 4, 30, {-5, 32}}, {{10, 30}, 0, 4, 50, {10, 32}}, {{179, 88}, 2, 4, 88, {180, 90}},
        {{-179, 2}, -2, -4, 2, {-180, 0}},  // edges kept
        {{179, 89}, 4, 4, 89, {-179, 89}},  // over the top: the turn stays
        {{-179, 1}, -4, -4, 1, {179, 1}},   // below the board
        {{10, 80}, 0, 640, 45, {10, 40}},   // a full turn over: wrapped back
    };
    for (const auto& c : cases) {
        float last = c.last;
        const OrbitAngles a = DragOrbit(c.start, c.dx, c.dy, last);
        EXPECT_FLOAT_EQ(a.azimuth, c.expected.azimuth) << c.start.azimuth;
        EXPECT_FLOAT_EQ(a.elevation, c.expected.elevation) << c.start.elevation;
        EXPECT_FLOAT_EQ(last, c.expected.elevation);
    }
}

TEST(MessageLayout, LinesAreCentredAndStackUpwards)
{
    const struct { std::string text; std::vector<std::string> lines; int firstX; } cases[] = {
        {"0123456789", {"0123456789"}, 194},  {"a  b", {"a  b"}, 227},
        {std::string(45, 'a'), {std::string(45, 'a')}, 0},
        {std::string(44, 'a') + " b", {std::string(44, 'a'), "b"}, 5},
        {std::string(43, 'a') + " b", {std::string(43, 'a') + " b"}, 0},
        {std::string(46, 'x'), {std::string(45, 'x'), "x"}, 0},  // a long word is cut, not lost
        {std::string(100, 'x'), {std::string(45, 'x'), std::string(45, 'x'), std::string(10, 'x')}, 0},
        // Accented letters count as one character each and are not split.
        {std::string(44, 'a') + "éé", {std::string(44, 'a') + "é", "é"}, 0},
    };
    for (const auto& c : cases) {
        const std::vector<MessageLine> laid = LayOutMessage(c.text);
        ASSERT_EQ(laid.size(), c.lines.size()) << c.text;
        EXPECT_EQ(laid[0].x, c.firstX) << c.text;
        for (size_t i = 0; i < laid.size(); ++i) {
            EXPECT_EQ(laid[i].text, c.lines[i]);
            EXPECT_EQ(laid[i].y, 200 + 20 * int(laid.size() - 1 - i)) << "clear of OUI NON, then up";
        }
    }
}

TEST_F(AppGame, GameLogWritesEachNewsOnceAndStepsTellItTheBoardsChangesAndTheEndOfAWait)
{
    char buffer[512] = {};
    std::FILE* out = fmemopen(buffer, sizeof buffer, "w");
    CGameLog log(out);
    // Each text, or "." when it is not news; "|" is a throw of the dice.
    std::string news;
    for (const char* text : {"A", "B", "C", "D", "A", "B", "C", "D", "E", "A", "E", "|", "E", ""})
        if (text[0] == '|')
            log.Event();
        else
            news += log.Message(text) ? text : ".";
    EXPECT_EQ(news, "ABCD....EA.E.") << "E leaves A out of the four remembered";
    EXPECT_STREQ(buffer, "A\nB\nC\nD\nE\nA\nE\n") << "each line is out at once";
    CStepLog steps(log, game);
    const auto step = [&](int32_t waitingFor, int32_t after, int owner) {
        game.inputMode = waitingFor;
        steps.Before();
        game.inputMode = after;
        game.properties[1].owner = owner;
        steps.After();
    };
    log.Message("Acheter ?");
    step(kNoInput, kYesNo, -1);
    EXPECT_FALSE(log.Message("Acheter ?")) << "a step that starts a wait ends none";
    step(kYesNo, kYesNo, -1);
    EXPECT_FALSE(log.Message("Acheter ?")) << "the wait goes on";
    step(kYesNo, kNoInput, 1);
    EXPECT_TRUE(log.Message("Acheter ?")) << "the answer ends the wait";
    std::fclose(out);
    EXPECT_STREQ(buffer,
                 "A\nB\nC\nD\nE\nA\nE\nAcheter ?\nRUE LECOURBE appartient maintenant a Bob\nAcheter ?\n");
}

TEST_F(AppGame, StandingsRankByMoneyAndEstateThenTheFallen)
{
    // Bob's RUE DE LA PAIX, 40000, with a hotel, and station, mortgaged: 20000 - 10000.
    // Seat 3 has as much money as seat 0, and a street besides.
    Own({{21, 1, 5}, {24, 1, 0, 1}, {0, 3}});
    const int64_t money[] = {100000, 10000, 5000, 100000};
    for (int i = 0; i < 4; ++i)
        game.players[i].money = money[i];
    game.EliminatePlayer(4);  // seat 4 falls first
    game.EliminatePlayer(2);
    const auto standings = RankPlayers(game, {4, 2});
    EXPECT_EQ(standings[4].money, 0) << "the fallen own nothing";
    EXPECT_EQ(standings[4].estate, 0);
    EXPECT_EQ(StandingLines(standings),
              (std::vector<std::string>{
                  "1. Bob                   10000 F + 150000 F", "2. Player 4             100000 F +   6000 F",
                  "3. Player 1             100000 F +      0 F", "4. Player 3            en faillite",
                  "5. Player 5            en faillite"}));
    EXPECT_EQ(StandingLines({{"Riche", 4600000000, 0, false}})[0],
              "1. Riche               4600000000 F +      0 F");
}

TEST_F(AppGame, BoardChangesAreToldInPropertyOrder)
{
    Own({{0, 3}, {2, 2, 5}, {3, -1, 2}, {24, 3, 0, 1}});
    const BoardSnapshot before = TakeSnapshot(game);
    EXPECT_EQ(before.ownerSeat[1], -1) << "the bank";
    Own({{0, 3, 1}, {1, 0}, {2, -1}, {3, -1, 5}, {4, -1, 2}, {5, -1, 0, 1}, {24, 3}});
    game.EliminatePlayer(2);  // seat 3 moves to index 2: no change of owner
    EXPECT_EQ(DescribeChanges(before, TakeSnapshot(game), game),
              (std::vector<std::string>{
                  "BOUL. DE BELLEVILLE : 1 maison", "RUE LECOURBE appartient maintenant a Player 1",
                  "RUE DE VAUGIRARD revient a la banque", "RUE DE VAUGIRARD : plus aucune maison",
                  "RUE DE COURCELLES : un hotel", "AV. DE LA REPUBLIQUE : 2 maisons",
                  "BOUL. DE LA VILLETTE est hypothequee", "GARE MONTPARNASSE n'est plus hypothequee"}));
    EXPECT_TRUE(DescribeChanges(before, before, game).empty());
}

TEST_F(AppGame, GuidanceSaysWhoPlaysAndWhatTheGameWaitsFor)
{
    // The first property: a test against 0 shows.
    game.tradeWanted = 0;
    game.properties[0].owner = 1;
    const struct { int32_t inputMode; bool computer, gameOver; const char* expected; } cases[] = {
        {kNoInput, false, false, "À vous, Player 1 : cliquez sur un dé (ou touche t)"},
        {kNoInput, true, false, "L'ordinateur joue pour Player 1"},
        {kBuildPick, false, false, "Construire : cliquez sur une rue, à côté pour annuler"},
        {kTradeOfferedPick, false, false, "Bob, en retour : cliquez, à côté pour refuser"},
        // The question, the offer, the deal and the end speak for themselves.
        {kYesNo, false, false, ""}, {kPricedOffer, false, false, ""}, {kDealAnswer, false, false, ""},
        {kNoInput, false, true, ""},
    };
    for (const auto& c : cases) {
        game.players[0].computer = c.computer;
        game.inputMode = c.inputMode;
        game.gameOver = c.gameOver;
        EXPECT_EQ(GuidanceLine(game), c.expected);
    }
    game.gameOver = 0;
    game.playerCount = 0;
    EXPECT_EQ(GuidanceLine(game), "") << "before any game";
}

// The zones are the actions' own; a tip shows after half a second on one.
TEST(Tooltips, AnIconIsNamedAfterHalfASecondOnIt)
{
    CHover hover;
    hover.Move(454, 530, 1000);
    EXPECT_EQ(hover.Shown(1499), nullptr);
    EXPECT_STREQ(hover.Shown(1500), "Hypothéquer (m)");
    hover.Move(456, 531, 1600);  // within the same half of the icon: the time is kept
    EXPECT_STREQ(hover.Shown(1600), "Hypothéquer (m)");
    hover.Move(454, 570, 1700);  // the other half starts again
    EXPECT_EQ(hover.Shown(2000), nullptr);
    EXPECT_STREQ(hover.Shown(2200), "Lever une hypothèque (u)");
    hover.Move(250, 300, 2300);
    EXPECT_EQ(hover.Shown(5000), nullptr);
}

TEST_F(AppGame, EveryShownChangeChangesTheVisibleStateFingerprint)
{
    Player& player = game.players[0];
    Property& property = game.properties[3];
    std::vector<std::function<void()>> changes = {
        [&] { player.money -= 256; }, [&] { player.name[1] = 'X'; }, [&] { game.message[0] = 'X'; }};
    for (int32_t* field :
         {&player.square, &player.jail, &player.seat, &property.owner, &property.mortgaged,
          &property.houses, &game.current, &game.die1, &game.die2, &game.inputMode, &game.gameOver,
          &game.parkingPot, &game.jailCardHolder[0], &game.jailCardHolder[1], &game.tradeWanted,
          &game.tradeOffered, &game.tradePrice, &game.playerCount})
        changes.push_back([field] { --*field; });
    for (size_t i = 0; i < changes.size(); ++i) {
        const uint64_t before = VisibleStateHash(game);
        EXPECT_EQ(VisibleStateHash(game), before);
        changes[i]();
        EXPECT_NE(VisibleStateHash(game), before) << "change " << i;
    }
}
