// The case folding of names, kept without Qt below the ui, is Qt's (Unicode's simple folding)
// for every character; decoding agrees with Qt on what is UTF-8.
#include <gtest/gtest.h>

#include <QChar>
#include <QString>

#include "games/name_text.h"

namespace {

TEST(NameTextTest, FoldsEveryCharacterAsQtDoes) {
    int nWrong = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c)
        if (FoldCase(c) != QChar::toCaseFolded(c) && ++nWrong <= 5)
            ADD_FAILURE() << std::hex << "U+" << static_cast<unsigned>(c);
    EXPECT_EQ(nWrong, 0);
}

TEST(NameTextTest, DecodesWhatQtDecodes) {
    for (const char* psz : {"plain", "\u00e9\u4e2d\U0001F0A1", "\xF4\x8F\xBF\xBF"}) {
        std::u32string str;
        ASSERT_TRUE(DecodeUtf8(psz, str)) << psz;
        EXPECT_EQ(str, QString::fromUtf8(psz).toStdU32String()) << psz;
    }
}

}  // namespace
