#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"
#include "game_options.h"

namespace {

const CommandLineProgram kProgram = {"prog", "Résumé.", "Description."};

// A table with one option of each kind, recording what it was given.
struct Parsed {
    uint64_t count = 0;
    bool flag = false, resumed = false;
    std::string file;
    std::ostringstream out, err;
    int status = -1;

    // What the options received, or the status and the refusal.
    std::string Outcome() const
    {
        if (status != 0)
            return std::to_string(status) + " " + err.str();
        return std::to_string(count) + (flag ? " flag" : "") + (resumed ? " resume=" + file : "") +
               err.str();
    }
    bool Parse(std::vector<const char*> args)
    {
        args.insert(args.begin(), "prog");
        const std::vector<CommandLineOption> table = {
            {"--count", nullptr, OptionValue::kRequired, "N", "un nombre",
             [this](const char* v) { return ReadWholeNumber(v, 1, 9, count); }},
            {"--flag", nullptr, OptionValue::kNone, nullptr, "un drapeau",
             [this](const char*) { return flag = true; }},
            {"--resume", "--reprendre", OptionValue::kOptional, "FICHIER", "reprend",
             [this](const char* v) { return resumed = true, file = v ? v : "", true; }},
        };
        return ParseCommandLine(int(args.size()), args.data(), kProgram, table, out, err, status);
    }
};

}  // namespace

TEST(CommandLine, AcceptedFormsAndOneLineRefusals)
{
    const auto refusal = [](const std::string& reason) {
        return "2 prog : " + reason + " ; voir prog --help\n";
    };
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        {{}, "0"},
        {{"--count", "9"}, "9"},
        {{"--count=4", "--flag"}, "4 flag"},
        {{"--resume"}, "0 resume="},
        {{"--resume", "--flag"}, "0 flag resume="},
        {{"--resume", "partie.sav"}, "0 resume=partie.sav"},
        {{"--reprendre=a=b"}, "0 resume=a=b"},
        {{"--resume="}, "0 resume="},
        {{"--nope"}, refusal("option inconnue « --nope »")},
        {{"--count=3", "-x"}, refusal("option inconnue « -x »")},
        {{"fichier"}, refusal("argument inattendu « fichier »")},
        {{"-"}, refusal("argument inattendu « - »")},
        {{"--count"}, refusal("l'option --count attend une valeur")},
        {{"--count", "0"}, refusal("valeur refusée pour --count : « 0 »")},
        {{"--count", "--flag"}, refusal("valeur refusée pour --count : « --flag »")},
        {{"--count=12"}, refusal("valeur refusée pour --count : « 12 »")},
        {{"--flag=1"}, refusal("l'option --flag ne prend pas de valeur")},
    };
    for (const auto& [args, outcome] : cases) {
        Parsed p;
        EXPECT_EQ(p.Parse(args), outcome.rfind("2 prog", 0) != 0) << outcome;
        EXPECT_EQ(p.Outcome(), outcome);
        EXPECT_EQ(p.out.str(), "") << outcome;
    }
}

TEST(CommandLine, HelpAndVersionEndTheProgram)
{
    // One column, two spaces after the widest left part.
    const std::string help = "Usage : prog [OPTION]...\nRésumé.\n\nOptions :\n"
                             "  --count N                        un nombre\n"
                             "  --flag                           un drapeau\n"
                             "  --resume, --reprendre [FICHIER]  reprend\n"
                             "  --help                           affiche cette aide et quitte\n"
                             "  --version                        affiche la version et quitte\n"
                             "\nDescription.\n";
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        {{"--help"}, help}, {{"--count", "3", "--help"}, help}, {{"--help", "--nope"}, help},
        {{"--version"}, std::string("prog ") + PROJECT_VERSION + "\n"},
    };
    for (const auto& [args, said] : cases) {
        Parsed p;
        EXPECT_FALSE(p.Parse(args));
        EXPECT_EQ(p.status, 0);
        EXPECT_EQ(p.out.str() + p.err.str(), said);
    }
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
