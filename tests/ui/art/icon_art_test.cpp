#include "ui/art/icon_art.h"

#include <gtest/gtest.h>

#include <QResource>

namespace {

// The game carries the pixels the build drew: at every size they must be what the drawing
// code makes now, cards on a transparent ground. The corners lie outside the fan, the middle
// is covered by a card, and the red heart of the front card and the blue back both show.
TEST(IconArt, EachCarriedSizeIsTheDrawingOfCardsOnATransparentGround) {
    const QList<QSize> sizes = AppIcon().availableSizes();
    for (int nSize : kAppIconSizes) {
        SCOPED_TRACE(nSize);
        EXPECT_TRUE((nSize >= 64 && nSize != 256) || sizes.contains(QSize(nSize, nSize)));
        const QResource resource(AppIconResource(nSize));
        ASSERT_EQ(resource.compressionAlgorithm(), QResource::NoCompression);
        ASSERT_EQ(resource.size(), qint64(nSize) * nSize * 4);
        const QImage image(resource.data(), nSize, nSize, QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(image, RenderAppIconImage(nSize));
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(image.pixelColor(nSize - 1, 0).alpha(), 0);
        EXPECT_EQ(image.pixelColor(nSize / 2, nSize / 2).alpha(), 255);
        int nRed = 0, nBlue = 0;
        for (int y = 0; y < nSize; ++y) {
            for (int x = 0; x < nSize; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() < 255) continue;
                nRed += c.red() > 150 && c.green() < 80 && c.blue() < 80;
                nBlue += c.blue() > 120 && c.red() < 120 && c.blue() > c.green();
            }
        }
        EXPECT_GT(nRed, nSize * nSize / 50);
        EXPECT_GT(nBlue, nSize * nSize / 50);
    }
}

}  // namespace
