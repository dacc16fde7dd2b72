#include <numeric>
#include <utility>
#include <vector>

#include "game_fixture.h"

// Three players; the second owns the brown group, built 2 and 1; both
// decks lie in the order of their cards.
class ConsistencyTest : public GameTest {
protected:
    void SetUp() override
    {
        Start({0, 0, 0});
        P(2).level = kLevelNormal;  // a new game keeps each seat's level
        Own(1, {0, 1});
        Build({0}, 2);
        Build({1}, 1);
        game.tradeWanted = -1;
        game.tradeOffered = -1;
        std::iota(std::begin(game.chestOrder), std::end(game.chestOrder), 0);
        std::iota(std::begin(game.chanceOrder), std::end(game.chanceOrder), 0);
    }
};

// Each bound of each rule, at the bound and one past it: the fields set,
// then what the check says ("" while every rule holds).
const std::string kSaleNotTheirs = "hypothèque en attente sur la propriété 0, qui n'est pas au joueur";
const std::string kSwapWithout = "échange en attente de réponse sans ses deux propriétés";

TEST_F(ConsistencyTest, EachRuleHoldsAtItsBoundAndNamesItselfOnePast)
{
    using Edits = std::vector<std::pair<int32_t*, int32_t>>;
    const struct { Edits edits; std::string broken; } cases[] = {
        {{{&game.playerCount, 2}}, ""}, {{{&game.playerCount, 1}}, "nombre de joueurs 1 impossible"},
        {{{&game.playerCount, 6}}, ""}, {{{&game.playerCount, 7}}, "nombre de joueurs 7 impossible"},
        {{{&game.current, 2}}, ""}, {{{&game.current, 3}}, "joueur courant 3 impossible"},
        {{{&game.current, -1}}, "joueur courant -1 impossible"},
        {{{&game.inputMode, -1}}, "attente -1 impossible"}, {{{&game.inputMode, kLiftPick}}, ""},
        {{{&game.inputMode, kPricedOffer}}, "échange en cours sur la propriété -1, qui n'appartient à personne"},
        {{{&game.inputMode, kDealAnswer}}, "réponse attendue à un échange qui n'existe pas"},
        {{{&game.inputMode, kDealAnswer + 1}}, "attente 10 impossible"},
        {{{&game.parkingPot, -1}}, "cagnotte du parc -1 négative"}, {{{&P(2).square, 39}}, ""},
        {{{&P(2).square, 40}}, "le joueur 2 sur la case 40"}, {{{&P(2).square, -1}}, "le joueur 2 sur la case -1"},
        {{{&P(2).square, 10}, {&P(2).jail, 3}}, ""},
        {{{&P(2).square, 10}, {&P(2).jail, 4}}, "le joueur 2 compte 4 tours de prison"},
        {{{&P(2).jail, -1}}, "le joueur 2 compte -1 tours de prison"},
        {{{&P(2).square, 11}, {&P(2).jail, 1}}, "le joueur 2 en prison sur la case 11"},
        {{{&P(2).square, 9}, {&P(2).jail, 1}}, "le joueur 2 en prison sur la case 9"}, {{{&P(2).seat, 5}}, ""},
        {{{&P(2).seat, 6}}, "le joueur 2 à la place 6, impossible ou déjà prise"},
        {{{&P(2).seat, -1}}, "le joueur 2 à la place -1, impossible ou déjà prise"},
        {{{&P(2).seat, 1}}, "le joueur 2 à la place 1, impossible ou déjà prise"},
        {{{&P(2).level, kLevelCount - 1}}, ""}, {{{&P(2).level, kLevelCount}}, "le joueur 2 au niveau 3"},
        {{{&P(2).level, -1}}, "le joueur 2 au niveau -1"}, {{{&Deed(24).owner, 2}}, ""},
        {{{&Deed(24).owner, 3}}, "la propriété 24 appartient à 3"},
        {{{&Deed(24).owner, -2}}, "la propriété 24 appartient à -2"}, {{{&Deed(24).mortgaged, 1}}, ""},
        {{{&Deed(24).mortgaged, 2}}, "la propriété 24 hypothéquée à 2"},
        {{{&Deed(24).mortgaged, -1}}, "la propriété 24 hypothéquée à -1"},
        {{{&Deed(0).houses, 5}, {&Deed(1).houses, 4}}, ""},
        {{{&Deed(0).houses, 6}, {&Deed(1).houses, 5}}, "la propriété 0 porte 6 bâtiments"},
        {{{&Deed(1).houses, -1}}, "la propriété 1 porte -1 bâtiments"},
        {{{&Deed(0).houses, 3}}, "le groupe de la propriété 0 bâti inégalement (1 à 3)"},
        {{{&Deed(2).houses, 1}}, "la propriété 2 bâtie hors d'un groupe complet"},
        {{{&Deed(1).owner, 2}}, "la propriété 0 bâtie hors d'un groupe complet"},
        {{{&Deed(24).owner, 1}, {&Deed(24).houses, 1}}, "la propriété 24 bâtie hors d'un groupe complet"},
        {{{&Deed(22).owner, 1}, {&Deed(23).owner, 1}, {&Deed(22).houses, 1}},
         "la propriété 22 bâtie hors d'un groupe complet"},
        {{{&Deed(0).mortgaged, 1}}, "la propriété 0 hypothéquée avec des bâtiments"},
        {{{&Deed(0).houses, 1}, {&Deed(1).houses, 0}, {&Deed(1).mortgaged, 1}},
         "le groupe de la propriété 0 bâti avec une rue hypothéquée"},
        {{{&Deed(5).mortgaged, 1}}, ""}, {{{&game.jailCardHolder[0], 2}}, ""},
        {{{&game.jailCardHolder[0], 3}}, "carte de prison tenue par 3"},
        {{{&game.jailCardHolder[1], -2}}, "carte de prison tenue par -2"},
        {{{&game.chestOrder[1], 0}}, "l'ordre des cartes caisse n'est pas une permutation à 1"},
        {{{&game.chestOrder[14], 15}}, "l'ordre des cartes caisse n'est pas une permutation à 14"},
        {{{&game.chestOrder[0], -1}}, "l'ordre des cartes caisse n'est pas une permutation à 0"},
        {{{&game.chanceOrder[0], 15}, {&game.chanceOrder[15], 0}}, ""},
        {{{&game.chanceOrder[15], 16}}, "l'ordre des cartes chance n'est pas une permutation à 15"},
        {{{&game.chestNext, 14}}, ""}, {{{&game.chestNext, 15}}, "prochaine carte caisse 15 impossible"},
        {{{&game.chanceNext, 15}}, ""}, {{{&game.chanceNext, 16}}, "prochaine carte chance 16 impossible"},
        {{{&game.chanceNext, -1}}, "prochaine carte chance -1 impossible"},
        {{{&game.tradeWanted, -1}, {&game.inputMode, kTradeWantedPick}}, ""},
        {{{&game.tradeWanted, 0}, {&game.inputMode, kTradeOfferedPick}}, ""},
        {{{&game.tradeWanted, -1}, {&game.inputMode, kTradeOfferedPick}},
         "échange en cours sur la propriété -1, qui n'appartient à personne"},
        {{{&game.tradeWanted, 24}, {&game.inputMode, kTradeOfferedPick}},
         "échange en cours sur la propriété 24, qui n'appartient à personne"},
        {{{&game.tradeWanted, 27}, {&Deed(27).owner, 2}, {&game.inputMode, kTradeOfferedPick}}, ""},
        {{{&game.tradeWanted, 28}, {&game.inputMode, kTradeOfferedPick}},
         "échange en cours sur la propriété 28, qui n'appartient à personne"},
        {{{&game.tradeWanted, 0}, {&game.tradeOffered, 0}, {&game.inputMode, kPricedOffer}}, ""},
        {{{&game.tradeWanted, 0}, {&game.tradeOffered, 27}, {&game.inputMode, kPricedOffer}}, ""},
        {{{&game.tradeWanted, 0}, {&game.tradeOffered, -1}, {&game.inputMode, kPricedOffer}},
         "offre chiffrée sur la propriété -1"},
        {{{&game.tradeWanted, 0}, {&game.tradeOffered, 28}, {&game.inputMode, kPricedOffer}},
         "offre chiffrée sur la propriété 28"},
        // A mortgage waiting for its confirmation is the asker's, during its question.
        {{{&game.pendingSale, 0}, {&game.inputMode, kYesNo}, {&game.current, 1}}, ""},
        {{{&game.pendingSale, 0}, {&game.inputMode, kYesNo}}, kSaleNotTheirs},
        {{{&game.pendingSale, 0}, {&game.current, 1}}, kSaleNotTheirs},
        {{{&game.pendingSale, 27}, {&Deed(27).owner, 1}, {&game.inputMode, kYesNo}, {&game.current, 1}}, ""},
        {{{&game.pendingSale, 28}, {&game.inputMode, kYesNo}, {&game.current, 1}},
         "hypothèque en attente sur la propriété 28, qui n'est pas au joueur"},
        // An exchange waiting for the asker's yes names both properties.
        {{{&game.pendingSwap, 1}, {&game.inputMode, kYesNo}, {&game.tradeWanted, 0}, {&game.tradeOffered, 5},
          {&Deed(5).owner, 0}},
         ""},
        {{{&game.pendingSwap, 1}, {&game.tradeWanted, 0}, {&game.tradeOffered, 5}, {&Deed(5).owner, 0}},
         kSwapWithout},
        {{{&game.pendingSwap, 1}, {&game.inputMode, kYesNo}, {&game.tradeWanted, 0}, {&game.tradeOffered, 5}},
         kSwapWithout},
        {{{&game.pendingSwap, 1}, {&game.inputMode, kYesNo}, {&game.tradeWanted, 0}, {&game.tradeOffered, 28}},
         kSwapWithout},
        // A game on a limit is over once its rounds are played.
        {{{&game.turnLimit, 1}, {&game.roundsPlayed, 0}}, ""},
        {{{&game.turnLimit, 1}, {&game.roundsPlayed, 1}}, "tour 1 au-delà de la limite de 1"},
        // A pending deal is between two players of the game, for no negative
        // cash; a person's answer to it is what the step waits for.
        {{{&game.pendingDeal.asker, 0}, {&game.pendingDeal.partner, 2}, {&game.inputMode, kDealAnswer}}, ""},
        {{{&game.pendingDeal.asker, 2}, {&game.pendingDeal.partner, 3}},
         "échange en attente entre les joueurs 2 et 3 impossible"},
        {{{&game.pendingDeal.asker, 3}, {&game.pendingDeal.partner, 0}},
         "échange en attente entre les joueurs 3 et 0 impossible"},
        {{{&game.pendingDeal.asker, 1}, {&game.pendingDeal.partner, 1}},
         "échange en attente entre les joueurs 1 et 1 impossible"},
        {{{&game.pendingDeal.asker, 0}, {&game.pendingDeal.partner, 1}, {&game.pendingDeal.askerCash, 0}}, ""},
        {{{&game.pendingDeal.asker, 0}, {&game.pendingDeal.partner, 1}, {&game.pendingDeal.partnerCash, -1}},
         "échange en attente avec une somme négative (0 F, -1 F)"},
        {{{&game.pendingDeal.asker, 0}, {&game.pendingDeal.partner, 1}, {&game.inputMode, kBuildPick}},
         "échange en attente pendant l'attente 3"},
        {{{&game.pendingDeal.asker, 0}, {&game.pendingDeal.partner, 1}, {&game.inputMode, kDealAnswer},
          {&P(1).computer, 1}},
         "réponse d'une personne attendue d'un ordinateur"},
    };
    for (const auto& c : cases) {
        SetUp();
        for (const auto& [field, value] : c.edits)
            *field = value;
        EXPECT_EQ(CheckConsistency(game, nullptr), c.broken);
    }
    SetUp();
    P(2).money = 0;
    EXPECT_EQ(CheckConsistency(game, nullptr), "");
    P(2).money = -1;
    EXPECT_EQ(CheckConsistency(game, nullptr), "le joueur 2 a -1F");
}

// The board is only compared when given, square by square.
TEST_F(ConsistencyTest, TheBoardShowsEverySquaresBuildings)
{
    Check();
    frame.buildings[1] = 4;
    EXPECT_EQ(CheckConsistency(game, nullptr), "");
    EXPECT_EQ(CheckConsistency(game, frame.buildings), "la case 1 montre 4 bâtiments, et non 2");
    frame.buildings[1] = 2;
    frame.buildings[0] = 1;
    EXPECT_EQ(CheckConsistency(game, frame.buildings), "la case 0 montre 1 bâtiments, et non 0");
    frame.buildings[0] = 0;
    frame.buildings[39] = 1;
    EXPECT_EQ(CheckConsistency(game, frame.buildings), "la case 39 montre 1 bâtiments, et non 0");
}
