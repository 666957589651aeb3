// A value quoted in a message stays on its line, sends the terminal nothing but text, and is
// cut to a readable length.
#include "model/echo_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CEchoCase {
    std::string strIn;
    std::size_t nMax;
    std::string strOut;
};

TEST(EchoTextTest, EscapesControlsAndCutsAtWholeCharacters) {
    const CEchoCase kCases[] = {
        {"jacks", 60, "jacks"},
        {"a\nb\tc\rd", 60, "a\\nb\\tc\\rd"},
        {"\x1b]0;title\a\x1b[2J", 60, "\\x1b]0;title\\x07\\x1b[2J"},
        {"back\\slash", 60, "back\\\\slash"},
        {"del\x7f", 60, "del\\x7f"},
        {"c\xc3\xa6ur \xe2\x99\xa5", 60, "c\xc3\xa6ur \xe2\x99\xa5"},  // UTF-8 stays
        {"\xc2\x9b"
         "2J",
         60, "\\xc2\\x9b2J"},            // a C1 control
        {"\xff\xc3", 60, "\\xff\\xc3"},  // not UTF-8
        {"abcdef", 3, "abc..."},
        {"abc", 3, "abc"},
        {"ab\ncd", 3, "ab\\n..."},
        {"\xe2\x99\xa5\xe2\x99\xa5", 1, "\xe2\x99\xa5..."},
        {std::string(100000, 'x'), 60, std::string(60, 'x') + "..."},
    };
    for (const CEchoCase& c : kCases) EXPECT_EQ(EchoText(c.strIn, c.nMax), c.strOut) << c.strIn;
}

}  // namespace
