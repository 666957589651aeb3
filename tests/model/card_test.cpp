// The card, the card array and the hand: picture ids, positions that do not exist, layout.
#include <gtest/gtest.h>

#include <tuple>

#include "model/hand.h"
#include "support/assert_counter.h"
#include "support/recording_dc.h"
#include "support/test_cards.h"

namespace {

TEST(Card, PictureIdsFollowTheSuitOrderSpadesHeartsClubsDiamondsWithTheAceFirst) {
    const std::tuple<int, int, UINT> kLargeIds[] = {
        {SUIT_SPADES, 2, 1102},   {SUIT_SPADES, RANK_ACE, 1101}, {SUIT_SPADES, RANK_KING, 1113},
        {SUIT_HEARTS, 10, 1210},  {SUIT_CLUBS, RANK_JACK, 1311}, {SUIT_DIAMONDS, RANK_KING, 1413},
        {SUIT_DIAMONDS, 2, 1402}, {SUIT_BACK, 0, 1000}};
    for (const auto& [nSuit, nRank, nLarge] : kLargeIds) {
        EXPECT_EQ(CardLargeBitmapID(nSuit, nRank), nLarge) << nSuit << " " << nRank;
        EXPECT_EQ(CardSmallBitmapID(nSuit, nRank), nLarge + 1000);
    }
    // Ids that name no picture leave the card usable without it.
    const CCard missing(SUIT_HEARTS, 9, 9999, 9998);
    EXPECT_FALSE(missing.IsLargeLoaded() || missing.IsSmallLoaded());
}

// Order through adding, removing and gathering is the deck's and the table's test.
TEST(CardArrayAndHand, PositionsOutsideAreReportedReadNullAndAreNotWritten) {
    const CTestCards cards;
    CAssertCounter asserts;
    CCardArray a = cards.ParseArray("2s 3s");
    EXPECT_EQ(a.GetAt(2), nullptr);
    EXPECT_EQ(a[-1], nullptr);
    a.SetAt(5, cards.Parse("Ah"));
    a.RemoveAt(2);
    EXPECT_EQ(CardsText(a), "2s 3s");
    CHand hand(&a);
    hand.SetCard(2, cards.Parse("Ah"));
    hand.SetCard(-1, cards.Parse("Ah"));
    EXPECT_EQ(hand.GetCard(5), nullptr);
    EXPECT_EQ(CardsText(hand.GetCards()), "2s 3s");
    EXPECT_EQ(asserts.Count(), 7);
    CRecordingDC dc;
    const POINT at{5, 5};
    CHand().Draw(&dc, &at, false);  // an empty hand draws nothing
    EXPECT_TRUE(dc.Calls().empty());
}

}  // namespace
