#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"
#include "game_options.h"

namespace {

const CommandLineProgram kProgram = {"prog", "Résumé.", "Description."};

// Reads `args` against a table with one option of each kind: whether the
// program goes on, its status, what the options were given, then all that
// was printed.
std::string Parse(std::vector<const char*> args)
{
    std::string given;
    const std::vector<CommandLineOption> table = {
        {"--count", nullptr, OptionValue::kRequired, "N", "un nombre",
         [&](const char* v) {
             uint64_t n = 0;
             const bool read = ReadWholeNumber(v, 1, 9, n);
             given += read ? " count=" + std::to_string(n) : "";
             return read;
         }},
        {"--flag", nullptr, OptionValue::kNone, nullptr, "un drapeau",
         [&](const char*) { given += " flag"; return true; }},
        {"--resume", "--reprendre", OptionValue::kOptional, "FICHIER", "reprend",
         [&](const char* v) { given += " resume=" + std::string(v ? v : "(none)"); return true; }},
    };
    args.insert(args.begin(), "prog");
    std::ostringstream out, err;
    int status = -1;
    const bool goesOn =
        ParseCommandLine(int(args.size()), args.data(), kProgram, table, out, err, status);
    return (goesOn ? "on " : "end ") + std::to_string(status) + given + "|" + out.str() + err.str();
}

}  // namespace

TEST(CommandLine, AcceptedFormsRefusalsHelpAndVersion)
{
    const auto refusal = [](const std::string& given, const std::string& reason) {
        return "end 2" + given + "|prog : " + reason + " ; voir prog --help\n";
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
        {{}, "on 0|"},
        {{"--count", "9"}, "on 0 count=9|"},
        {{"--count=4", "--flag"}, "on 0 count=4 flag|"},
        {{"--resume"}, "on 0 resume=(none)|"},
        {{"--resume", "--flag"}, "on 0 resume=(none) flag|"},
        {{"--resume", "partie.sav"}, "on 0 resume=partie.sav|"},
        {{"--reprendre=a=b"}, "on 0 resume=a=b|"},
        {{"--resume="}, "on 0 resume=|"},
        {{"--nope"}, refusal("", "option inconnue « --nope »")},
        {{"--count=3", "-x"}, refusal(" count=3", "option inconnue « -x »")},
        {{"fichier"}, refusal("", "argument inattendu « fichier »")},
        {{"-"}, refusal("", "argument inattendu « - »")},
        {{"--count"}, refusal("", "l'option --count attend une valeur")},
        {{"--count", "0"}, refusal("", "valeur refusée pour --count : « 0 »")},
        {{"--count", "--flag"}, refusal("", "valeur refusée pour --count : « --flag »")},
        {{"--count=12"}, refusal("", "valeur refusée pour --count : « 12 »")},
        {{"--flag=1"}, refusal("", "l'option --flag ne prend pas de valeur")},
        {{"--help"}, help},
        {{"--help", "--nope"}, help},
        {{"--count", "3", "--help"}, "end 0 count=3" + help.substr(5)},
        {{"--version"}, std::string("end 0|prog ") + PROJECT_VERSION + "\n"},
    };
    for (const auto& [args, outcome] : cases)
        EXPECT_EQ(Parse(args), outcome);
    // With no rows of its own, the built-in ones set the column.
    const char* args[] = {"prog", "--help"};
    std::ostringstream out, err;
    int status = -1;
    EXPECT_FALSE(ParseCommandLine(2, args, kProgram, {}, out, err, status));
    EXPECT_NE(out.str().find("\n  --version  affiche la version et quitte\n"), std::string::npos);
}

// What the game's options read from each command line, "!" when refused.
TEST(GameOptions, SpeedSeedFastComputersAndResume)
{
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        {{}, "normal"},
        {{"--speed", "faster", "--resume"}, "faster resume="},
        {{"--vitesse=instant", "--seed", "42", "--reprendre", "v.sav"}, "instant seed=42 resume=v.sav"},
        {{"--fast-computers", "--graine=0", "--resume=a b"}, "normal fast seed=0 resume=a b"},
        {{"--resume="}, "!"}, {{"--speed", "Rapide"}, "!"}, {{"--seed", "-3"}, "!"}, {{"--speed"}, "!"},
    };
    for (const auto& [args, expected] : cases) {
        std::vector<const char*> argv = args;
        argv.insert(argv.begin(), "bourgade3d");
        GameOptions o;
        std::ostringstream out, err;
        int status = -1;
        const bool goesOn = ParseCommandLine(int(argv.size()), argv.data(), kGameProgram,
                                             GameOptionTable(o), out, err, status);
        const std::string read = SpeedInfo(o.speed).option + std::string(o.fastComputers ? " fast" : "") +
                                 (o.seeded ? " seed=" + std::to_string(o.seed) : "") +
                                 (o.resume ? " resume=" + o.resumeFile : "");
        EXPECT_EQ(goesOn ? read : "!", expected);
    }
}
