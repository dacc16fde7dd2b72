#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"
#include "game_options.h"

namespace {

const CommandLineProgram kProgram = {"prog", "Résumé.", "Description."};

// Reads `args` against `table`: whether the program goes on, its status, then all that was printed.
std::string Parse(std::vector<const char*> args, const CommandLineProgram& program,
                  const std::vector<CommandLineOption>& table)
{
    args.insert(args.begin(), program.name);
    std::ostringstream out, err;
    int status = -1;
    const bool goesOn = ParseCommandLine(int(args.size()), args.data(), program, table, out, err, status);
    return (goesOn ? "on " : "end ") + std::to_string(status) + "|" + out.str() + err.str();
}

}  // namespace

// One option of each kind: the transcript, then what the options were given.
TEST(CommandLine, AcceptedFormsRefusalsHelpAndVersion)
{
    std::string given;
    const std::vector<CommandLineOption> table = {
        {"--count", nullptr, OptionValue::kRequired, "N", "un nombre", [&](const char* v) {
             uint64_t n = 0;
             if (!ReadWholeNumber(v, 1, 9, n))
                 return false;
             given += " count=" + std::to_string(n);
             return true;
         }},
        {"--flag", nullptr, OptionValue::kNone, nullptr, "un drapeau",
         [&](const char*) {
             given += " flag";
             return true;
         }},
        {"--resume", "--reprendre", OptionValue::kOptional, "FICHIER", "reprend",
         [&](const char* v) {
             given += " resume=" + std::string(v ? v : "(none)");
             return true;
         }},
    };
    const auto refusal = [](const std::string& reason, const std::string& given = "") {
        return "end 2|prog : " + reason + " ; voir prog --help\n" + given;
    };
    // One column, two spaces after the widest left part.
    const std::string help = "end 0|Usage : prog [OPTION]...\nRésumé.\n\nOptions :\n"
                             "  --count N                        un nombre\n"
                             "  --flag                           un drapeau\n"
                             "  --resume, --reprendre [FICHIER]  reprend\n"
                             "  --help                           affiche cette aide et quitte\n"
                             "  --version                        affiche la version et quitte\n"
                             "\nDescription.\n";
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        {{}, "on 0|"}, {{"--count", "9"}, "on 0| count=9"}, {{"--count=4", "--flag"}, "on 0| count=4 flag"},
        {{"--resume"}, "on 0| resume=(none)"}, {{"--resume", "--flag"}, "on 0| resume=(none) flag"},
        {{"--resume", "partie.sav"}, "on 0| resume=partie.sav"}, {{"--reprendre=a=b"}, "on 0| resume=a=b"},
        {{"--resume="}, "on 0| resume="}, {{"--nope"}, refusal("option inconnue « --nope »")},
        {{"--count=3", "-x"}, refusal("option inconnue « -x »", " count=3")},
        {{"fichier"}, refusal("argument inattendu « fichier »")}, {{"-"}, refusal("argument inattendu « - »")},
        {{"--count"}, refusal("l'option --count attend une valeur")},
        {{"--count", "0"}, refusal("valeur refusée pour --count : « 0 »")},
        {{"--count", "--flag"}, refusal("valeur refusée pour --count : « --flag »")},
        {{"--count=12"}, refusal("valeur refusée pour --count : « 12 »")},
        {{"--count=3x"}, refusal("valeur refusée pour --count : « 3x »")},
        {{"--flag=1"}, refusal("l'option --flag ne prend pas de valeur")},
        {{"--count", "\x1b]0;T\a"}, refusal("valeur refusée pour --count : « \\x1B]0;T\\x07 »")},
        {{"--\xc2\x9b" "2J"}, refusal("option inconnue « --\\xC2\\x9B2J »")},
        {{"--help"}, help}, {{"--help", "--nope"}, help}, {{"--count", "3", "--help"}, help + " count=3"},
        {{"--version"}, std::string("end 0|prog ") + PROJECT_VERSION + "\n"},
    };
    for (const auto& [args, outcome] : cases) {
        given.clear();
        EXPECT_EQ(Parse(args, kProgram, table) + given, outcome);
    }
    // With no rows of its own, the built-in ones set the column.
    EXPECT_NE(Parse({"--help"}, kProgram, {}).find("\n  --version  affiche la version et quitte\n"),
              std::string::npos);
}

// What the game's options read from each command line, "!" when refused.
TEST(GameOptions, SpeedSeedFastComputersAndResume)
{
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        {{}, "normal"}, {{"--speed", "faster", "--resume"}, "faster chosen resume="},
        {{"--vitesse=instant", "--seed", "42", "--reprendre", "v.sav"}, "instant chosen seed=42 resume=v.sav"},
        {{"--fast-computers", "--graine=0", "--resume=a b"}, "normal fast seed=0 resume=a b"},
        {{"--muet", "--menu"}, "normal mute menu"},
        {{"--resume="}, "!"}, {{"--speed", "Rapide"}, "!"}, {{"--seed", "-3"}, "!"}, {{"--speed"}, "!"},
    };
    for (const auto& [args, expected] : cases) {
        GameOptions o;
        const bool goesOn = Parse(args, kGameProgram, GameOptionTable(o)).rfind("on 0|", 0) == 0;
        const std::string read = SpeedInfo(o.speed).option + std::string(o.speedChosen ? " chosen" : "") +
                                 (o.fastComputers ? " fast" : "") +
                                 (o.seeded ? " seed=" + std::to_string(o.seed) : "") +
                                 (o.resume ? " resume=" + o.resumeFile : "") + (o.mute ? " mute" : "") +
                                 (o.menu ? " menu" : "");
        EXPECT_EQ(goesOn ? read : "!", expected);
    }
}
