#include "ui/art/icon_art.h"

#include <gtest/gtest.h>

#include <QResource>

#include "platform/qt/qt_image.h"
#include "platform/resources.h"

namespace {

TEST(IconArt, TheIconHasItsFourSizes) {
    const QList<QSize> sizes = AppIcon().availableSizes();
    for (int nSize : {16, 32, 48, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(nSize, nSize))) << nSize;
    }
}

TEST(IconArt, EachSizeShowsCardsOnATransparentGround) {
    for (int nSize : {16, 32, 48, 64, 96, 256}) {
        const QImage image = RenderAppIconImage(nSize);
        ASSERT_EQ(image.size(), QSize(nSize, nSize));
        // The corners lie outside the fan; the middle is covered by a card.
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << nSize;
        EXPECT_EQ(image.pixelColor(nSize - 1, 0).alpha(), 0) << nSize;
        EXPECT_EQ(image.pixelColor(nSize / 2, nSize / 2).alpha(), 255) << nSize;
        // The red heart of the front card and the blue back show at every size.
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

// The game carries the pixels the build drew; they must be what the drawing code makes now.
TEST(IconArt, TheCarriedPixelsAreWhatTheDrawingCodeMakes) {
    for (int nSize : kAppIconSizes) {
        const QResource resource(AppIconResource(nSize));
        ASSERT_TRUE(resource.isValid()) << nSize;
        ASSERT_EQ(resource.compressionAlgorithm(), QResource::NoCompression) << nSize;
        ASSERT_EQ(resource.size(), qint64(nSize) * nSize * 4) << nSize;
        const QImage carried(resource.data(), nSize, nSize, QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(carried, RenderAppIconImage(nSize)) << nSize;
    }
}

TEST(IconArt, RegisteredAsTheMainIconAtThirtyTwoPixels) {
    AfxClearResources();
    RegisterAppIcon();
    const auto* pIcon = dynamic_cast<const CQtIcon*>(AfxFindIcon(IDR_MAINFRAME).get());
    ASSERT_NE(pIcon, nullptr);
    EXPECT_EQ(IDR_MAINFRAME, 128u);
    EXPECT_EQ(pIcon->GetWidth(), 32);
    EXPECT_EQ(pIcon->GetHeight(), 32);
    EXPECT_FALSE(pIcon->GetIcon().isNull());
    AfxClearResources();
}

}  // namespace
