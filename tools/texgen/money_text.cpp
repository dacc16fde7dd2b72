#include "money_text.h"

std::string FormatFrancs(long amount)
{
    std::string digits = std::to_string(amount < 0 ? -amount : amount);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(at, ".");
    return (amount < 0 ? "-" : "") + digits + " F";
}
