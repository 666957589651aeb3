#include "cli/echo_text.h"

#include <gtest/gtest.h>

namespace {

// A value echoed in a message is one line, sets off no terminal control and stays short.
TEST(EchoTextTest, EscapesControlsAndCutsLongValues) {
    const struct {
        std::string strValue;
        std::string strEcho;
    } kCases[] = {
        {"9/6", "9/6"},
        {"a\nb\tc\rd", "a\\nb\\tc\\rd"},
        {"\x1b]0;title\x07\x1b[2J", "\\x1b]0;title\\x07\\x1b[2J"},
        {"back\\slash \x7f", "back\\\\slash \\x7f"},
        {std::string(100000, 'x'), std::string(MAX_ECHOED_CHARS, 'x') + "..."},
        {std::string(MAX_ECHOED_CHARS, 'y'), std::string(MAX_ECHOED_CHARS, 'y')},
        {"Ünïcode ♥", "Ünïcode ♥"},
    };
    for (const auto& c : kCases) EXPECT_EQ(EchoText(c.strValue), c.strEcho) << c.strEcho;
}

}  // namespace
