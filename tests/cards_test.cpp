#include <utility>

#include "game_fixture.h"

namespace {

// The lines of a card are split at '|': an empty line stands for a frame
// drawn between two lines of a card. Then the pawn's walk, if any, and a
// message the landing chain shows after the card.
struct CardCase {
    bool chance; int card, from; std::string lines; int32_t gain; int square; std::string move, then;
};

const std::string kPrison = "Allez en prison||Avancez tout droit en prison||"
                            "Ne passez pas par la case Depart||Ne recevez pas 20.000F";
const std::string kKeep = "Vous etes libere de prison||Cette carte peut etre conservee||"
                          "jusqu'a ce qu'elle soit utilisee ou vendue";
const std::string kPass = "||Si vous passez par la case Depart recevez 20.000F";
std::string Pot(const char* sum) { return std::string("Player 1 paye ") + sum + " pour le Parc Gratuit"; }

const CardCase kCases[] = {
    {false, 0, 2, "La vente de votre stock vous rapporte 5.000F", 5000, 2, "", ""},
    {false, 1, 2, "Recevez votre interet sur l'emprunt a 7% : 2.500F", 2500, 2, "", ""},
    {false, 2, 2, "Payez a l'Hopital 10.000F", -10000, 2, "", Pot("10.000F")},
    {false, 3, 17, "Recevez votre revenu annuel 10.000F", 10000, 17, "", ""},
    {false, 4, 33, "Placez vous sur la case Depart", 20000, 0, "0:0:1.0", ""},
    {false, 5, 2, "Erreur de la Banque en votre faveur.||Recevez 20.000F", 20000, 2, "", ""},
    {false, 6, 2, "Payez la note du Medecin : 5.000F", -5000, 2, "", ""},
    {false, 7, 17, kPrison, 0, 10, "0:10:1.0", ""},
    {false, 8, 2, "Payez votre Police d'Assurance s'elevant a 5.000F", -5000, 2, "", ""},
    {false, 9, 2, "Les Contributions||vous remboursent la some de 2.000F", 2000, 2, "", ""},
    {false, 10, 2, "C'est votre anniversaire : ||Chaque joueur doit vous donner 1.000F", 1000, 2, "", ""},
    {false, 11, 2, kKeep, 0, 2, "", ""},
    {false, 12, 2, "Vous heritez 10.000F", 10000, 2, "", ""},
    {false, 13, 2, "Vous avez gagne le 2eme Prix de Beautee|Recevez 1.000F", 1000, 2, "", ""},
    {false, 14, 17, "Retournez a Belleville", 0, 1, "0:1:1.0", "Acheter BOUL. DE BELLEVILLE pour 6000F ?"},
    {true, 0, 22, "Avancez jusqu'a la case Depart", 20000, 0, "0:0:2.0", ""},
    {true, 1, 36, "Rendez-vous a l'Avenue Henri-Martin." + kPass, 20000, 24, "0:24:2.0",
     "Acheter AV. HENRI-MARTIN pour 24000F ?"},
    {true, 1, 22, "Rendez-vous a l'Avenue Henri-Martin." + kPass, 0, 24, "0:24:2.0", ""},
    {true, 2, 7, "La Banque vous verse un dividende de 5.000F", 5000, 7, "", ""},
    {true, 3, 22, "Avancez au Boulevard de la Villette" + kPass, 20000, 11, "0:11:1.0",
     "Acheter BOUL. DE LA VILLETTE pour 14000F ?"},
    {true, 3, 7, "Avancez au Boulevard de la Villette" + kPass, 0, 11, "0:11:1.0", ""},
    {true, 4, 7, "Votre immeuble et votre pret rapportent||Vous devez toucher 15.000F", 15000, 7, "", ""},
    {true, 5, 22, "Reculez de 3 cases", 0, 19, "0:19:1.5", "Acheter PLACE PIGALLE pour 20000F ?"},
    {true, 5, 7, "Reculez de 3 cases", -20000, 4, "0:4:1.5", Pot("20000F") + "."},
    {true, 5, 36, "Reculez de 3 cases", 5000, 33, "0:33:1.5", "La vente de votre stock vous rapporte 5.000F"},
    {true, 6, 7, "Faites des reparations dans toutes vos maisons||Versez pour chaque maison 2.500F"
     "||Versez pour chaque hotel 10.000F", 0, 7, "", ""},
    {true, 7, 36, "Allez a la Gare de Lyon" + kPass, 20000, 15, "0:15:1.0", ""},
    {true, 7, 7, "Allez a la Gare de Lyon" + kPass, 0, 15, "0:15:1.0", ""},
    {true, 8, 7, "Vous avez gagne le prix de mots croises.||Recevez 10.000F", 10000, 7, "", ""},
    {true, 9, 7, kKeep, 0, 7, "", ""},
    {true, 10, 7, "Amende pour ivresse : 2.000F|", -2000, 7, "", Pot("2.000")},
    {true, 11, 7, "Amende pour exces de vitesse : 1.500F|", -1500, 7, "", Pot("1.500")},
    {true, 12, 7, "Payez pour frais de scolarite 15.000F|", -15000, 7, "", Pot("15.000")},
    {true, 13, 36, "Rendez vous a la Rue de la Paix", 0, 39, "0:39:1.0",
     "Acheter RUE DE LA PAIX pour 40000F ?"},
    {true, 14, 22, kPrison, 0, 10, "0:10:1.0", ""},
    {true, 15, 7, "Vous etes impose pour les reparation||a raison de 4.000F par maison||"
     "et 11.500F par hotel", 0, 7, "", ""},
};

// Puts a card at a position of its deck, keeping the order a permutation.
void PlaceCard(int32_t* order, int size, int card, int position)
{
    for (int k = 0; k < size; ++k)
        if (order[k] == card)
            std::swap(order[k], order[position]);
}

}  // namespace

class CardTest : public GameTest {
protected:
    void SetUp() override { Start({0, 0}); }

    void Chest(int card, int position) { PlaceCard(game.chestOrder, kChestCards, card, position); }
    void Chance(int card, int position) { PlaceCard(game.chanceOrder, kChanceCards, card, position); }
};

// Drawn during a double, which only the prison cards end.
TEST_F(CardTest, EveryCardShowsItsLinesAndDoesWhatItSays)
{
    for (const CardCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << (c.chance ? "chance " : "chest ") << c.card << " from " << c.from);
        Start({0, 0});
        Chance(c.chance ? c.card : 0, 3);
        Chest(c.chance ? 0 : c.card, 3);
        game.chanceNext = 3;
        game.chestNext = 3;
        game.doublesCount = 1;
        LandOn(c.from);

        Lines lines(1);
        for (char ch : c.lines) {
            if (ch == '|')
                lines.push_back("");
            else
                lines.back().push_back(ch);
        }
        Lines shown;  // the messages and redraws from the first shown line on
        for (const std::string& entry : frame.log)
            if (entry == "redraw" && !shown.empty())
                shown.push_back("");
            else if (entry.compare(0, 4, "msg:") == 0)
                shown.push_back(entry.substr(4));
        EXPECT_EQ(Lines(shown.begin(), shown.begin() + std::min(shown.size(), lines.size())), lines);
        EXPECT_TRUE(c.then.empty() || frame.Showed(c.then)) << c.then;
        EXPECT_EQ(P(0).money, kStartMoney + c.gain);
        EXPECT_EQ(P(0).square, c.square);
        const bool jailed = c.lines == kPrison;
        EXPECT_EQ(P(0).jail, jailed ? 1 : 0);
        EXPECT_EQ(game.doublesCount, jailed ? 0 : 1) << "only prison ends a double";
        // Only what the card says goes to the pot; the rest is the bank's.
        EXPECT_EQ(game.parkingPot, c.then.find("Parc Gratuit") != std::string::npos ? -c.gain : 0);
        EXPECT_EQ(game.jailCardHolder[c.chance], c.lines == kKeep ? 0 : -1);
        EXPECT_EQ(frame.Entries("move"), c.move.empty() ? Lines{} : Lines{c.move});
        // A chance card's walk onto a property shows its deed.
        const Lines pictures = frame.Entries("picture");
        EXPECT_EQ(std::count(pictures.begin(), pictures.end(), std::to_string(c.square)),
                  c.chance && !c.move.empty() && squareToProperty[c.square] >= 0);
        EXPECT_EQ(c.chance ? game.chanceNext : game.chestNext, 4);
        Check();
    }
}

TEST_F(CardTest, AKeptPrisonCardIsSkippedAndRepairsAndBirthdaysChargeEveryone)
{
    const struct { int32_t *order, *next; int size, prisonCard, holderSlot, square; } decks[] = {
        {game.chestOrder, &game.chestNext, kChestCards, 11, 0, 33},
        {game.chanceOrder, &game.chanceNext, kChanceCards, 9, 1, 36},
    };
    for (const auto& d : decks) {
        PlaceCard(d.order, d.size, d.prisonCard, d.size - 1);
        *d.next = d.size - 1;
        game.jailCardHolder[d.holderSlot] = 1;
        frame.Clear();
        LandOn(d.square);
        EXPECT_FALSE(frame.Showed("Vous etes libere de prison"));
        EXPECT_EQ(*d.next, 1) << "the last position was skipped, position 0 drawn";
        EXPECT_EQ(game.jailCardHolder[d.holderSlot], 1);

        game.jailCardHolder[d.holderSlot] = -1;
        *d.next = d.size - 1;
        P(0).square = 0;
        LandOn(d.square);
        EXPECT_TRUE(frame.Showed("Vous etes libere de prison"));
        EXPECT_EQ(*d.next, 0);
        EXPECT_EQ(game.jailCardHolder[d.holderSlot], 0);
    }

    // The first street's 4000 F sells both houses (2 x 2500); the second
    // street has none left to pay for.
    Start({0, 0});
    Own(0, {0, 1});
    Build({0, 1}, 1);
    P(0).money = 0;
    Chance(15, 0);
    LandOn(7);
    EXPECT_TRUE(frame.Showed("Maison retirée de BOUL. DE BELLEVILLE."));
    EXPECT_TRUE(frame.Showed("Maison retirée de RUE LECOURBE."));
    EXPECT_EQ(P(0).money, 1000);
    EXPECT_EQ(frame.Entries("build"), (Lines{"1:0", "3:0"}));
    Check();

    // Every other player pays the birthday exactly once, also those the
    // bankruptcy of one of them moved.
    for (int drawer = 0; drawer < 4; ++drawer) {
        SCOPED_TRACE("drawer " + std::to_string(drawer));
        Start({0, 0, 0, 0});
        Chest(10, 0);
        game.current = drawer;
        game.doublesCount = 1;  // the drawer threw a double, which another's bankruptcy keeps
        P(drawer == 1 ? 2 : 1).money = 300;
        LandOn(2);
        EXPECT_STREQ(P(game.current).name, ("Player " + std::to_string(drawer + 1)).c_str());
        EXPECT_EQ(game.playerCount, 3);
        EXPECT_EQ(game.doublesCount, 1);
        for (int i = 0; i < game.playerCount; ++i)
            EXPECT_EQ(P(i).money, i == game.current ? 150000 + 2000 + 300 : 149000) << i;
        Check();
    }
    // The seat freed by an earlier bankruptcy still holds a copy of the last
    // player, who pays once all the same.
    Start({0, 0, 0, 0});
    Chest(10, 0);
    game.PayFrom(1, 200000, kBank);
    LandOn(2);
    EXPECT_EQ(P(0).money, 152000);
    EXPECT_EQ(P(2).money, 149000);
    Start({0, 0});
    Chest(10, 0);
    P(1).money = 300;
    LandOn(2);
    EXPECT_TRUE(frame.Showed("Player 1 a gagne!!!"));
    EXPECT_EQ(game.gameOver, 1);

    // The drawer goes bankrupt on the card: the landing ends there, and the
    // player before it, whom the turn goes back to, is not charged for the
    // square it stands on.
    Start({0, 0, 0});
    Chance(10, 0);  // a fine of 2000 F
    game.current = 1;
    P(1).money = 1000;
    P(0).square = 4;  // IMPOTS SUR LE REVENU
    LandOn(7);
    EXPECT_STREQ(P(1).name, "Player 3");
    EXPECT_EQ(game.playerCount, 2);
    EXPECT_EQ(P(0).money, 150000);
    EXPECT_EQ(game.parkingPot, 0);
}

// Each house or hotel of the drawer's is charged, never another player's
// (whose hotels stand on the dearest group).
TEST_F(CardTest, RepairsChargeEachHouseAndHotelOfTheDrawerOnly)
{
    const struct { int card, houses; int32_t charge; } cases[] = {
        {6, 0, 0},  {6, 1, 5000},  {6, 2, 10000},  {6, 3, 15000},  {6, 4, 20000},  {6, 5, 20000},
        {15, 0, 0}, {15, 1, 8000}, {15, 2, 16000}, {15, 3, 24000}, {15, 4, 32000}, {15, 5, 23000},
    };
    for (const auto& c : cases) {
        Start({0, 0});
        Own(0, {0, 1, 24});
        Build({0, 1}, c.houses);
        Own(1, {20, 21});
        Build({20, 21}, 5);
        Chance(c.card, 0);
        LandOn(7);
        EXPECT_EQ(P(0).money, kStartMoney - c.charge) << "card " << c.card << ", " << c.houses << " buildings";
        EXPECT_EQ(P(1).money, kStartMoney);
        EXPECT_EQ(game.parkingPot, 0) << "repairs go to the bank only";
        Check();
    }
}
