#include <gtest/gtest.h>

#include "platform/bitmap.h"
#include "platform/resources.h"
#include "support/recording_dc.h"

namespace {

TEST(DC, SelectObjectReturnsThePreviousPenStartingWithBlack) {
    CRecordingDC dc;
    CPen* pDefault = dc.GetCurrentPen();
    EXPECT_EQ(pDefault->GetColor(), RGB(0, 0, 0));
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    EXPECT_EQ(dc.SelectObject(&red), pDefault);
    EXPECT_EQ(dc.GetCurrentPen(), &red);
    EXPECT_EQ(dc.SelectObject(pDefault), &red);
    EXPECT_EQ(dc.GetCurrentPen(), pDefault);
}

TEST(DC, RecordingDCKeepsCallsInOrder) {
    CRecordingDC dc;
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    dc.SelectObject(&red);
    const RECT box{1, 2, 30, 40};
    dc.RoundRect(&box, POINT{3, 3});
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    RECT text = box;
    dc.DrawText("Pair", &text, DT_CENTER | DT_VCENTER);

    const auto& calls = dc.Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, CDCCall::SelectPen);
    EXPECT_EQ(calls[1].kind, CDCCall::RoundRect);
    EXPECT_EQ(calls[1].rect, box);
    EXPECT_EQ(calls[1].crPen, RGB(255, 0, 0));
    EXPECT_EQ(calls[2].nValue, TRANSPARENT);
    EXPECT_EQ(calls[3].text, "Pair");
    EXPECT_EQ(calls[3].nValue, TRANSPARENT);
}

TEST(Bitmap, LoadsRegisteredIdsOnlyAndDeleteEmptiesIt) {
    AfxRegisterBitmap(4242, std::make_shared<CPlainImage>(7, 9));
    CBitmap bitmap;
    EXPECT_FALSE(bitmap.LoadBitmap(4243));
    EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
    ASSERT_TRUE(bitmap.LoadBitmap(4242));
    EXPECT_EQ(bitmap.GetBitmapDimension(), (SIZE{7, 9}));
    bitmap.DeleteObject();
    EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
    AfxClearResources();
    EXPECT_FALSE(bitmap.LoadBitmap(4242));
}

}  // namespace
