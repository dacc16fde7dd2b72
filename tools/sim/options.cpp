#include "options.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "computer_level.h"
#include "player.h"
#include "text_format.h"

const CommandLineProgram kSimProgram = {
    "bourgade3d-sim",
    "Joue des parties entières entre joueurs de l'ordinateur, sans fenêtre,\n"
    "et vérifie les règles après chaque pas.",
    "Une règle enfreinte est affichée avec la commande qui rejoue sa partie ;\n"
    "le statut de sortie est alors 1 (0 si toutes les règles ont tenu,\n"
    "2 après une option refusée).",
};

namespace {

constexpr uint64_t kMaxCount = 100000000;
constexpr uint64_t kMaxTurnLimit = 1000000;

// Stores a number read in `low`..`high` into an int or a 64-bit field.
template <typename Field>
std::function<bool(const char*)> NumberInto(Field& field, uint64_t low, uint64_t high)
{
    return [&field, low, high](const char* text) {
        uint64_t value = 0;
        if (!ReadWholeNumber(text, low, high, value))
            return false;
        field = static_cast<Field>(value);
        return true;
    };
}

// The words of a comma-separated list; false when one is empty.
bool SplitList(const char* text, std::vector<std::string>& words)
{
    words.clear();
    std::string word;
    for (const char* c = text;; ++c) {
        if (*c != ',' && *c != '\0') {
            word += *c;
            continue;
        }
        if (word.empty())
            return false;
        words.push_back(word);
        word.clear();
        if (*c == '\0')
            return true;
    }
}

bool ReadLevels(const char* text, std::vector<int32_t>& levels)
{
    std::vector<std::string> words;
    if (!SplitList(text, words) || words.size() > kMaxPlayers)
        return false;
    levels.assign(words.size(), kLevelNormal);
    for (size_t k = 0; k < words.size(); ++k)
        if (!LevelFromName(words[k].c_str(), levels[k]))
            return false;
    return true;
}

bool ReadTurns(const char* text, std::vector<int>& turns)
{
    std::vector<std::string> words;
    if (!SplitList(text, words))
        return false;
    turns.assign(words.size(), 0);
    for (size_t k = 0; k < words.size(); ++k)
        if (!NumberInto(turns[k], 1, kMaxCount)(words[k].c_str()))
            return false;
    return true;
}

}  // namespace

std::vector<CommandLineOption> SimOptionTable(SimOptions& options)
{
    return {
        {"--games", nullptr, OptionValue::kRequired, "N", "nombre de parties (100)",
         NumberInto(options.games, 1, kMaxCount)},
        {"--players", nullptr, OptionValue::kRequired, "P", "joueurs par partie, de 2 à 6 (4)",
         NumberInto(options.players, kMinPlayers, kMaxPlayers)},
        {"--seed", nullptr, OptionValue::kRequired, "S", "la partie i joue avec la graine S + i (1)",
         NumberInto(options.seed, 0, UINT64_MAX)},
        {"--max-turns", nullptr, OptionValue::kRequired, "T",
         "après T tours, une partie compte comme inachevée (2000)",
         NumberInto(options.maxTurns, 1, kMaxCount)},
        {"--landings", nullptr, OptionValue::kNone, nullptr,
         "affiche aussi la part des lancers menant à chaque case",
         [&options](const char*) { return options.landings = true; }},
        {"--log", "--journal", OptionValue::kNone, nullptr,
         "écrit le journal de chaque partie, comme la console du jeu",
         [&options](const char*) { return options.log = true; }},
        {"--levels", "--niveaux", OptionValue::kRequired, "N1,N2,...",
         "le niveau de chaque place : facile, normal ou fort (normal partout)",
         [&options](const char* text) { return ReadLevels(text, options.levels); }},
        {"--rotate", "--tourner", OptionValue::kNone, nullptr,
         "fait tourner les niveaux d'une place à chaque partie",
         [&options](const char*) { return options.rotate = true; }},
        {"--report-at", nullptr, OptionValue::kRequired, "T1,T2,...",
         "affiche la part des parties encore en cours à ces tours",
         [&options](const char* text) { return ReadTurns(text, options.reportAt); }},
        {"--turn-limit", "--limite-tours", OptionValue::kRequired, "N",
         "après N tours de table, le plus riche gagne (sans limite)",
         NumberInto(options.turnLimit, 1, kMaxTurnLimit)},
        {"--trades", "--echanges", OptionValue::kRequired, "deals",
         "les ordinateurs forts se proposent aussi des échanges entre eux",
         [&options](const char* text) { return options.deals = std::strcmp(text, "deals") == 0; }},
    };
}

std::string CheckSimOptions(const SimOptions& options)
{
    const size_t count = options.levels.size();
    if (count != 0 && count != static_cast<size_t>(options.players))
        return TextFormat("--levels donne %zu niveaux pour %d joueurs", count, options.players);
    if (options.rotate && count == 0)
        return "--rotate demande --levels";
    return "";
}

std::vector<int32_t> SeatLevels(const SimOptions& options, uint64_t seed)
{
    std::vector<int32_t> levels(options.players, kLevelNormal);
    if (options.levels.size() != levels.size())
        return levels;
    const uint64_t shift = options.rotate ? (seed - options.seed) % options.players : 0;
    for (int k = 0; k < options.players; ++k)
        levels[(k + shift) % options.players] = options.levels[k];
    return levels;
}

std::string ReplayCommand(const SimOptions& options, uint64_t seed)
{
    std::string command = TextFormat("bourgade3d-sim --games 1 --players %d --seed %" PRIu64 " --max-turns %d",
                                     options.players, seed, options.maxTurns);
    if (options.turnLimit > 0)
        command += TextFormat(" --turn-limit %d", options.turnLimit);
    if (options.deals)
        command += " --trades deals";
    if (options.levels.empty())
        return command;
    const char* separator = " --levels ";
    for (int32_t level : SeatLevels(options, seed)) {
        command += separator;
        command += LevelName(level);
        separator = ",";
    }
    return command;
}
