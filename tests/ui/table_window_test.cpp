#include <QCheckBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QStyle>

#include "platform/qt/up_down_ctrl.h"
#include "platform/resources.h"
#include "ui/ui_fixture.h"

namespace {

bool IsBlue(QColor c) {
    return c.blue() > c.red() + 60 && c.blue() > c.green() + 30;
}
bool IsRed(QColor c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

// The golden file pins the layout in pixels, 953 x 621, the hold buttons at 10.5 + 75 k
// rounded up, the Pay Table button at 867, 553, the list and "Coins in:" at 429 (264 units),
// with every caption, state and screen-reader name.
TEST_F(TableWindowTest, LayoutCaptionsAndStartStateAreTheGoldenOnes) {
    ExpectGolden("table_window", DescribeWindow(*m_pHost));
    EXPECT_TRUE(m_pHost->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(m_pHost->windowFlags() & Qt::WindowMaximizeButtonHint);
}

// In the control font: button captions with room for the frame, check box texts beside the
// box, group titles; static text may draw a little tighter to fit, but none is cut.
TEST_F(TableWindowTest, EveryCaptionFitsItsControl) {
    m_pDlg->OnDeal();
    for (int nID : IDC_HOLDS) Control<QPushButton>(nID)->click();  // "Held"
    const QFontMetrics metrics(ControlFont());
    const QStyle* pStyle = qApp->style();
    const int nBox = pStyle->pixelMetric(QStyle::PM_IndicatorWidth) +
                     pStyle->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    for (QWidget* p : m_pHost->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* pButton = qobject_cast<QAbstractButton*>(p);
        const auto* pGroup = qobject_cast<QGroupBox*>(p);
        const auto* pText = qobject_cast<CStaticText*>(p);
        const QString strText = pButton  ? pButton->text()
                                : pGroup ? pGroup->title()
                                : pText  ? pText->GetText()
                                         : QString();
        SCOPED_TRACE(strText.toStdString());
        EXPECT_LE(metrics.height(), p->height() + 2);
        if (pText)
            EXPECT_LT(QFontMetrics(pText->FittingFont()).tightBoundingRect(strText).right(),
                      p->width());
        else
            EXPECT_LE(metrics.horizontalAdvance(strText),
                      p->width() - (qobject_cast<QCheckBox*>(p) ? nBox
                                    : pButton                   ? 8
                                                                : 0));
    }
    // The widest category name fits a small hand's label box.
    const QFontMetrics labels(CQtDialogHost::PaintFont());
    for (const char* psz : {"Royal Flush w/2's", "4 of a Kind (2,3,4)", "4 of a Kind (5-K)"})
        EXPECT_LE(labels.horizontalAdvance(psz), 127) << psz;
}

TEST_F(TableWindowTest, PaintsTheHandsAndLabelsAtTheLayoutsCoordinates) {
    QImage image = Grab();
    for (int h = 0; h < 50; ++h) {
        const QPoint pt = h == 0 ? QPoint(10, 429) : SmallHandOrigin(h);
        const int nStep = h == 0 ? 75 : 26;
        for (int i = 0; i < 5; ++i) {
            const QPoint probe = pt + (h == 0 ? QPoint(35, 30) : QPoint(12, 10));
            EXPECT_TRUE(IsBlue(image.pixelColor(probe.x() + i * nStep, probe.y())))
                << "hand " << h << " card " << i;
        }
        EXPECT_FALSE(IsRed(image.pixelColor(pt.x() + 60, pt.y() + 35))) << "label of " << h;
    }
    // The results list shows the dialog's face.
    const QColor face = qApp->palette().color(QPalette::Window);
    EXPECT_EQ(image.pixelColor(387 + 100, 429 + 100), face);
    EXPECT_EQ(Control<QListWidget>(IDC_RESULTS)->palette().color(QPalette::Base), face);

    Control<QPushButton>(IDC_DEAL)->click();
    image = Grab();
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(IsBlue(image.pixelColor(45 + 75 * i, 459))) << i;
    EXPECT_TRUE(IsBlue(image.pixelColor(17, 15)));  // the small hands stay face down

    for (int id : IDC_HOLDS) Control<QPushButton>(id)->click();
    Control<QPushButton>(IDC_DRAW)->click();
    image = Grab();
    // Every hand holds the dealt straight flush: all 49 small hands look alike, labels too.
    const QImage first = image.copy(5, 5, 129, 54);
    for (int h = 2; h < 50; ++h) {
        const QPoint pt = SmallHandOrigin(h);
        EXPECT_EQ(image.copy(pt.x(), pt.y(), 129, 54), first) << "hand " << h;
    }
    // The edges of hand 1's label box, (5, 40) to (134, 59) exclusive, and of the main hand's.
    for (QPoint pt :
         {QPoint(60, 40), QPoint(60, 58), QPoint(5, 50), QPoint(133, 50), QPoint(200, 526)})
        EXPECT_TRUE(IsRed(image.pixelColor(pt))) << pt.x() << "," << pt.y();
    for (QPoint pt : {QPoint(60, 39), QPoint(60, 59), QPoint(4, 50), QPoint(134, 50)})
        EXPECT_FALSE(IsRed(image.pixelColor(pt))) << pt.x() << "," << pt.y();
}

TEST_F(TableWindowTest, SpinArrowsStepTheFieldsWithinTheirRange) {
    auto* pBet = Control<CUpDownCtrl>(IDC_SPIN_BET);
    for (int i = 0; i < 10; ++i) pBet->Step(1);
    EXPECT_EQ(Caption(IDC_BET), "5");
    Control<CUpDownCtrl>(IDC_SPIN_HANDS)->Step(1);
    EXPECT_EQ(Caption(IDC_HANDS), "50");
}

TEST_F(TableWindowTest, WindowMenuEndsWithASeparatorAndTheAboutItem) {
    std::unique_ptr<QMenu> pMenu(m_pHost->BuildWindowMenu());
    QStringList texts;
    for (QAction* pAction : pMenu->actions())
        texts << (pAction->isSeparator() ? "-" : pAction->text());
    EXPECT_EQ(texts,
              (QStringList{"Mi&nimize", "&Best Hold", "&Coach", "Pay &Tables...", "Ban&kroll...",
                           "&Practice...", "P&rogress...", "Export &History...", "C&lear History...",
                           "New &Session", "-", "&Close", "-", "&About Tablo..."}));
    pMenu->actions().last()->trigger();
    EXPECT_EQ(m_runner.Runs(IDD_PAYTABLE), 1);
}

// OK leaves the table open; the close box ends it. Esc ends the game in the end-to-end test.
TEST_F(TableWindowTest, OkLeavesTheTableOpenTheCloseBoxEndsIt) {
    m_pHost->accept();
    EXPECT_FALSE(m_pDlg->IsClosed());
    EXPECT_TRUE(m_pHost->isVisible());
    m_pHost->close();
    EXPECT_TRUE(m_pDlg->IsClosed());
    EXPECT_FALSE(m_pHost->isVisible());
    EXPECT_EQ(m_pHost->result(), IDCANCEL);
}

// Esc held down to close a menu or a dialog above goes on repeating here: only a fresh press
// ends the table.
TEST_F(TableWindowTest, ARepeatedEscLeavesTheTableOpenAFreshOneEndsIt) {
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(m_pHost, &repeated);
    EXPECT_FALSE(m_pDlg->IsClosed());
    QKeyEvent fresh(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(m_pHost, &fresh);
    EXPECT_TRUE(m_pDlg->IsClosed());
}

}  // namespace
