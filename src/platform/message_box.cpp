#include "platform/message_box.h"

#include "platform/dialog_template.h"
#include "platform/resources.h"

namespace {

CMessagePresenter* g_pPresenter = nullptr;

std::string& AppName() {
    static std::string name = "handfall";
    return name;
}

}  // namespace

CMessagePresenter* AfxSetMessagePresenter(CMessagePresenter* pPresenter) {
    CMessagePresenter* pOld = g_pPresenter;
    g_pPresenter = pPresenter;
    return pOld;
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT) {
    std::string strText;
    AfxLoadString(nIDPrompt, strText);
    return g_pPresenter ? g_pPresenter->Show(AfxGetAppName(), strText, nType) : IDOK;
}

void AfxSetAppName(const std::string& strName) {
    AppName() = strName;
}

const std::string& AfxGetAppName() {
    return AppName();
}
