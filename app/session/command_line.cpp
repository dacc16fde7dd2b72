#include "command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>

#include "terminal_text.h"

#ifndef BOURGADE_VERSION
#error "the build passes the project version as BOURGADE_VERSION"
#endif

const char kProgramVersion[] = BOURGADE_VERSION;

namespace {

// The status of a refused command line, as GNU programs use it.
constexpr int kUsageStatus = 2;

enum class Builtin { kHelp, kVersion };

struct BuiltinOption {
    const char* name;
    const char* help;
    Builtin action;
};

const BuiltinOption kBuiltins[] = {
    {"--help", "affiche cette aide et quitte", Builtin::kHelp},
    {"--version", "affiche la version et quitte", Builtin::kVersion},
};

// The left column of the help: "--resume, --reprendre [FICHIER]".
std::string Synopsis(const CommandLineOption& option)
{
    std::string text = option.name;
    if (option.alias != nullptr)
        text += std::string(", ") + option.alias;
    if (option.value == OptionValue::kRequired)
        text += std::string(" ") + option.placeholder;
    if (option.value == OptionValue::kOptional)
        text += std::string(" [") + option.placeholder + "]";
    return text;
}

void PrintRow(std::ostream& out, const std::string& left, const char* help, size_t width)
{
    out << "  " << left << std::string(width - left.size(), ' ') << help << '\n';
}

void PrintHelp(std::ostream& out, const CommandLineProgram& program,
               const std::vector<CommandLineOption>& options)
{
    size_t width = 0;
    for (const BuiltinOption& builtin : kBuiltins)
        width = std::max(width, std::strlen(builtin.name));
    for (const CommandLineOption& option : options)
        width = std::max(width, Synopsis(option).size());
    width += 2;

    out << "Usage : " << program.name << " [OPTION]...\n" << program.summary << "\n\nOptions :\n";
    for (const CommandLineOption& option : options)
        PrintRow(out, Synopsis(option), option.help, width);
    for (const BuiltinOption& builtin : kBuiltins)
        PrintRow(out, builtin.name, builtin.help, width);
    out << '\n' << program.description << '\n';
}

const CommandLineOption* FindOption(const std::vector<CommandLineOption>& options,
                                    const std::string& name)
{
    for (const CommandLineOption& option : options)
        if (name == option.name || (option.alias != nullptr && name == option.alias))
            return &option;
    return nullptr;
}

const BuiltinOption* FindBuiltin(const std::string& name)
{
    for (const BuiltinOption& builtin : kBuiltins)
        if (name == builtin.name)
            return &builtin;
    return nullptr;
}

bool IsOption(const char* argument)
{
    return argument[0] == '-' && argument[1] != '\0';
}

// One argument and what follows it, read against the table.
class CArgumentReader {
public:
    CArgumentReader(int argc, const char* const* argv, const CommandLineProgram& program,
                    std::ostream& err)
        : m_nArgc(argc), m_pArgv(argv), m_Program(program), m_Err(err)
    {
    }

    // Applies argument `i`, moving `i` past a value it took.
    bool Apply(const CommandLineOption& option, const std::string& name, const char* inlineValue,
               int& i)
    {
        if (option.value == OptionValue::kNone && inlineValue != nullptr)
            return Refuse("l'option " + name + " ne prend pas de valeur");
        const char* value = inlineValue;
        if (value == nullptr && option.value != OptionValue::kNone && NextIsValue(i, option))
            value = m_pArgv[++i];
        if (value == nullptr && option.value == OptionValue::kRequired)
            return Refuse("l'option " + name + " attend une valeur");
        if (!option.apply(value))
            return Refuse("valeur refusée pour " + name + " : « " + (value ? value : "") + " »");
        return true;
    }

    bool Refuse(const std::string& reason)
    {
        m_Err << m_Program.name << " : " << Printable(reason) << " ; voir " << m_Program.name
              << " --help\n";
        return false;
    }

private:
    // A required value is the next argument whatever it looks like (a seed
    // may be negative one day); an optional one never swallows an option.
    bool NextIsValue(int i, const CommandLineOption& option) const
    {
        if (i + 1 >= m_nArgc)
            return false;
        return option.value == OptionValue::kRequired || !IsOption(m_pArgv[i + 1]);
    }

    int m_nArgc;
    const char* const* m_pArgv;
    const CommandLineProgram& m_Program;
    std::ostream& m_Err;
};

}  // namespace

bool ParseCommandLine(int argc, const char* const* argv, const CommandLineProgram& program,
                      const std::vector<CommandLineOption>& options, std::ostream& out,
                      std::ostream& err, int& exitStatus)
{
    CArgumentReader reader(argc, argv, program, err);
    exitStatus = kUsageStatus;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!IsOption(argv[i]))
            return reader.Refuse("argument inattendu « " + argument + " »");
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const char* inlineValue = equals == std::string::npos ? nullptr : argv[i] + equals + 1;
        if (const BuiltinOption* builtin = FindBuiltin(name)) {
            if (builtin->action == Builtin::kHelp)
                PrintHelp(out, program, options);
            else
                out << program.name << ' ' << kProgramVersion << '\n';
            exitStatus = 0;
            return false;
        }
        const CommandLineOption* option = FindOption(options, name);
        if (option == nullptr)
            return reader.Refuse("option inconnue « " + name + " »");
        if (!reader.Apply(*option, name, inlineValue, i))
            return false;
    }
    exitStatus = 0;
    return true;
}

bool ReadWholeNumber(const char* text, uint64_t low, uint64_t high, uint64_t& value)
{
    if (text == nullptr || *text < '0' || *text > '9')
        return false;
    char* end = nullptr;
    errno = 0;
    const unsigned long long read = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0' || read < low || read > high)
        return false;
    value = read;
    return true;
}
