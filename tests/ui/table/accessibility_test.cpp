#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "model/card.h"
#include "platform/qt/static_text.h"
#include "platform/qt/up_down_ctrl.h"
#include "support/test_cards.h"
#include "table/pay_table_dlg.h"
#include "table/table_resources.h"
#include "ui/desktop_fixture.h"
#include "ui/table/hand_accessible.h"
#include "ui/table/hand_description.h"
#include "ui/table/table_accessible.h"

namespace {

QString Name(QAccessibleInterface* pInterface) {
    return pInterface ? pInterface->text(QAccessible::Name) : QString();
}

QString Name(QObject* pObject) {
    return Name(QAccessible::queryAccessibleInterface(pObject));
}

// Every accessible descendant of an interface, depth first.
void Walk(QAccessibleInterface* pInterface, const std::function<void(QAccessibleInterface*)>& f) {
    for (int i = 0; i < pInterface->childCount(); ++i) {
        QAccessibleInterface* pChild = pInterface->child(i);
        if (pChild == nullptr) continue;
        f(pChild);
        Walk(pChild, f);
    }
}

const char* const kDash = " \xE2\x80\x94 ";

TEST(HandDescription, CardsReadAsRankOfSuit) {
    CTestCards cards;
    struct Case {
        const char* pszCard;
        const char* pszText;
    };
    const Case cases[] = {{"9h", "9 of hearts"},     {"10s", "10 of spades"},
                          {"2c", "2 of clubs"},      {"Jd", "jack of diamonds"},
                          {"Qh", "queen of hearts"}, {"Ks", "king of spades"},
                          {"Ac", "ace of clubs"}};
    for (const Case& c : cases) EXPECT_EQ(DescribeCard(cards.Parse(c.pszCard)), c.pszText);
    EXPECT_EQ(DescribeCard(cards.Back()), "card back");
    EXPECT_EQ(DescribeCard(nullptr), "");
}

TEST(HandDescription, EveryOneOfTheFiftyTwoCardsHasItsOwnText) {
    CTestCards cards;
    std::set<std::string> texts;
    for (int i = 0; i < cards.All().GetSize(); ++i) texts.insert(DescribeCard(cards.All()[i]));
    EXPECT_EQ(texts.size(), 52u);
}

TEST(HandDescription, TitlesNameTheMainHandAndNumberTheOthers) {
    EXPECT_EQ(HandTitle(0), "Main hand");
    EXPECT_EQ(HandTitle(1), "Hand 1");
    EXPECT_EQ(HandTitle(49), "Hand 49");
}

class AccessibleTableTest : public DesktopTableTest {
protected:
    QAccessibleInterface* Table() const { return QAccessible::queryAccessibleInterface(m_pHost); }
    CTableAccessible* TableElements() const { return dynamic_cast<CTableAccessible*>(Table()); }
    QString HandName(int nIndex) const { return Name(TableElements()->Hand(nIndex)); }
    QAccessibleInterface* ControlInterface(int nID) const {
        return QAccessible::queryAccessibleInterface(m_pHost->GetControl(nID));
    }
};

TEST_F(AccessibleTableTest, ControlsWithoutCaptionsHaveNamesAndTheOthersTheirCaptions) {
    struct Case {
        int nID;
        const char* pszName;
    };
    const Case cases[] = {
        {IDC_PAY_TABLE, "Pay Table"},
        {IDC_HOLD1, "Hold card 1"},
        {IDC_HOLD2, "Hold card 2"},
        {IDC_HOLD3, "Hold card 3"},
        {IDC_HOLD4, "Hold card 4"},
        {IDC_HOLD5, "Hold card 5"},
        {IDC_BET, "Bet"},
        {IDC_SPIN_BET, "Bet up-down"},
        {IDC_HANDS, "Hands"},
        {IDC_SPIN_HANDS, "Hands up-down"},
        {IDC_DRAW, "Draw"},
        {IDC_DEAL, "Deal"},
        {IDC_COINS, "Coins"},
        {IDC_RESULTS, "Results"},
        {IDC_JACKS_OR_BETTER, "Jacks or Better"},
        {IDC_DUCES_WILD, "Duces Wild"},
        {IDC_BONUS, "Bonus"},
        {IDC_DOUBLE_BONUS, "Double Bonus"},
    };
    for (const Case& c : cases) EXPECT_EQ(Name(ControlInterface(c.nID)), c.pszName) << c.nID;
    // Captions stay as they are: names live beside them.
    EXPECT_EQ(Caption(IDC_HOLD1), "");
    // The keys are told where they act.
    EXPECT_EQ(ControlInterface(IDC_DEAL)->text(QAccessible::Description), "Key D");
    EXPECT_EQ(ControlInterface(IDC_DRAW)->text(QAccessible::Description), "Key D");
    EXPECT_EQ(ControlInterface(IDC_HOLD4)->text(QAccessible::Description), "Key 4");
}

TEST_F(AccessibleTableTest, EverythingInTheWindowHasAName) {
    QAccessibleInterface* pTable = Table();
    ASSERT_NE(pTable, nullptr);
    EXPECT_EQ(pTable->role(), QAccessible::Dialog);
    EXPECT_EQ(Name(pTable), "Handfall II");
    int nVisited = 0;
    Walk(pTable, [&](QAccessibleInterface* p) {
        ++nVisited;
        EXPECT_FALSE(Name(p).isEmpty())
            << "role " << p->role() << " at " << p->rect().x() - m_pHost->mapToGlobal(QPoint()).x()
            << "," << p->rect().y();
    });
    // 22 controls (4 of them static), two arrows per spin, 50 hands.
    EXPECT_GE(nVisited, 22 + 4 + 50);
}

TEST_F(AccessibleTableTest, TheSpinArrowsAreButtonsThatSayWhichWayTheyGo) {
    for (int nID : {IDC_SPIN_BET, IDC_SPIN_HANDS}) {
        QStringList names;
        for (QToolButton* p : m_pHost->GetControl(nID)->findChildren<QToolButton*>())
            names << Name(p);
        names.sort();
        EXPECT_EQ(names, QStringList({"Down", "Up"})) << nID;
    }
}

TEST_F(AccessibleTableTest, FiftyHandElementsFollowTheControlsMainHandFirst) {
    QAccessibleInterface* pTable = Table();
    const int nControls = pTable->childCount() - 50;
    ASSERT_GT(nControls, 0);
    for (int i = 0; i < 50; ++i) {
        QAccessibleInterface* pHand = pTable->child(nControls + i);
        ASSERT_NE(pHand, nullptr) << i;
        EXPECT_EQ(pHand->role(), QAccessible::Graphic);
        EXPECT_EQ(pHand->parent(), pTable);
        EXPECT_EQ(pTable->indexOfChild(pHand), nControls + i);
        EXPECT_EQ(pHand, pTable->child(nControls + i)) << "made once";
        EXPECT_TRUE(pHand->isValid());
    }
    EXPECT_EQ(Name(pTable->child(nControls)), "Main hand: face down");
    EXPECT_EQ(Name(pTable->child(nControls + 12)), "Hand 12: face down");
}

TEST_F(AccessibleTableTest, HandElementsLieWhereTheHandsArePainted) {
    const QPoint ptOrigin = m_pHost->mapToGlobal(QPoint(0, 0));
    struct Case {
        int nIndex;
        QRect rect;  // the cards and the label below them, window pixels
    };
    const Case cases[] = {{0, QRect(10, 429, 371, 116)},
                          {1, QRect(5, 5, 129, 54)},
                          {7, QRect(5, 359, 129, 54)},
                          {12, QRect(140, 241, 129, 54)},
                          {49, QRect(815, 359, 129, 54)}};
    for (const Case& c : cases) {
        CHandAccessible* pHand = TableElements()->Hand(c.nIndex);
        EXPECT_EQ(pHand->rect(), c.rect.translated(ptOrigin)) << c.nIndex;
        const QPoint ptCentre = c.rect.center() + ptOrigin;
        EXPECT_EQ(Table()->childAt(ptCentre.x(), ptCentre.y()), pHand) << c.nIndex;
    }
    // Where a control stands, the control answers.
    const QPoint ptDeal = m_pHost->GetControl(IDC_DEAL)->geometry().center() + ptOrigin;
    EXPECT_EQ(Table()->childAt(ptDeal.x(), ptDeal.y()), ControlInterface(IDC_DEAL));
    // Between the hands, nothing.
    const QPoint ptGap = QPoint(137, 30) + ptOrigin;
    EXPECT_EQ(Table()->childAt(ptGap.x(), ptGap.y()), nullptr);
}

TEST_F(AccessibleTableTest, HandsReadTheirCardsAndTheSelectedGamesCategory) {
    const std::string strDealt = "2 of spades, 3 of spades, 4 of spades, 5 of spades, 6 of spades";
    Type(Qt::Key_D);
    EXPECT_EQ(HandName(0).toStdString(), "Main hand: " + strDealt + kDash + "Straight Flush");
    EXPECT_EQ(HandName(12), "Hand 12: face down");

    Type(Qt::Key_1);
    EXPECT_EQ(HandName(0).toStdString(),
              "Main hand: 2 of spades (held), 3 of spades, 4 of spades, "
              "5 of spades, 6 of spades" +
                  std::string(kDash) + "Straight Flush");
    Type(Qt::Key_D);
    // Each hand keeps the held 2 and draws from 7 of spades on, the 7 falling to the hold.
    const std::string strDrawn =
        "2 of spades, 8 of spades, 9 of spades, 10 of spades, jack of spades";
    EXPECT_EQ(HandName(12).toStdString(), "Hand 12: " + strDrawn + kDash + "Flush");
    EXPECT_EQ(HandName(49).toStdString(), "Hand 49: " + strDrawn + kDash + "Flush");
    EXPECT_EQ(HandName(0).toStdString(),
              "Main hand: 2 of spades (held), 8 of spades, 9 of spades, "
              "10 of spades, jack of spades" +
                  std::string(kDash) + "Flush");

    // Another game reads the same cards by its own rules, as the labels do: the deuce is wild.
    m_pDlg->OnDucesWild();
    EXPECT_EQ(HandName(12).toStdString(), "Hand 12: " + strDrawn + kDash + "Straight Flush");
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
    EXPECT_EQ(pHold->role(), QAccessible::Button);
    EXPECT_TRUE(pHold->state().disabled);
    // Disabled: pressing does nothing.
    pHold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(m_pDlg->IsHeld(1));

    Type(Qt::Key_D);
    EXPECT_FALSE(pHold->state().disabled);
    pHold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(m_pDlg->IsHeld(1));
    EXPECT_EQ(Name(pHold), "Hold card 2, Held");
    pHold->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Name(pHold), "Hold card 2");
}

TEST_F(AccessibleTableTest, AClosedTableReadsOnlyTheTitles) {
    Type(Qt::Key_D);
    m_pDlg->OnCancel();
    EXPECT_EQ(HandName(0), "Main hand");
    EXPECT_EQ(HandName(5), "Hand 5");
}

TEST_F(AccessibleTableTest, HandElementsOutliveNoWindow) {
    // Ask for the elements, then close and delete the window: nothing may be read afterwards.
    CHandAccessible* pHand = TableElements()->Hand(3);
    const QAccessible::Id id = QAccessible::uniqueId(pHand);
    ASSERT_NE(QAccessible::accessibleInterface(id), nullptr);
    m_pDlg->OnCancel();
    delete m_pHost;
    m_pHost = new CQtDialogHost(*m_pDlg, nullptr);  // for the fixture to delete
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

TEST(AccessiblePayTable, ItsTextsIconAndButtonAllHaveNames) {
    SetUpApplicationLook(*qApp);
    ASSERT_TRUE(LoadProgramResources(1.0));
    SetUpDesktopIntegration(*qApp);
    CPayTableDlg dlg;
    CQtDialogHost host(dlg, nullptr);
    SetUpDialogHost(host);
    dlg.OnInitDialog();
    QStringList texts;
    for (QWidget* pWidget : host.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString strName = Name(pWidget);
        EXPECT_FALSE(strName.isEmpty()) << pWidget->metaObject()->className();
        texts << strName;
    }
    EXPECT_TRUE(texts.contains("OK"));
    EXPECT_TRUE(texts.contains("Handfall II icon"));
    EXPECT_TRUE(texts.contains("Jacks or Better"));
    EXPECT_TRUE(texts.contains("Double Bonus"));
    EXPECT_TRUE(texts.filter("Handfall Version 2.0").size() == 1);
    EXPECT_TRUE(texts.filter("Pair J's or Better").size() == 3);  // all but Duces Wild
    for (CStaticText* pText : host.findChildren<CStaticText*>())
        EXPECT_EQ(QAccessible::queryAccessibleInterface(pText)->role(), QAccessible::StaticText);
}

}  // namespace
