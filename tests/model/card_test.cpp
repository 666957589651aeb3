#include "model/card.h"

#include <gtest/gtest.h>

#include "platform/resources.h"
#include "support/recording_dc.h"

namespace {

TEST(Card, PictureIdsFollowTheSuitOrderSpadesHeartsClubsDiamondsWithTheAceFirst) {
    struct Row {
        int nSuit, nRank;
        UINT nLarge;
    };
    const Row rows[] = {
        {SUIT_SPADES, 2, 1102},   {SUIT_SPADES, RANK_ACE, 1101}, {SUIT_SPADES, RANK_KING, 1113},
        {SUIT_HEARTS, 10, 1210},  {SUIT_CLUBS, RANK_JACK, 1311}, {SUIT_DIAMONDS, RANK_KING, 1413},
        {SUIT_DIAMONDS, 2, 1402}, {SUIT_BACK, 0, 1000},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CardLargeBitmapID(row.nSuit, row.nRank), row.nLarge) << row.nSuit << row.nRank;
        EXPECT_EQ(CardSmallBitmapID(row.nSuit, row.nRank), row.nLarge + 1000);
    }
}

TEST(Card, KeepsSuitRankAndFixedSizesWhetherOrNotPicturesLoad) {
    const CCard back(SUIT_BACK, 0, 0, 0);
    EXPECT_EQ(back.GetSuit(), 0);
    EXPECT_EQ(back.GetRank(), 0);
    EXPECT_FALSE(back.IsLargeLoaded());
    EXPECT_FALSE(back.IsSmallLoaded());
    EXPECT_EQ(back.GetLargeWidth(), 71);
    EXPECT_EQ(back.GetLargeHeight(), 96);
    EXPECT_EQ(back.GetSmallWidth(), 25);
    EXPECT_EQ(back.GetSmallHeight(), 34);
    EXPECT_STREQ(back.GetRuntimeClass()->m_lpszClassName, "CCard");

    // Ids that name no picture leave the card usable without it.
    const CCard missing(SUIT_HEARTS, 9, 9999, 9998);
    EXPECT_FALSE(missing.IsLargeLoaded());
    EXPECT_EQ(missing.GetRank(), 9);
}

TEST(Card, LoadsRegisteredPicturesAndDrawsTheirFixedBlocks) {
    AfxRegisterBitmap(1102, std::make_shared<CPlainImage>(71, 96));
    AfxRegisterBitmap(2102, std::make_shared<CPlainImage>(25, 33));
    const CCard two(SUIT_SPADES, 2, 1102, 2102);
    EXPECT_TRUE(two.IsLargeLoaded());
    EXPECT_TRUE(two.IsSmallLoaded());

    CRecordingDC dc;
    const POINT at{10, 20};
    two.Draw(&dc, &at, true);
    two.Draw(&dc, &at, false);
    two.Draw(&dc, &at, false);
    const auto blits = dc.CallsOf(CDCCall::BitBlt);
    ASSERT_EQ(blits.size(), 3u);
    EXPECT_EQ(blits[0].rect, (RECT{10, 20, 81, 116}));
    EXPECT_EQ(blits[0].pImage, AfxFindBitmap(1102).get());
    // The small block is one row taller than its 33-row picture.
    EXPECT_EQ(blits[1].rect, (RECT{10, 20, 35, 54}));
    EXPECT_EQ(blits[1].pImage, AfxFindBitmap(2102).get());
    EXPECT_EQ(blits[1].nValue, static_cast<int>(SRCCOPY));
    EXPECT_EQ(blits[2].rect, blits[1].rect);
    AfxClearResources();
}

}  // namespace
