#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

#include <optional>
#include <sstream>

#include "games/game_variants.h"

#include "ui/coach/coach_figure.h"
#include "ui/coach/coach_group.h"
#include "ui/coach/coach_window.h"
#include "ui/store/settings_store.h"
#include "ui/ui_fixture.h"

namespace {

class CoachWindowTest : public TableWindowTest {
protected:
    CCoachWindow* Coach() const { return m_pHost->findChild<CCoachWindow*>(); }
    QAction* CoachItem() {
        m_pMenu.reset(m_pHost->BuildWindowMenu());
        for (QAction* pAction : m_pMenu->actions())
            if (pAction->text() == "&Coach") return pAction;
        return nullptr;
    }
    CCoachFigure* Figure(const QString& strName) const {
        for (CCoachFigure* pFigure : Coach()->findChildren<CCoachFigure*>())
            if (pFigure->accessibleName() == strName) return pFigure;
        return nullptr;
    }

    // C opens the coach; its first table is built off the window's thread.
    bool OpenCoach() {
        Type(Qt::Key_C);
        return QTest::qWaitFor([this] { return !Coach()->IsWorking(); }, 60000);
    }

    std::unique_ptr<QMenu> m_pMenu;
};

// Each group of figures is a Tab stop read as a list of its lines, each with its value in
// words, walked with the arrows; the lists' lines read their cards as words and their exact
// figures; the window is a window, and its opening is told at the table.
TEST_F(CoachWindowTest, GroupsAreTabStopsReadLineByLineWithTheirValuesInWords) {
    ASSERT_TRUE(OpenCoach());
    Type(Qt::Key_D);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Coach())->role(), QAccessible::Window);
    QTRY_COMPARE(Name(Table()->child(Table()->childCount() - 1)), "Coach open, beside the table");
    auto* pDeal = Coach()->findChild<QGroupBox*>("thisDeal");
    QAccessibleInterface* pGroup = QAccessible::queryAccessibleInterface(pDeal);
    EXPECT_EQ(pGroup->role(), QAccessible::List);
    EXPECT_EQ(Name(pGroup), "This deal: Jacks or Better");
    std::vector<QString> lines;
    for (int i = 0; i < pGroup->childCount(); ++i)
        if (pGroup->child(i)->role() == QAccessible::ListItem)
            lines.push_back(Name(pGroup->child(i)));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              "Dealt 2 of spades, 3 of spades, 4 of spades, 5 of spades, 6 of spades  "
              "(bet 1 on 50 hands)");
    EXPECT_EQ(lines[1].toStdString(), "Your hold: nothing (draw five), rank 8 of 32");
    EXPECT_TRUE(lines[2].startsWith("Cost of your hold: ")) << lines[2].toStdString();

    Coach()->activateWindow();
    pDeal->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClick(pDeal, Qt::Key_Down);
    QAccessibleInterface* pLine = nullptr;
    for (int i = 0; i < pGroup->childCount(); ++i)
        if (pGroup->child(i)->state().focused) pLine = pGroup->child(i);
    ASSERT_NE(pLine, nullptr);
    EXPECT_TRUE(Name(pLine).startsWith("Your hold: "));
    // The other groups are stops of their own, after the holds and the warning's box.
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(QApplication::focusWidget())->role(),
              QAccessible::List);
    EXPECT_TRUE(Name(QAccessible::queryAccessibleInterface(QApplication::focusWidget()))
                    .startsWith("Over 50 hands"));

    auto* pRanking = Coach()->findChild<QTreeWidget*>("holds");
    EXPECT_EQ(pRanking->topLevelItem(0)->data(1, Qt::AccessibleTextRole).toString(),
              "2 of spades, 3 of spades, 4 of spades, 5 of spades, 6 of spades");
    EXPECT_EQ(pRanking->topLevelItem(0)->data(2, Qt::AccessibleTextRole).toString(),
              "50.0000 per coin, exactly 50");
}

TEST_F(CoachWindowTest, TheKeyCOpensItBesideTheTableWhichKeepsTheKeyboardAndEscClosesIt) {
    ASSERT_NE(Coach(), nullptr);
    ASSERT_NE(CoachItem(), nullptr);
    EXPECT_FALSE(CoachItem()->isChecked());
    Type(Qt::Key_C);
    ASSERT_TRUE(Coach()->isVisible());
    EXPECT_TRUE(CoachItem()->isChecked());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Coach()->IsWorking(); }, 60000));

    // The scripted deal is 2 to 6 of spades, a straight flush: kept whole it pays 50 for sure.
    Type(Qt::Key_D);
    Type(Qt::Key_H);
    auto* pRanking = Coach()->findChild<QTreeWidget*>("holds");
    ASSERT_NE(pRanking, nullptr);
    EXPECT_EQ(pRanking->topLevelItem(0)->text(0), QString::fromUtf8("\u25B6 1"));
    EXPECT_EQ(pRanking->topLevelItem(0)->text(1), QString::fromUtf8("2♠ 3♠ 4♠ 5♠ 6♠"));
    EXPECT_EQ(pRanking->topLevelItem(0)->text(2), "50.0000");
    EXPECT_EQ(pRanking->topLevelItem(0)->toolTip(2), "Exactly 50");
    EXPECT_TRUE(pRanking->focusPolicy() & Qt::TabFocus);
    CCoachFigure* pCost = Figure("Cost of your hold");
    ASSERT_NE(pCost, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pCost)->text(QAccessible::Value),
              "Cost: 0.00 coins");
    EXPECT_NE(pCost->palette().color(QPalette::WindowText), QColor(200, 0, 0));
    CCoachFigure* pFlushes = Figure("Straight Flush expected hands");
    ASSERT_NE(pFlushes, nullptr);
    EXPECT_EQ(pFlushes->text(), "50.00 hands");

    // The keyboard stayed with the table: releasing the 6 costs coins, shown in red.
    Type(Qt::Key_5);
    EXPECT_FALSE(m_pDlg->IsHeld(4));
    EXPECT_EQ(pRanking->topLevelItem(0)->text(0), "1");
    EXPECT_EQ(pCost->palette().color(QPalette::WindowText), QColor(200, 0, 0));
    EXPECT_NE(pCost->text(), "Cost: 0.00 coins");
    // Its name carries the value, which Qt does not pass on to screen readers by itself.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pCost)->text(QAccessible::Name),
              "Cost of your hold: " + pCost->text().mid(6));

    // Drawn, the release is a costly decision; picking it shows its deal until a hold toggle.
    Type(Qt::Key_D);
    for (int i = 0; i < 52; ++i) m_zeros.Push(0);
    Type(Qt::Key_D);
    auto* pCostly = Coach()->findChild<QTreeWidget*>("costlyDecisions");
    ASSERT_EQ(pCostly->topLevelItemCount(), 1);
    pCostly->topLevelItem(0)->setSelected(true);
    EXPECT_EQ(Coach()->findChild<QGroupBox*>("thisDeal")->title(),
              "Deal 1, from the list: Jacks or Better");
    Type(Qt::Key_1);
    EXPECT_EQ(Coach()->findChild<QGroupBox*>("thisDeal")->title(), "This deal: Jacks or Better");
    EXPECT_FALSE(pCostly->topLevelItem(0)->isSelected());

    const int nCoins = m_pDlg->GetCoins();
    QTest::keyClick(Coach(), Qt::Key_Escape);
    EXPECT_FALSE(Coach()->isVisible());
    EXPECT_FALSE(CoachItem()->isChecked());
    EXPECT_EQ(m_pDlg->GetCoins(), nCoins);
    EXPECT_TRUE(m_pDlg->IsDealt());
    EXPECT_TRUE(m_pDlg->IsHeld(0));
}

// With the coach's list focused, the table's keys still play at the table and a typed digit
// moves nothing in the list; arrows stay with the list.
TEST_F(CoachWindowTest, TheTablesKeysActAtTheTableWhileTheCoachHasTheFocus) {
    ASSERT_TRUE(OpenCoach());
    auto* pRanking = Coach()->findChild<QTreeWidget*>("holds");
    Coach()->activateWindow();
    pRanking->setFocus();
    auto press = [pRanking](Qt::Key key) { QTest::keyClick(pRanking, key); };
    press(Qt::Key_Plus);
    EXPECT_EQ(m_pDlg->GetBet(), 2);
    press(Qt::Key_Less);
    EXPECT_EQ(m_pDlg->GetHandsInPlay(), 40);
    press(Qt::Key_D);
    ASSERT_TRUE(m_pDlg->IsDealt());
    press(Qt::Key_3);
    press(Qt::Key_H);
    EXPECT_EQ(pRanking->topLevelItem(0)->text(0), QString::fromUtf8("\u25B6 1"));
    EXPECT_TRUE(m_pDlg->IsHeld(2));
    QTreeWidgetItem* pCurrent = pRanking->currentItem();
    press(Qt::Key_1);
    EXPECT_FALSE(m_pDlg->IsHeld(0));
    EXPECT_EQ(pRanking->currentItem(), pCurrent) << "the digit searched the list";
    press(Qt::Key_Down);
    EXPECT_TRUE(Coach()->isVisible());
    press(Qt::Key_C);
    EXPECT_FALSE(Coach()->isVisible());
    EXPECT_TRUE(m_pDlg->IsDealt());
}

// The warning, kept in the settings, holds back a Draw whose hold costs more than its
// threshold; a second Draw with that hold draws. Off, Draw draws at once.
TEST_F(CoachWindowTest, TheWarningHoldsBackACostlyDrawUntilAskedAgain) {
    ASSERT_TRUE(OpenCoach());
    auto* pWarn = Coach()->findChild<QCheckBox*>("warn");
    ASSERT_NE(pWarn, nullptr);
    EXPECT_FALSE(pWarn->isChecked());
    for (int i = 0; i < 5; ++i) Type(Qt::Key_Less);
    ASSERT_EQ(m_pDlg->GetHandsInPlay(), 1);
    pWarn->setChecked(true);
    EXPECT_TRUE(CSettingsStore().Value("Coach/WarnBeforeCostlyDraw").toBool());
    // 2 to 6 of spades, released whole: some 49 coins given up.
    Type(Qt::Key_D);
    Type(Qt::Key_D);
    EXPECT_TRUE(m_pDlg->IsDealt()) << "drew holding nothing";
    QWidget* pWarning = Coach()->findChild<QWidget*>("warning");
    ASSERT_TRUE(pWarning->isVisible());
    EXPECT_TRUE(Figure("Costly draw")->text().contains(QString::fromUtf8("2♠ 3♠ 4♠ 5♠ 6♠")));
    Type(Qt::Key_1);  // a new hold, a new question
    EXPECT_FALSE(pWarning->isVisible());
    Type(Qt::Key_1);
    Type(Qt::Key_H);
    Type(Qt::Key_D);
    EXPECT_FALSE(m_pDlg->IsDealt()) << "the best hold draws at once";
    Type(Qt::Key_D);
    Type(Qt::Key_D);
    ASSERT_TRUE(m_pDlg->IsDealt());
    Type(Qt::Key_D);
    EXPECT_FALSE(m_pDlg->IsDealt()) << "asked again";
    pWarn->setChecked(false);
    Type(Qt::Key_D);
    Type(Qt::Key_D);
    EXPECT_FALSE(m_pDlg->IsDealt()) << "the warning is off";
}

// A list too short for all 32 ranks keeps rank 1 and the hold played in sight, one line standing
// for the ranks between; with the hold played near the top, every rank is listed again.
TEST_F(CoachWindowTest, TheHoldPlayedStaysInSightBelowRankOneInAShortList) {
    ASSERT_TRUE(OpenCoach());
    Type(Qt::Key_D);
    auto* pRanking = Coach()->findChild<QTreeWidget*>("holds");
    const auto shown = [pRanking](int nItem) {
        QTreeWidgetItem* pItem = pRanking->topLevelItem(nItem);
        return !pItem->isHidden() &&
               pRanking->viewport()->rect().contains(pRanking->visualItemRect(pItem));
    };
    // Rank r (r > 1) is the list's item r; item 1 stands for the ranks left out.
    const QString strWorst = pRanking->topLevelItem(32)->text(1);
    const char* kDealt[] = {"2♠", "3♠", "4♠", "5♠", "6♠"};
    for (int i = 0; i < 5; ++i)
        if (strWorst.contains(QString::fromUtf8(kDealt[i])))
            Type(static_cast<Qt::Key>(Qt::Key_1 + i));
    ASSERT_TRUE(pRanking->topLevelItem(32)->text(0).startsWith(QString::fromUtf8("\u25B6")));
    pRanking->setFixedHeight(6 * pRanking->sizeHintForRow(0));
    QApplication::processEvents();
    EXPECT_TRUE(shown(0));
    EXPECT_TRUE(shown(32)) << "the hold played is out of sight";
    EXPECT_TRUE(shown(1));
    EXPECT_TRUE(pRanking->topLevelItem(1)->text(1).startsWith("ranks 2 to "));
    EXPECT_FALSE(shown(2));

    Type(Qt::Key_H);  // the best hold: rank 1
    EXPECT_FALSE(shown(1));
    for (int nItem : {0, 2, 3}) EXPECT_TRUE(shown(nItem)) << nItem;
}

// At 400 pixels wide, after a draw at a pay table of a 60-character name, every figure is whole:
// no text is wider than its place, nothing reaches past the window's right edge, the lists'
// heads show whole, and the titles are cut short but read whole.
TEST_F(CoachWindowTest, AtFourHundredPixelsWithALongTableNameEveryFigureIsWhole) {
    CPayTable table = AsBuiltPayTable(GAME_JACKS_OR_BETTER);
    table.strName = std::string(60, 'W');
    ASSERT_TRUE(m_pDlg->SetPayTable(GAME_JACKS_OR_BETTER, table));
    Type(Qt::Key_C);
    Coach()->resize(400, 700);
    auto* pSave = Coach()->findChild<QPushButton*>("saveCard");
    Type(Qt::Key_D);
    Type(Qt::Key_D);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !Coach()->IsWorking() && pSave->isEnabled(); }, 180000));
    // The trainer's figures come last, as the draw is kept; the layout then settles.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !Figure("Same cards, this session")->text().isEmpty(); }, 10000));
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
    QWidget* pContent = Coach()->findChild<QWidget*>("coachContent");
    const QWidget* pViewport = pContent->parentWidget();
    EXPECT_LE(pContent->width(), pViewport->width());
    int nChecked = 0;
    for (QWidget* pWidget : pContent->findChildren<QWidget*>()) {
        if (!pWidget->isVisibleTo(Coach()) || qobject_cast<CCoachBar*>(pWidget)) continue;
        const std::string strWhat =
            pWidget->metaObject()->className() + (" " + pWidget->accessibleName().toStdString());
        EXPECT_LE(pWidget->mapTo(pViewport, QPoint(pWidget->width(), 0)).x(), pViewport->width())
            << strWhat;
        if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
            ++nChecked;
            if (pLabel->wordWrap())
                EXPECT_LE(pLabel->heightForWidth(pLabel->width()), pLabel->height()) << strWhat;
            else
                EXPECT_LE(pLabel->sizeHint().width(), pLabel->width())
                    << strWhat << ": " << pLabel->text().toStdString();
        } else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
            EXPECT_LE(pButton->sizeHint().width(), pButton->width()) << strWhat;
        }
    }
    EXPECT_GT(nChecked, 50);
    for (const char* pszList : {"holds", "chart"}) {
        const QHeaderView* pHeader = Coach()->findChild<QTreeWidget*>(pszList)->header();
        for (int i = 0; i < pHeader->count(); ++i)
            EXPECT_GE(pHeader->sectionSize(i), pHeader->sectionSizeHint(i)) << pszList << i;
    }
    auto* pDeal = Coach()->findChild<CCoachGroup*>("thisDeal");
    EXPECT_TRUE(pDeal->title().endsWith(QChar(0x2026))) << pDeal->title().toStdString();
    EXPECT_EQ(Name(QAccessible::queryAccessibleInterface(pDeal)).toStdString(),
              "This deal: Jacks or Better, " + table.strName);
}

// The coach goes beside the table where the screen has room, else the table moves to the left
// edge for a narrower coach; a frame Qt does not know yet is taken as none.
TEST(CoachPlaceTest, BesideTheTableWithinTheScreensAvailableArea) {
    const auto rect = [](const std::string& strRect) {
        std::istringstream in(strRect);
        int x = 0, y = 0, w = 0, h = 0;
        in >> x >> y >> w >> h;
        return QRect(x, y, w, h);
    };
    for (const std::vector<std::string>& c : ReadCases(HANDFALL_UI_GOLDEN_DIR "/coach_place.txt")) {
        ASSERT_EQ(c.size(), 6u);
        const CCoachPlace place = PlaceCoach(rect(c[1]), rect(c[2]), rect(c[3]), 24);
        EXPECT_EQ(place.rcCoach, rect(c[4])) << c[0];
        const std::optional<QPoint> ptTable =
            c[5] == "-" ? std::nullopt : std::optional(rect(c[5]).topLeft());
        EXPECT_EQ(place.ptTable, ptTable) << c[0];
    }
}

}  // namespace
