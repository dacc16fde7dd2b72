// The GNU-style command line shared by the game and the simulator.
//
// A program describes its options as a table of rows; adding an option is
// adding a row. `--help` and `--version` come with every table. Options are
// written `--name VALUE` or `--name=VALUE`; a value that may be left out is
// taken from the next argument only when that one is not itself an option.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <vector>

enum class OptionValue {
    kNone,      // a flag: `--landings`
    kRequired,  // `--games N`
    kOptional,  // `--resume [FILE]`
};

struct CommandLineOption {
    const char* name;         // "--games"
    const char* alias;        // a second spelling, or nullptr
    OptionValue value;
    const char* placeholder;  // the value's name in the help, or nullptr
    const char* help;         // one line
    // Takes the value (nullptr for a flag or a left-out optional value);
    // false when the value is not acceptable.
    std::function<bool(const char* value)> apply;
};

struct CommandLineProgram {
    const char* name;         // as typed in a shell, for the help and errors
    const char* summary;      // one line under the usage line
    const char* description;  // the closing paragraph of the help
};

// Reads argv against the table, printing the help or the version to `out`
// and any refusal, in one line, to `err`. True when the program should go
// on; false when it should end at once with `exitStatus` (0 after the help
// or the version, 2 after a refusal).
bool ParseCommandLine(int argc, const char* const* argv, const CommandLineProgram& program,
                      const std::vector<CommandLineOption>& options, std::ostream& out,
                      std::ostream& err, int& exitStatus);

// A whole decimal number from `low` to `high` and nothing else: for the
// rows' `apply`.
bool ReadWholeNumber(const char* text, uint64_t low, uint64_t high, uint64_t& value);

// The version from the build (CMake's project version).
extern const char kProgramVersion[];
