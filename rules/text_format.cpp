#include "text_format.h"

#include <cstdarg>
#include <cstdio>

std::string TextFormat(const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

std::string Francs(int amount)
{
    std::string digits = std::to_string(amount);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ".");
    return digits + " F";
}
