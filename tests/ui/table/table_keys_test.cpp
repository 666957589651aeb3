#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <functional>

#include "games/game.h"
#include "ui/coach/coach_window.h"
#include "ui/paytables/pay_tables_dialog.h"
#include "ui/ui_fixture.h"

namespace {

class TableKeysTest : public TableWindowTest {
protected:
    // The main hand's hold marks, "H" held, "-" not.
    std::string Holds() const {
        std::string s;
        for (int i = 0; i < 5; ++i) s += m_pDlg->IsHeld(i) ? 'H' : '-';
        return s;
    }
};

// A key acts only through an enabled control: not before a deal, not on a disabled button,
// and with Draw disabled D falls through to nothing, not back to Deal.
TEST_F(TableKeysTest, KeysActOnlyThroughEnabledControls) {
    Type(Qt::Key_1);
    EXPECT_EQ(Holds(), "-----");
    m_pHost->EnableControl(IDC_DEAL, false);
    Type(Qt::Key_D);
    EXPECT_FALSE(m_pDlg->IsDealt());
    m_pHost->EnableControl(IDC_DEAL, true);
    for (Qt::Key key : {Qt::Key_D, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_3}) Type(key);
    Type(Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(Holds(), "HH-H-");
    m_pHost->EnableControl(IDC_HOLD1, false);
    m_pHost->EnableControl(IDC_DRAW, false);
    Type(Qt::Key_1);
    Type(Qt::Key_D);
    EXPECT_EQ(Holds(), "HH-H-");
    EXPECT_EQ(m_pDlg->GetCoins(), 950);
    m_pHost->EnableControl(IDC_DRAW, true);
    Type(Qt::Key_D);
    EXPECT_FALSE(m_pDlg->IsDealt());
    Type(Qt::Key_2);
    EXPECT_EQ(Caption(IDC_HOLD2), "Held");  // the finished deal's caption stays
}

// The focus of the Deal button, disabled by the deal, goes to Draw, where play goes on. Tab
// walks the enabled controls in template order; between Deal and Draw the hold key works at
// every stop: no field or list swallows it.
TEST_F(TableKeysTest, TabWalksTheEnabledControlsAndHoldKeysWorkAtEveryStop) {
    Control(IDC_DEAL)->setFocus();
    Type(Qt::Key_D);
    ASSERT_EQ(QApplication::focusWidget(), Control(IDC_DRAW));
    EXPECT_FALSE(Control<QLineEdit>(IDC_COINS)->hasSelectedText());
    bool bHeld = false;
    for (int nID : {IDC_COINS, IDC_RESULTS, IDC_PAY_TABLE, IDC_HOLD1, IDC_HOLD2, IDC_HOLD3,
                    IDC_HOLD4, IDC_HOLD5, IDC_BET, IDC_HANDS, IDC_DRAW}) {
        Type(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Control(nID)) << nID;
        Type(Qt::Key_1);
        bHeld = !bHeld;
        EXPECT_EQ(m_pDlg->IsHeld(0), bHeld) << "focus on " << nID;
    }
    EXPECT_EQ(Caption(IDC_BET), "1");  // nothing typed into a field
    Type(Qt::Key_D);
    ASSERT_EQ(QApplication::focusWidget(), Control(IDC_DEAL)) << "Draw hands the focus back";
    for (int nID : {IDC_COINS, IDC_RESULTS, IDC_JACKS_OR_BETTER, IDC_DUCES_WILD, IDC_BONUS,
                    IDC_DOUBLE_BONUS, IDC_PAY_TABLE, IDC_BET, IDC_HANDS, IDC_DEAL}) {
        Type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Control(nID)) << nID;
    }
}

TEST_F(TableKeysTest, SpaceAndEnterKeepTheirMeaningInEitherPhase) {
    Type(Qt::Key_Return);
    EXPECT_EQ(m_runner.Runs(IDD_PAYTABLE), 1);
    EXPECT_FALSE(m_pDlg->IsDealt());
    Type(Qt::Key_D);
    Control(IDC_HOLD5)->setFocus();
    Type(Qt::Key_Space);
    EXPECT_EQ(Holds(), "----H");
    Control(IDC_HOLD1)->setFocus();
    Type(Qt::Key_Enter);
    EXPECT_EQ(m_runner.Runs(IDD_PAYTABLE), 2);
    EXPECT_TRUE(m_pDlg->IsDealt());
    EXPECT_EQ(Holds(), "----H");
}

TEST_F(TableKeysTest, KeysDoNotReachTheTableWhileThePayTableIsOpenAndEscClosesIt) {
    Type(Qt::Key_D);
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
        for (Qt::Key key : {Qt::Key_1, Qt::Key_D, Qt::Key_2, Qt::Key_Escape})
            QTest::keyClick(pPayTable, key);
    });
    m_pDlg->OnPayTable();  // returns once Esc has closed it
    AfxSetDialogRunner(pOld);
    EXPECT_TRUE(bSawPayTable);
    EXPECT_EQ(qtRunner.GetActiveHost(), nullptr);
    EXPECT_TRUE(m_pDlg->IsDealt());
    EXPECT_EQ(Holds(), "-----");
}

// A held Esc closes the one window it was pressed in: the coach beside the table first, the Pay
// Tables window, the Pay Table. Its repeats then reach the table as presses no one marked as
// repeats, and end nothing. An Esc pressed at the table after a release, or after a pause when
// the release went with the window that closed, ends the game.
TEST_F(TableKeysTest, AHeldEscClosesOneWindowAndOnlyAFreshPressAtTheTableEndsTheGame) {
    // As the window system delivers Esc: to the window, which hands it to its focus, at a time
    // in milliseconds; a repeat comes 500 ms after the press, then every 40.
    unsigned long nTime = 1000;
    const auto key = [&nTime](QWidget* pWindow, QEvent::Type type, unsigned long nAfter) {
        QKeyEvent event(type, Qt::Key_Escape, Qt::NoModifier);
        event.setTimestamp(nTime += nAfter);
        QCoreApplication::sendEvent(pWindow->windowHandle(), &event);
    };
    const auto press = [&](QWidget* pWindow) { key(pWindow, QEvent::KeyPress, 40); };
    auto* pCoach = m_pHost->findChild<CCoachWindow*>();
    auto* pPayTables = m_pHost->findChild<CPayTablesDialog*>();
    CQtDialogRunner qtRunner;
    qtRunner.SetHostSetup(&SetUpDialogHost);
    const struct {
        const char* pszWindow;
        std::function<bool()> openAndPressEsc;  // true once the window has closed
        bool bReleased = true;                  // at the table; else lost
    } kCases[] = {
        {"coach",
         [&] {
             pCoach->Toggle();
             press(m_pHost);  // the table keeps the keyboard while the coach is open
             return pCoach->isHidden();
         }},
        {"Pay Tables",
         [&] {
             pPayTables->ShowBesideTable();
             press(pPayTables);
             return pPayTables->isHidden();
         }},
        {"Pay Table",
         [&] {
             CDialogRunner* pOld = AfxSetDialogRunner(&qtRunner);
             QTimer::singleShot(0, [&] { press(qtRunner.GetActiveHost()); });
             m_pDlg->OnPayTable();  // returns once Esc has closed it
             AfxSetDialogRunner(pOld);
             return qtRunner.GetActiveHost() == nullptr;
         },
         false},
    };
    for (const auto& c : kCases) {
        nTime += 1000;
        EXPECT_TRUE(c.openAndPressEsc()) << c.pszWindow;
        nTime += 460;
        for (int i = 0; i < 3; ++i) press(m_pHost);
        ASSERT_FALSE(m_pDlg->IsClosed()) << "a held Esc that closed the " << c.pszWindow;
        if (c.bReleased) key(m_pHost, QEvent::KeyRelease, 20);
    }
    key(m_pHost, QEvent::KeyPress, 1500);
    key(m_pHost, QEvent::KeyRelease, 100);
    EXPECT_TRUE(m_pDlg->IsClosed());
}

// Enter typed right after the Esc that ends the game reaches a table that is closing: it opens
// no Pay Table, which would keep the process running after the table has gone.
TEST_F(TableKeysTest, EnterRightAfterTheEscThatEndsTheGameOpensNoWindow) {
    Control(IDC_PAY_TABLE)->setFocus();
    QTest::keyClick(m_pHost->windowHandle(), Qt::Key_Escape);
    ASSERT_TRUE(m_pDlg->IsClosed());
    QTest::keyClick(Control(IDC_PAY_TABLE), Qt::Key_Return);
    EXPECT_EQ(m_runner.TotalRuns(), 0);
}

// Every key of the table is a shortcut of its own, and none is a key the table's controls or
// the coach's lists keep: a window's letter (C, H, T, and those of windows to come) must be
// free. T opens Pay Tables, which desktops' own use of Alt+Space keeps out of the menu's reach.
TEST_F(TableKeysTest, EachKeyIsTakenOnceAndTOpensPayTables) {
    const QStringList kKept = {"Esc",  "Return", "Enter", "Tab",  "Shift+Tab", "Space", "Up",
                               "Down", "Left",   "Right", "Home", "End",       "PgUp",  "PgDown"};
    QStringList keys;
    for (const QShortcut* pShortcut : m_pHost->findChildren<QShortcut*>(Qt::FindDirectChildrenOnly))
        for (const QKeySequence& key : pShortcut->keys()) keys << key.toString();
    for (const QString& strKey : keys) {
        EXPECT_EQ(keys.count(strKey), 1) << strKey.toStdString();
        EXPECT_FALSE(kKept.contains(strKey)) << strKey.toStdString();
    }
    for (const char* pszKey : {"C", "H", "T"}) EXPECT_TRUE(keys.contains(pszKey)) << pszKey;
    auto* pPayTables = m_pHost->findChild<CPayTablesDialog*>();
    Type(Qt::Key_D);
    Type(Qt::Key_T);
    EXPECT_TRUE(pPayTables->isVisible());
    EXPECT_TRUE(m_pDlg->IsDealt());
}

TEST_F(TableKeysTest, TheKeyHAndTheMenuItemHoldTheBestCardsOnlyBetweenDealAndDraw) {
    // Triggers the menu's Best Hold when it is enabled; says whether it was.
    const auto bestHold = [this] {
        std::unique_ptr<QMenu> pMenu(m_pHost->BuildWindowMenu());
        QAction* pAction = pMenu->actions().value(1);
        if (pAction->isEnabled()) pAction->trigger();
        return pAction->isEnabled();
    };
    EXPECT_FALSE(bestHold());
    Type(Qt::Key_H);
    EXPECT_FALSE(m_pDlg->IsHeld(0));
    // The scripted deal is 2 to 6 of spades: a straight flush, kept whole. The first H finds no
    // counts yet: they are built off the window's thread and the hold follows.
    Type(Qt::Key_D);
    Type(Qt::Key_H);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Holds() == "HHHHH"; }, 60000));
    Type(Qt::Key_5);  // released by hand, then held again from the menu
    EXPECT_TRUE(bestHold());
    EXPECT_TRUE(m_pDlg->IsHeld(4));
    Type(Qt::Key_D);
    EXPECT_FALSE(bestHold());
}

// The bet and hands keys click their up-down controls, the hands by 10 too; G checks the next
// game box down, round to the first. Between Deal and Draw none of them changes anything.
TEST_F(TableKeysTest, BetHandsAndGameKeysClickTheirControlsOnlyWhileReady) {
    const struct {
        Qt::Key key;
        int nBet, nHands, nGame;
    } kSteps[] = {
        {Qt::Key_Plus, 2, 50, GAME_JACKS_OR_BETTER},
        {Qt::Key_Plus, 3, 50, GAME_JACKS_OR_BETTER},
        {Qt::Key_Minus, 2, 50, GAME_JACKS_OR_BETTER},
        {Qt::Key_Period, 2, 50, GAME_JACKS_OR_BETTER},
        {Qt::Key_Comma, 2, 49, GAME_JACKS_OR_BETTER},
        {Qt::Key_Less, 2, 39, GAME_JACKS_OR_BETTER},
        {Qt::Key_Greater, 2, 49, GAME_JACKS_OR_BETTER},
        {Qt::Key_Greater, 2, 50, GAME_JACKS_OR_BETTER},
        {Qt::Key_G, 2, 50, GAME_BONUS},
        {Qt::Key_G, 2, 50, GAME_DOUBLE_BONUS},
        {Qt::Key_G, 2, 50, GAME_DUCES_WILD},
        {Qt::Key_G, 2, 50, GAME_JACKS_OR_BETTER},
    };
    for (const auto& step : kSteps) {
        Type(step.key);
        EXPECT_EQ(m_pDlg->GetBet(), step.nBet) << step.key;
        EXPECT_EQ(m_pDlg->GetHandsInPlay(), step.nHands) << step.key;
        EXPECT_EQ(m_pDlg->GetGame(), step.nGame) << step.key;
    }
    EXPECT_EQ(Caption(IDC_HANDS), "50");
    Type(Qt::Key_D);
    for (Qt::Key key : {Qt::Key_Plus, Qt::Key_Less, Qt::Key_G}) Type(key);
    EXPECT_EQ(m_pDlg->GetBet(), 2);
    EXPECT_EQ(m_pDlg->GetHandsInPlay(), 50);
    EXPECT_EQ(m_pDlg->GetGame(), GAME_JACKS_OR_BETTER);
}

}  // namespace
