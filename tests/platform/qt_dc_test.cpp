#include "platform/qt/qt_dc.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include "platform/bitmap.h"
#include "platform/qt/qt_image.h"

namespace {

QImage Canvas(int w, int h, QColor fill) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

TEST(QtDC, BitBltCopiesUnscaledAndReadsNothingBelowThePicture) {
    // A 25 x 33 picture copied as a 25 x 34 block: the block's last row stays as it was.
    QImage picture = Canvas(25, 33, Qt::blue);
    picture.setPixelColor(0, 0, Qt::red);
    picture.setPixelColor(24, 32, Qt::green);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.Attach(std::make_shared<CQtImage>(picture)));

    QImage target = Canvas(40, 50, Qt::white);
    {
        QPainter painter(&target);
        CQtDC dc(painter);
        EXPECT_TRUE(dc.BitBlt(5, 6, 25, 34, &bitmap, 0, 0, SRCCOPY));
    }
    EXPECT_EQ(target.pixelColor(5, 6), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(29, 38), QColor(Qt::green));
    EXPECT_EQ(target.pixelColor(15, 20), QColor(Qt::blue));
    for (int x = 5; x < 30; ++x) EXPECT_EQ(target.pixelColor(x, 39), QColor(Qt::white)) << x;
    EXPECT_EQ(target.pixelColor(30, 20), QColor(Qt::white));
    EXPECT_EQ(target.pixelColor(4, 20), QColor(Qt::white));
}

TEST(QtDC, BitBltOfAHighDensityPictureFillsTheSameLogicalBlock) {
    QImage picture = Canvas(50, 66, Qt::blue);
    picture.setDevicePixelRatio(2.0);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.Attach(std::make_shared<CQtImage>(picture)));
    EXPECT_EQ(bitmap.GetBitmapDimension(), (SIZE{25, 33}));

    QImage target = Canvas(80, 100, Qt::white);
    target.setDevicePixelRatio(2.0);
    {
        QPainter painter(&target);
        CQtDC dc(painter);
        dc.BitBlt(5, 5, 25, 34, &bitmap, 0, 0, SRCCOPY);
    }
    EXPECT_EQ(target.pixelColor(10, 10), QColor(Qt::blue));
    EXPECT_EQ(target.pixelColor(59, 75), QColor(Qt::blue));
    EXPECT_EQ(target.pixelColor(60, 75), QColor(Qt::white));
    EXPECT_EQ(target.pixelColor(30, 76), QColor(Qt::white));
}

TEST(QtDC, RoundRectOutlinesTheBoxWithTheSelectedPen) {
    QImage target = Canvas(60, 40, Qt::gray);
    {
        QPainter painter(&target);
        CQtDC dc(painter);
        CPen red(PS_SOLID, 1, RGB(255, 0, 0));
        CPen* pOld = dc.SelectObject(&red);
        const RECT box{5, 10, 45, 30};
        dc.RoundRect(&box, POINT{3, 3});
        dc.SelectObject(pOld);
    }
    // Edges at left, top, right - 1 and bottom - 1; white inside; untouched outside.
    EXPECT_EQ(target.pixelColor(20, 10), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(20, 29), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(5, 20), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(44, 20), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(20, 20), QColor(Qt::white));
    EXPECT_EQ(target.pixelColor(20, 30), QColor(Qt::gray));
    EXPECT_EQ(target.pixelColor(45, 20), QColor(Qt::gray));
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
    bool bInside = false;
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            if (target.pixelColor(x, y) == QColor(Qt::white)) continue;
            EXPECT_TRUE(x >= 10 && x < 190 && y >= 10 && y < 20) << x << "," << y;
            bInside = true;
        }
    }
    EXPECT_TRUE(bInside);
}

}  // namespace
