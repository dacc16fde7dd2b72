#include "options.h"

#include <cinttypes>
#include <cstdio>

#include "player.h"

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
    };
}

std::string ReplayCommand(const SimOptions& options, uint64_t seed)
{
    char command[128];
    std::snprintf(command, sizeof command,
                  "bourgade3d-sim --games 1 --players %d --seed %" PRIu64 " --max-turns %d",
                  options.players, seed, options.maxTurns);
    return command;
}
