#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMetaEnum>

#include "platform/qt/up_down_ctrl.h"
#include "support/test_cards.h"
#include "table/pay_table_dlg.h"
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
        {"9h", "9 of hearts"},     {"10s", "10 of spades"},  {"2c", "2 of clubs"},
        {"Jd", "jack of diamonds"}, {"Qh", "queen of hearts"}, {"Ks", "king of spades"},
        {"Ac", "ace of clubs"}};
    for (const auto& [pszCard, pszText] : cases) EXPECT_EQ(DescribeCard(cards.Parse(pszCard)), pszText);
    EXPECT_EQ(DescribeCard(cards.Back()), "card back");
    EXPECT_EQ(DescribeCard(nullptr), "");
}

class AccessibleTableTest : public TableWindowTest {
protected:
    QAccessibleInterface* Table() const { return QAccessible::queryAccessibleInterface(m_pHost); }
    CTableAccessible* TableElements() const { return dynamic_cast<CTableAccessible*>(Table()); }
    QString HandName(int nIndex) const { return Name(TableElements()->Hand(nIndex)); }
    std::string HandText(int nIndex) const { return HandName(nIndex).toStdString(); }
    QAccessibleInterface* ControlInterface(int nID) const {
        return QAccessible::queryAccessibleInterface(Control(nID));
    }
};

// The window as a screen reader walks it: every element's role, name, key, state and place,
// the 22 controls (the arrows of the spins inside theirs), then the 50 hands.
TEST_F(AccessibleTableTest, EveryElementHasTheGoldenNameAndPlace) {
    QAccessibleInterface* pTable = Table();
    ASSERT_NE(pTable, nullptr);
    EXPECT_EQ(pTable->role(), QAccessible::Dialog);
    EXPECT_EQ(Name(pTable), "Handfall II");
    const QPoint ptOrigin = m_pHost->mapToGlobal(QPoint(0, 0));
    QStringList lines;
    std::function<void(QAccessibleInterface*, QString)> walk = [&](QAccessibleInterface* p,
                                                                   const QString& strIndent) {
        for (int i = 0; i < p->childCount(); ++i) {
            QAccessibleInterface* pChild = p->child(i);
            ASSERT_NE(pChild, nullptr);
            EXPECT_FALSE(Name(pChild).isEmpty()) << "role " << pChild->role() << " at " << i;
            const QRect r = pChild->rect().translated(-ptOrigin);
            lines << QString("%1%2 \"%3\" \"%4\" %5,%6 %7x%8%9")
                         .arg(strIndent)
                         .arg(QMetaEnum::fromType<QAccessible::Role>().valueToKey(pChild->role()))
                         .arg(Name(pChild), pChild->text(QAccessible::Description))
                         .arg(r.x())
                         .arg(r.y())
                         .arg(r.width())
                         .arg(r.height())
                         .arg(pChild->state().disabled ? " disabled" : "");
            walk(pChild, strIndent + "  ");
        }
    };
    walk(pTable, "");
    ExpectGolden("table_accessible", lines);
}

TEST_F(AccessibleTableTest, HandElementsAreMadeOnceAndFoundWhereTheyArePainted) {
    QAccessibleInterface* pTable = Table();
    const int nControls = pTable->childCount() - 50;
    for (int i = 0; i < 50; ++i) {
        QAccessibleInterface* pHand = pTable->child(nControls + i);
        EXPECT_EQ(pHand, TableElements()->Hand(i)) << i;
        EXPECT_EQ(pHand->parent(), pTable);
        EXPECT_EQ(pTable->indexOfChild(pHand), nControls + i);
        EXPECT_TRUE(pHand->isValid());
        const QPoint ptCentre = pHand->rect().center();
        EXPECT_EQ(pTable->childAt(ptCentre.x(), ptCentre.y()), pHand) << i;
    }
    const QPoint ptOrigin = m_pHost->mapToGlobal(QPoint(0, 0));
    // Where a control stands, the control answers; between the hands, nothing.
    const QPoint ptDeal = Control(IDC_DEAL)->geometry().center() + ptOrigin;
    EXPECT_EQ(pTable->childAt(ptDeal.x(), ptDeal.y()), ControlInterface(IDC_DEAL));
    const QPoint ptGap = QPoint(137, 30) + ptOrigin;
    EXPECT_EQ(pTable->childAt(ptGap.x(), ptGap.y()), nullptr);
}

TEST_F(AccessibleTableTest, HandsReadTheirCardsAndTheSelectedGamesCategory) {
    const std::string strDealt = "2 of spades, 3 of spades, 4 of spades, 5 of spades, 6 of spades";
    Type(Qt::Key_D);
    EXPECT_EQ(HandText(0), "Main hand: " + strDealt + kDash + "Straight Flush");
    EXPECT_EQ(HandName(12), "Hand 12: face down");
    Type(Qt::Key_1);
    EXPECT_EQ(HandText(0), "Main hand: 2 of spades (held), 3 of spades, 4 of spades, "
                           "5 of spades, 6 of spades" + kDash + "Straight Flush");
    Type(Qt::Key_D);
    // Each hand keeps the held 2 and draws from 7 of spades on, the 7 falling to the hold.
    const std::string strDrawn = "2 of spades, 8 of spades, 9 of spades, 10 of spades, jack of spades";
    EXPECT_EQ(HandText(12), "Hand 12: " + strDrawn + kDash + "Flush");
    EXPECT_EQ(HandText(49), "Hand 49: " + strDrawn + kDash + "Flush");
    EXPECT_EQ(HandText(0), "Main hand: 2 of spades (held), 8 of spades, 9 of spades, "
                           "10 of spades, jack of spades" + kDash + "Flush");
    // Another game reads the same cards by its own rules, as the labels do: the deuce is wild.
    m_pDlg->OnDucesWild();
    EXPECT_EQ(HandText(12), "Hand 12: " + strDrawn + kDash + "Straight Flush");
}

TEST_F(AccessibleTableTest, AHandOutOfPlayShowsWhatItHoldsAndIsMarkedDisabled) {
    Control<CUpDownCtrl>(IDC_SPIN_HANDS)->Step(-47);
    ASSERT_EQ(m_pDlg->GetHandsInPlay(), 3);
    Type(Qt::Key_D);
    Type(Qt::Key_D);
    EXPECT_TRUE(HandName(2).startsWith("Hand 2: 7 of spades"));
    EXPECT_FALSE(TableElements()->Hand(2)->state().disabled);
    EXPECT_EQ(HandName(3), "Hand 3: face down");
    EXPECT_TRUE(TableElements()->Hand(3)->state().disabled);
}

TEST_F(AccessibleTableTest, OnlyTheHandsThatChangedAreAnnounced) {
    CTableAccessible* pTable = TableElements();
    EXPECT_TRUE(pTable->NotifyChangedHands().empty()) << "the first look only learns";
    EXPECT_TRUE(pTable->NotifyChangedHands().empty());
    Type(Qt::Key_D);
    EXPECT_EQ(pTable->NotifyChangedHands(), std::vector<int>{0});
    Type(Qt::Key_D);
    EXPECT_EQ(pTable->NotifyChangedHands().size(), 50u);
    m_pDlg->OnBonus();  // same cards, same categories
    EXPECT_TRUE(pTable->NotifyChangedHands().empty());
}

TEST_F(AccessibleTableTest, AHoldButtonReadsItsCaptionAfterItsNameAndPressesLikeAClick) {
    QAccessibleInterface* pHold = ControlInterface(IDC_HOLD2);
    ASSERT_NE(pHold->actionInterface(), nullptr);
    const auto press = [pHold] {
        pHold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press();  // disabled: nothing
    EXPECT_FALSE(m_pDlg->IsHeld(1));
    Type(Qt::Key_D);
    EXPECT_FALSE(pHold->state().disabled);
    press();
    EXPECT_TRUE(m_pDlg->IsHeld(1));
    EXPECT_EQ(Name(pHold), "Hold card 2, Held");
    press();
    EXPECT_EQ(Name(pHold), "Hold card 2");
}

TEST_F(AccessibleTableTest, AClosedTableReadsOnlyTheTitlesAndItsHandsDieWithTheWindow) {
    CHandAccessible* pHand = TableElements()->Hand(3);
    const QAccessible::Id id = QAccessible::uniqueId(pHand);
    Type(Qt::Key_D);
    m_pDlg->OnCancel();
    EXPECT_EQ(HandName(0), "Main hand");
    EXPECT_EQ(HandName(5), "Hand 5");
    ASSERT_EQ(QAccessible::accessibleInterface(id), pHand);
    delete m_pHost;
    m_pHost = new CQtDialogHost(*m_pDlg, nullptr);  // for the fixture to delete
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

TEST_F(AccessibleTableTest, ThePayTablesTextsIconAndButtonAllHaveNames) {
    CPayTableDlg dlg;
    CQtDialogHost host(dlg, nullptr);
    SetUpDialogHost(host);
    dlg.OnInitDialog();
    QStringList names;
    for (QWidget* pWidget : host.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QAccessibleInterface* p = QAccessible::queryAccessibleInterface(pWidget);
        EXPECT_FALSE(Name(p).isEmpty()) << pWidget->metaObject()->className();
        EXPECT_TRUE(!qobject_cast<CStaticText*>(pWidget) || p->role() == QAccessible::StaticText);
        names << Name(p);
    }
    EXPECT_EQ(names.filter("Handfall Version 2.0").size(), 1);
    EXPECT_EQ(names.filter("Pair J's or Better").size(), 3);  // all but Duces Wild
    for (const char* psz : {"OK", "Handfall II icon", "Jacks or Better", "Double Bonus"})
        EXPECT_TRUE(names.contains(psz)) << psz;
}

}  // namespace
