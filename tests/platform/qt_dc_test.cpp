#include "platform/qt/qt_dc.h"

#include <gtest/gtest.h>

#include <QImage>

#include "platform/bitmap.h"
#include "platform/qt/qt_image.h"

namespace {

QImage Canvas(int w, int h, QColor fill, qreal dRatio = 1) {
    QImage image(qRound(w * dRatio), qRound(h * dRatio), QImage::Format_RGB32);
    image.fill(fill);
    image.setDevicePixelRatio(dRatio);
    return image;
}

// A 25 x 33 picture copied as the table copies it, a 25 x 34 block, at either density: the
// picture lands unscaled in the same logical block and the block's last row stays as it was.
TEST(QtDC, BitBltCopiesUnscaledAndReadsNothingBelowThePicture) {
    for (qreal r : {1.0, 2.0}) {
        QImage picture = Canvas(25, 33, Qt::blue, r);
        picture.setPixelColor(0, 0, Qt::red);
        picture.setPixelColor(picture.width() - 1, picture.height() - 1, Qt::green);
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.Attach(std::make_shared<CQtImage>(picture)));
        EXPECT_EQ(bitmap.GetBitmapDimension(), (SIZE{25, 33}));
        QImage target = Canvas(40, 50, Qt::white, r);
        {
            QPainter painter(&target);
            CQtDC dc(painter);
            EXPECT_TRUE(dc.BitBlt(5, 6, 25, 34, &bitmap, 0, 0, SRCCOPY));
        }
        const auto at = [&](int x, int y) {
            return target.pixelColor(qRound(x * r), qRound(y * r));
        };
        SCOPED_TRACE(r);
        EXPECT_EQ(at(5, 6), QColor(Qt::red));
        EXPECT_EQ(target.pixelColor(qRound(30 * r) - 1, qRound(39 * r) - 1), QColor(Qt::green));
        EXPECT_EQ(at(15, 20), QColor(Qt::blue));
        for (int x = 5; x < 30; ++x) EXPECT_EQ(at(x, 39), QColor(Qt::white)) << x;
        EXPECT_EQ(at(30, 20), QColor(Qt::white));
        EXPECT_EQ(at(4, 20), QColor(Qt::white));
    }
}

TEST(QtDC, RoundRectOutlinesTheBoxWithTheSelectedPen) {
    QImage target = Canvas(60, 40, Qt::gray);
    {
        QPainter painter(&target);
        CQtDC dc(painter);
        CPen red(PS_SOLID, 1, RGB(255, 0, 0));
        dc.SelectObject(&red);
        const RECT box{5, 10, 45, 30};
        dc.RoundRect(&box, POINT{3, 3});
    }
    // Edges at left, top, right - 1 and bottom - 1; white inside; untouched outside.
    const std::pair<QPoint, Qt::GlobalColor> cases[] = {
        {{20, 10}, Qt::red},   {{20, 29}, Qt::red},  {{5, 20}, Qt::red},  {{44, 20}, Qt::red},
        {{20, 20}, Qt::white}, {{20, 30}, Qt::gray}, {{45, 20}, Qt::gray}};
    for (const auto& [pt, colour] : cases)
        EXPECT_EQ(target.pixelColor(pt), QColor(colour)) << pt.x() << "," << pt.y();
}

TEST(QtDC, DrawTextIsClippedToItsBox) {
    QImage target = Canvas(200, 60, Qt::white);
    {
        QPainter painter(&target);
        QFont font = painter.font();
        font.setPixelSize(30);
        painter.setFont(font);
        CQtDC dc(painter);
        dc.SetBkMode(TRANSPARENT);
        RECT box{10, 10, 190, 20};
        dc.DrawText("MMMMMMMM", &box, DT_CENTER | DT_VCENTER);
    }
    int nInside = 0;
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            if (target.pixelColor(x, y) == QColor(Qt::white)) continue;
            EXPECT_TRUE(x >= 10 && x < 190 && y >= 10 && y < 20) << x << "," << y;
            ++nInside;
        }
    }
    EXPECT_GT(nInside, 0);
}

}  // namespace
