#include "game_fixture.h"

class TradeTest : public GameTest {
protected:
    // The trade key, then a pick of the property wanted, held pressed.
    void AskFor(int p)
    {
        frame.mouse = {600, 300, false};  // away from the last pick
        frame.keys.push_back('q');
        Tick();
        ASSERT_EQ(game.inputMode, kTradeWantedPick);
        PressOn(p);
        Tick();
    }
};

TEST_F(TradeTest, AskingForABankOwnOrBuiltPropertyEndsTheMode)
{
    Start({0, 0});
    Own(1, {0, 1});
    Build({1}, 1);
    Own(0, {2});
    P(0).square = 1;
    frame.keys.push_back('q');
    Tick();
    EXPECT_EQ(game.inputMode, kTradeWantedPick);
    EXPECT_TRUE(frame.Entries("picture").empty()) << "a pick shows the board from above";
    Tick();
    EXPECT_EQ(game.inputMode, kTradeWantedPick) << "a click off the properties keeps waiting";
    EXPECT_TRUE(frame.Showed("Choisissez la propriete que vous voulez"));

    for (int p : {5, 2, 0}) {
        AskFor(p);
        EXPECT_EQ(game.inputMode, kNoInput) << p;
    }
    EXPECT_EQ(Deed(0).owner, 1);
    EXPECT_EQ(Deed(2).owner, 0);
    EXPECT_EQ(Deed(5).owner, -1);
    EXPECT_EQ(game.current, 0);
}

TEST_F(TradeTest, HumanOwnerCallsOffOrPicksInReturnIgnoringBuiltGroups)
{
    Start({0, 0});
    Own(1, {24});
    Deed(24).mortgaged = 1;
    Own(0, {0, 5, 6, 7});
    Build({5}, 1);
    P(0).square = 1;
    AskFor(24);
    ASSERT_EQ(game.inputMode, kTradeOfferedPick);
    EXPECT_EQ(frame.Entries("picture"), Lines{"5"}) << "the wanted deed, not the square of the one who asks";
    frame.mouse = {600, 300, false};
    Tick();
    EXPECT_EQ(game.inputMode, kTradeOfferedPick) << "only a press calls it off";
    frame.Press(470, 470);  // DEPART
    Tick();
    EXPECT_EQ(game.inputMode, kNoInput);
    EXPECT_EQ(game.tradeWanted, -1);
    EXPECT_EQ(Deed(24).owner, 1);

    AskFor(24);
    EXPECT_EQ(game.inputMode, kTradeOfferedPick);
    frame.Clear();
    Tick();
    EXPECT_TRUE(frame.Showed("Player 2 choisissez la propriete que vous voulez"));
    EXPECT_EQ(game.inputMode, kTradeOfferedPick) << "the held pick is not the owner's";

    PressOn(6);
    Tick();
    EXPECT_EQ(game.inputMode, kTradeOfferedPick) << "a street of a built group is ignored";
    PressOn(0);  // the first property is one like the others
    Tick();
    EXPECT_EQ(game.inputMode, kNoInput);
    EXPECT_EQ(Deed(24).owner, 0);
    EXPECT_EQ(Deed(24).mortgaged, 1) << "the mortgage travels with the station";
    EXPECT_EQ(Deed(0).owner, 1);
    EXPECT_EQ(P(0).money, 150000);
    EXPECT_EQ(P(1).money, 150000);
    EXPECT_EQ(game.tradeWanted, -1);
    EXPECT_EQ(game.tradeOffered, -1);
    Check();
}

// With confirmations on, the player who asked sees the whole exchange once
// the owner has chosen, and a no leaves both properties where they were.
TEST_F(TradeTest, TheAskingPlayerConfirmsAnExchangeBetweenPeople)
{
    for (const char answer : {'n', 'y'}) {
        Start({0, 0});
        game.confirmSales = 1;
        Own(1, {24});
        Own(0, {0});
        AskFor(24);
        PressOn(0);
        Tick();
        ASSERT_EQ(game.inputMode, kYesNo) << answer;
        EXPECT_EQ(frame.messages.back(), "Échanger BOUL. DE BELLEVILLE contre GARE MONTPARNASSE avec Player 2 ?");
        EXPECT_EQ(Deed(24).owner, 1) << "nothing changes hands before the answer";
        Check();
        Tick(answer);
        EXPECT_EQ(Deed(24).owner, answer == 'y' ? 0 : 1) << answer;
        EXPECT_EQ(Deed(0).owner, answer == 'y' ? 1 : 0) << answer;
        EXPECT_EQ(game.tradeWanted, -1);
        Check();
    }
}

// The computer, player 2, owns BOUL. SAINT-MICHEL (asked for by a click
// that lies inside the accept square) and would complete a group with the
// human's RUE DE VAUGIRARD (for which the human pays 12000 F)
// or with the human's PLACE DE LA BOURSE.
class PricedOfferTest : public TradeTest {
protected:
    void SetUp() override
    {
        Start({0, 1});
        Own(1, {9, 10, 3, 4, 14, 16});
        Own(0, {8, 2, 15});
    }
    void Click(const ClickSquare& square)
    {
        frame.Release();
        Tick();
        frame.Press(square.xFrom + 5, square.yFrom + 5);
        Tick();
    }
};

TEST_F(PricedOfferTest, OfferWaitsAcrossTicksAndARefusalMovesToTheNextCandidate)
{
    frame.keys.push_back('q');
    Tick();
    frame.Press(45, 110);  // BOUL. SAINT-MICHEL, under the accept square
    Tick();
    EXPECT_EQ(game.inputMode, kPricedOffer);
    Check();
    // 27000 F for the wanted street against 15000 F for the offered one.
    EXPECT_EQ(frame.Entries("offer"), std::vector<std::string>{"1:0:9:2:12000"});
    EXPECT_EQ(game.tradePrice, 12000);
    EXPECT_TRUE(frame.Showed("Player 2 propose un echange"));
    EXPECT_EQ(Resumed().Entries("offer"), Lines{"1:0:9:2:12000"}) << "a save keeps the offer";

    frame.keys.push_back('b');
    Tick();
    EXPECT_EQ(game.inputMode, kPricedOffer) << "neither the held press nor a key answers";
    EXPECT_EQ(Deed(9).owner, 1);

    frame.Clear();
    Click(kRefuseSquare);
    EXPECT_EQ(frame.Entries("offer").back(), "1:0:9:15:-12000");
    Tick();
    EXPECT_EQ(game.inputMode, kPricedOffer) << "the refusing press does not refuse again";

    Click(kAcceptSquare);
    EXPECT_EQ(game.inputMode, kNoInput);
    EXPECT_EQ(Deed(9).owner, 0);
    EXPECT_EQ(Deed(15).owner, 1);
    EXPECT_EQ(Deed(2).owner, 0);
    EXPECT_EQ(P(0).money, 162000) << "the computer paid for the dearer street";
    EXPECT_EQ(P(1).money, 138000);
    EXPECT_FALSE(frame.Showed("Player 2 ne veut pas echanger"));
    Check();
}

TEST_F(PricedOfferTest, UnaffordableOffersAreSkippedAndRefusingAllEndsTheTrade)
{
    // So poor that the computer asks 10000 F less for its street, but still
    // 2000 F for RUE DE VAUGIRARD, which the human cannot pay.
    P(0).money = 1000;
    AskFor(9);
    EXPECT_EQ(frame.Entries("offer"), std::vector<std::string>{"1:0:9:15:-22000"});
    Click(kRefuseSquare);
    EXPECT_EQ(game.inputMode, kNoInput);
    EXPECT_TRUE(frame.Showed("Player 2 ne veut pas echanger"));
    EXPECT_EQ(Deed(9).owner, 1);
    EXPECT_EQ(Deed(15).owner, 0);
    EXPECT_EQ(P(0).money, 1000);
    EXPECT_EQ(game.showSquare, 1) << "the next throw shows its square again";

    // With the price exactly in hand, the second offer is made.
    Start({0, 1});
    Own(1, {9, 10, 3, 4, 14, 16});
    Own(0, {8, 2, 15});
    P(0).money = 2000;
    AskFor(9);
    EXPECT_EQ(frame.Entries("offer"), std::vector<std::string>{"1:0:9:2:2000"});
}

