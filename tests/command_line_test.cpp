#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"

namespace {

const CommandLineProgram kProgram = {"prog", "Résumé.", "Description."};

// A table with one option of each kind, recording what it was given.
struct Parsed {
    uint64_t count = 0;
    bool flag = false;
    bool resumed = false;
    std::string file;
    std::ostringstream out, err;
    int status = -1;

    std::vector<CommandLineOption> Table()
    {
        return {
            {"--count", nullptr, OptionValue::kRequired, "N", "un nombre",
             [this](const char* v) { return ReadWholeNumber(v, 1, 9, count); }},
            {"--flag", nullptr, OptionValue::kNone, nullptr, "un drapeau",
             [this](const char*) { return flag = true; }},
            {"--resume", "--reprendre", OptionValue::kOptional, "FICHIER", "reprend",
             [this](const char* v) {
                 resumed = true;
                 file = v ? v : "";
                 return true;
             }},
        };
    }
    bool Parse(std::vector<const char*> args)
    {
        args.insert(args.begin(), "prog");
        return ParseCommandLine(static_cast<int>(args.size()), args.data(), kProgram, Table(), out,
                                err, status);
    }
};

}  // namespace

TEST(CommandLine, NoArgumentsRunsWithoutSayingAnything)
{
    Parsed p;
    EXPECT_TRUE(p.Parse({}));
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.out.str() + p.err.str(), "");
}

TEST(CommandLine, AcceptedForms)
{
    struct Case {
        std::vector<const char*> args;
        uint64_t count;
        bool flag, resumed;
        std::string file;
    };
    const Case cases[] = {
        {{"--count", "3"}, 3, false, false, ""},
        {{"--count=4", "--flag"}, 4, true, false, ""},
        {{"--resume"}, 0, false, true, ""},
        {{"--resume", "--flag"}, 0, true, true, ""},
        {{"--resume", "partie.sav"}, 0, false, true, "partie.sav"},
        {{"--reprendre=a=b"}, 0, false, true, "a=b"},
        {{"--resume="}, 0, false, true, ""},
    };
    for (const Case& c : cases) {
        Parsed p;
        EXPECT_TRUE(p.Parse(c.args)) << c.args[0] << ": " << p.err.str();
        EXPECT_EQ(p.count, c.count) << c.args[0];
        EXPECT_EQ(p.flag, c.flag) << c.args[0];
        EXPECT_EQ(p.resumed, c.resumed) << c.args[0];
        EXPECT_EQ(p.file, c.file) << c.args[0];
        EXPECT_EQ(p.err.str(), "");
    }
}

TEST(CommandLine, RefusalsAreOneLineAndStatusTwo)
{
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{"--nope"}, "option inconnue « --nope »"},
        {{"--count=3", "-x"}, "option inconnue « -x »"},
        {{"fichier"}, "argument inattendu « fichier »"},
        {{"-"}, "argument inattendu « - »"},
        {{"--count"}, "l'option --count attend une valeur"},
        {{"--count", "0"}, "valeur refusée pour --count : « 0 »"},
        {{"--count", "--flag"}, "valeur refusée pour --count : « --flag »"},
        {{"--count=12"}, "valeur refusée pour --count : « 12 »"},
        {{"--flag=1"}, "l'option --flag ne prend pas de valeur"},
    };
    for (const auto& [args, reason] : cases) {
        Parsed p;
        EXPECT_FALSE(p.Parse(args)) << reason;
        EXPECT_EQ(p.status, 2) << reason;
        EXPECT_EQ(p.err.str(), "prog : " + reason + " ; voir prog --help\n");
        EXPECT_EQ(p.out.str(), "");
    }
}

TEST(CommandLine, HelpListsEveryRowAndEndsTheProgram)
{
    for (const std::vector<const char*>& args :
         {std::vector<const char*>{"--help"}, {"--count", "3", "--help"}, {"--help", "--nope"}}) {
        Parsed p;
        EXPECT_FALSE(p.Parse(args));
        EXPECT_EQ(p.status, 0);
        EXPECT_EQ(p.err.str(), "");
        const std::string help = p.out.str();
        EXPECT_EQ(help.rfind("Usage : prog [OPTION]...\nRésumé.\n", 0), 0u) << help;
        // One column, two spaces after the widest left part.
        for (const char* row : {"  --count N                        un nombre\n",
                                "  --flag                           un drapeau\n",
                                "  --resume, --reprendre [FICHIER]  reprend\n",
                                "  --help                           affiche cette aide et quitte\n",
                                "  --version                        affiche la version et quitte\n"})
            EXPECT_NE(help.find(row), std::string::npos) << row << " in\n" << help;
        EXPECT_NE(help.find("\nDescription.\n"), std::string::npos);
    }
}

TEST(CommandLine, VersionIsTheProjectVersion)
{
    Parsed p;
    EXPECT_FALSE(p.Parse({"--version"}));
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(p.out.str(), std::string("prog ") + PROJECT_VERSION + "\n");
}
