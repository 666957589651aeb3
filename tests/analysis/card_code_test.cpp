#include "analysis/card_code.h"

#include <gtest/gtest.h>

#include <set>

#include "support/test_cards.h"

namespace {

TEST(CardCodeTest, EveryCardHasItsOwnCodeAndBack) {
    CTestCards cards;
    std::set<int> codes;
    for (int i = 0; i < cards.All().GetSize(); ++i) {
        const CCard* pCard = cards.All()[i];
        const int nCode = CardCodeOf(pCard);
        ASSERT_GE(nCode, 0);
        ASSERT_LT(nCode, CARD_CODES);
        EXPECT_EQ(CardCodeSuit(nCode), pCard->GetSuit());
        EXPECT_EQ(CardCodeRank(nCode), pCard->GetRank());
        codes.insert(nCode);
    }
    EXPECT_EQ(codes.size(), 52u);
}

TEST(CardCodeTest, BackAndNullHaveNoCode) {
    CTestCards cards;
    EXPECT_EQ(CardCodeOf(cards.Back()), NO_CARD_CODE);
    EXPECT_EQ(CardCodeOf(nullptr), NO_CARD_CODE);
}

TEST(CardCodeTest, ParsesWhatPlayersWrite) {
    struct Case {
        const char* pszText;
        int nSuit;
        int nRank;
    };
    const Case cases[] = {
        {"2c", SUIT_CLUBS, 2},   {"10h", SUIT_HEARTS, 10},      {"Th", SUIT_HEARTS, 10},
        {"th", SUIT_HEARTS, 10}, {"Jd", SUIT_DIAMONDS, 11},     {"qS", SUIT_SPADES, 12},
        {"KC", SUIT_CLUBS, 13},  {"As", SUIT_SPADES, RANK_ACE}, {"9d", SUIT_DIAMONDS, 9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseCardCode(c.pszText), CardCode(c.nSuit, c.nRank)) << c.pszText;
    }
}

TEST(CardCodeTest, RejectsMalformedText) {
    for (const char* pszText :
         {"", "h", "10", "1h", "11h", "0c", "Ax", "A", "XX", "Qhh", "10hh", "Ah ", " Ah", "01h"}) {
        EXPECT_EQ(ParseCardCode(pszText), NO_CARD_CODE) << "'" << pszText << "'";
    }
}

TEST(CardCodeTest, TextReadsBack) {
    for (int nCode = 0; nCode < CARD_CODES; ++nCode) {
        EXPECT_EQ(ParseCardCode(CardCodeText(nCode)), nCode) << CardCodeText(nCode);
    }
    EXPECT_EQ(CardCodeText(CardCode(SUIT_HEARTS, 10)), "10h");
    EXPECT_EQ(CardCodeText(CardCode(SUIT_SPADES, RANK_QUEEN)), "Qs");
}

TEST(CardCodeTest, BinomialsAreTheDeckCounts) {
    EXPECT_EQ(Binomial(52, 5), 2598960);
    EXPECT_EQ(Binomial(52, 4), 270725);
    EXPECT_EQ(Binomial(47, 5), 1533939);
    EXPECT_EQ(Binomial(47, 0), 1);
    EXPECT_EQ(Binomial(3, 5), 0);
    EXPECT_EQ(Binomial(0, 0), 1);
}

// Stepping through every set must visit the slots 0, 1, 2, ... in turn, which is what lets the
// table builder fill a range of slots by stepping from its first set.
TEST(CardCodeTest, ColexStepsThroughEverySlotInOrder) {
    for (int nCount = 1; nCount <= 4; ++nCount) {
        int arrCodes[5];
        ColexUnrank(0, nCount, arrCodes);
        int nSlot = 0;
        do {
            ASSERT_EQ(ColexIndex(arrCodes, nCount), nSlot) << nCount << " cards";
            for (int i = 1; i < nCount; ++i) ASSERT_LT(arrCodes[i - 1], arrCodes[i]);
            ++nSlot;
        } while (ColexNext(arrCodes, nCount));
        EXPECT_EQ(nSlot, Binomial(CARD_CODES, nCount));
    }
}

TEST(CardCodeTest, ColexUnrankUndoesIndex) {
    for (int nSlot : {0, 1, 2, 47, 1000, 123456, 1533938, 2598958, 2598959}) {
        int arrCodes[5];
        ColexUnrank(nSlot, 5, arrCodes);
        EXPECT_EQ(ColexIndex(arrCodes, 5), nSlot);
    }
    int arrLast[5];
    ColexUnrank(Binomial(CARD_CODES, 5) - 1, 5, arrLast);
    EXPECT_EQ(arrLast[0], 47);
    EXPECT_EQ(arrLast[4], 51);
    EXPECT_FALSE(ColexNext(arrLast, 5));
}

}  // namespace
