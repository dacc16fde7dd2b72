#include "save_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "game_fixture.h"

namespace {

// Computer players stepped as the window steps them, with the seats of the
// ruined kept as the window keeps them.
class CSeatedFrame : public CNullFrame {
public:
    const CGame* game = nullptr;
    GameHistory history;
    int turnsPassed = 0;
    void RemovePawn(int pawn, int) override { history.fallenSeats.push_back(game->players[pawn].seat); }
    void RegardePion(int) override { ++turnsPassed; }
};

struct SeededTable {
    CSeatedFrame frame;
    CSeededRandom random;
    CGame game{frame, random};

    explicit SeededTable(uint64_t seed) : random(seed) { frame.game = &game; }

    void Seat(int players, int steps)
    {
        game.playerCount = players;
        // A name that must be escaped: the escape mark itself.
        std::snprintf(game.players[0].name, kNameSize, "Cent%%");
        for (int i = 0; i < kPlayerSlots; ++i) {
            game.players[i].computer = i < players;
            game.setupPlayers[i] = game.players[i];
        }
        game.NewGame();
        Play(steps);
    }
    void Play(int steps)
    {
        for (int i = 0; i < steps && !game.gameOver; ++i)
            game.Step();
    }
    std::string Load(const std::string& text) { return ReadSave(text, game, frame.history); }
    std::string Save() const { return WriteSave(game, frame.history); }
};

bool SamePlayer(const Player& a, const Player& b)
{
    return std::strcmp(a.name, b.name) == 0 && a.square == b.square && a.money == b.money &&
           a.color == b.color && a.seat == b.seat && a.jail == b.jail && a.computer == b.computer;
}

// Field by field, apart from the writer, so that a field it leaves out shows.
void ExpectSameState(const SeededTable& x, const SeededTable& y)
{
    const CGame& a = x.game;
    const CGame& b = y.game;
    EXPECT_EQ(x.frame.history.fallenSeats, y.frame.history.fallenSeats);
    const auto fields = [](const CGame& g) {
        return std::vector<int32_t>{g.showSquare, g.moveSteps, g.doublesCount, g.parkingPot,
                                    g.gameOver, g.action, g.chestNext, g.chanceNext, g.rollState,
                                    g.die1, g.die2, g.current, g.playerCount, g.inputMode,
                                    g.answer, g.playerEliminated, g.tradeWanted, g.tradeOffered,
                                    g.tradePrice};
    };
    EXPECT_EQ(fields(a), fields(b));
    EXPECT_STREQ(a.message, b.message);
    EXPECT_EQ(0, std::memcmp(a.chestOrder, b.chestOrder, sizeof a.chestOrder));
    EXPECT_EQ(0, std::memcmp(a.chanceOrder, b.chanceOrder, sizeof a.chanceOrder));
    EXPECT_EQ(0, std::memcmp(a.jailCardHolder, b.jailCardHolder, sizeof a.jailCardHolder));
    for (int i = 0; i < kPlayerSlots; ++i) {
        EXPECT_TRUE(SamePlayer(a.players[i], b.players[i])) << "player " << i;
        EXPECT_TRUE(SamePlayer(a.setupPlayers[i], b.setupPlayers[i])) << "setup " << i;
    }
    EXPECT_EQ(0, std::memcmp(a.properties, b.properties, sizeof a.properties));
    EXPECT_EQ(a.worthHistory.Entries(), b.worthHistory.Entries());
    EXPECT_EQ(a.worthHistory.Turns(), b.worthHistory.Turns());
    for (int seat = 0; seat < kPlayerSlots; ++seat)
        EXPECT_EQ(a.worthHistory.Line(seat), b.worthHistory.Line(seat)) << "worth of seat " << seat;
}

// The chart at the end of a game draws one line per seat: every seat from the
// start, the winner's to the end, each bankrupt's ending at 0 the turn it
// fell, all but the last to fall before the end.
void ExpectWorthChart(const CGame& game, int players, int turnsPassed)
{
    const CWorthHistory& history = game.worthHistory;
    const size_t entries = static_cast<size_t>(history.Entries());
    EXPECT_EQ(history.Turns(), 1 + turnsPassed) << "every turn passed on, and the end";
    EXPECT_LE(history.Entries(), CWorthHistory::kMostEntries);
    const int winner = game.players[game.current].seat;
    int ended = 0;
    for (int seat = 0; seat < kPlayerSlots; ++seat) {
        const std::vector<int64_t> line = history.Line(seat);
        ASSERT_EQ(line.empty(), seat >= players) << "seat " << seat;
        if (line.empty())
            continue;
        EXPECT_EQ(line.front(), kStartMoney) << "seat " << seat;
        if (seat == winner) {
            EXPECT_EQ(line.size(), entries);
            EXPECT_EQ(line.back(), game.players[game.current].money + EstateValue(game, game.current));
        } else {
            EXPECT_EQ(line.back(), 0) << "seat " << seat;
            ended += line.size() < entries;
        }
    }
    EXPECT_EQ(ended, players - 2);
    EXPECT_GE(history.Highest(), kStartMoney);
}

// Replaces one field's line and signs the text again, as an editor who knew
// the checksum would.
std::string WithLine(const std::string& text, const std::string& key, const std::string& line)
{
    size_t at = text.find("\n" + key + " ");
    at = (at != std::string::npos ? at : text.find("\n" + key + "\n")) + 1;
    const size_t end = text.find('\n', at);
    std::string body = text.substr(0, at) + line + text.substr(end);
    body.erase(body.rfind("checksum "));
    return body + "checksum " + SaveChecksum(body) + "\n";
}

}  // namespace

// Saved at any step of any game, a game reads back equal and then plays on
// exactly as the original does from the same dice, to the end of its chart.
TEST(SaveFile, RoundTripsAtRandomStepsAndPlaysOnTheSame)
{
    std::mt19937 pick(2026);
    int games = 0;
    int ended = 0;
    int resumedWithFallen = 0;
    for (int players = kMinPlayers; players <= kMaxPlayers; ++players) {
        for (uint64_t seed = 1; seed <= 50; ++seed) {
            ++games;
            SCOPED_TRACE(std::to_string(players) + " players, seed " + std::to_string(seed));
            SeededTable original(seed * 7919 + players);
            original.Seat(players, std::uniform_int_distribution<int>(0, 600)(pick));
            const std::string text = original.Save();

            SeededTable copy(0);
            copy.frame.history.fallenSeats = {5};  // what the reader held before
            ASSERT_EQ(copy.Load(text), "");
            ExpectSameState(original, copy);
            resumedWithFallen += !original.frame.history.fallenSeats.empty();

            original.random = CSeededRandom(seed);
            copy.random = CSeededRandom(seed);
            original.Play(3000);
            copy.Play(3000);
            ExpectSameState(original, copy);
            ended += original.game.gameOver;
            if (original.game.gameOver)
                ExpectWorthChart(original.game, players, original.frame.turnsPassed);
        }
    }
    EXPECT_GT(resumedWithFallen, games / 10) << "some saves come after a bankruptcy";
    EXPECT_GT(ended, games / 2) << "most continued games run to their end";
}

// A human who refused the prison card is asked only the fine once resumed.
TEST_F(GameTest, ARefusedPrisonCardStaysRefusedOnceResumed)
{
    Start({0, 0});
    P(0).square = kPrisonSquare;
    P(0).jail = 1;
    game.jailCardHolder[0] = 0;
    ClickDie();
    ASSERT_TRUE(frame.Showed("Voulez-vous utiliser la carte Sortie de Prison?"));
    Tick('n');
    ASSERT_EQ(game.inputMode, kYesNo);
    EXPECT_EQ(Resumed().messages, (Lines{"En Prison", "Voulez-vous sortir de prison pour 5000F ?"}));
}

// A damage done to a good save: a change of the whole text, or lines put in
// place of others, each "key=line" or a line that starts with its key.
struct Refusal {
    const char* what;
    std::function<std::string(const std::string&)> damage;
    std::vector<std::string> lines;
    std::string reason;  // the refusal, or "" when the damage is read
};

// The number of the line of `key` in a save, from 1.
std::string LineOf(const std::string& text, const std::string& key)
{
    size_t at = text.find("\n" + key + " ");
    if (at == std::string::npos)
        at = text.find("\n" + key + "\n");  // an empty list
    if (at == std::string::npos)
        return "?";
    return std::to_string(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at) + 1, '\n') + 1);
}

class SaveRefusal : public ::testing::TestWithParam<Refusal> {};

// Every way a file can be wrong is refused with its reason, never read.
TEST_P(SaveRefusal, NamesTheReason)
{
    SeededTable table(5);
    SeededTable reader(0);
    table.Seat(3, 40);
    std::string text = table.Save();
    ASSERT_EQ(reader.Load(text), "") << "the undamaged file reads";
    // "@key" in a refusal stands for the number of that key's line, which a
    // line put in before it takes.
    std::string reason = GetParam().reason;
    const size_t at = reason.find('@');
    if (at != std::string::npos) {
        const size_t end = reason.find(' ', at);
        reason.replace(at, end - at, LineOf(text, reason.substr(at + 1, end - at - 1)));
    }
    if (GetParam().damage)
        text = GetParam().damage(text);
    for (const std::string& line : GetParam().lines) {
        const size_t equals = line.find('=');
        const std::string key = line.substr(0, std::min(equals, line.find_first_of(" \n")));
        const std::string value = equals == std::string::npos ? line : line.substr(equals + 1);
        text = WithLine(text, key, value);
    }
    EXPECT_EQ(reader.Load(text), reason);
}

std::string FlipBit(std::string text, size_t at)
{
    text[at] ^= 0x01;
    return text;
}

const std::string kBadMessage = "ligne @message : texte de message illisible";
const std::string kBadChecksum = "somme de contrôle fausse : le fichier a été abîmé ou modifié";
const std::string kBrokenRule = "la partie enfreint une règle du jeu (";

const Refusal kRefusals[] = {
    {"cut at a line's end", [](auto t) { return t.substr(0, t.rfind('\n', t.size() / 2) + 1); }, {},
     "fichier tronqué : la ligne de somme de contrôle manque à la fin"},
    {"one bit flipped", [](auto t) { return FlipBit(t, t.find("player.1.money ") + 16); }, {},
     kBadChecksum},
    {"flipped checksum digit", [](auto t) { return FlipBit(t, t.size() - 2); }, {}, kBadChecksum},
    {"newer version", [](auto t) { return "bourgade3d-sauvegarde 3" + t.substr(t.find('\n')); }, {},
     "version « 3 » inconnue : ce programme lit la version 2"},
    {"houses on a mortgaged street", {}, {"property.0.owner 0", "property.1.owner 0", "property.0.houses 1",
                                          "property.1.houses 1", "property.0.mortgaged 1"},
     kBrokenRule + "la propriété 0 hypothéquée avec des bâtiments)"},
    {"empty", [](auto) { return std::string(); }, {}, "fichier vide"},
    {"worth turns beyond the entries", {}, {"worthTurns 9999"}, "l'historique des fortunes ne suit pas ses tours"},
    {"worth stride not a power of two", {}, {"worthStride 3"}, "l'historique des fortunes ne suit pas ses tours"},
    {"cut mid-line", [](auto t) { return t.substr(0, t.size() / 2); }, {},
     "fichier tronqué : la dernière ligne est coupée"},
    {"another format", [](auto) { return std::string("GIF89a\n"); }, {},
     "ce n'est pas une sauvegarde de Bourgade3D"},
    {"owner not playing", {}, {"property.5.owner 4"}, kBrokenRule + "la propriété 5 appartient à 4)"},
    {"a die not a number", {}, {"die1 7e0"}, "ligne @die1 : die1 n'est pas un nombre entier"},
    {"money past 64 bits", {}, {"player.0.money 99999999999999999999"},
     "ligne @player.0.money : player.0.money n'est pas un nombre entier"},
    {"blank answer", {}, {"answer  "}, "ligne @answer : réponse «   » inconnue"},
    {"broken escape", {}, {"player.0.name A%zz"}, "ligne @player.0.name : texte de player.0.name illisible"},
    {"worth below zero", {}, {"worth.0 -1 0 0 0 0 0 0 0"}, "ligne @worth.0 : worth.0 hors des limites"},
    {"raw control byte", {}, {"player.0.name A\tB"}, "ligne @player.0.name : texte de player.0.name illisible"},
    {"escaped terminal control in a name", {}, {"player.0.name A%1B[2J"},
     "ligne @player.0.name : nom de player.0.name : caractères de contrôle refusés"},
    {"unknown answer", {}, {"answer q"}, "ligne @answer : réponse « q » inconnue"},
    {"terminal escape in a key", {}, {"fallenSeats\n\x1b[2Jx 1"},
     "ligne @worthTurns : clé « %1B[2Jx » inconnue"},
    {"key twice", {}, {"die1=die2 3"}, "ligne @die2 : die2 figure deux fois"},
    {"renamed key", {}, {"die1=dice 3"}, "la ligne die1 manque"},
    {"extra key", {}, {"fallenSeats\nbonus 1"}, "ligne @worthTurns : clé « bonus » inconnue"},
    {"fallen seat past the last", {}, {"fallenSeats 6"}, "ligne @fallenSeats : fallenSeats hors des limites"},
    {"fallen seat twice", {}, {"fallenSeats 4 4"},
     kBrokenRule + "la place 4 est à la fois en faillite et en jeu)"},
    {"fallen player still seated", {}, {"fallenSeats 0"},
     kBrokenRule + "la place 0 est à la fois en faillite et en jeu)"},
    {"exchange without its property", {}, {"inputMode 5"},
     kBrokenRule + "échange en cours sur la propriété -1, qui n'appartient à personne)"},
    {"worth line short", {}, {"worth.0 150000 150000"}, "ligne @worth.0 : worth.0 n'a pas 8 valeurs"},
    {"more worths than lines", {}, {"worthEntries 999999"},
     "ligne @worthEntries : worthEntries vaut 999999, hors des limites 0 à 33"},
    {"prison away from prison", {}, {"player.0.jail 2", "player.0.square 11"},
     kBrokenRule + "le joueur 0 en prison sur la case 11)"},
    {"a kept answer", {}, {"answer y"}, ""},
    {"needless escape", {}, {"message %21"}, kBadMessage},
    {"escape with a letter past F", {}, {"message %G1"}, kBadMessage},
    {"no worths, their lines left", {}, {"worthEntries 0"}, "ligne @worth.0 : clé « worth.0 » inconnue"},
    {"worth of a bankrupt", {}, {"worth.0 0 0 0 - - - - -"}, ""},
    {"name of 19 bytes", {}, {"player.0.name Abcdefghijklmnopqrs"}, ""},
    {"name of 20 bytes", {}, {"player.0.name Abcdefghijklmnopqrst"},
     "ligne @player.0.name : texte de player.0.name trop long (19 octets au plus)"},
    {"message of 159 bytes", {}, {"message " + std::string(159, 'x')}, ""},
    {"message of 160 bytes", {}, {"message " + std::string(160, 'x')},
     "ligne @message : texte de message trop long (159 octets au plus)"},
    {"escapes at the digits' bounds", {}, {"message %09%0A%0F%10%19%1F%25%7F"}, ""},
    {"escaped zero byte", {}, {"message A%00"}, kBadMessage},
    {"escape of a space", {}, {"message %20"}, kBadMessage},
    {"escape with a digit past 9", {}, {"message %1:"}, kBadMessage},
    {"escape with a digit before 0", {}, {"message %/1"}, kBadMessage},
    {"escape with a letter before A", {}, {"message %1@"}, kBadMessage},
    {"escape in lower case", {}, {"message %1f"}, kBadMessage},
    {"escape cut at the end", {}, {"message A%1"}, kBadMessage},
    {"fallen seats filling the table", {}, {"fallenSeats 3 4 5"}, ""},
    {"a seventh player", {}, {"fallenSeats 3 4 5 0"}, kBrokenRule + "plus de six joueurs en tout)"},
    {"seven fallen seats", {}, {"fallenSeats 0 1 2 3 4 5 0"}, "ligne @fallenSeats : fallenSeats hors des limites"},
    {"fallen seat below 0", {}, {"fallenSeats -1"}, "ligne @fallenSeats : fallenSeats hors des limites"},
    {"the largest worth", {}, {"worth.0 2000000000000000 0 0 0 0 0 0 0"}, ""},
    {"worth past the largest", {}, {"worth.0 2000000000000001 0 0 0 0 0 0 0"},
     "ligne @worth.0 : worth.0 hors des limites"},
    {"a key of 40 bytes", {}, {"fallenSeats\n" + std::string(40, 'k') + " 1"},
     "ligne @worthTurns : clé « " + std::string(40, 'k') + " » inconnue"},
    {"a key past 40 bytes", {}, {"fallenSeats\n" + std::string(41, 'k') + " 1"},
     "ligne @worthTurns : clé « " + std::string(40, 'k') + "… » inconnue"},
    {"version and checksum only", [](auto t) { return t.substr(0, t.find('\n') + 1) + "checksum 0\n"; }, {},
     kBadChecksum},
};


INSTANTIATE_TEST_SUITE_P(EveryPath, SaveRefusal, ::testing::ValuesIn(kRefusals), [](const auto& info) {
    std::string name = info.param.what;
    std::replace_if(name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
});

// Every number the reader bounds, at each bound and one past it; past it the
// refusal names the line, the key, the value and the bounds. The seventh
// record (no player sits there) stands for every record of a player.
TEST(SaveFile, EveryNumberIsReadAtItsBoundsAndRefusedOnePast)
{
    const struct { const char* key; int64_t low, high; } bounds[] = {
        {"playerCount", 2, 6},          {"current", 0, 5},
        {"gameOver", 0, 1},             {"showSquare", 0, 1},
        {"moveSteps", 0, 12},           {"doublesCount", 0, 2},
        {"parkingPot", 0, 1000000000},  {"action", -1, 8},
        {"rollState", 0, 2},            {"die1", 1, 6},
        {"die2", 1, 6},                 {"inputMode", 0, 9},
        {"playerEliminated", 0, 1},     {"tradeWanted", -1, 27},
        {"tradeOffered", -1, 27},       {"tradePrice", INT32_MIN, INT32_MAX},
        {"cardRefused", 0, 1},          {"offerArmed", 0, 1},
        {"chestNext", 0, 14},           {"chanceNext", 0, 15},
        {"chestOrder.14", 0, 14},       {"chanceOrder.15", 0, 15},
        {"jailCardHolder.1", -1, 5},    {"player.6.square", 0, 39},
        {"player.6.money", 0, 1000000000000000},
        {"player.6.color", 0, 7},       {"player.6.seat", 0, 7},
        {"player.6.jail", 0, 3},        {"player.6.computer", 0, 1},
        {"property.27.owner", -1, 5},   {"property.27.mortgaged", 0, 1},
        {"property.27.houses", 0, 5},
        // The keys that came after the first saves.
        {"player.6.level", 0, 2},       {"setup.6.level", 0, 2},
        {"turnLimit", 0, 100000000},    {"roundsPlayed", 0, 100000000},
        {"confirmSales", 0, 1},         {"pendingSale", -1, 27},
        {"pendingSwap", 0, 1},          {"pendingDeal.asker", -1, 5},
        {"computerDeals", 0, 1},        {"nextDealRound.5", 0, 100000000},
        {"paceSpeed", 0, 3},            {"paceFastComputers", 0, 1},
        {"soundVolume", 0, 100},        {"soundMuted", 0, 1},
    };
    SeededTable table(5);
    table.Seat(3, 40);
    const std::string text = table.Save();
    for (const auto& b : bounds) {
        SCOPED_TRACE(b.key);
        const std::string key = b.key;
        const std::string line = LineOf(text, key);
        ASSERT_NE(line, "?");
        for (int64_t value : {b.low, b.high}) {
            SeededTable reader(0);
            const std::string refusal = reader.Load(WithLine(text, key, key + " " + std::to_string(value)));
            EXPECT_EQ(refusal.find("hors des limites"), std::string::npos) << refusal;
        }
        for (int64_t value : {b.low - 1, b.high + 1}) {
            SeededTable reader(0);
            EXPECT_EQ(reader.Load(WithLine(text, key, key + " " + std::to_string(value))),
                      "ligne " + line + " : " + key + " vaut " + std::to_string(value) +
                          ", hors des limites " + std::to_string(b.low) + " à " + std::to_string(b.high));
        }
    }
}

// A pending deal's fields and a proposal's are read up to their bounds.
TEST_F(GameTest, EachDealFieldIsReadAtItsBoundsAndRefusedOnePast)
{
    Start({0, 0});
    Own(0, {24});
    Own(1, {26});
    Deal deal;
    deal.asker = 0;
    deal.partner = 1;
    deal.askerGives = PropertyBit(24);
    deal.partnerGives = PropertyBit(26);
    ASSERT_TRUE(game.ProposeDeal(deal));
    Tick();
    game.proposedDeals.push_back(deal);
    const std::string text = WriteSave(game, {});
    const int64_t kAllProperties = (int64_t{1} << kPropertyCount) - 1;
    const struct { const char* key; int64_t low, high; } bounds[] = {
        {"pendingDeal.partner", 0, 5},
        {"pendingDeal.askerGives", 0, kAllProperties},
        {"pendingDeal.partnerGives", 0, kAllProperties},
        {"pendingDeal.askerCash", 0, INT32_MAX},
        {"proposedDeal.0.partner", 0, 5},
        {"proposedDeal.0.partnerGives", 0, kAllProperties},
    };
    for (const auto& b : bounds) {
        const std::string key = b.key;
        for (const int64_t value : {b.low, b.high, b.low - 1, b.high + 1}) {
            Copy copy;
            const std::string line = key + " " + std::to_string(value);
            const std::string said = ReadSave(WithLine(text, key, line), copy.game, copy.history);
            const bool inBounds = value >= b.low && value <= b.high;
            EXPECT_EQ(said.find("hors des limites") == std::string::npos, inBounds) << key << " " << value << ": " << said;
        }
    }
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

// A save is only written when it reads back: a broken rule keeps the old file.
TEST(SaveFile, OnlyASaveThatReadsBackIsWritten)
{
    SeededTable table(5);
    table.Seat(3, 40);
    std::string refusal = "left from before";
    EXPECT_EQ(WriteReadableSave(table.game, table.frame.history, refusal), table.Save());
    EXPECT_EQ(refusal, "");
    table.game.properties[5].owner = 4;
    EXPECT_EQ(WriteReadableSave(table.game, table.frame.history, refusal), "");
    EXPECT_EQ(refusal, kBrokenRule + "la propriété 5 appartient à 4)");
}

TEST_F(GameTest, TheSpeedTheComputersPaceAndTheSoundComeBackWithTheGame)
{
    Start({0, 1});
    GameHistory history;
    history.speed = 2;
    history.fastComputers = 1;
    history.soundVolume = 50;
    history.soundMuted = 1;
    Copy copy;
    ASSERT_EQ(ReadInto(copy, history), "");
    EXPECT_EQ(copy.history.speed, history.speed);
    EXPECT_EQ(copy.history.fastComputers, 1);
    EXPECT_EQ(copy.history.soundVolume, 50);
    EXPECT_EQ(copy.history.soundMuted, 1);
}
