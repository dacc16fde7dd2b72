// A game of scripted players on a fake frame, for driving whole turns.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "consistency.h"
#include "fake_frame.h"
#include "game.h"
#include "save_file.h"

using Lines = std::vector<std::string>;

// Window points of the action zones and of the answer words.
constexpr int kDieX = 200;
constexpr int kDieY = 540;
constexpr int kBuildX = 380;
constexpr int kBuildY = 540;

class GameTest : public ::testing::Test {
protected:
    CFakeFrame frame;
    CScriptedRandom random;
    CGame game{frame, random};

    // Starts a game; each flag says whether the computer plays that seat.
    void Start(const std::vector<int>& computers)
    {
        game.playerCount = static_cast<int32_t>(computers.size());
        int i = 0;
        for (int computer : computers) {
            std::snprintf(game.players[i].name, kNameSize, "Player %d", i + 1);
            game.players[i++].computer = computer;
        }
        // The console set-up saves the seats of a fresh table.
        game.ResetPlayers();
        std::fill(std::begin(frame.buildings), std::end(frame.buildings), 0);
        std::copy(std::begin(game.players), std::end(game.players), game.setupPlayers);
        game.NewGame();
        // A new game leaves these as the last game ended them.
        game.gameOver = 0;
        game.parkingPot = 0;
        game.inputMode = kNoInput;
        random.values.clear();
        frame.Clear();
        frame.turnsOver = 0;
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

    void Own(int player, const std::vector<int>& properties)
    {
        for (int p : properties)
            Deed(p).owner = player;
    }

    void Mortgage(const std::vector<int>& properties)
    {
        for (int p : properties)
            Deed(p).mortgaged = 1;
    }

    // Puts buildings on streets, on the board as well.
    void Build(const std::vector<int>& streets, int houses)
    {
        for (int p : streets) {
            Deed(p).houses = houses;
            frame.buildings[propertySquare[p]] = houses;
        }
    }

    // A press inside a property's rectangle on the board seen from above.
    void PressOn(int p)
    {
        const PickRect& rect = pickRects[p];
        frame.Press((rect.xFrom + rect.xTo) / 2, (rect.yFrom + rect.yTo) / 2);
    }

    // An action chosen by its key (the mouse off the board, so that the key's
    // tick picks nothing), then a click on the property it applies to.
    void PickWith(char key, int p)
    {
        frame.mouse = {700, 300, false};
        frame.keys.push_back(key);
        Tick();
        PressOn(p);
        Tick();
        frame.Release();
    }

    // A second game on a frame of its own, to read a save into.
    struct Copy {
        CFakeFrame shown;
        CScriptedRandom dice;
        CGame game{shown, dice};
        GameHistory history;
    };

    // Saves this game with `history` and reads it into `copy`: the refusal.
    std::string ReadInto(Copy& copy, const GameHistory& history = {})
    {
        return ReadSave(WriteSave(game, history), copy.game, copy.history);
    }

    // The frame of a game read back from a save of this one, after a step.
    CFakeFrame Resumed()
    {
        Copy copy;
        EXPECT_EQ(ReadInto(copy), "");
        copy.game.Step();
        return copy.shown;
    }

    // Every rule of the game state holds, the board's buildings included.
    void Check() { EXPECT_EQ(CheckConsistency(game, frame.buildings), ""); }

    Player& P(int i) { return game.players[i]; }
    Property& Deed(int p) { return game.properties[p]; }
};
