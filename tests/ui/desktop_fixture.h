// The table window as start-up sets it up (names, keys, accessibility), offscreen and active,
// dealing from a scripted source of zeros: the deal keeps the start-up order, so the main hand
// is 2 to 6 of spades and each hand draws from 7 of spades on.
#pragma once

#include <QApplication>
#include <QtTest/QTest>

#include "support/scripted_random_source.h"
#include "ui/desktop_integration.h"
#include "ui_fixture.h"

class DesktopTableTest : public QtTableTest {
protected:
    static void SetUpTestSuite() {
        QtTableTest::SetUpTestSuite();
        SetUpDesktopIntegration(*qApp);
    }

    DesktopTableTest() {
        // The fixture made the host already; start-up sets each host up before it initialises,
        // which names and keys do not depend on.
        SetUpDialogHost(*m_pHost);
        for (int i = 0; i < 50 * 94 + 52; ++i) m_zeros.Push(0);
        m_pHost->activateWindow();
        (void)QTest::qWaitForWindowActive(m_pHost);
    }

    // A key as the user types it, to whatever has the focus in the active window.
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* pTarget = QApplication::focusWidget() ? QApplication::focusWidget() : m_pHost;
        QTest::keyClick(pTarget, key, modifiers);
        QApplication::processEvents();
    }

    std::string Caption(int nID) const { return m_pHost->GetControlText(nID); }

    CScriptedRandomSource m_zeros;
    CRandomSourceScope m_zeroScope{&m_zeros};
};
