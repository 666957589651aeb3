#include "model/hand.h"

#include <gtest/gtest.h>

#include "model/deck.h"
#include "platform/resources.h"
#include "support/assert_counter.h"
#include "support/recording_dc.h"
#include "support/test_cards.h"

namespace {

TEST(Hand, NewHandIsEmptyMeasuresMinusOneAndDrawsNothing) {
    const CHand hand;
    EXPECT_EQ(hand.GetSize(), 0);
    EXPECT_EQ(hand.GetSmallWidth(), -1);
    CRecordingDC dc;
    const POINT at{5, 5};
    hand.Draw(&dc, &at, false);
    EXPECT_TRUE(dc.Calls().empty());
    EXPECT_STREQ(hand.GetRuntimeClass()->m_lpszClassName, "CHand");
}

TEST(Hand, SetCardsReplacesAndNeverAppends) {
    const CTestCards cards;
    CDeck deck;
    deck.SetCardBack(cards.Back());
    CHand hand;
    hand.SetCards(deck.GetBlankHand());
    hand.SetCards(deck.GetBlankHand());
    ASSERT_EQ(hand.GetSize(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(hand.GetCard(i), cards.Back());
    EXPECT_EQ(hand.GetSmallWidth(), 129);
    EXPECT_EQ(hand.GetSmallHeight(), 34);

    hand.SetCard(2, cards.Parse("Qh"));
    EXPECT_EQ(CardsText(hand.GetCards()), "XX XX Qh XX XX");

    const CCardArray none;
    hand.SetCards(&none);
    EXPECT_EQ(hand.GetSize(), 0);
}

TEST(Hand, PositionsThatDoNotExistAreReportedAndLeftAlone) {
    const CTestCards cards;
    CAssertCounter asserts;
    CHand hand = cards.Hand("2s 3s");
    hand.SetCard(2, cards.Parse("Ah"));
    hand.SetCard(-1, cards.Parse("Ah"));
    EXPECT_EQ(hand.GetCard(5), nullptr);
    EXPECT_EQ(CardsText(hand.GetCards()), "2s 3s");
    CHand empty;
    EXPECT_EQ(empty.GetSmallHeight(), 0);
    EXPECT_EQ(asserts.Count(), 4);
}

TEST(Hand, LaysOutLargeCardsAtStep75AndSmallCardsAtStep26) {
    for (UINT id : {1102u, 1103u, 1104u, 1105u, 1106u})
        AfxRegisterBitmap(id, std::make_shared<CPlainImage>(71, 96));
    for (UINT id : {2102u, 2103u, 2104u, 2105u, 2106u})
        AfxRegisterBitmap(id, std::make_shared<CPlainImage>(25, 33));
    const CTestCards cards(true);
    const CHand hand = cards.Hand("2s 3s 4s 5s 6s");

    struct Case {
        bool bLarge;
        POINT at;
        int nStep, nWidth, nHeight;
        UINT nFirstId;
    };
    for (const Case& c :
         {Case{true, {10, 429}, 75, 71, 96, 1102}, Case{false, {5, 5}, 26, 25, 34, 2102},
          Case{false, {815, 359}, 26, 25, 34, 2102}}) {
        CRecordingDC dc;
        hand.Draw(&dc, &c.at, c.bLarge);
        const auto blits = dc.CallsOf(CDCCall::BitBlt);
        ASSERT_EQ(blits.size(), 5u);
        for (int i = 0; i < 5; ++i) {
            const int x = c.at.x + i * c.nStep;
            EXPECT_EQ(blits[i].rect, (RECT{x, c.at.y, x + c.nWidth, c.at.y + c.nHeight}));
            EXPECT_EQ(blits[i].pImage, AfxFindBitmap(c.nFirstId + i).get());
        }
    }
    AfxClearResources();
}

}  // namespace
