#include <QAccessible>
#include <QAccessibleActionInterface>

#include "platform/qt/up_down_ctrl.h"
#include "support/test_cards.h"
#include "ui/table/hand_accessible.h"
#include "ui/table/hand_description.h"
#include "ui/table/table_accessible.h"
#include "ui/ui_fixture.h"

namespace {

QString Name(QAccessibleInterface* pInterface) {
    return pInterface ? pInterface->text(QAccessible::Name) : QString();
}

const std::string kDash = " \xE2\x80\x94 ";

TEST(HandDescription, CardsReadAsRankOfSuit) {
    CTestCards cards;
    const std::pair<const char*, const char*> cases[] = {
        {"9h", "9 of hearts"},      {"10s", "10 of spades"},   {"2c", "2 of clubs"},
        {"Jd", "jack of diamonds"}, {"Qh", "queen of hearts"}, {"Ks", "king of spades"},
        {"Ac", "ace of clubs"}};
    for (const auto& [pszCard, pszText] : cases)
        EXPECT_EQ(DescribeCard(cards.Parse(pszCard)), pszText);
    EXPECT_EQ(DescribeCard(cards.Back()), "card back");
    EXPECT_EQ(DescribeCard(nullptr), "");
}

class AccessibleTableTest : public TableWindowTest {
protected:
    QAccessibleInterface* Table() const { return QAccessible::queryAccessibleInterface(m_pHost); }
    CTableAccessible* Elements() const { return dynamic_cast<CTableAccessible*>(Table()); }
    std::string HandText(int nIndex) const { return Name(Elements()->Hand(nIndex)).toStdString(); }
    QAccessibleInterface* Of(int nID) const {
        return QAccessible::queryAccessibleInterface(Control(nID));
    }
};

// The table window's golden file has every element's name and place; after the 22 controls
// come the 50 hands, each made once, its parent the table, found where it is painted.
TEST_F(AccessibleTableTest, HandsAreMadeOnceAndFoundWhereTheyArePainted) {
    QAccessibleInterface* pTable = Table();
    const int nControls = pTable->childCount() - 50;
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

TEST_F(AccessibleTableTest, AHoldButtonReadsItsCaptionAfterItsNameAndPressesLikeAClick) {
    QAccessibleInterface* pHold = Of(IDC_HOLD2);
    ASSERT_NE(pHold->actionInterface(), nullptr);
    const auto press = [pHold] {
        pHold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press();  // disabled: nothing
    EXPECT_FALSE(m_pDlg->IsHeld(1));
    Type(Qt::Key_D);
    press();
    EXPECT_TRUE(m_pDlg->IsHeld(1));
    EXPECT_EQ(Name(pHold), "Hold card 2, Held");
    press();
    EXPECT_EQ(Name(pHold), "Hold card 2");
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
