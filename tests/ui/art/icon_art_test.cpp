#include "ui/art/icon_art.h"

#include <gtest/gtest.h>


namespace {

// Every size shows cards on a transparent ground: the corners lie outside the fan, the middle
// is covered by a card, and the red heart of the front card and the blue back both show.
TEST(IconArt, EachSizeShowsCardsOnATransparentGround) {
    const QList<QSize> sizes = RenderAppIcon().availableSizes();
    for (int nSize : {16, 32, 48, 64, 96, 256}) {
        if (nSize < 64 || nSize == 256) {
            EXPECT_TRUE(sizes.contains(QSize(nSize, nSize))) << nSize;
        }
        const QImage image = RenderAppIconImage(nSize);
        ASSERT_EQ(image.size(), QSize(nSize, nSize));
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << nSize;
        EXPECT_EQ(image.pixelColor(nSize - 1, 0).alpha(), 0) << nSize;
        EXPECT_EQ(image.pixelColor(nSize / 2, nSize / 2).alpha(), 255) << nSize;
        int nRed = 0, nBlue = 0;
        for (int y = 0; y < nSize; ++y) {
            for (int x = 0; x < nSize; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() < 255) continue;
                nRed += c.red() > 150 && c.green() < 80 && c.blue() < 80;
                nBlue += c.blue() > 120 && c.red() < 120 && c.blue() > c.green();
            }
        }
        EXPECT_GT(nRed, nSize * nSize / 50) << nSize;
        EXPECT_GT(nBlue, nSize * nSize / 50) << nSize;
    }
}

}  // namespace
