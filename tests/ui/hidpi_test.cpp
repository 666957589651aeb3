// The table on a screen of twice the density: QT_SCALE_FACTOR=2, offscreen. The layout keeps
// its logical pixels, and cards, labels, captions and the icon are drawn at the screen's own
// resolution rather than scaled up from pictures made for one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <functional>

#include "model/card.h"
#include "platform/bitmap.h"
#include "platform/dialog_template.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_image.h"
#include "platform/resources.h"
#include "support/recording_dialog_host.h"
#include "support/scripted_random_source.h"
#include "table/multi_hand_dlg.h"
#include "table/pay_table_dlg.h"
#include "table/resource.h"
#include "table/table_resources.h"
#include "ui/art/card_art.h"
#include "ui/art/icon_art.h"
#include "ui/desktop_integration.h"
#include "ui/ui_setup.h"

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

// Of the aligned 2 x 2 blocks that hold ink (pixels darker than the background), the share
// whose four pixels differ. A picture scaled up from one pixel per logical pixel has none.
double FineDetailShare(const QImage& image, const std::function<bool(QRgb)>& isInk) {
    int nInk = 0;
    int nFine = 0;
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

class HiDpiTableTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetUpApplicationLook(*qApp);
        SetUpDesktopIntegration(*qApp);
        // As start-up does: the pictures at the screen's ratio.
        ASSERT_TRUE(LoadProgramResources(qApp->devicePixelRatio()));
    }

    HiDpiTableTest() : m_pDlg(new CMultiHandDlg), m_pHost(new CQtDialogHost(*m_pDlg, nullptr)) {
        SetUpDialogHost(*m_pHost);
        m_pDlg->OnInitDialog();
        m_pHost->show();
        for (int i = 0; i < 52 + 50 * 94; ++i) m_zeros.Push(0);
    }
    ~HiDpiTableTest() override {
        if (!m_pDlg->IsClosed()) m_pDlg->OnCancel();
        delete m_pHost;
        delete m_pDlg;
    }

    QImage Grab() {
        QApplication::processEvents();
        const QPixmap pixmap = m_pHost->grab();
        m_grabRatio = pixmap.devicePixelRatio();
        return Rgb(pixmap.toImage());
    }

    // The zeros keep the deck in start-up order: the deal is 2 to 6 of spades, and every hand
    // draws 7 to jack of spades, a straight flush.
    CScriptedRandomSource m_zeros;
    CRandomSourceScope m_scope{&m_zeros};
    CRecordingDialogRunner m_runner;
    CMultiHandDlg* m_pDlg;
    CQtDialogHost* m_pHost;
    qreal m_grabRatio = 0;
};

TEST(HiDpiScreen, TheScreenHasTwoDevicePixelsToALogicalOne) {
    EXPECT_EQ(qApp->devicePixelRatio(), kRatio);
}

TEST_F(HiDpiTableTest, TheWindowKeepsItsLogicalSizeAndGrabsAtTwiceThePixels) {
    EXPECT_EQ(m_pHost->size(), QSize(953, 621));
    const QImage image = Grab();
    EXPECT_EQ(m_grabRatio, kRatio);
    EXPECT_EQ(image.size(), QSize(1906, 1242));
}

TEST_F(HiDpiTableTest, ControlsStandAtTheirLogicalPositionsAndDrawAtDoubleThem) {
    for (const CControlTemplate& c : MultiHandDialogTemplate().controls) {
        if (c.nID == IDC_STATIC) continue;
        const RECT r = DialogUnitsToPixels(c);
        EXPECT_EQ(m_pHost->GetControl(c.nID)->geometry(),
                  QRect(r.left, r.top, r.right - r.left, r.bottom - r.top))
            << c.nID;
    }
    // The Deal button's frame is drawn where its doubled rectangle says: darker than the face
    // just outside it, lighter inside, on the device pixel row through its middle.
    const QImage image = Grab();
    const QRect deal = m_pHost->GetControl(IDC_DEAL)->geometry();
    const int y = qRound(deal.center().y() * kRatio);
    const int xLeft = qRound(deal.left() * kRatio);
    EXPECT_LT(qGray(image.pixel(xLeft, y)), qGray(image.pixel(xLeft - 2, y)));
    EXPECT_LT(qGray(image.pixel(xLeft, y)), qGray(image.pixel(xLeft + 4, y)));
}

TEST_F(HiDpiTableTest, PicturesAreMadeAtTheScreensRatio) {
    CBitmap large;
    ASSERT_TRUE(large.LoadBitmap(CardLargeBitmapID(SUIT_HEARTS, 9)));
    const auto* pImage = dynamic_cast<const CQtImage*>(large.GetSafeHandle());
    ASSERT_NE(pImage, nullptr);
    EXPECT_EQ(pImage->GetImage().size(), QSize(142, 192));
    EXPECT_EQ(pImage->GetWidth(), 71);
    EXPECT_EQ(pImage->GetHeight(), 96);
}

TEST_F(HiDpiTableTest, CardsOnTheTableAreTheirTwoTimesPicturesPixelForPixel) {
    Grab();
    m_pDlg->OnDeal();
    const QImage image = Grab();
    const int ranks[] = {2, 3, 4, 5, 6};
    for (int i = 0; i < 5; ++i) {
        const QImage expected = Rgb(RenderCardPicture(SUIT_SPADES, ranks[i], true, kRatio));
        EXPECT_EQ(DeviceBlock(image, 10 + 75 * i, 429, 71, 96), expected) << "card " << i + 1;
    }
    // A small face-down hand at the top left, each back 25 x 33.
    const QImage back = Rgb(RenderCardPicture(SUIT_BACK, 0, false, kRatio));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(DeviceBlock(image, 5 + 26 * i, 5, 25, 33), back) << "back " << i + 1;
}

TEST_F(HiDpiTableTest, TheTwoTimesPicturesCarryDetailThatOneTimesPicturesCannot) {
    for (int nRank : {2, RANK_QUEEN, RANK_ACE}) {
        const QImage sharp = Rgb(RenderCardPicture(SUIT_HEARTS, nRank, true, kRatio));
        const QImage scaled =
            Rgb(RenderCardPicture(SUIT_HEARTS, nRank, true, 1.0))
                .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_NE(sharp, scaled) << nRank;
        EXPECT_GT(FineDetailShare(sharp, IsRed), 0.15) << nRank;
        EXPECT_EQ(FineDetailShare(scaled, IsRed), 0.0) << nRank;
    }
}

TEST_F(HiDpiTableTest, LabelsHaveOneDevicePixelOutlinesAndTextAtFullResolution) {
    m_pDlg->OnDeal();
    m_pDlg->OnDraw();
    const QImage image = Grab();
    // Hand 1's label box runs from (5, 40) to (134, 59): its top edge through the middle.
    const int x = qRound(60 * kRatio);
    int nRedRows = 0;
    for (int y = qRound(38 * kRatio); y < qRound(42 * kRatio); ++y)
        nRedRows += IsRed(image.pixel(x, y));
    EXPECT_EQ(nRedRows, 1);
    // The category name inside the box.
    const QImage text = DeviceBlock(image, 7, 41, 125, 17);
    EXPECT_GT(FineDetailShare(text, IsDark), 0.3);
}

TEST_F(HiDpiTableTest, ControlCaptionsAreDrawnAtFullResolution) {
    const QImage image = Grab();
    const QRect deal = m_pHost->GetControl(IDC_DEAL)->geometry().adjusted(4, 4, -4, -4);
    const QImage caption = DeviceBlock(image, deal.x(), deal.y(), deal.width(), deal.height());
    EXPECT_GT(FineDetailShare(caption, IsDark), 0.3);
}

TEST_F(HiDpiTableTest, TheIconsComeFromTheirTwoTimesImages) {
    // The window's icon at 32 logical pixels is the 64-pixel drawing, not a 32 one scaled up.
    const QPixmap windowIcon = m_pHost->windowIcon().pixmap(QSize(32, 32), kRatio);
    EXPECT_EQ(windowIcon.size(), QSize(64, 64));
    EXPECT_EQ(windowIcon.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              RenderAppIconImage(64));

    // The pay table's picture likewise.
    CPayTableDlg dlg;
    CQtDialogHost host(dlg, nullptr);
    dlg.OnInitDialog();
    host.show();
    QApplication::processEvents();
    const QLabel* pIcon = nullptr;
    for (const QLabel* pLabel : host.findChildren<QLabel*>())
        if (!pLabel->pixmap().isNull()) pIcon = pLabel;
    ASSERT_NE(pIcon, nullptr);
    const QPixmap pixmap = pIcon->pixmap();
    EXPECT_EQ(pixmap.devicePixelRatio(), kRatio);
    EXPECT_EQ(pixmap.size(), QSize(64, 64));
    EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              RenderAppIconImage(64));
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
