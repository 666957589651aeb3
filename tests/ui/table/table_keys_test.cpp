#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <set>
#include <string>

#include "table/table_resources.h"
#include "ui/desktop_fixture.h"
#include "ui/table/table_keys.h"

namespace {

constexpr int kHoldIds[] = {IDC_HOLD1, IDC_HOLD2, IDC_HOLD3, IDC_HOLD4, IDC_HOLD5};
constexpr Qt::Key kHoldKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5};

const CTableKey* FindKey(const char* pszKey) {
    for (const CTableKey& key : TableKeys())
        if (QKeySequence(key.pszKey) == QKeySequence(pszKey)) return &key;
    return nullptr;
}

TEST(TableKeys, ListHoldsOneToFiveForTheHoldsAndDForDealOrDraw) {
    struct Expected {
        const char* pszKey;
        int nFirst;
        int nSecond;
    };
    const Expected expected[] = {{"1", IDC_HOLD1, 0}, {"2", IDC_HOLD2, 0},
                                 {"3", IDC_HOLD3, 0}, {"4", IDC_HOLD4, 0},
                                 {"5", IDC_HOLD5, 0}, {"D", IDC_DEAL, IDC_DRAW}};
    ASSERT_EQ(TableKeys().size(), std::size(expected));
    for (const Expected& e : expected) {
        const CTableKey* pKey = FindKey(e.pszKey);
        ASSERT_NE(pKey, nullptr) << e.pszKey;
        EXPECT_EQ(pKey->arrIDs[0], e.nFirst) << e.pszKey;
        EXPECT_EQ(pKey->arrIDs[1], e.nSecond) << e.pszKey;
        EXPECT_STRNE(pKey->pszWhat, "") << e.pszKey;
    }
}

TEST(TableKeys, NoKeyTakesWhatTheDialogOrAFocusedControlAlreadyUses) {
    // Enter is the default button's, Esc cancels, Space and Tab belong to the focused control.
    const std::set<int> taken = {Qt::Key_Return, Qt::Key_Enter,   Qt::Key_Escape, Qt::Key_Space,
                                 Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Up,     Qt::Key_Down};
    std::set<std::string> seen;
    for (const CTableKey& key : TableKeys()) {
        const QKeySequence sequence(key.pszKey);
        ASSERT_EQ(sequence.count(), 1) << key.pszKey;
        EXPECT_EQ(taken.count(sequence[0].key()), 0u) << key.pszKey;
        EXPECT_EQ(sequence[0].keyboardModifiers(), Qt::NoModifier) << key.pszKey;
        EXPECT_TRUE(seen.insert(key.pszKey).second) << "twice: " << key.pszKey;
        // Every control a key names is one of the table's.
        for (int nID : key.arrIDs) {
            if (nID != 0) {
                EXPECT_NE(MultiHandDialogTemplate().Find(nID), nullptr) << nID;
            }
        }
    }
}

TEST_F(DesktopTableTest, PressingAKeyActsOnlyThroughAnEnabledControl) {
    const CTableKey& hold1 = *FindKey("1");
    const CTableKey& dealOrDraw = *FindKey("D");
    // Ready: the holds are disabled, so their keys do nothing.
    EXPECT_FALSE(PressTableKey(*m_pHost, hold1));
    EXPECT_FALSE(m_pDlg->IsHeld(0));
    EXPECT_EQ(Caption(IDC_HOLD1), "");

    EXPECT_TRUE(PressTableKey(*m_pHost, dealOrDraw));
    EXPECT_TRUE(m_pDlg->IsDealt());
    EXPECT_EQ(m_pDlg->GetCoins(), 950);

    EXPECT_TRUE(PressTableKey(*m_pHost, hold1));
    EXPECT_TRUE(m_pDlg->IsHeld(0));
    EXPECT_EQ(Caption(IDC_HOLD1), "Held");

    // Dealt: Deal is disabled, so the same key draws.
    EXPECT_TRUE(PressTableKey(*m_pHost, dealOrDraw));
    EXPECT_FALSE(m_pDlg->IsDealt());
    EXPECT_FALSE(PressTableKey(*m_pHost, hold1));
    EXPECT_EQ(Caption(IDC_HOLD1), "Held");  // the finished deal's caption stays
}

TEST_F(DesktopTableTest, AKeyFollowsTheControlsStateNotTheHandlersOwnChecks) {
    // Deal would be affordable, but with its button disabled the key must not deal.
    m_pHost->EnableControl(IDC_DEAL, false);
    Type(Qt::Key_D);
    EXPECT_FALSE(m_pDlg->IsDealt());
    EXPECT_EQ(m_pDlg->GetCoins(), 1000);
    m_pHost->EnableControl(IDC_DEAL, true);
    Type(Qt::Key_D);
    ASSERT_TRUE(m_pDlg->IsDealt());
    // Dealt, with Draw disabled too: the key falls through to nothing, not back to Deal.
    m_pHost->EnableControl(IDC_DRAW, false);
    Type(Qt::Key_D);
    EXPECT_TRUE(m_pDlg->IsDealt());
    EXPECT_EQ(m_pDlg->GetCoins(), 950);
    m_pHost->EnableControl(IDC_HOLD3, false);
    Type(Qt::Key_3);
    EXPECT_FALSE(m_pDlg->IsHeld(2));
}

TEST_F(DesktopTableTest, TypedKeysDealHoldAndDrawAKeyboardOnlyGame) {
    Type(Qt::Key_D);
    ASSERT_TRUE(m_pDlg->IsDealt());
    for (int i = 0; i < 5; ++i) {
        Type(kHoldKeys[i]);
        EXPECT_TRUE(m_pDlg->IsHeld(i)) << i + 1;
        EXPECT_EQ(Caption(kHoldIds[i]), "Held") << i + 1;
    }
    Type(Qt::Key_3);  // again: released
    EXPECT_FALSE(m_pDlg->IsHeld(2));
    EXPECT_EQ(Caption(IDC_HOLD3), "");
    Type(Qt::Key_D);
    EXPECT_FALSE(m_pDlg->IsDealt());
    EXPECT_FALSE(m_pHost->IsControlEnabled(IDC_DRAW));
    EXPECT_TRUE(m_pHost->IsControlEnabled(IDC_DEAL));
}

TEST_F(DesktopTableTest, HoldKeysWorkWhereverTheFocusIs) {
    Type(Qt::Key_D);
    ASSERT_TRUE(m_pDlg->IsDealt());
    // Every control that takes the focus by tab, the read-only fields and the list included.
    const int focusable[] = {IDC_PAY_TABLE, IDC_HOLD2, IDC_BET,    IDC_HANDS,
                             IDC_DRAW,      IDC_COINS, IDC_RESULTS};
    bool bHeld = false;
    for (int nID : focusable) {
        QWidget* pWidget = m_pHost->GetControl(nID);
        pWidget->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), pWidget) << nID;
        Type(Qt::Key_1);
        bHeld = !bHeld;
        EXPECT_EQ(m_pDlg->IsHeld(0), bHeld) << "focus on " << nID;
    }
    EXPECT_EQ(Control<QLineEdit>(IDC_BET)->text(), "1");  // nothing typed into a field
}

TEST_F(DesktopTableTest, KeypadDigitsHoldToo) {
    Type(Qt::Key_D);
    Type(Qt::Key_4, Qt::KeypadModifier);
    EXPECT_TRUE(m_pDlg->IsHeld(3));
}

TEST_F(DesktopTableTest, SpaceStillPressesTheFocusedButtonAndDoesNotDeal) {
    Type(Qt::Key_D);
    Control<QPushButton>(IDC_HOLD5)->setFocus();
    Type(Qt::Key_Space);
    EXPECT_TRUE(m_pDlg->IsHeld(4));
    EXPECT_TRUE(m_pDlg->IsDealt());  // no draw
}

TEST_F(DesktopTableTest, EnterKeepsOpeningThePayTableInEitherPhase) {
    Type(Qt::Key_Return);
    EXPECT_EQ(m_runner.Runs(IDD_PAYTABLE), 1);
    EXPECT_FALSE(m_pDlg->IsDealt());
    Type(Qt::Key_D);
    Control<QPushButton>(IDC_HOLD1)->setFocus();
    Type(Qt::Key_Enter);
    EXPECT_EQ(m_runner.Runs(IDD_PAYTABLE), 2);
    EXPECT_TRUE(m_pDlg->IsDealt());
    EXPECT_FALSE(m_pDlg->IsHeld(0));
}

TEST_F(DesktopTableTest, KeysDoNotReachTheTableWhileThePayTableIsOpen) {
    Type(Qt::Key_D);
    ASSERT_TRUE(m_pDlg->IsDealt());
    // The pay table on a real window, modal over the table; keys typed at it, then Esc.
    CQtDialogRunner qtRunner;
    qtRunner.SetHostSetup(&SetUpDialogHost);
    CDialogRunner* pOld = AfxSetDialogRunner(&qtRunner);
    bool bSawPayTable = false;
    QTimer::singleShot(0, [&] {
        CQtDialogHost* pPayTable = qtRunner.GetActiveHost();
        ASSERT_NE(pPayTable, nullptr);
        bSawPayTable = true;
        pPayTable->activateWindow();
        (void)QTest::qWaitForWindowActive(pPayTable);
        for (Qt::Key key : {Qt::Key_1, Qt::Key_D, Qt::Key_2}) QTest::keyClick(pPayTable, key);
        QTest::keyClick(pPayTable, Qt::Key_Escape);
    });
    m_pDlg->OnPayTable();
    AfxSetDialogRunner(pOld);
    EXPECT_TRUE(bSawPayTable);
    EXPECT_TRUE(m_pDlg->IsDealt());
    EXPECT_FALSE(m_pDlg->IsHeld(0));
    EXPECT_FALSE(m_pDlg->IsHeld(1));
}

}  // namespace
