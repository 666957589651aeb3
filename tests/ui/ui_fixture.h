// The table window on its real Qt host, offscreen and active, set up as start-up sets it up
// (look, pictures at the screen's ratio, names, keys, accessibility). It deals from a scripted
// source of zeros, which keeps the deck in start-up order: the main hand is 2 to 6 of spades
// and each hand draws from 7 of spades on.
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPushButton>
#include <QStringList>
#include <QtTest/QTest>

#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/static_text.h"
#include "support/golden.h"
#include "support/recording_dialog_host.h"
#include "support/scripted_random_source.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "ui/desktop_integration.h"
#include "ui/ui_setup.h"

// Where painting puts small hand h (1 to 49): seven columns 135 px apart, seven rows 59 apart.
inline QPoint SmallHandOrigin(int h) {
    return {5 + 135 * ((h - 1) / 7), 5 + 59 * ((h - 1) % 7)};
}

// Compares lines with tests/ui/golden/<name>.txt.
inline void ExpectGolden(const QString& strName, const QStringList& lines) {
    std::vector<std::string> vecLines;
    for (const QString& line : lines) vecLines.push_back(line.toStdString());
    ExpectGolden(QString(HANDFALL_UI_GOLDEN_DIR "/%1.txt").arg(strName).toStdString(), vecLines);
}

class TableWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetUpApplicationLook(*qApp);
        SetUpDesktopIntegration(*qApp);
        ASSERT_TRUE(LoadProgramResources(qApp->devicePixelRatio()));
    }

    TableWindowTest() {
        for (int i = 0; i < 52 + 50 * 94; ++i) m_zeros.Push(0);
        SetUpDialogHost(*m_pHost);
        m_pDlg->OnInitDialog();
        m_pHost->show();
        m_pHost->activateWindow();
        (void)QTest::qWaitForWindowActive(m_pHost);
    }
    ~TableWindowTest() override {
        if (!m_pDlg->IsClosed()) m_pDlg->OnCancel();
        delete m_pHost;
        delete m_pDlg;
    }

    QImage Grab() {
        QApplication::processEvents();
        return m_pHost->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    template <typename T = QWidget>
    T* Control(int nID) const {
        return qobject_cast<T*>(m_pHost->GetControl(nID));
    }
    std::string Caption(int nID) const { return m_pHost->GetControlText(nID); }
    // The window as a screen reader meets it, and an element's name.
    QAccessibleInterface* Table() const { return QAccessible::queryAccessibleInterface(m_pHost); }
    static QString Name(QAccessibleInterface* p) {
        return p ? p->text(QAccessible::Name) : QString();
    }

    // A key as the user types it, to whatever has the focus in the active window.
    void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* pTarget = QApplication::focusWidget() ? QApplication::focusWidget() : m_pHost;
        QTest::keyClick(pTarget, key, modifiers);
        QApplication::processEvents();
    }

    CScriptedRandomSource m_zeros;
    CRandomSourceScope m_scope{&m_zeros};
    CRecordingDialogRunner m_runner;  // the pay table opens on a recording host, not a window
    CMultiHandDlg* m_pDlg = new CMultiHandDlg;
    CQtDialogHost* m_pHost = new CQtDialogHost(*m_pDlg, nullptr);
};

// A window as a screen reader walks it, each element on a line: role, name, description and
// value (static text: its text), place and size in the window (a widget's own, which for a
// check box is more than its click area), and its state, with how a widget is framed; then
// its children, indented. Tabs and line breaks are written as \t and \n.
inline void DescribeWindow(QAccessibleInterface* p, QWidget& window, QStringList& lines,
                           const QString& strIndent = "") {
    auto* pWidget = qobject_cast<QWidget*>(p->object());
    if (pWidget && QAccessible::queryAccessibleInterface(pWidget) != p) pWidget = nullptr;
    const auto* pStatic = qobject_cast<const CStaticText*>(pWidget);
    QStringList texts, flags;
    for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value}) {
        QString strText = pStatic && t == QAccessible::Value ? pStatic->GetText() : p->text(t);
        texts << '"' + strText.replace('\t', "\\t").replace('\n', "\\n") + '"';
    }
    const QAccessible::State state = p->state();
    if (state.disabled) flags << "disabled";
    if (state.checked) flags << "checked";
    if (state.defaultButton) flags << "default";
    if (state.readOnly) flags << "read-only";
    const auto* pFrame = qobject_cast<const QFrame*>(pWidget);
    const auto* pEdit = qobject_cast<const QLineEdit*>(pWidget);
    if ((pFrame && !pFrame->frameShape()) || (pEdit && !pEdit->hasFrame())) flags << "frameless";
    const QRect r = pWidget ? QRect(pWidget->mapTo(&window, QPoint()), pWidget->size())
                            : p->rect().translated(-window.mapToGlobal(QPoint()));
    lines << QString("%1%2 %3 %4,%5 %6x%7 %8")
                 .arg(strIndent, QMetaEnum::fromType<QAccessible::Role>().valueToKey(p->role()),
                      texts.join(' '))
                 .arg(r.x())
                 .arg(r.y())
                 .arg(r.width())
                 .arg(r.height())
                 .arg(flags.join(' '));
    lines.back() = lines.back().trimmed().prepend(strIndent);
    for (int i = 0; i < p->childCount(); ++i)
        DescribeWindow(p->child(i), window, lines, strIndent + "  ");
}
inline QStringList DescribeWindow(QWidget& window) {
    QStringList lines;
    DescribeWindow(QAccessible::queryAccessibleInterface(&window), window, lines);
    return lines;
}
