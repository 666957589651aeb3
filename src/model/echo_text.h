// A value the user gave, made fit to quote in a one-line message on a terminal.
#pragma once

#include <string>
#include <string_view>

// Shown at most: enough to recognise what was typed.
constexpr std::size_t ECHO_MAX_CHARS = 60;

// strText with control characters, invalid UTF-8 and backslashes escaped as C writes them
// (\n, \t, \x1b, \\), so that nothing breaks the line or reaches the terminal as a command;
// cut after nMaxChars characters of strText, never inside an escape or a character, with
// "..." after.
std::string EchoText(std::string_view strText, std::size_t nMaxChars = ECHO_MAX_CHARS);
