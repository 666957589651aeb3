// The card, the card array and the hand: picture ids, positions that do not exist, layout.
#include <gtest/gtest.h>

#include "model/hand.h"
#include "support/assert_counter.h"
#include "support/recording_dc.h"
#include "support/test_cards.h"

namespace {

TEST(Card, PictureIdsFollowTheSuitOrderSpadesHeartsClubsDiamondsWithTheAceFirst) {
    struct Row {
        int nSuit, nRank;
        UINT nLarge;
    };
    for (const Row& row : {Row{SUIT_SPADES, 2, 1102}, Row{SUIT_SPADES, RANK_ACE, 1101},
                           Row{SUIT_SPADES, RANK_KING, 1113}, Row{SUIT_HEARTS, 10, 1210},
                           Row{SUIT_CLUBS, RANK_JACK, 1311}, Row{SUIT_DIAMONDS, RANK_KING, 1413},
                           Row{SUIT_DIAMONDS, 2, 1402}, Row{SUIT_BACK, 0, 1000}}) {
        EXPECT_EQ(CardLargeBitmapID(row.nSuit, row.nRank), row.nLarge) << row.nSuit << row.nRank;
        EXPECT_EQ(CardSmallBitmapID(row.nSuit, row.nRank), row.nLarge + 1000);
    }
    // Ids that name no picture leave the card usable without it.
    const CCard missing(SUIT_HEARTS, 9, 9999, 9998);
    EXPECT_FALSE(missing.IsLargeLoaded() || missing.IsSmallLoaded());
    EXPECT_EQ(missing.GetRank(), 9);
}

TEST(CardArray, KeepsOrderThroughEveryChange) {
    const CTestCards cards;
    CCardArray a = cards.ParseArray("2s 3s 4s");
    EXPECT_EQ(a.Add(cards.Parse("5s")), 3);
    a.Append(cards.ParseArray("Ah Kh"));
    a.RemoveAt(1);
    a.SetAt(0, cards.Parse("Qd"));
    EXPECT_EQ(CardsText(a), "Qd 4s 5s Ah Kh");
    a.Append(a);
    a.SetSize(12);
    EXPECT_EQ(CardsText(a), "Qd 4s 5s Ah Kh Qd 4s 5s Ah Kh null null");
    a.SetSize(2);
    EXPECT_EQ(CardsText(a), "Qd 4s");
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CardArray, PositionsOutsideAreReportedReadNullAndAreNotWritten) {
    const CTestCards cards;
    CAssertCounter asserts;
    CCardArray a = cards.ParseArray("2s 3s");
    EXPECT_EQ(a.GetAt(2), nullptr);
    EXPECT_EQ(a[-1], nullptr);
    a.SetAt(5, cards.Parse("Ah"));
    a.RemoveAt(2);
    EXPECT_EQ(CardsText(a), "2s 3s");
    EXPECT_EQ(asserts.Count(), 4);
}

TEST(Hand, PositionsThatDoNotExistAreReportedAndLeftAlone) {
    const CTestCards cards;
    CAssertCounter asserts;
    CHand hand = cards.Hand("2s 3s");
    hand.SetCard(2, cards.Parse("Ah"));
    hand.SetCard(-1, cards.Parse("Ah"));
    EXPECT_EQ(hand.GetCard(5), nullptr);
    EXPECT_EQ(CardsText(hand.GetCards()), "2s 3s");
    const CHand empty;
    EXPECT_EQ(empty.GetSmallWidth(), -1);
    EXPECT_EQ(empty.GetSmallHeight(), 0);
    CRecordingDC dc;
    const POINT at{5, 5};
    empty.Draw(&dc, &at, false);
    EXPECT_TRUE(dc.Calls().empty());
    EXPECT_EQ(asserts.Count(), 4);
}

}  // namespace
