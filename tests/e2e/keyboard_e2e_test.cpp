// A whole game with the keyboard alone: D deals and draws, 1 to 5 hold, Enter opens the pay
// table, Esc closes it and then the game. No mouse event is sent.
#include <gtest/gtest.h>

#include "e2e_fixture.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "table/table_resources.h"

namespace {

constexpr int kHoldIds[] = {IDC_HOLD1, IDC_HOLD2, IDC_HOLD3, IDC_HOLD4, IDC_HOLD5};

QRect ControlRect(int nID) {
    const RECT r = DialogUnitsToPixels(*MultiHandDialogTemplate().Find(nID));
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// Dark pixels inside a rectangle, a few pixels in from its edges: a caption or lines of text.
int Ink(const QImage& image, const QRect& rect) {
    int n = 0;
    for (int y = rect.top() + 3; y <= rect.bottom() - 3; ++y)
        for (int x = rect.left() + 3; x <= rect.right() - 3; ++x)
            n += qGray(image.pixel(x, y)) < 100;
    return n;
}

bool ShowsHeld(const QImage& image, int nIndex) {
    return Ink(image, ControlRect(kHoldIds[nIndex])) > 10;
}

// The share of a card's face that is white: high face up, low for the blue back.
double WhiteShare(const QImage& image, int x, int y, int w, int h) {
    int n = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) n += qGray(image.pixel(i, j)) > 235;
    return static_cast<double>(n) / (w * h);
}

bool MainHandFaceUp(const QImage& image) {
    for (int i = 0; i < 5; ++i)
        if (WhiteShare(image, 15 + 75 * i, 435, 60, 84) < 0.4) return false;
    return true;
}

bool SmallHandFaceDown(const QImage& image, int nHand) {
    const POINT pt = CMultiHandDlg::HandOrigin(nHand);
    return WhiteShare(image, pt.x + 2, pt.y + 2, 125, 30) < 0.3;
}

class KeyboardE2ETest : public E2ETest {
protected:
    void Type(const QString& strKey) {
        Key(strKey);
        Settle(250);
    }
    bool PayTableOpen() {
        return !Run("xdotool", {"search", "--onlyvisible", "--name", "^Handfall II Pay Table$"})
                    .trimmed()
                    .isEmpty();
    }
};

TEST_F(KeyboardE2ETest, AWholeGameWithTheKeyboardAlone) {
    QImage image = Screenshot();
    ASSERT_FALSE(MainHandFaceUp(image));
    const int nEmptyList = Ink(image, ControlRect(IDC_RESULTS));

    // Before a deal the hold keys have nothing to act on.
    Type("1");
    image = Screenshot();
    EXPECT_FALSE(ShowsHeld(image, 0));

    Type("d");
    image = Screenshot();
    ASSERT_TRUE(MainHandFaceUp(image)) << "D did not deal";
    for (int h = 1; h < 50; ++h) EXPECT_TRUE(SmallHandFaceDown(image, h)) << "hand " << h;
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(ShowsHeld(image, i)) << "card " << i + 1;
    const QImage dealt = image.copy(10, 429, 371, 96);

    for (const char* pszKey : {"1", "2", "3", "4", "5"}) Type(pszKey);
    image = Screenshot();
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(ShowsHeld(image, i)) << "card " << i + 1;
    Type("3");
    EXPECT_FALSE(ShowsHeld(Screenshot(), 2)) << "a second 3 releases card 3";
    Type("KP_3");
    EXPECT_TRUE(ShowsHeld(Screenshot(), 2)) << "the keypad's 3 holds it again";

    // Enter opens the pay table between deal and draw; Esc closes it and the deal goes on.
    Type("Return");
    EXPECT_TRUE(PayTableOpen()) << "Enter did not open the pay table";
    Type("Escape");
    EXPECT_FALSE(PayTableOpen());

    Type("d");
    image = Screenshot();
    // All five held: the main hand kept its cards and every hand in play shows them.
    EXPECT_EQ(image.copy(10, 429, 371, 96), dealt);
    const QImage first = image.copy(5, 5, 129, 34);
    for (int h = 2; h < 50; ++h) {
        const POINT pt = CMultiHandDlg::HandOrigin(h);
        EXPECT_EQ(image.copy(pt.x, pt.y, 129, 34), first) << "hand " << h;
    }
    EXPECT_GT(Ink(image, ControlRect(IDC_RESULTS)), nEmptyList + 50) << "no results listed";
    // The hold buttons are disabled now, keeping the finished deal's captions: their keys
    // change nothing.
    const QImage holds = image.copy(ControlRect(IDC_HOLD1).united(ControlRect(IDC_HOLD5)));
    Type("2");
    EXPECT_EQ(Screenshot().copy(ControlRect(IDC_HOLD1).united(ControlRect(IDC_HOLD5))), holds);

    // The next deal clears the holds and turns the hands face down again.
    Type("d");
    image = Screenshot();
    EXPECT_TRUE(MainHandFaceUp(image));
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(ShowsHeld(image, i)) << "card " << i + 1;
    EXPECT_TRUE(SmallHandFaceDown(image, 1));
    Type("d");
    EXPECT_FALSE(SmallHandFaceDown(Screenshot(), 1)) << "the second draw did not come";

    Key("Escape");
    int nExitCode = -1;
    ASSERT_TRUE(WaitForExit(10000, nExitCode)) << "the game did not end on Esc";
    EXPECT_EQ(nExitCode, 0);
}

}  // namespace
