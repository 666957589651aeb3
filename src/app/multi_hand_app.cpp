#include "app/multi_hand_app.h"

#include "platform/message_box.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"

CMultiHandApp theApp;

CMultiHandApp::CMultiHandApp() = default;

CMultiHandApp::~CMultiHandApp() = default;

bool CMultiHandApp::InitInstance() {
    if (!AfxSocketInit()) {
        AfxMessageBox(IDP_SOCKETS_INIT_FAILED, MB_OK, static_cast<UINT>(-1));
        return false;
    }
    CMultiHandDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
