// The table window on its real Qt host, offscreen and active, set up as start-up sets it up
// (look, pictures at the screen's ratio, names, keys, accessibility). It deals from a scripted
// source of zeros, which keeps the deck in start-up order: the main hand is 2 to 6 of spades
// and each hand draws from 7 of spades on.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QtTest/QTest>

#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/static_text.h"
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

// Compares lines with tests/ui/golden/<name>.txt; HANDFALL_UPDATE_GOLDEN=1 rewrites the file.
inline void ExpectGolden(const QString& strName, const QStringList& lines) {
    QFile file(QString(HANDFALL_UI_GOLDEN_DIR "/%1.txt").arg(strName));
    if (qEnvironmentVariableIsSet("HANDFALL_UPDATE_GOLDEN")) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
        file.write((lines.join('\n') + '\n').toUtf8());
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << file.fileName().toStdString();
    const QStringList expected = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < std::max(expected.size(), lines.size()); ++i)
        EXPECT_EQ(lines.value(i).toStdString(), expected.value(i).toStdString())
            << file.fileName().toStdString() << ":" << i + 1;
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

// Every widget of a window in template order as the user meets it: kind, place, size, caption
// and state. Tabs and line breaks are written as \t and \n.
inline QStringList DescribeWidgets(const QWidget& window) {
    QStringList lines{QString("window %1x%2 \"%3\"")
                          .arg(window.width())
                          .arg(window.height())
                          .arg(window.windowTitle())};
    for (const QWidget* p : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QString strText;
        QStringList flags;
        if (const auto* pButton = qobject_cast<const QAbstractButton*>(p)) {
            strText = pButton->text();
            if (pButton->isChecked()) flags << "checked";
        }
        if (const auto* pButton = qobject_cast<const QPushButton*>(p); pButton && pButton->isDefault())
            flags << "default";
        if (const auto* pEdit = qobject_cast<const QLineEdit*>(p)) {
            strText = pEdit->text();
            if (pEdit->isReadOnly()) flags << "read-only";
            if (!pEdit->hasFrame()) flags << "frameless";
        }
        if (const auto* pFrame = qobject_cast<const QFrame*>(p); pFrame && !pFrame->frameShape())
            flags << "frameless";
        if (const auto* pGroup = qobject_cast<const QGroupBox*>(p)) strText = pGroup->title();
        if (const auto* pStatic = qobject_cast<const CStaticText*>(p)) strText = pStatic->GetText();
        if (const auto* pLabel = qobject_cast<const QLabel*>(p); pLabel && !pLabel->pixmap().isNull())
            strText = "(icon)";
        if (!p->isEnabled()) flags << "disabled";
        const QRect r = p->geometry();
        lines << QString("%1 %2,%3 %4x%5 \"%6\" %7")
                     .arg(p->metaObject()->className())
                     .arg(r.x())
                     .arg(r.y())
                     .arg(r.width())
                     .arg(r.height())
                     .arg(strText.replace('\t', "\\t").replace('\n', "\\n"))
                     .arg(flags.join(' '))
                     .trimmed();
    }
    return lines;
}
