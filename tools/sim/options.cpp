#include "options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "player.h"

const char kUsage[] =
    "usage: bourgade3d-sim [--games N] [--players 2-6] [--seed S] [--max-turns T] [--landings]\n";

namespace {

// A whole decimal number from `low` to `high`, nothing else.
bool ReadNumber(const char* text, uint64_t low, uint64_t high, uint64_t& value)
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

}  // namespace

bool ParseOptions(int argc, const char* const* argv, SimOptions& options, std::string& error)
{
    constexpr uint64_t kMaxCount = 100000000;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--landings") {
            options.landings = true;
            continue;
        }
        const char* text = i + 1 < argc ? argv[i + 1] : nullptr;
        uint64_t value = 0;
        bool good = false;
        if (name == "--games") {
            good = ReadNumber(text, 1, kMaxCount, value);
            options.games = static_cast<int>(value);
        } else if (name == "--players") {
            good = ReadNumber(text, kMinPlayers, kMaxPlayers, value);
            options.players = static_cast<int>(value);
        } else if (name == "--seed") {
            good = ReadNumber(text, 0, UINT64_MAX, value);
            options.seed = value;
        } else if (name == "--max-turns") {
            good = ReadNumber(text, 1, kMaxCount, value);
            options.maxTurns = static_cast<int>(value);
        } else {
            error = "unknown option " + name;
            return false;
        }
        if (!good) {
            error = "bad value for " + name + ": " + (text != nullptr ? text : "(none)");
            return false;
        }
        ++i;
    }
    return true;
}
