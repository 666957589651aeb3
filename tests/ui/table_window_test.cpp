#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "platform/dialog_template.h"
#include "platform/qt/static_text.h"
#include "platform/qt/up_down_ctrl.h"
#include "table/table_resources.h"
#include "ui_fixture.h"

namespace {

bool IsBlue(QColor c) {
    return c.blue() > c.red() + 60 && c.blue() > c.green() + 30;
}
bool IsRed(QColor c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

// Share of near-white pixels in a block: a face-up card is mostly white, a back mostly blue.
double WhiteShare(const QImage& image, int x, int y, int w, int h) {
    int n = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) n += qGray(image.pixel(i, j)) > 235;
    return static_cast<double>(n) / (w * h);
}

TEST(DialogUnits, ConvertAtOneAndAHalfByOneAndFiveEighthsRoundingHalfUp) {
    EXPECT_EQ(DialogUnitsToPixelsX(635), 953);
    EXPECT_EQ(DialogUnitsToPixelsY(382), 621);
    EXPECT_EQ(DialogUnitsToPixelsX(7), 11);  // 10.5
    EXPECT_EQ(DialogUnitsToPixelsY(264), 429);
    EXPECT_EQ(DialogUnitsToPixelsY(340), 553);  // 552.5
}

TEST_F(QtTableTest, WindowIsFixedAt953By621WithTitleAndMinimiseBoxOnly) {
    EXPECT_EQ(m_pHost->size(), QSize(953, 621));
    EXPECT_EQ(m_pHost->minimumSize(), m_pHost->maximumSize());
    EXPECT_EQ(m_pHost->windowTitle(), "Handfall II");
    EXPECT_TRUE(m_pHost->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(m_pHost->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(m_pHost->windowIcon().isNull());
}

TEST_F(QtTableTest, ControlsStandWhereTheTemplatePutsThemWithTheirCaptionsAndStates) {
    for (const CControlTemplate& c : MultiHandDialogTemplate().controls) {
        if (c.nID == IDC_STATIC) continue;
        QWidget* pWidget = m_pHost->GetControl(c.nID);
        ASSERT_NE(pWidget, nullptr) << c.nID;
        const RECT r = DialogUnitsToPixels(c);
        EXPECT_EQ(pWidget->geometry(), QRect(r.left, r.top, r.right - r.left, r.bottom - r.top))
            << c.nID;
    }
    EXPECT_EQ(Control<QPushButton>(IDC_PAY_TABLE)->text(), "Pay Table");
    EXPECT_TRUE(Control<QPushButton>(IDC_PAY_TABLE)->isDefault());
    EXPECT_EQ(Control<QPushButton>(IDC_DEAL)->text(), "Deal");
    EXPECT_TRUE(Control<QPushButton>(IDC_DEAL)->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(IDC_DRAW)->isEnabled());
    for (int id : {IDC_HOLD1, IDC_HOLD2, IDC_HOLD3, IDC_HOLD4, IDC_HOLD5}) {
        EXPECT_FALSE(Control<QPushButton>(id)->isEnabled());
        EXPECT_EQ(Control<QPushButton>(id)->text(), "");
    }
    EXPECT_TRUE(Control<QLineEdit>(IDC_BET)->isReadOnly());
    EXPECT_EQ(Control<QLineEdit>(IDC_BET)->text(), "1");
    EXPECT_EQ(Control<QLineEdit>(IDC_HANDS)->text(), "50");
    EXPECT_EQ(Control<QLineEdit>(IDC_COINS)->text(), "1000");
    EXPECT_FALSE(Control<QLineEdit>(IDC_COINS)->hasFrame());
    EXPECT_TRUE(Control<QCheckBox>(IDC_JACKS_OR_BETTER)->isChecked());
    EXPECT_EQ(Control<CUpDownCtrl>(IDC_SPIN_BET)->focusPolicy(), Qt::NoFocus);
    const auto* pList = Control<QListWidget>(IDC_RESULTS);
    EXPECT_EQ(pList->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(pList->selectionMode(), QAbstractItemView::NoSelection);
    EXPECT_EQ(pList->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(QtTableTest, TabOrderFollowsTheTemplateFromThePayTableButton) {
    QWidget* pFirst = m_pHost->GetControl(IDC_PAY_TABLE);
    const int expected[] = {IDC_HOLD1,      IDC_HOLD2, IDC_HOLD3,       IDC_HOLD4,
                            IDC_HOLD5,      IDC_BET,   IDC_HANDS,       IDC_DRAW,
                            IDC_DEAL,       IDC_COINS, IDC_RESULTS,     IDC_JACKS_OR_BETTER,
                            IDC_DUCES_WILD, IDC_BONUS, IDC_DOUBLE_BONUS};
    QWidget* p = pFirst;
    for (int id : expected) {
        p = p->nextInFocusChain();
        while (p->focusPolicy() == Qt::NoFocus || p->parentWidget() != m_pHost)
            p = p->nextInFocusChain();
        EXPECT_EQ(p, m_pHost->GetControl(id)) << id;
    }
}

TEST_F(QtTableTest, EveryCaptionFitsItsControl) {
    for (const CControlTemplate& c : MultiHandDialogTemplate().controls) {
        if (c.pszText == nullptr || *c.pszText == '\0') continue;
        const RECT r = DialogUnitsToPixels(c);
        const QFontMetrics metrics(ControlFont());
        int nRoom = r.right - r.left;
        if (c.kind == CControlKind::AutoCheckBox) {
            const QStyle* pStyle = qApp->style();
            nRoom -= pStyle->pixelMetric(QStyle::PM_IndicatorWidth) +
                     pStyle->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        } else if (c.kind == CControlKind::PushButton || c.kind == CControlKind::DefPushButton) {
            nRoom -= 8;
        }
        if (c.kind == CControlKind::Static) {
            // Static text may draw a little tighter to fit; none is cut.
            auto* pText = qobject_cast<CStaticText*>(m_pHost->childAt(r.left + 1, r.top + 1));
            ASSERT_NE(pText, nullptr) << c.pszText;
            EXPECT_LE(QFontMetrics(pText->FittingFont()).tightBoundingRect(c.pszText).right(),
                      nRoom - 1)
                << c.pszText;
        } else {
            EXPECT_LE(metrics.horizontalAdvance(c.pszText), nRoom) << c.pszText;
        }
        EXPECT_LE(metrics.height(), r.bottom - r.top + 2) << c.pszText;
    }
    // The widest label fits the small label box.
    QFontMetrics labels(CQtDialogHost::PaintFont());
    for (const char* psz : {"Royal Flush w/2's", "4 of a Kind (2,3,4)", "4 of a Kind (5-K)"})
        EXPECT_LE(labels.horizontalAdvance(psz), 127) << psz;
}

TEST_F(QtTableTest, StartUpShowsFiftyFaceDownHandsAndNoLabels) {
    const QImage image = Grab();
    for (int h = 0; h < 50; ++h) {
        const POINT pt = CMultiHandDlg::HandOrigin(h);
        const int nStep = h == 0 ? 75 : 26;
        for (int i = 0; i < 5; ++i) {
            const int x = pt.x + i * nStep + (h == 0 ? 35 : 12);
            const int y = pt.y + (h == 0 ? 30 : 10);
            EXPECT_TRUE(IsBlue(image.pixelColor(x, y))) << "hand " << h << " card " << i;
        }
        if (h > 0) {
            EXPECT_FALSE(IsRed(image.pixelColor(pt.x + 60, pt.y + 35))) << h;
        }
    }
}

TEST_F(QtTableTest, ADealTurnsTheMainHandFaceUpAndADrawLabelsTheWinners) {
    Control<QPushButton>(IDC_DEAL)->click();
    QImage image = Grab();
    for (int i = 0; i < 5; ++i) EXPECT_GT(WhiteShare(image, 10 + 75 * i + 5, 435, 60, 84), 0.4);
    EXPECT_TRUE(IsBlue(image.pixelColor(17, 15)));
    EXPECT_EQ(Control<QLineEdit>(IDC_COINS)->text(), "950");

    for (int id : {IDC_HOLD1, IDC_HOLD2, IDC_HOLD3, IDC_HOLD4, IDC_HOLD5})
        Control<QPushButton>(id)->click();
    EXPECT_EQ(Control<QPushButton>(IDC_HOLD3)->text(), "Held");
    Control<QPushButton>(IDC_DRAW)->click();
    image = Grab();
    // Every hand holds the main hand's cards, so all 49 small hands look alike, labels too.
    const QImage first = image.copy(5, 5, 129, 54);
    for (int h = 2; h < 50; ++h) {
        const POINT pt = CMultiHandDlg::HandOrigin(h);
        EXPECT_EQ(image.copy(pt.x, pt.y, 129, 54), first) << "hand " << h;
    }
    const bool bWins = m_pDlg->GetHandCounts().size() == 1;
    EXPECT_EQ(IsRed(image.pixelColor(60, 40)), bWins);    // top edge of hand 1's label box
    EXPECT_EQ(IsRed(image.pixelColor(200, 526)), bWins);  // and of the main hand's
    if (bWins) {
        EXPECT_TRUE(IsRed(image.pixelColor(5, 50)));
    }
}

TEST_F(QtTableTest, TheResultsListShowsTheDialogFace) {
    const QImage image = Grab();
    const QColor face = qApp->palette().color(QPalette::Window);
    EXPECT_EQ(image.pixelColor(387 + 100, 429 + 100), face);
    EXPECT_EQ(Control<QListWidget>(IDC_RESULTS)->palette().color(QPalette::Base), face);
}

TEST_F(QtTableTest, SpinArrowsStepTheFieldsWithinTheirRange) {
    auto* pBet = Control<CUpDownCtrl>(IDC_SPIN_BET);
    pBet->Step(1);
    EXPECT_EQ(Control<QLineEdit>(IDC_BET)->text(), "2");
    for (int i = 0; i < 10; ++i) pBet->Step(1);
    EXPECT_EQ(Control<QLineEdit>(IDC_BET)->text(), "5");
    EXPECT_EQ(pBet->GetPos(), 5);
    Control<CUpDownCtrl>(IDC_SPIN_HANDS)->Step(1);
    EXPECT_EQ(Control<QLineEdit>(IDC_HANDS)->text(), "50");
    Control<QPushButton>(IDC_DEAL)->click();
    EXPECT_FALSE(pBet->isEnabled());
}

TEST_F(QtTableTest, WindowMenuEndsWithASeparatorAndTheAboutItem) {
    QMenu* pMenu = m_pHost->BuildWindowMenu();
    QStringList texts;
    for (QAction* pAction : pMenu->actions())
        texts << (pAction->isSeparator() ? "-" : pAction->text());
    EXPECT_EQ(texts, (QStringList{"Mi&nimize", "-", "&Close", "-", "&About Tablo..."}));
    pMenu->actions()[4]->trigger();
    EXPECT_EQ(m_runner.Runs(IDD_PAYTABLE), 1);
    Control<QPushButton>(IDC_PAY_TABLE)->click();
    EXPECT_EQ(m_runner.Runs(IDD_PAYTABLE), 2);
    delete pMenu;
}

TEST_F(QtTableTest, EscapeAndTheCloseBoxEndTheTableButOkDoesNot) {
    m_pHost->accept();
    EXPECT_FALSE(m_pDlg->IsClosed());
    EXPECT_TRUE(m_pHost->isVisible());
    m_pHost->close();  // the close box
    EXPECT_TRUE(m_pDlg->IsClosed());
    EXPECT_FALSE(m_pHost->isVisible());
}

TEST_F(QtTableTest, EscapeCancels) {
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(m_pHost, &esc);
    EXPECT_TRUE(m_pDlg->IsClosed());
    EXPECT_EQ(m_pHost->result(), IDCANCEL);
}

}  // namespace

namespace {

TEST_F(QtTableTest, TheFocusOfADisabledButtonGoesToTheDefaultButton) {
    auto* pDeal = Control<QPushButton>(IDC_DEAL);
    m_pHost->activateWindow();
    pDeal->setFocus();
    pDeal->click();
    EXPECT_EQ(m_pHost->focusWidget(), Control<QPushButton>(IDC_PAY_TABLE));
    EXPECT_FALSE(Control<QLineEdit>(IDC_COINS)->hasSelectedText());
}

}  // namespace
