// A whole game as a player plays it: deal, hold all five, draw, leave with Esc.
#include <gtest/gtest.h>

#include "e2e_fixture.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"

namespace {

bool IsBlue(QColor c) {
    return c.blue() > c.red() + 60 && c.blue() > c.green() + 30;
}

double WhiteShare(const QImage& image, int x, int y, int w, int h) {
    int n = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) n += qGray(image.pixel(i, j)) > 235;
    return static_cast<double>(n) / (w * h);
}

// Every card of a hand shows its back.
bool FaceDown(const QImage& image, int h) {
    const POINT pt = CMultiHandDlg::HandOrigin(h);
    for (int i = 0; i < 5; ++i) {
        const int x = pt.x + i * (h == 0 ? 75 : 26) + (h == 0 ? 35 : 12);
        if (!IsBlue(image.pixelColor(x, pt.y + (h == 0 ? 30 : 10)))) return false;
    }
    return true;
}

TEST_F(E2ETest, DealHoldAllDrawThenEscapeEndsTheGame) {
    QImage image = Screenshot();
    for (int h = 0; h < 50; ++h) EXPECT_TRUE(FaceDown(image, h)) << "hand " << h;

    ClickControl(IDC_DEAL);
    Settle();
    image = Screenshot();
    for (int i = 0; i < 5; ++i)
        EXPECT_GT(WhiteShare(image, 15 + 75 * i, 435, 60, 84), 0.4) << "main hand card " << i;
    for (int h = 1; h < 50; ++h) EXPECT_TRUE(FaceDown(image, h)) << "hand " << h;
    const QImage dealt = image.copy(10, 429, 371, 96);

    for (int id : {IDC_HOLD1, IDC_HOLD2, IDC_HOLD3, IDC_HOLD4, IDC_HOLD5}) ClickControl(id);
    ClickControl(IDC_DRAW);
    Settle();
    image = Screenshot();
    // The main hand kept its cards; every small hand shows them too, with one label or none.
    EXPECT_EQ(image.copy(10, 429, 371, 96), dealt);
    const QImage first = image.copy(5, 5, 129, 54);
    EXPECT_GT(WhiteShare(first, 0, 0, 129, 34), 0.3);
    for (int h = 2; h < 50; ++h) {
        const POINT pt = CMultiHandDlg::HandOrigin(h);
        EXPECT_EQ(image.copy(pt.x, pt.y, 129, 54), first) << "hand " << h;
    }

    Key("Escape");
    int nExitCode = -1;
    ASSERT_TRUE(WaitForExit(10000, nExitCode)) << "the game did not end on Esc";
    EXPECT_EQ(nExitCode, 0);
}

}  // namespace
