// Modal messages from a string id, shown by whatever presenter the program installed.
#pragma once

#include <string>

#include "platform/afx.h"

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_ICONEXCLAMATION = 0x30;

class CMessagePresenter {
public:
    virtual ~CMessagePresenter() = default;
    virtual int Show(const std::string& strCaption, const std::string& strText, UINT nType) = 0;
};

CMessagePresenter* AfxSetMessagePresenter(CMessagePresenter* pPresenter);
// Shows string nIDPrompt under the application's name; returns the button pressed (IDOK).
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
void AfxSetAppName(const std::string& strName);
const std::string& AfxGetAppName();
