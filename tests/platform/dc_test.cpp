#include <gtest/gtest.h>

#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/resources.h"

namespace {

// Every DC starts with a black pen and opaque text; selecting hands back what was there, so
// a label can restore the pen it found.
TEST(DC, SelectObjectAndSetBkModeReturnWhatWasSetBefore) {
    CNullDC dc;
    CPen* pDefault = dc.GetCurrentPen();
    EXPECT_EQ(pDefault->GetColor(), RGB(0, 0, 0));
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    EXPECT_EQ(dc.SelectObject(&red), pDefault);
    EXPECT_EQ(dc.SelectObject(pDefault), &red);
    EXPECT_EQ(dc.GetCurrentPen(), pDefault);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetBkMode(OPAQUE), TRANSPARENT);
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
