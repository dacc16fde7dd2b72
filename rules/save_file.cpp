#include "save_file.h"

#include <algorithm>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>

#include "consistency.h"
#include "game.h"
#include "player_name.h"
#include "terminal_text.h"
#include "text_format.h"

// The turn's private memory travels with the rest of the state.
struct SaveAccess {
    template <class Game>
    static auto& CardRefused(Game& game)
    {
        return game.m_bCardRefused;
    }
    template <class Game>
    static auto& OfferArmed(Game& game)
    {
        return game.m_bOfferArmed;
    }
    template <class History>
    static auto& WorthEntries(History& history)
    {
        return history.m_Entries;
    }
    template <class History>
    static auto& WorthTurns(History& history)
    {
        return history.m_nTurns;
    }
    template <class History>
    static auto& WorthStride(History& history)
    {
        return history.m_nStride;
    }
};

namespace {

const char kFormatName[] = "bourgade3d-sauvegarde";
const char kChecksumKey[] = "checksum";
// Far above what any game reaches, and far below where the rules' sums of
// money would overflow.
constexpr int64_t kMostMoney = 1000000000000000;
constexpr int64_t kLargestPot = 1000000000;
// Far more turns than any game lasts at its fastest for years.
constexpr int64_t kMostTurns = int64_t{1} << 40;
// A turn limit or a count of rounds, far beyond any game's.
constexpr int64_t kMostRounds = 100000000;
// Far more proposals than a computer player makes in any game.
constexpr int64_t kMostProposals = 100000;
// The mark of a seat out of play in a line of worths.
const char kOutOfPlay[] = "-";
// The answer that none was given yet, which a line cannot end with.
constexpr char kNoAnswer = ' ';
const char kNoAnswerText[] = "-";
const char kAnswers[] = " ynYN";

std::string Key(const char* record, int index, const char* field = nullptr)
{
    std::string key = std::string(record) + "." + std::to_string(index);
    return field ? key + "." + field : key;
}

template <class Record, class Visitor>
void VisitPlayer(const char* record, int index, Record& player, Visitor& v)
{
    v.Name(Key(record, index, "name"), player.name, sizeof player.name);
    v.Number(Key(record, index, "square"), player.square, 0, kSquareCount - 1);
    v.Number(Key(record, index, "money"), player.money, 0, kMostMoney);
    v.Number(Key(record, index, "color"), player.color, 0, kPlayerSlots - 1);
    // Every slot's seat picks a set-up record when the game ends.
    v.Number(Key(record, index, "seat"), player.seat, 0, kPlayerSlots - 1);
    v.Number(Key(record, index, "jail"), player.jail, 0, 3);
    v.Number(Key(record, index, "computer"), player.computer, 0, 1);
}

// The computer levels and the turn limit came after the first saves: a save
// without them reads as one of « Normal » computers and no limit.
template <class Game, class Visitor>
void VisitLevelsAndLimit(Game& game, Visitor& v)
{
    for (int i = 0; i < kPlayerSlots; ++i) {
        v.Optional(Key("player", i, "level"), game.players[i].level, 0, kLevelCount - 1, kLevelNormal);
        v.Optional(Key("setup", i, "level"), game.setupPlayers[i].level, 0, kLevelCount - 1, kLevelNormal);
    }
    v.Optional("turnLimit", game.turnLimit, 0, kMostRounds, 0);
    v.Optional("roundsPlayed", game.roundsPlayed, 0, kMostRounds, 0);
    v.Optional("confirmSales", game.confirmSales, 0, 1, 0);
    v.Optional("pendingSale", game.pendingSale, -1, kPropertyCount - 1, -1);
    v.Optional("pendingSwap", game.pendingSwap, 0, 1, 0);
}

template <class Record, class Visitor>
void VisitDealSides(const std::string& key, Record& deal, Visitor& v)
{
    v.Number(key + ".askerGives", deal.askerGives, 0, (int64_t{1} << kPropertyCount) - 1);
    v.Number(key + ".partnerGives", deal.partnerGives, 0, (int64_t{1} << kPropertyCount) - 1);
    v.Number(key + ".askerCash", deal.askerCash, 0, kMostMoney);
    v.Number(key + ".partnerCash", deal.partnerCash, 0, kMostMoney);
}

// Deals came after the first saves: a save without them has no deal
// pending and no proposal made. A pending deal's lines are all there or
// none is.
template <class Game, class Visitor>
void VisitDeals(Game& game, Visitor& v)
{
    auto& pending = game.pendingDeal;
    v.Optional("pendingDeal.asker", pending.asker, -1, kMaxPlayers - 1, -1);
    if (pending.asker >= 0) {
        v.Number("pendingDeal.partner", pending.partner, 0, kMaxPlayers - 1);
        VisitDealSides("pendingDeal", pending, v);
    }
    v.Optional("computerDeals", game.computerDeals, 0, 1, 0);
    for (int seat = 0; seat < kMaxPlayers; ++seat)
        v.Optional(Key("nextDealRound", seat), game.nextDealRound[seat], 0, kMostRounds, 0);
    v.OptionalCount("proposedDeals", game.proposedDeals, kMostProposals);
    for (size_t k = 0; k < game.proposedDeals.size(); ++k) {
        auto& deal = game.proposedDeals[k];
        const std::string key = Key("proposedDeal", static_cast<int>(k));
        v.Number(key + ".asker", deal.asker, 0, kMaxPlayers - 1);
        v.Number(key + ".partner", deal.partner, 0, kMaxPlayers - 1);
        VisitDealSides(key, deal, v);
    }
}

// Names every field of the state once, in the file's order, for the writer
// and the reader alike, so that the two cannot drift apart. The ranges keep
// every index the rules use inside its table; the rules' own consistency
// check then judges the state as a whole.
template <class Game, class History, class Visitor>
void VisitState(Game& game, History& history, Visitor& v)
{
    v.Number("playerCount", game.playerCount, kMinPlayers, kMaxPlayers);
    v.Number("current", game.current, 0, kMaxPlayers - 1);
    v.Number("gameOver", game.gameOver, 0, 1);
    v.Number("showSquare", game.showSquare, 0, 1);
    v.Number("moveSteps", game.moveSteps, 0, 12);
    v.Number("doublesCount", game.doublesCount, 0, 2);
    v.Number("parkingPot", game.parkingPot, 0, kLargestPot);
    v.Number("action", game.action, kNoAction, kActionCount - 1);
    v.Number("rollState", game.rollState, 0, 2);
    v.Number("die1", game.die1, 1, 6);
    v.Number("die2", game.die2, 1, 6);
    v.Number("inputMode", game.inputMode, kNoInput, kDealAnswer);
    v.Answer("answer", game.answer);
    v.Number("playerEliminated", game.playerEliminated, 0, 1);
    v.Number("tradeWanted", game.tradeWanted, -1, kPropertyCount - 1);
    v.Number("tradeOffered", game.tradeOffered, -1, kPropertyCount - 1);
    v.Number("tradePrice", game.tradePrice, -kMostMoney, kMostMoney);
    v.Number("cardRefused", SaveAccess::CardRefused(game), 0, 1);
    v.Number("offerArmed", SaveAccess::OfferArmed(game), 0, 1);
    v.Text("message", game.message, sizeof game.message);
    v.Number("chestNext", game.chestNext, 0, kChestCards - 1);
    v.Number("chanceNext", game.chanceNext, 0, kChanceCards - 1);
    for (int k = 0; k < kChestCards; ++k)
        v.Number(Key("chestOrder", k), game.chestOrder[k], 0, kChestCards - 1);
    for (int k = 0; k < kChanceCards; ++k)
        v.Number(Key("chanceOrder", k), game.chanceOrder[k], 0, kChanceCards - 1);
    for (int k = 0; k < 2; ++k)
        v.Number(Key("jailCardHolder", k), game.jailCardHolder[k], -1, kMaxPlayers - 1);
    for (int i = 0; i < kPlayerSlots; ++i)
        VisitPlayer("player", i, game.players[i], v);
    for (int i = 0; i < kPlayerSlots; ++i)
        VisitPlayer("setup", i, game.setupPlayers[i], v);
    for (int p = 0; p < kPropertyCount; ++p) {
        auto& deed = game.properties[p];
        v.Number(Key("property", p, "owner"), deed.owner, -1, kMaxPlayers - 1);
        v.Number(Key("property", p, "mortgaged"), deed.mortgaged, 0, 1);
        v.Number(Key("property", p, "houses"), deed.houses, 0, 5);
    }
    VisitLevelsAndLimit(game, v);
    VisitDeals(game, v);
    v.Optional("paceSpeed", history.speed, 0, 3, 0);
    v.Optional("paceFastComputers", history.fastComputers, 0, 1, 0);
    v.Optional("soundVolume", history.soundVolume, 0, 100, GameHistory().soundVolume);
    v.Optional("soundMuted", history.soundMuted, 0, 1, 0);
    v.Seats("fallenSeats", history.fallenSeats);
    v.Number("worthTurns", SaveAccess::WorthTurns(game.worthHistory), 0, kMostTurns);
    v.Number("worthStride", SaveAccess::WorthStride(game.worthHistory), 1, kMostTurns);
    auto& worths = SaveAccess::WorthEntries(game.worthHistory);
    v.Count("worthEntries", worths, CWorthHistory::kMostEntries);
    for (size_t k = 0; k < worths.size(); ++k)
        v.Worths(Key("worth", static_cast<int>(k)), worths[k].worth, worths[k].inPlay);
}

// Bytes that would break a line or hide in it are written as %XX.
bool NeedsEscape(unsigned char c)
{
    return c < 0x20 || c == 0x7F || c == '%';
}

std::string Escape(const char* text, size_t size)
{
    std::string escaped;
    for (size_t i = 0; i < size && text[i] != '\0'; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (NeedsEscape(c))
            escaped += TextFormat("%%%02X", c);
        else
            escaped += text[i];
    }
    return escaped;
}

// Text from the file as a refusal quotes it: escaped, so that it cannot
// drive the terminal, and cut short.
std::string Quoted(const std::string& text)
{
    constexpr size_t kLongest = 40;
    const std::string shown = Printable(Escape(text.data(), std::min(text.size(), kLongest)));
    return text.size() > kLongest ? shown + "…" : shown;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Undoes Escape; false for a broken escape or a byte that should have been
// escaped, so that every text has one spelling.
bool Unescape(const std::string& value, std::string& text)
{
    text.clear();
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            if (NeedsEscape(static_cast<unsigned char>(value[i])))
                return false;
            text += value[i];
            continue;
        }
        const int high = i + 2 < value.size() ? HexDigit(value[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(value[i + 2]) : -1;
        if (low < 0 || !NeedsEscape(static_cast<unsigned char>(high * 16 + low)))
            return false;
        text += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

class CWriter {
public:
    std::string text;

    template <class T>
    void Number(const std::string& key, const T& field, int64_t, int64_t)
    {
        Line(key, std::to_string(static_cast<long long>(field)));
    }
    template <class T>
    void Optional(const std::string& key, const T& field, int64_t low, int64_t high, int64_t)
    {
        Number(key, field, low, high);
    }
    void Text(const std::string& key, const char* field, size_t size)
    {
        Line(key, Escape(field, size));
    }
    void Name(const std::string& key, const char* field, size_t size)
    {
        Text(key, field, size);
    }
    void Answer(const std::string& key, char answer)
    {
        Line(key, answer == kNoAnswer ? kNoAnswerText : std::string(1, answer));
    }
    void Seats(const std::string& key, const std::vector<int>& seats)
    {
        text += key;
        for (int seat : seats)
            text += " " + std::to_string(seat);
        text += '\n';
    }
    template <class Vector>
    void Count(const std::string& key, const Vector& entries, int64_t)
    {
        Line(key, std::to_string(entries.size()));
    }
    template <class Vector>
    void OptionalCount(const std::string& key, const Vector& entries, int64_t most)
    {
        Count(key, entries, most);
    }
    void Worths(const std::string& key, const int64_t (&worth)[kPlayerSlots],
                const bool (&inPlay)[kPlayerSlots])
    {
        text += key;
        for (int seat = 0; seat < kPlayerSlots; ++seat)
            text += inPlay[seat] ? " " + std::to_string(worth[seat]) : std::string(" ") + kOutOfPlay;
        text += '\n';
    }

private:
    void Line(const std::string& key, const std::string& value)
    {
        text += key;
        text += ' ';
        text += value;
        text += '\n';
    }
};

struct Line {
    int number;  // from 1, as an editor counts
    std::string value;
};

bool ParseNumber(const std::string& text, int64_t& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

// Takes each field's line out of the file's lines; the first fault stops
// the reading and is kept as the refusal.
class CReader {
public:
    std::string refusal;

    explicit CReader(std::map<std::string, Line> lines) : m_Lines(std::move(lines)) {}

    template <class T>
    void Number(const std::string& key, T& field, int64_t low, int64_t high)
    {
        int64_t value = 0;
        const Line* line = Take(key);
        if (line == nullptr || !Parse(key, *line, value))
            return;
        low = std::max<int64_t>(low, std::numeric_limits<T>::min());
        high = std::min<int64_t>(high, std::numeric_limits<T>::max());
        if (value < low || value > high) {
            Refuse(*line, TextFormat("%s vaut %" PRId64 ", hors des limites %" PRId64 " à %" PRId64,
                                 key.c_str(), value, low, high));
            return;
        }
        field = static_cast<T>(value);
    }
    // A field that older saves lack: its default when the line is missing.
    template <class T>
    void Optional(const std::string& key, T& field, int64_t low, int64_t high, int64_t fallback)
    {
        field = static_cast<T>(fallback);
        if (m_Lines.count(key) != 0)
            Number(key, field, low, high);
    }
    void Text(const std::string& key, char* field, size_t size)
    {
        std::string text;
        const Line* line = Take(key);
        if (line == nullptr)
            return;
        if (!Unescape(line->value, text) || text.find('\0') != std::string::npos) {
            Refuse(*line, TextFormat("texte de %s illisible", key.c_str()));
            return;
        }
        if (text.size() >= size) {
            Refuse(*line, TextFormat("texte de %s trop long (%zu octets au plus)", key.c_str(), size - 1));
            return;
        }
        std::memset(field, 0, size);
        std::memcpy(field, text.data(), text.size());
    }
    // A name is echoed and drawn as it stands, so it must be one the
    // dialogue could have stored: nothing in it may drive a terminal.
    void Name(const std::string& key, char* field, size_t size)
    {
        Text(key, field, size);
        if (refusal.empty() && CleanName(field) != field)
            Refuse(m_Taken, TextFormat("nom de %s : caractères de contrôle refusés", key.c_str()));
    }
    void Answer(const std::string& key, char& answer)
    {
        const Line* line = Take(key);
        if (line == nullptr)
            return;
        const std::string& value = line->value;
        if (value == kNoAnswerText)
            answer = kNoAnswer;
        else if (value.size() == 1 && value[0] != kNoAnswer && std::strchr(kAnswers, value[0]))
            answer = value[0];
        else
            Refuse(*line, TextFormat("réponse « %s » inconnue", Quoted(value).c_str()));
    }
    void Seats(const std::string& key, std::vector<int>& seats)
    {
        std::vector<std::string> words;
        const Line* line = Words(key, words);
        seats.clear();
        for (size_t k = 0; line != nullptr && k < words.size() && refusal.empty(); ++k) {
            int64_t seat = 0;
            if (!Parse(key, {line->number, words[k]}, seat))
                return;
            if (seat < 0 || seat >= kMaxPlayers || seats.size() >= kMaxPlayers)
                Refuse(*line, TextFormat("%s hors des limites", key.c_str()));
            seats.push_back(static_cast<int>(seat));
        }
    }
    template <class Vector>
    void Count(const std::string& key, Vector& entries, int64_t most)
    {
        // Every entry has its line: a count beyond the lines left is refused
        // before anything is made for it.
        int64_t count = 0;
        Number(key, count, 0, std::min<int64_t>(most, static_cast<int64_t>(m_Lines.size())));
        entries.assign(refusal.empty() ? static_cast<size_t>(count) : 0, {});
    }
    // A list that older saves lack: empty when its count's line is missing.
    template <class Vector>
    void OptionalCount(const std::string& key, Vector& entries, int64_t most)
    {
        entries.clear();
        if (m_Lines.count(key) != 0)
            Count(key, entries, most);
    }
    void Worths(const std::string& key, int64_t (&worth)[kPlayerSlots], bool (&inPlay)[kPlayerSlots])
    {
        std::vector<std::string> words;
        const Line* line = Words(key, words);
        if (line != nullptr && words.size() != kPlayerSlots)
            Refuse(*line, TextFormat("%s n'a pas %d valeurs", key.c_str(), kPlayerSlots));
        for (int seat = 0; seat < kPlayerSlots && refusal.empty(); ++seat) {
            inPlay[seat] = words[seat] != kOutOfPlay;
            worth[seat] = 0;
            if (inPlay[seat] && Parse(key, {line->number, words[seat]}, worth[seat]) &&
                (worth[seat] < 0 || worth[seat] > 2 * kMostMoney))
                Refuse(*line, TextFormat("%s hors des limites", key.c_str()));
        }
    }

    // A line that no field took, the first in the file.
    void RefuseLeftovers()
    {
        const std::pair<const std::string, Line>* first = nullptr;
        for (const auto& entry : m_Lines)
            if (first == nullptr || entry.second.number < first->second.number)
                first = &entry;
        if (refusal.empty() && first != nullptr)
            Refuse(first->second, TextFormat("clé « %s » inconnue", Quoted(first->first).c_str()));
    }

private:
    // The line of a list, cut at its spaces; an empty list has no words.
    const Line* Words(const std::string& key, std::vector<std::string>& words)
    {
        const Line* line = Take(key);
        if (line == nullptr || line->value.empty())
            return line;
        size_t start = 0;
        for (size_t space = line->value.find(' '); space != std::string::npos;
             space = line->value.find(' ', start)) {
            words.push_back(line->value.substr(start, space - start));
            start = space + 1;
        }
        words.push_back(line->value.substr(start));
        return line;
    }

    // The line of a field, which no other field may take again; null after
    // a refusal.
    const Line* Take(const std::string& key)
    {
        if (!refusal.empty())
            return nullptr;
        const auto found = m_Lines.find(key);
        if (found == m_Lines.end()) {
            refusal = TextFormat("la ligne %s manque", key.c_str());
            return nullptr;
        }
        m_Taken = found->second;
        m_Lines.erase(found);
        return &m_Taken;
    }
    bool Parse(const std::string& key, const Line& line, int64_t& value)
    {
        if (ParseNumber(line.value, value))
            return true;
        Refuse(line, TextFormat("%s n'est pas un nombre entier", key.c_str()));
        return false;
    }
    void Refuse(const Line& line, const std::string& why)
    {
        refusal = TextFormat("ligne %d : %s", line.number, why.c_str());
    }

    std::map<std::string, Line> m_Lines;
    Line m_Taken;
};

// The file cut into its lines, each without its end.
bool SplitLines(const std::string& text, std::vector<std::string>& lines)
{
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return start == text.size();
}

std::string CheckVersion(const std::string& line)
{
    const std::string prefix = std::string(kFormatName) + " ";
    if (line.compare(0, prefix.size(), prefix) != 0)
        return "ce n'est pas une sauvegarde de Bourgade3D";
    int64_t version = 0;
    if (!ParseNumber(line.substr(prefix.size()), version) || version != kSaveVersion)
        return TextFormat("version « %s » inconnue : ce programme lit la version %d",
                      Quoted(line.substr(prefix.size())).c_str(), kSaveVersion);
    return "";
}

std::string CheckChecksum(const std::string& text, const std::string& last)
{
    const std::string prefix = std::string(kChecksumKey) + " ";
    if (last.compare(0, prefix.size(), prefix) != 0)
        return "fichier tronqué : la ligne de somme de contrôle manque à la fin";
    const std::string body = text.substr(0, text.size() - last.size() - 1);
    if (last.substr(prefix.size()) != SaveChecksum(body))
        return "somme de contrôle fausse : le fichier a été abîmé ou modifié";
    return "";
}

// The fields' lines by key, from the second line to the one before the last.
std::string IndexLines(const std::vector<std::string>& lines, std::map<std::string, Line>& index)
{
    for (size_t n = 1; n + 1 < lines.size(); ++n) {
        const size_t space = lines[n].find(' ');
        const std::string key = lines[n].substr(0, space);
        const std::string value = space == std::string::npos ? "" : lines[n].substr(space + 1);
        if (!index.emplace(key, Line{static_cast<int>(n) + 1, value}).second)
            return TextFormat("ligne %zu : %s figure deux fois", n + 1, Quoted(key).c_str());
    }
    return "";
}

// The bankrupt are players who left the table: none sits at it still, but
// the last one, whom the end of the game leaves beside the winner; and they
// and those left fill at most the six seats.
std::string CheckFallen(const CGame& game, const GameHistory& history)
{
    bool seated[kMaxPlayers] = {};
    for (int i = 0; i < game.playerCount && !game.gameOver; ++i)
        seated[game.players[i].seat] = true;
    if (game.playerCount - game.gameOver + history.fallenSeats.size() > kMaxPlayers)
        return "plus de six joueurs en tout";
    for (int seat : history.fallenSeats) {
        if (seated[seat])
            return TextFormat("la place %d est à la fois en faillite et en jeu", seat);
        seated[seat] = true;
    }
    return "";
}

}  // namespace

std::string SaveChecksum(const std::string& body)
{
    // FNV-1a over 64 bits: every step is one-to-one, so any change of a
    // single byte changes the result.
    uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char c : body) {
        hash ^= c;
        hash *= 0x100000001b3ull;
    }
    return TextFormat("%016" PRIx64, hash);
}

std::string WriteSave(const GameState& game, const GameHistory& history)
{
    CWriter writer;
    writer.text = TextFormat("%s %d\n", kFormatName, kSaveVersion);
    VisitState(game, history, writer);
    return writer.text + kChecksumKey + " " + SaveChecksum(writer.text) + "\n";
}

std::string ReadSave(const std::string& text, CGame& game, GameHistory& history)
{
    std::vector<std::string> lines;
    if (text.empty())
        return "fichier vide";
    if (!SplitLines(text, lines))
        return "fichier tronqué : la dernière ligne est coupée";
    std::string refusal = CheckVersion(lines.front());
    if (refusal.empty() && lines.size() < 2)
        refusal = "fichier tronqué : il n'a qu'une ligne";
    if (refusal.empty())
        refusal = CheckChecksum(text, lines.back());
    std::map<std::string, Line> index;
    if (refusal.empty())
        refusal = IndexLines(lines, index);
    if (!refusal.empty())
        return refusal;

    CReader reader(std::move(index));
    VisitState(game, history, reader);
    reader.RefuseLeftovers();
    if (!reader.refusal.empty())
        return reader.refusal;
    if (!game.worthHistory.Consistent())
        return "l'historique des fortunes ne suit pas ses tours";
    std::string broken = CheckConsistency(game, nullptr);
    if (broken.empty())
        broken = CheckFallen(game, history);
    return broken.empty() ? "" : "la partie enfreint une règle du jeu (" + broken + ")";
}

std::string WriteReadableSave(const GameState& game, const GameHistory& history, std::string& refusal)
{
    std::string text = WriteSave(game, history);
    CNullFrame frame;
    CSeededRandom random(0);
    CGame spare(frame, random);
    GameHistory spareHistory;
    refusal = ReadSave(text, spare, spareHistory);
    return refusal.empty() ? text : "";
}
