#include "foolish_acts.h"
#include "game_fixture.h"

// Anne, a person, is to play; Bruno is a person or a computer.
class DealTest : public GameTest {
protected:
    void Seat(int brunoComputer)
    {
        Start({0, brunoComputer});
        std::snprintf(P(0).name, kNameSize, "Anne");
        std::snprintf(P(1).name, kNameSize, "Bruno");
    }

    static Deal Make(int asker, uint32_t askerGives, int32_t askerCash, uint32_t partnerGives,
                     int32_t partnerCash)
    {
        Deal deal;
        deal.asker = asker;
        deal.partner = 1 - asker;
        deal.askerGives = askerGives;
        deal.askerCash = askerCash;
        deal.partnerGives = partnerGives;
        deal.partnerCash = partnerCash;
        return deal;
    }

    // Bruno's turn at `round`, his money as at the start, played one step.
    void BrunosTurnAt(int32_t round)
    {
        P(1).money = 150000;
        game.current = 1;
        game.roundsPlayed = round;
        random.QueueDice(1, 2);
        Tick();
    }
};

constexpr uint32_t kBelleville = PropertyBit(0);
constexpr uint32_t kLecourbe = PropertyBit(1);
constexpr uint32_t kMontparnasse = PropertyBit(24);
constexpr uint32_t kNord = PropertyBit(26);

TEST_F(DealTest, EachFaultOfADealIsNamed)
{
    Seat(0);
    Own(0, {0, 1, 24});
    Build({0, 1}, 1);
    Own(1, {5, 26});
    Deal selfDeal = Make(0, kMontparnasse, 0, 0, 0);
    selfDeal.partner = 0;
    Deal absentPartner = Make(0, kMontparnasse, 0, 0, 0);
    absentPartner.partner = 2;
    const struct {
        Deal deal;
        std::string refusal;
    } cases[] = {
        {Make(0, kMontparnasse, 5000, kNord, 0), ""},
        {Make(0, kBelleville, 0, kNord, 0), "BOUL. DE BELLEVILLE est d'un groupe bâti"},
        {Make(0, PropertyBit(5), 0, kNord, 0), "BOUL. DE LA VILLETTE n'est pas à Anne"},
        {Make(0, PropertyBit(6), 0, kNord, 0), "AVENUE DE NEUILLY n'est pas à Anne"},
        {Make(0, kMontparnasse, 0, kMontparnasse, 0), "GARE MONTPARNASSE n'est pas à Bruno"},
        {Make(0, kMontparnasse, 150001, kNord, 0), "Anne n'a pas 150.001 F"},
        {Make(0, kMontparnasse, 150000, kNord, 150001), "Bruno n'a pas 150.001 F"},
        {Make(0, kMontparnasse, -1, kNord, 0), "Une somme échangée ne peut pas être négative"},
        {Make(0, 1u << kPropertyCount, 0, kNord, 0), "L'échange nomme une propriété qui n'existe pas"},
        {Make(0, 0, 0, 0, 0), "L'échange est vide"},
        {selfDeal, "Un joueur ne peut pas échanger avec lui-même"},
        {absentPartner, "L'échange doit se faire entre deux joueurs de la partie"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DealRefusal(game, c.deal), c.refusal);
}

TEST_F(DealTest, TextNamesEverySideAndReadsRienForAnEmptyOne)
{
    Seat(0);
    Own(0, {1, 24});
    Own(1, {26});
    EXPECT_EQ(DealText(game, Make(0, kLecourbe, 5000, kNord, 0)),
              "Anne échange RUE LECOURBE et 5.000 F contre GARE DU NORD avec Bruno");
    EXPECT_EQ(DealText(game, Make(0, 0, 5000, kNord, 0)), "Anne échange 5.000 F contre GARE DU NORD avec Bruno");
    EXPECT_EQ(DealText(game, Make(0, 0, 1, 0, 0)), "Anne échange 1 F contre rien avec Bruno");
    EXPECT_EQ(DealText(game, Make(0, 0, 1234567, 0, 0)), "Anne échange 1.234.567 F contre rien avec Bruno");
}

TEST_F(DealTest, TwoPeopleAgreeAndTheDealIsDoneWithItsMortgage)
{
    Seat(0);
    Own(0, {1, 24});
    Mortgage({1});
    Own(1, {0});
    game.answer = 'y';  // left by an earlier question
    ASSERT_TRUE(game.ProposeDeal(Make(0, kLecourbe | kMontparnasse, 5000, kBelleville, 0)));
    Tick();
    EXPECT_EQ(game.inputMode, kDealAnswer);
    Tick();
    EXPECT_EQ(game.inputMode, kDealAnswer) << "the step waits for the answer";
    EXPECT_EQ(P(0).square, 0) << "and nothing else happens";
    Check();
    game.AnswerDeal(true);
    Tick();
    EXPECT_TRUE(frame.Showed("Anne échange RUE LECOURBE, GARE MONTPARNASSE et 5.000 F contre BOUL. DE BELLEVILLE avec Bruno"));
    EXPECT_EQ(Deed(1).owner, 1);
    EXPECT_EQ(Deed(1).mortgaged, 1);
    EXPECT_EQ(Deed(2).owner, kBank) << "nothing outside the deal changes hands";
    EXPECT_EQ(Deed(24).owner, 1);
    EXPECT_EQ(Deed(0).owner, 0);
    EXPECT_EQ(P(0).money, 145000);
    EXPECT_EQ(P(1).money, 155000);
    EXPECT_EQ(game.inputMode, kNoInput);
    EXPECT_EQ(game.current, 0) << "Anne still has to throw";
    EXPECT_EQ(game.answer, ' ') << "the answer is spent";
    Check();
}

// Anne's side of each deal, as the strong level judges it: the last
// light-blue street is given only for brown made whole and cash making up
// its price; two red streets are kept unless one is given; cash is paid
// down to the largest rent she could owe and no further.
TEST_F(DealTest, FoolishDealsAreJudgedOnEverySide)
{
    const struct {
        std::vector<int> anneOwns;
        std::vector<int> brunoOwns;
        Deal deal;
        unsigned acts;
    } cases[] = {
        {{0, 4}, {1, 2, 3}, Make(0, PropertyBit(4), 0, kLecourbe, 20000), 0},
        {{0, 4}, {1, 2, 3}, Make(0, PropertyBit(4), 0, kLecourbe, 19999), 1u << kGivesLastStreet},
        {{11, 12, 24}, {}, Make(0, kMontparnasse, 0, 0, 1000), 0},
        {{11, 12, 24}, {}, Make(0, PropertyBit(11), 0, 0, 1000), 1u << kBreaksTwoThirds},
        {{11, 12}, {13}, Make(0, PropertyBit(11), 0, PropertyBit(13), 0), 0},  // two of three still
        {{24}, {26}, Make(0, 0, 1000, kNord, 0), 0},
        {{24}, {26}, Make(0, 0, 1001, kNord, 0), 1u << kPaysBelowLargestRent},
    };
    for (const auto& c : cases) {
        Seat(0);
        Own(0, c.anneOwns);
        Own(1, c.brunoOwns);
        P(0).money = LargestRentAgainst(game, 0) + 1000;
        EXPECT_EQ(FoolishDeal(game, 0, c.deal), c.acts) << DealText(game, c.deal);
    }
}

TEST_F(DealTest, ARefusalOrABoardChangedMeanwhileLeavesEverythingInPlace)
{
    Seat(0);
    Own(0, {24});
    Own(1, {26});
    ASSERT_TRUE(game.ProposeDeal(Make(0, kMontparnasse, 0, kNord, 0)));
    Tick();
    game.AnswerDeal(false);
    Tick();
    EXPECT_TRUE(frame.Showed("Bruno refuse l'échange"));
    ASSERT_TRUE(game.ProposeDeal(Make(0, kMontparnasse, 0, kNord, 0)));
    Tick();
    Deed(26).owner = kBank;
    game.AnswerDeal(true);
    Tick();
    EXPECT_TRUE(frame.Showed("Échange annulé : GARE DU NORD n'est pas à Bruno"));
    EXPECT_EQ(Deed(24).owner, 0);
    EXPECT_EQ(game.pendingDeal.asker, -1);
    Check();
}

TEST_F(DealTest, ADealIsProposedOnlyOnOnesOwnTurnWithNothingUnderWay)
{
    Seat(0);
    Own(0, {24});
    Own(1, {26});
    EXPECT_FALSE(game.ProposeDeal(Make(1, kNord, 0, kMontparnasse, 0)));
    EXPECT_TRUE(frame.Showed("On ne propose un échange que pendant son tour"));
    game.inputMode = kBuildPick;
    EXPECT_FALSE(game.ProposeDeal(Make(0, kMontparnasse, 0, kNord, 0)));
    EXPECT_TRUE(frame.Showed("Finissez d'abord l'action en cours"));
    game.inputMode = kNoInput;
    EXPECT_FALSE(game.ProposeDeal(Make(0, kMontparnasse, 999999, kNord, 0)));
    EXPECT_TRUE(frame.Showed("Anne n'a pas 999.999 F"));
    game.gameOver = 1;
    EXPECT_FALSE(game.ProposeDeal(Make(0, kMontparnasse, 0, kNord, 0)));
    EXPECT_TRUE(frame.Showed("La partie est finie"));
    game.gameOver = 0;
    EXPECT_TRUE(game.ProposeDeal(Make(0, kMontparnasse, 0, kNord, 0)));
    EXPECT_FALSE(game.ProposeDeal(Make(0, kMontparnasse, 0, kNord, 0)));
    EXPECT_TRUE(frame.Showed("Un échange attend déjà sa réponse"));
    game.ApplyDeal(Make(0, kNord, 0, kMontparnasse, 0));
    EXPECT_EQ(Deed(24).owner, 0) << "a deal that cannot be done changes nothing";
}

// Anne proposes; Bruno, a computer, answers at the next step.
TEST_F(DealTest, EachLevelSaysWhyItRefuses)
{
    const struct {
        int32_t level;
        std::vector<int> anneOwns;
        std::vector<int> brunoOwns;
        int64_t brunoMoney;
        int anneHouses;  // on her last group, AV. DES CHAMPS-ELYSEES and RUE DE LA PAIX
        Deal deal;
        std::string said;
    } cases[] = {
        {kLevelNormal, {24}, {0, 26}, 150000, 0, Make(0, kMontparnasse, 0, kNord, 0),
         "Bruno refuse : il n'y complète aucun de ses groupes"},
        {kLevelNormal, {1}, {0, 24}, 150000, 0, Make(0, kLecourbe, 20999, kMontparnasse, 0),
         "Bruno refuse : il n'y gagne pas assez"},
        {kLevelNormal, {1}, {0, 24}, 150000, 0, Make(0, kLecourbe, 21000, kMontparnasse, 0),
         "Anne échange RUE LECOURBE et 21.000 F contre GARE MONTPARNASSE avec Bruno"},
        {kLevelNormal, {0}, {1, 24}, 150000, 0, Make(0, kBelleville, 21000, kMontparnasse, 0),
         "Anne échange BOUL. DE BELLEVILLE et 21.000 F contre GARE MONTPARNASSE avec Bruno"},
        {kLevelEasy, {24}, {0, 1}, 150000, 0, Make(0, 0, 30000, kLecourbe, 0),
         "Bruno refuse : il ne défait pas un groupe complet"},
        {kLevelEasy, {0}, {24}, 150000, 0, Make(0, kBelleville, 13999, kMontparnasse, 0),
         "Bruno refuse : il n'y gagne pas assez"},
        {kLevelEasy, {0}, {24}, 150000, 0, Make(0, kBelleville, 14000, kMontparnasse, 0),
         "Anne échange BOUL. DE BELLEVILLE et 14.000 F contre GARE MONTPARNASSE avec Bruno"},
        {kLevelStrong, {1, 24}, {0}, 150000, 0, Make(0, kMontparnasse, 0, kBelleville, 0),
         "Bruno refuse : il ne cède pas la dernière rue de son groupe"},
        {kLevelStrong, {4, 24}, {2, 3}, 150000, 0, Make(0, kMontparnasse, 0, PropertyBit(3), 0),
         "Bruno refuse : il ne sépare pas ses deux rues d'un groupe"},
        {kLevelStrong, {20, 21, 24}, {}, 20000, 3, Make(0, kMontparnasse, 0, 0, 15000),
         "Bruno refuse : il n'a pas de quoi payer"},
        {kLevelStrong, {22}, {26}, 150000, 0, Make(0, PropertyBit(22), 0, kNord, 0),
         "Bruno refuse : il n'y gagne pas assez"},
        {kLevelStrong, {13}, {11, 26}, 150000, 0, Make(0, PropertyBit(13), 0, kNord, 6001),
         "Bruno refuse : il n'y gagne pas assez"},  // one red street of three is no group near whole
        {kLevelStrong, {22}, {26}, 150000, 0, Make(0, PropertyBit(22), 7500, kNord, 0),
         "Anne échange COMPAGNIE D'ELECTRICITE et 7.500 F contre GARE DU NORD avec Bruno"},
    };
    for (const auto& c : cases) {
        Seat(1);
        P(1).level = c.level;
        P(1).money = c.brunoMoney;
        Own(0, c.anneOwns);
        Own(1, c.brunoOwns);
        Build({20, 21}, c.anneHouses);
        ASSERT_TRUE(game.ProposeDeal(c.deal)) << c.said;
        Tick();
        EXPECT_EQ(frame.messages.back(), c.said);
        EXPECT_EQ(game.pendingDeal.asker, -1);
        EXPECT_EQ(game.inputMode, kNoInput);
        Check();
    }
    // To « Normal » a mortgaged street is worth less by the cost of lifting it.
    Seat(1);
    P(1).level = kLevelNormal;
    Own(0, {1});
    Own(1, {0, 24});
    Mortgage({1});
    ASSERT_TRUE(game.ProposeDeal(Make(0, kLecourbe, 24299, kMontparnasse, 0)));
    Tick();
    EXPECT_EQ(frame.messages.back(), "Bruno refuse : il n'y gagne pas assez");
    ASSERT_TRUE(game.ProposeDeal(Make(0, kLecourbe, 24300, kMontparnasse, 0)));
    Tick();
    EXPECT_EQ(Deed(1).owner, 1);
}

// Bruno, strong, lacks RUE LECOURBE to complete his group; Anne holds it.
TEST_F(DealTest, AStrongComputerProposesToAPersonOnceAndPlaysItsTurnOn)
{
    Seat(1);
    P(1).level = kLevelStrong;
    Own(1, {0, 24});
    Own(0, {1});
    game.current = 1;
    P(1).square = 38;  // the luxury tax, charged again only by a landing
    Tick();
    ASSERT_EQ(game.inputMode, kDealAnswer);
    EXPECT_TRUE(frame.Entries("dice").empty()) << "no throw while the deal waits";
    EXPECT_EQ(P(1).money, kStartMoney) << "and no landing";
    P(1).square = 0;
    EXPECT_TRUE(frame.Showed("Bruno propose un échange à Anne"));
    const Deal proposed = game.pendingDeal;
    EXPECT_EQ(proposed.asker, 1);
    EXPECT_EQ(proposed.partnerGives, kLecourbe);
    EXPECT_EQ(proposed.askerGives, kMontparnasse);
    Check();
    const std::string told = DealText(game, proposed);
    game.AnswerDeal(true);
    random.QueueDice(1, 2);
    Tick();
    EXPECT_TRUE(frame.Showed(told));
    EXPECT_EQ(Deed(1).owner, 1);
    EXPECT_EQ(Deed(24).owner, 0);
    EXPECT_EQ(P(1).square, 3) << "the turn went on to its throw";
    EXPECT_EQ(game.current, 0);
    EXPECT_EQ(game.proposedDeals.size(), 1u);
    Check();

    // Given back, the street is not asked for again, even five rounds on.
    Build({0, 1}, 0);
    Own(0, {1});
    Own(1, {0, 24});
    BrunosTurnAt(5);
    EXPECT_NE(game.inputMode, kDealAnswer);
    // Another street wanted: not before five rounds from the last proposal.
    Own(0, {7});
    Own(1, {5, 6});
    BrunosTurnAt(4);
    EXPECT_NE(game.inputMode, kDealAnswer);
    BrunosTurnAt(5);
    ASSERT_EQ(game.inputMode, kDealAnswer);
    EXPECT_EQ(game.pendingDeal.partnerGives, PropertyBit(7));
    EXPECT_EQ(game.proposedDeals.size(), 2u);

    // From the first seat, the computer's turn goes on as well.
    Start({1, 0});
    P(0).level = kLevelStrong;
    Own(0, {0, 24});
    Own(1, {1});
    Tick();
    ASSERT_EQ(game.inputMode, kDealAnswer);
    game.AnswerDeal(true);
    random.QueueDice(1, 2);
    Tick();
    EXPECT_EQ(P(0).square, 3);
}

// Between two computers a strong one proposes only in the simulator's
// games that ask for it.
TEST_F(DealTest, AStrongComputerProposesToAnotherComputerOnlyWhenAskedTo)
{
    for (const int32_t computerDeals : {0, 1}) {
        Seat(1);
        P(0).computer = 1;
        P(1).level = kLevelStrong;
        Own(1, {0, 24});
        Own(0, {1});
        game.computerDeals = computerDeals;
        game.current = 1;
        random.QueueDice(1, 2);
        Tick();
        EXPECT_EQ(frame.Showed("Bruno propose un échange à Anne"), computerDeals == 1);
    }
}

TEST_F(DealTest, APendingDealAndTheProposalsMadeGoThroughASave)
{
    Seat(0);
    Own(0, {24});
    Own(1, {26});
    ASSERT_TRUE(game.ProposeDeal(Make(0, kMontparnasse, 700, kNord, 300)));
    Tick();
    game.proposedDeals.push_back(Make(1, kNord, 0, kMontparnasse, 0));
    game.proposedDeals.push_back(Make(0, kMontparnasse, 0, kNord, 0));
    game.nextDealRound[0] = 3;
    game.nextDealRound[1] = 7;
    game.AnswerDeal(true);
    Copy read;
    ASSERT_EQ(ReadInto(read), "");
    CGame& copy = read.game;
    EXPECT_EQ(copy.pendingDeal, game.pendingDeal);
    EXPECT_EQ(copy.inputMode, kDealAnswer);
    EXPECT_EQ(copy.proposedDeals, game.proposedDeals);
    EXPECT_EQ(copy.nextDealRound[0], 3);
    EXPECT_EQ(copy.nextDealRound[1], 7);
    copy.pendingDeal.partnerGives = 1u << kPropertyCount;
    EXPECT_EQ(CheckConsistency(copy, nullptr), "échange en attente sur une propriété hors du plateau");
    copy.pendingDeal.partnerGives = kNord;
    copy.Step();
    EXPECT_EQ(copy.properties[26].owner, 0);
    EXPECT_EQ(copy.players[0].money, kStartMoney - 400) << "700 F given, 300 F received";
    EXPECT_EQ(copy.players[1].money, kStartMoney + 400);
}

TEST_F(DealTest, ASaveFromBeforeDealsLoadsWithNoneProposed)
{
    Seat(0);
    game.proposedDeals.push_back(Make(1, kNord, 0, kMontparnasse, 0));
    const std::string text = WriteSave(game, GameHistory());
    std::string body;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        const std::string line = text.substr(start, end + 1 - start);
        const bool dealLine = line.find("Deal") != std::string::npos;
        if (!dealLine && line.rfind("checksum", 0) != 0)
            body += line;
        start = end + 1;
    }
    EXPECT_EQ(body.find("Deal"), std::string::npos);
    Copy read;
    CGame& copy = read.game;
    copy.proposedDeals.push_back(Make(0, 0, 1, 0, 0));
    copy.computerDeals = 1;
    ASSERT_EQ(ReadSave(body + "checksum " + SaveChecksum(body) + "\n", copy, read.history), "");
    EXPECT_TRUE(copy.proposedDeals.empty());
    EXPECT_EQ(copy.pendingDeal.asker, -1);
    EXPECT_EQ(copy.computerDeals, 0) << "computers propose only to people";
}
