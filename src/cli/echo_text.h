// What the user typed, made safe to echo in a message: one line, no terminal controls, short.
#pragma once

#include <string>
#include <string_view>

// The most characters of a value a message repeats; longer ones are cut with "...".
constexpr std::size_t MAX_ECHOED_CHARS = 40;

// Control characters and DEL as escapes (\n, \t, \r, \\, \x1b), the rest as given, cut to
// MAX_ECHOED_CHARS characters of the original.
std::string EchoText(std::string_view strValue);
