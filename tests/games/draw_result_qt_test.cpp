// The label on a real painting surface: where the red outline lands, pixel for pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "games/game_jack_or_better.h"
#include "platform/qt/qt_dc.h"
#include "support/test_cards.h"

namespace {

const QColor kTable(0, 128, 0);

QImage Paint(const CGame& game, POINT pt, bool bLarge) {
    QImage image(420, 600, QImage::Format_RGB32);
    image.fill(kTable);
    QPainter painter(&image);
    CQtDC dc(painter);
    game.DrawResult(&dc, pt, bLarge);
    return image;
}

TEST(DrawResultPixels, TheMainHandsLabelIsOutlinedInRedUnderTheCards) {
    const CTestCards cards;
    CHand hand = cards.Hand("Ac Ad Ah As Kc");
    const CGameJackOrBetter game(&hand);
    const QImage image = Paint(game, POINT{10, 429}, true);  // box (10, 526) to (381, 545)

    const QColor red(Qt::red);
    for (int x = 20; x <= 370; x += 10) {
        EXPECT_EQ(image.pixelColor(x, 526), red) << x;
        EXPECT_EQ(image.pixelColor(x, 544), red) << x;
        EXPECT_EQ(image.pixelColor(x, 525), kTable) << x;
        EXPECT_EQ(image.pixelColor(x, 545), kTable) << x;
    }
    for (int y = 530; y <= 540; ++y) {
        EXPECT_EQ(image.pixelColor(10, y), red) << y;
        EXPECT_EQ(image.pixelColor(380, y), red) << y;
        EXPECT_EQ(image.pixelColor(9, y), kTable) << y;
        EXPECT_EQ(image.pixelColor(381, y), kTable) << y;
    }

    // Inside, away from the rounded corners: the brush's white and the black text of the name
    // (smoothed to greys at its edges), nothing else and nowhere else.
    bool bText = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const bool bInBox = x >= 10 && x < 381 && y >= 526 && y < 545;
            if (!bInBox) {
                ASSERT_EQ(pixel, kTable) << x << "," << y;
            } else if (x > 11 && x < 379 && y > 527 && y < 543 && pixel != Qt::white) {
                ASSERT_TRUE(pixel.red() == pixel.green() && pixel.green() == pixel.blue())
                    << x << "," << y;
                bText = bText || pixel.lightness() < 100;
            }
        }
    }
    EXPECT_TRUE(bText);
}

TEST(DrawResultPixels, ASmallHandsLabelSpansItsRowOfCards) {
    const CTestCards cards;
    CHand hand = cards.Hand("Jc Jd 4h 7s Kc");
    const CGameJackOrBetter game(&hand);
    const QImage image = Paint(game, POINT{5, 5}, false);  // box (5, 40) to (134, 59)
    EXPECT_EQ(image.pixelColor(70, 40), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(70, 58), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(5, 50), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(133, 50), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(134, 50), kTable);
    EXPECT_EQ(image.pixelColor(70, 39), kTable);
    EXPECT_EQ(image.pixelColor(70, 59), kTable);
}

TEST(DrawResultPixels, ALosingHandLeavesTheSurfaceUntouched) {
    const CTestCards cards;
    QImage blank(420, 600, QImage::Format_RGB32);
    blank.fill(kTable);
    for (const char* pszHand : {"10c 10d 4h 7s Kc", "XX XX XX XX XX"}) {
        CHand hand = cards.Hand(pszHand);
        const CGameJackOrBetter game(&hand);
        EXPECT_EQ(Paint(game, POINT{10, 429}, true), blank) << pszHand;
        EXPECT_EQ(Paint(game, POINT{5, 5}, false), blank) << pszHand;
    }
}

}  // namespace
