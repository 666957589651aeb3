#include <gtest/gtest.h>

#include <QMenu>

#include "ui/desktop_fixture.h"

namespace {

QAction* BestHoldAction(QMenu* pMenu) {
    for (QAction* pAction : pMenu->actions())
        if (pAction->text() == "&Best Hold") return pAction;
    return nullptr;
}

TEST_F(DesktopTableTest, TheKeyHAndTheMenuItemHoldTheBestCardsOnlyBetweenDealAndDraw) {
    std::unique_ptr<QMenu> pMenu(m_pHost->BuildWindowMenu());
    ASSERT_NE(BestHoldAction(pMenu.get()), nullptr);
    EXPECT_FALSE(BestHoldAction(pMenu.get())->isEnabled());
    Type(Qt::Key_H);
    EXPECT_FALSE(m_pDlg->IsHeld(0));

    // The scripted deal is 2 to 6 of spades: a straight flush, kept whole.
    Type(Qt::Key_D);
    ASSERT_TRUE(m_pDlg->IsDealt());
    pMenu.reset(m_pHost->BuildWindowMenu());
    EXPECT_TRUE(BestHoldAction(pMenu.get())->isEnabled());
    Type(Qt::Key_H);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(m_pDlg->IsHeld(i)) << i;
    EXPECT_EQ(Caption(IDC_HOLD5), "Held");

    // Released by hand, then held again from the menu.
    Type(Qt::Key_5);
    EXPECT_FALSE(m_pDlg->IsHeld(4));
    BestHoldAction(pMenu.get())->trigger();
    EXPECT_TRUE(m_pDlg->IsHeld(4));

    Type(Qt::Key_D);  // draw
    pMenu.reset(m_pHost->BuildWindowMenu());
    EXPECT_FALSE(BestHoldAction(pMenu.get())->isEnabled());
}

}  // namespace
