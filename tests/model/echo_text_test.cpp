// A value quoted in a message stays on its line, sends the terminal nothing but text, and is
// cut to a readable length.
#include "model/echo_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/golden.h"

namespace {

TEST(EchoTextTest, EscapesControlsAndCutsAtWholeCharacters) {
    const std::vector<std::vector<std::string>> cases =
        ReadCases(HANDFALL_GOLDEN_DIR "/echo_text.txt");
    EXPECT_GE(cases.size(), 12u);
    for (const std::vector<std::string>& c : cases) {
        ASSERT_GE(c.size(), 3u) << c[0];
        EXPECT_EQ(EchoText(c[0], std::stoul(c[1])), c[2]) << c[0];
    }
    EXPECT_EQ(EchoText(std::string(100000, 'x'), 60), std::string(60, 'x') + "...");
}

}  // namespace
