// A game of scripted players on a fake frame, for driving whole turns.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "consistency.h"
#include "fake_frame.h"
#include "game.h"

// Window points of the action zones and of the answer words.
constexpr int kDieX = 200, kDieY = 540;
constexpr int kBuildX = 380, kBuildY = 540;

class GameTest : public ::testing::Test {
protected:
    CFakeFrame frame;
    CScriptedRandom random;
    CGame game{frame, random};

    // Starts a game; each flag says whether the computer plays that seat.
    void Start(std::initializer_list<int> computers)
    {
        game.playerCount = static_cast<int32_t>(computers.size());
        int i = 0;
        for (int computer : computers) {
            std::snprintf(game.players[i].name, kNameSize, "Player %d", i + 1);
            game.players[i++].computer = computer;
        }
        // The console set-up saves the seats of a fresh table.
        game.ResetPlayers();
        for (int k = 0; k < kPlayerSlots; ++k)
            game.setupPlayers[k] = game.players[k];
        game.NewGame();
        // A new game leaves these as the last game ended them.
        game.gameOver = 0;
        game.parkingPot = 0;
        game.inputMode = kNoInput;
        random.values.clear();
        frame.Clear();
    }

    // One tick as the window runs it: the answer from a click, then a step.
    void Tick(char answer = 0)
    {
        if (answer != 0 && game.inputMode == kYesNo)
            game.answer = answer;
        game.Step();
    }

    // A click on the left die, delivered as a press tick then a release tick.
    void ClickDie()
    {
        frame.Press(kDieX, kDieY);
        Tick();
        frame.Release();
    }

    // The current player throws these dice with a click on the die.
    void Throw(int die1, int die2)
    {
        random.QueueDice(die1, die2);
        ClickDie();
    }

    // The current player stops on a square as if it had walked there.
    void LandOn(int square)
    {
        P(game.current).square = square;
        game.Land();
    }

    void Own(int player, std::initializer_list<int> properties)
    {
        for (int p : properties)
            game.properties[p].owner = player;
    }

    // Puts buildings on a street, on the board as well.
    void Build(int p, int houses)
    {
        game.properties[p].houses = houses;
        frame.buildings[propertySquare[p]] = houses;
    }

    // Every rule of the game state holds, the board's buildings included.
    void Check() { EXPECT_EQ(CheckConsistency(game, frame.buildings), ""); }

    Player& P(int i) { return game.players[i]; }
    Property& Deed(int p) { return game.properties[p]; }
};
