// The table window on its real Qt host, offscreen, with the program's look and resources.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "platform/qt/qt_dialog_host.h"
#include "platform/random.h"
#include "support/recording_dialog_host.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "ui/ui_setup.h"

class QtTableTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetUpApplicationLook(*qApp);
        ASSERT_TRUE(LoadProgramResources(1.0));
    }

    QtTableTest() : m_pDlg(new CMultiHandDlg), m_pHost(new CQtDialogHost(*m_pDlg, nullptr)) {
        m_pDlg->OnInitDialog();
        m_pHost->show();
    }
    ~QtTableTest() override {
        if (!m_pDlg->IsClosed()) m_pDlg->OnCancel();
        delete m_pHost;
        delete m_pDlg;
    }

    QImage Grab() {
        QApplication::processEvents();
        return m_pHost->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    template <typename T>
    T* Control(int nID) const {
        return qobject_cast<T*>(m_pHost->GetControl(nID));
    }

    CDefaultRandomSource m_source{77};
    CRandomSourceScope m_scope{&m_source};
    CRecordingDialogRunner m_runner;  // the pay table opens on a recording host, not a window
    CMultiHandDlg* m_pDlg;
    CQtDialogHost* m_pHost;
};
