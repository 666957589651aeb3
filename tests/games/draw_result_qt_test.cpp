// The label on a real painting surface: where the red outline lands, pixel for pixel. A small
// hand's label is the window's pixel test; that a losing hand gets none, the table paintings'.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "games/game_jack_or_better.h"
#include "games/game_variants.h"
#include "platform/qt/qt_dc.h"
#include "support/test_cards.h"

namespace {

const QColor kTable(0, 128, 0);
const QColor kRed(Qt::red);

// The box from (10, 526) to (381, 545), exclusive: its edges red away from the rounded corners;
// outside, the table untouched; inside, only the brush's white and the black text of the name
// (smoothed to greys at its edges).
TEST(DrawResultPixels, TheMainHandsLabelIsOutlinedInRedUnderTheCards) {
    const CTestCards cards;  // the hand points at them
    CHand hand = cards.Hand("Ac Ad Ah As Kc");
    QImage image(420, 600, QImage::Format_RGB32);
    image.fill(kTable);
    {
        QPainter painter(&image);
        CQtDC dc(painter);
        CGameJackOrBetter(&hand, AsBuiltPayTable(GAME_JACKS_OR_BETTER))
            .DrawResult(&dc, POINT{10, 429}, true);
    }
    bool bText = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (x < 10 || x >= 381 || y < 526 || y >= 545) {
                ASSERT_EQ(pixel, kTable) << x << "," << y;
            } else if ((x == 10 || x == 380) ? y >= 530 && y <= 540
                                             : (y == 526 || y == 544) && x >= 20 && x <= 370) {
                ASSERT_EQ(pixel, kRed) << x << "," << y;
            } else if (x > 11 && x < 379 && y > 527 && y < 543 && pixel != Qt::white) {
                ASSERT_TRUE(pixel.red() == pixel.green() && pixel.green() == pixel.blue())
                    << x << "," << y;
                bText = bText || pixel.lightness() < 100;
            }
        }
    }
    EXPECT_TRUE(bText);
}

}  // namespace
