// The application object: one per process, whose InitInstance does all of start-up.
#pragma once

#include <functional>

class CDialog;

class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // False: the program ends when this returns, with no message loop of its own.
    virtual bool InitInstance() { return false; }

    CDialog* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();

// The platform's start-up step that can fail, before any window exists. The program installs
// what it needs done (making its resources ready); tests install a failure.
void AfxSetPlatformInit(std::function<bool()> init);
bool AfxSocketInit();
