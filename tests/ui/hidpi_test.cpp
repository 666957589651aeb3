// The table on a screen of twice the density: QT_SCALE_FACTOR=2, offscreen. The layout keeps
// its logical pixels, and cards, labels, captions and the icon are drawn at the screen's own
// resolution rather than scaled up from pictures made for one.
#include <functional>

#include "model/card.h"
#include "table/pay_table_dlg.h"
#include "ui/art/card_art.h"
#include "ui/art/icon_art.h"
#include "ui/ui_fixture.h"

namespace {

constexpr qreal kRatio = 2.0;

QImage Rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// The device-pixel block of an image that a logical rectangle covers.
QImage DeviceBlock(const QImage& image, int x, int y, int w, int h) {
    QImage block =
        image.copy(qRound(x * kRatio), qRound(y * kRatio), qRound(w * kRatio), qRound(h * kRatio));
    block.setDevicePixelRatio(1);
    return Rgb(block);
}

// Of the aligned 2 x 2 blocks that hold ink, the share whose four pixels differ. A picture
// scaled up from one pixel per logical pixel has none.
double FineDetailShare(const QImage& image, const std::function<bool(QRgb)>& isInk) {
    int nInk = 0, nFine = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb a = image.pixel(x, y), b = image.pixel(x + 1, y);
            const QRgb c = image.pixel(x, y + 1), d = image.pixel(x + 1, y + 1);
            if (!isInk(a) && !isInk(b) && !isInk(c) && !isInk(d)) continue;
            ++nInk;
            nFine += !(a == b && b == c && c == d);
        }
    }
    return nInk == 0 ? 0 : static_cast<double>(nFine) / nInk;
}

bool IsDark(QRgb rgb) {
    return qGray(rgb) < 128;
}
bool IsRed(QRgb rgb) {
    return qRed(rgb) > 180 && qGreen(rgb) < 90 && qBlue(rgb) < 90;
}

using HiDpiTableTest = TableWindowTest;

TEST_F(HiDpiTableTest, TheWindowKeepsItsLogicalLayoutAndGrabsAtTwiceThePixels) {
    ASSERT_EQ(qApp->devicePixelRatio(), kRatio);
    ExpectGolden("table_window", DescribeWindow(*m_pHost));
    const QImage image = Rgb(m_pHost->grab().toImage());
    EXPECT_EQ(image.size(), QSize(1906, 1242));
    // The Deal button's frame is drawn at its doubled left edge (120 px logical): darker than
    // the face just outside it and than its inside, on the device row through its middle.
    const int x = 240, y = qRound(596 * kRatio);
    EXPECT_LT(qGray(image.pixel(x, y)), qGray(image.pixel(x - 2, y)));
    EXPECT_LT(qGray(image.pixel(x, y)), qGray(image.pixel(x + 4, y)));
    // Its caption is drawn at full resolution.
    EXPECT_GT(FineDetailShare(DeviceBlock(image, 124, 589, 67, 15), IsDark), 0.3);
}

// The table shows the cards' two-times pictures pixel for pixel, and those carry detail that
// a one-times picture scaled up cannot.
TEST_F(HiDpiTableTest, CardsAreTheirSharpTwoTimesPicturesAndLabelsAreDrawnAtTheRatio) {
    m_pDlg->OnDeal();
    QImage image = Grab();
    for (int i = 0; i < 5; ++i) {
        const QImage expected = Rgb(RenderCardPicture(SUIT_SPADES, 2 + i, true, kRatio));
        EXPECT_EQ(DeviceBlock(image, 10 + 75 * i, 429, 71, 96), expected) << "card " << i + 1;
    }
    // A small face-down hand at the top left, each back 25 x 33.
    const QImage back = Rgb(RenderCardPicture(SUIT_BACK, 0, false, kRatio));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(DeviceBlock(image, 5 + 26 * i, 5, 25, 33), back) << "back " << i + 1;
    for (int nRank : {2, RANK_QUEEN, RANK_ACE}) {
        const QImage sharp = Rgb(RenderCardPicture(SUIT_HEARTS, nRank, true, kRatio));
        const QImage scaled =
            Rgb(RenderCardPicture(SUIT_HEARTS, nRank, true, 1.0))
                .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_GT(FineDetailShare(sharp, IsRed), 0.15) << nRank;
        EXPECT_EQ(FineDetailShare(scaled, IsRed), 0.0) << nRank;
    }
    // Labels have outlines one device pixel thick and text at full resolution: hand 1's box
    // runs from (5, 40) to (134, 59), its top edge crossed here in the middle.
    m_pDlg->OnDraw();
    image = Grab();
    int nRedRows = 0;
    for (int y = qRound(38 * kRatio); y < qRound(42 * kRatio); ++y)
        nRedRows += IsRed(image.pixel(qRound(60 * kRatio), y));
    EXPECT_EQ(nRedRows, 1);
    EXPECT_GT(FineDetailShare(DeviceBlock(image, 7, 41, 125, 17), IsDark), 0.3);
}

TEST_F(HiDpiTableTest, TheIconsComeFromTheirTwoTimesImages) {
    // The window's icon at 32 logical pixels is the 64-pixel drawing, not a 32 one scaled up.
    // It is handed to the window system once the first frame is painted.
    for (int i = 0; i < 100 && m_pHost->windowIcon().isNull(); ++i) QTest::qWait(10);
    const QImage icon64 = RenderAppIconImage(64);
    const QPixmap windowIcon = m_pHost->windowIcon().pixmap(QSize(32, 32), kRatio);
    EXPECT_EQ(windowIcon.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), icon64);
    // The pay table's picture likewise.
    CPayTableDlg dlg;
    CQtDialogHost host(dlg, nullptr);
    dlg.OnInitDialog();
    host.show();
    const QPixmap pixmap = host.findChild<QLabel*>()->pixmap();
    EXPECT_EQ(pixmap.devicePixelRatio(), kRatio);
    EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), icon64);
    EXPECT_EQ(host.grab().size(), QSize(657 * 2, 289 * 2));
}

}  // namespace

int main(int argc, char** argv) {
    // Both before the application object exists: Qt reads them once, as it starts.
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
