#include "game_options.h"

#include "computer_level.h"

namespace {

// A limit far beyond any game's, which the save keeps as it is.
constexpr uint64_t kMostTurnLimit = 1000000;

}  // namespace

const CommandLineProgram kGameProgram = {
    "bourgade3d",
    "Jeu de plateau en 3D : acheter, louer, bâtir et échanger les rues de Paris,\n"
    "à plusieurs sur la même machine.",
    "Au démarrage, la console demande le nombre de joueurs (2 à 6), le nom de\n"
    "chacun, s'il est joué par l'ordinateur, puis le plein écran ou la fenêtre.\n"
    "Le journal de la partie s'écrit sur la console. La partie s'enregistre au\n"
    "début de chaque tour dans $XDG_STATE_HOME/bourgade3d/partie.sav\n"
    "(~/.local/state/bourgade3d/partie.sav par défaut) ; --resume la reprend.\n"
    "\n"
    "Touches : Échap quitte ; t ou h lance les dés ; d vue de dessus, o options,\n"
    "i regarder une propriété (et survoler la case suivante), q échange,\n"
    "e échanges de propriétés et d'argent (ou un appui long sur l'icône),\n"
    "b construire, m hypothéquer, u lever une hypothèque ; l fil de fer,\n"
    "f plein ; t bascule aussi le glisser de la souris entre tourner et\n"
    "déplacer la vue ; + et - changent la vitesse ; s coupe ou remet le son ;\n"
    "un clic ou Espace passe le message ou le mouvement en cours.",
};

std::vector<CommandLineOption> GameOptionTable(GameOptions& options)
{
    return {
        {"--resume", "--reprendre", OptionValue::kOptional, "FICHIER",
         "reprend la partie enregistrée (ou celle de FICHIER)",
         [&options](const char* file) {
             options.resume = true;
             options.resumeFile = file != nullptr ? file : "";
             return file == nullptr || file[0] != '\0';
         }},
        {"--speed", "--vitesse", OptionValue::kRequired, "VITESSE",
         "normal, fast (x2), faster (x4) ou instant (sans attente)",
         [&options](const char* value) {
             options.speedChosen = true;
             return SpeedFromOption(value, options.speed);
         }},
        {"--fast-computers", "--ordinateur-accelere", OptionValue::kNone, nullptr,
         "les tours de l'ordinateur en accéléré",
         [&options](const char*) { return options.fastComputers = true; }},
        {"--mute", "--muet", OptionValue::kNone, nullptr, "sans le son (la touche s le remet)",
         [&options](const char*) { return options.mute = true; }},
        {"--seed", "--graine", OptionValue::kRequired, "N",
         "rejoue la même partie : dés et cartes suivent la graine N",
         [&options](const char* value) {
             return options.seeded = ReadWholeNumber(value, 0, UINT64_MAX, options.seed);
         }},
        {"--computer-level", "--niveau", OptionValue::kRequired, "NIVEAU",
         "facile, normal ou fort : le niveau des joueurs de l'ordinateur",
         [&options](const char* value) { return LevelFromName(value, options.computerLevel); }},
        {"--menu", "--ecran-titre", OptionValue::kNone, nullptr,
         "ouvre la fenêtre sur l'écran titre, sans dialogue sur la console",
         [&options](const char*) { return options.menu = true; }},
        {"--turn-limit", "--limite-tours", OptionValue::kRequired, "N",
         "après N tours de table, le plus riche gagne",
         [&options](const char* value) {
             uint64_t limit = 0;
             const bool read = ReadWholeNumber(value, 1, kMostTurnLimit, limit);
             options.turnLimit = static_cast<int32_t>(limit);
             return read;
         }},
    };
}
