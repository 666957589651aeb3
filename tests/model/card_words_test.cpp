// Cards and the screen's symbols in words, as a screen reader is given them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/card_words.h"
#include "support/golden.h"

namespace {

// The cases of golden/card_words.txt.
TEST(CardWords, TheSymbolsInShownTextReadAsWords) {
    const std::vector<std::vector<std::string>> cases =
        ReadCases(HANDFALL_GOLDEN_DIR "/card_words.txt");
    EXPECT_GE(cases.size(), 9u);
    for (const std::vector<std::string>& c : cases) {
        ASSERT_EQ(c.size(), 3u) << c[0];
        EXPECT_EQ(SymbolsAsWords(c[1]), c[2]) << c[1];
    }
}

}  // namespace
