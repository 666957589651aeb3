#include <QAccessible>
#include <QAccessibleActionInterface>

#include <QListWidget>

#include "analysis/outcome_cache.h"
#include "games/pay_table_library.h"
#include "platform/qt/up_down_ctrl.h"
#include "support/test_cards.h"
#include "ui/table/hand_accessible.h"
#include "ui/table/hand_description.h"
#include "ui/table/table_accessible.h"
#include "ui/ui_fixture.h"

namespace {

const std::string kDash = " \xE2\x80\x94 ";

class AccessibleTableTest : public TableWindowTest {
protected:
    CTableAccessible* Elements() const { return dynamic_cast<CTableAccessible*>(Table()); }
    std::string HandText(int nIndex) const { return Name(Elements()->Hand(nIndex)).toStdString(); }
    QAccessibleInterface* Of(int nID) const {
        return QAccessible::queryAccessibleInterface(Control(nID));
    }
};

// The table window's golden file has every element's name and place; after the controls come
// the 50 hands, each made once, its parent the table, found where it is painted, then the
// notification.
TEST_F(AccessibleTableTest, HandsAreMadeOnceAndFoundWhereTheyArePainted) {
    QAccessibleInterface* pTable = Table();
    const int nControls = pTable->childCount() - 51;
    EXPECT_EQ(pTable->child(nControls + 50)->role(), QAccessible::Notification);
    for (int i = 0; i < 50; ++i) {
        QAccessibleInterface* pHand = pTable->child(nControls + i);
        EXPECT_EQ(pHand, Elements()->Hand(i)) << i;
        EXPECT_EQ(pHand->parent(), pTable);
        EXPECT_EQ(pTable->indexOfChild(pHand), nControls + i);
        const QPoint pt = pHand->rect().center();
        EXPECT_EQ(pTable->childAt(pt.x(), pt.y()), pHand) << i;
    }
    // Where a control stands, the control answers; between the hands, nothing.
    const QPoint ptOrigin = m_pHost->mapToGlobal(QPoint(0, 0));
    const QPoint ptDeal = Control(IDC_DEAL)->geometry().center() + ptOrigin;
    EXPECT_EQ(pTable->childAt(ptDeal.x(), ptDeal.y()), Of(IDC_DEAL));
    EXPECT_EQ(pTable->childAt(ptOrigin.x() + 137, ptOrigin.y() + 30), nullptr);
}

// Hands read their cards and the selected game's category; only those that changed since the
// last look are announced.
TEST_F(AccessibleTableTest, HandsReadTheirCardsAndCategoryAndOnlyChangesAreAnnounced) {
    CTableAccessible* pTable = Elements();
    EXPECT_TRUE(pTable->NotifyChangedHands().empty()) << "the first look only learns";
    Type(Qt::Key_D);
    EXPECT_EQ(pTable->NotifyChangedHands(), std::vector<int>{0});
    EXPECT_EQ(HandText(12), "Hand 12: face down");
    Type(Qt::Key_1);
    EXPECT_EQ(HandText(0),
              "Main hand: 2 of spades (held), 3 of spades, 4 of spades, "
              "5 of spades, 6 of spades" +
                  kDash + "Straight Flush");
    Type(Qt::Key_D);
    EXPECT_EQ(pTable->NotifyChangedHands().size(), 50u);
    // Each hand keeps the held 2 and draws from 7 of spades on, the 7 falling to the hold.
    const std::string strDrawn = "8 of spades, 9 of spades, 10 of spades, jack of spades";
    EXPECT_EQ(HandText(12), "Hand 12: 2 of spades, " + strDrawn + kDash + "Flush");
    EXPECT_EQ(HandText(49), "Hand 49: 2 of spades, " + strDrawn + kDash + "Flush");
    EXPECT_EQ(HandText(0), "Main hand: 2 of spades (held), " + strDrawn + kDash + "Flush");
    m_pDlg->OnBonus();  // same cards, same categories
    EXPECT_TRUE(pTable->NotifyChangedHands().empty());
    // Another game reads the same cards by its own rules, as the labels do: the deuce is wild.
    m_pDlg->OnDucesWild();
    EXPECT_EQ(HandText(12), "Hand 12: 2 of spades, " + strDrawn + kDash + "Straight Flush");
}

TEST_F(AccessibleTableTest, AHandOutOfPlayShowsWhatItHoldsAndIsMarkedDisabled) {
    Control<CUpDownCtrl>(IDC_SPIN_HANDS)->Step(-47);
    ASSERT_EQ(m_pDlg->GetHandsInPlay(), 3);
    Type(Qt::Key_D);
    Type(Qt::Key_D);
    EXPECT_TRUE(HandText(2).starts_with("Hand 2: 7 of spades"));
    EXPECT_FALSE(Elements()->Hand(2)->state().disabled);
    EXPECT_EQ(HandText(3), "Hand 3: face down");
    EXPECT_TRUE(Elements()->Hand(3)->state().disabled);
}

// A hold button is named by its card and is pressed while its card is held; an action
// presses it as a click would.
TEST_F(AccessibleTableTest, AHoldButtonReadsItsCardIsPressedWhileHeldAndPressesLikeAClick) {
    QAccessibleInterface* pHold = Of(IDC_HOLD2);
    ASSERT_NE(pHold->actionInterface(), nullptr);
    const auto press = [pHold] {
        pHold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press();  // disabled: nothing
    EXPECT_FALSE(m_pDlg->IsHeld(1));
    EXPECT_EQ(Name(pHold), "Hold card 2");
    Type(Qt::Key_D);
    EXPECT_EQ(Name(pHold), "Hold 3 of spades");
    EXPECT_FALSE(pHold->state().pressed);
    press();
    EXPECT_TRUE(m_pDlg->IsHeld(1));
    EXPECT_TRUE(pHold->state().pressed && pHold->state().checked && pHold->state().checkable);
    EXPECT_EQ(Name(pHold), "Hold 3 of spades") << "the caption Held is the pressed state";
    press();
    EXPECT_FALSE(pHold->state().pressed);
}

// What play says reaches the notification once the key's event is done: the deal, a hold, the
// hold Best Hold chose as a whole, the draw's outcome.
TEST_F(AccessibleTableTest, PlayIsToldThroughTheNotification) {
    QAccessibleInterface* pNotice = Table()->child(Table()->childCount() - 1);
    const std::pair<Qt::Key, const char*> steps[] = {
        {Qt::Key_D, "Dealt 2 of spades, 3 of spades, 4 of spades, 5 of spades, 6 of spades"},
        {Qt::Key_2, "3 of spades held"},
        {Qt::Key_H, "Holding 2 of spades, 3 of spades, 4 of spades, 5 of spades, 6 of spades"},
        {Qt::Key_D, "Main hand Straight Flush. Won 2500 coins"},
    };
    SharedOutcomeTable(GetFamily("jacks"), kAsBuiltRules);
    for (const auto& [key, pszSaid] : steps) {
        Type(key);
        // A deal's and a draw's words wait for the hands' own events to be taken in.
        (void)QTest::qWaitFor([&, psz = pszSaid] { return Name(pNotice) == psz; }, 5000);
        EXPECT_EQ(Name(pNotice).toStdString(), pszSaid);
    }
}

// The results list shows its lines as ever and reads them as words; its first line takes the
// focus when the list does by Tab, and no line keeps it once the list has lost it.
TEST_F(AccessibleTableTest, ResultsReadAsWordsAndOnlyTheFocusedListHasAFocusedLine) {
    Type(Qt::Key_D);
    Type(Qt::Key_D);
    auto* pList = Control<QListWidget>(IDC_RESULTS);
    ASSERT_EQ(pList->count(), 3);
    EXPECT_EQ(pList->item(0)->text().toStdString(), "Straight Flush: 50@50x1= 2500");
    QAccessibleInterface* pAccessible = Of(IDC_RESULTS);
    ASSERT_EQ(pAccessible->childCount(), 3);
    EXPECT_EQ(Name(pAccessible->child(0)).toStdString(),
              "Straight Flush: 50 hands at 50 times 1, 2500 coins");
    EXPECT_EQ(Name(pAccessible->child(1)).toStdString(), "separator");
    EXPECT_EQ(Name(pAccessible->child(2)).toStdString(), "Total: 2500 coins");
    auto focusedLines = [pAccessible] {
        int n = 0;
        for (int i = 0; i < pAccessible->childCount(); ++i)
            n += pAccessible->child(i)->state().focused;
        return n;
    };
    pList->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(pAccessible->child(0)->state().focused);
    Control(IDC_DEAL)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(focusedLines(), 0);
}

// Space on a focused Deal deals and leaves the focus on Draw, and back, not on Pay Table.
TEST_F(AccessibleTableTest, SpaceOnDealOrDrawHandsTheFocusToTheOther) {
    Control(IDC_DEAL)->setFocus(Qt::TabFocusReason);
    Type(Qt::Key_Space);
    ASSERT_TRUE(m_pDlg->IsDealt());
    EXPECT_EQ(QApplication::focusWidget(), Control(IDC_DRAW));
    Type(Qt::Key_Space);
    ASSERT_FALSE(m_pDlg->IsDealt());
    EXPECT_EQ(QApplication::focusWidget(), Control(IDC_DEAL));
}

// The four game boxes are one group, "Game", in the table window as in the pay table's groups
// each game's table is read line by line.
TEST_F(AccessibleTableTest, TheGameBoxesAreChildrenOfTheirGroup) {
    QAccessibleInterface* pBox = Of(IDC_BONUS);
    ASSERT_NE(pBox->parent(), nullptr);
    EXPECT_EQ(pBox->parent()->role(), QAccessible::Grouping);
    EXPECT_EQ(Name(pBox->parent()), "Game");
    EXPECT_EQ(pBox->parent()->childCount(), 4);
    EXPECT_EQ(pBox->parent()->indexOfChild(pBox), 2);
    EXPECT_EQ(pBox->parent()->parent(), Table());
}

TEST_F(AccessibleTableTest, AClosedTableReadsOnlyTheTitlesAndItsHandsDieWithTheWindow) {
    CHandAccessible* pHand = Elements()->Hand(3);
    const QAccessible::Id id = QAccessible::uniqueId(pHand);
    Type(Qt::Key_D);
    m_pDlg->OnCancel();
    EXPECT_EQ(HandText(0), "Main hand");
    EXPECT_EQ(HandText(5), "Hand 5");
    ASSERT_EQ(QAccessible::accessibleInterface(id), pHand);
    delete m_pHost;
    m_pHost = new CQtDialogHost(*m_pDlg, nullptr);  // for the fixture to delete
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

}  // namespace
