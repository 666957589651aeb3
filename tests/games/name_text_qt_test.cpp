// The case folding of names, kept without Qt below the ui, is Qt's (Unicode's simple folding)
// for every character.
#include <gtest/gtest.h>

#include <QChar>

#include "games/name_text.h"

namespace {

TEST(NameTextTest, FoldsEveryCharacterAsQtDoes) {
    int nWrong = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c)
        if (FoldCase(c) != QChar::toCaseFolded(c) && ++nWrong <= 5)
            ADD_FAILURE() << std::hex << "U+" << static_cast<unsigned>(c);
    EXPECT_EQ(nWrong, 0);
}

}  // namespace
