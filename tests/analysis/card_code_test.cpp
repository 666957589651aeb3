// Card codes, how players write cards, and what is not a card. The colex stepping the analyzer's
// tables are built with is checked by every count and return the analyzer gives.
#include "analysis/card_code.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/test_cards.h"

namespace {

TEST(CardCodeTest, EveryCardHasItsOwnCodeWhichReadsBackAsText) {
    const CTestCards cards;
    for (const CCard* pCard : cards.All()) {
        const int nCode = CardCodeOf(pCard);
        ASSERT_TRUE(nCode >= 0 && nCode < CARD_CODES) << CardText(pCard);
        EXPECT_EQ(CardCodeSuit(nCode), pCard->GetSuit());
        EXPECT_EQ(CardCodeRank(nCode), pCard->GetRank());
        EXPECT_EQ(CardCodeText(nCode), CardText(pCard));
        EXPECT_EQ(ParseCardCode(CardCodeText(nCode)), nCode);  // so no two cards share a code
    }
    EXPECT_EQ(CardCodeOf(cards.Back()), NO_CARD_CODE);
    EXPECT_EQ(CardCodeOf(nullptr), NO_CARD_CODE);
}

TEST(CardCodeTest, ParsesWhatPlayersWriteAndNothingElse) {
    const std::tuple<const char*, int, int> kCards[] = {
        {"2c", SUIT_CLUBS, 2},   {"10h", SUIT_HEARTS, 10},  {"Th", SUIT_HEARTS, 10},
        {"th", SUIT_HEARTS, 10}, {"Jd", SUIT_DIAMONDS, 11}, {"qS", SUIT_SPADES, 12},
        {"KC", SUIT_CLUBS, 13},  {"As", SUIT_SPADES, 14}};
    for (const auto& [pszText, nSuit, nRank] : kCards)
        EXPECT_EQ(ParseCardCode(pszText), CardCode(nSuit, nRank)) << pszText;
    for (const char* pszText : {"Jk", "jk", "JK"}) EXPECT_EQ(ParseCardCode(pszText), JOKER_CODE);
    EXPECT_EQ(CardCodeText(JOKER_CODE), "Jk");
    for (const char* pszText : {"", "h", "10", "1h", "11h", "0c", "Ax", "A", "XX", "Qhh", "10hh",
                                "Ah ", " Ah", "01h", "Jkk", "kJ", "Qk"})
        EXPECT_EQ(ParseCardCode(pszText), NO_CARD_CODE) << "'" << pszText << "'";
}

}  // namespace
