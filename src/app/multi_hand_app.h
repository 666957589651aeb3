// The application: start-up runs the table window modally and then ends the program.
#pragma once

#include "platform/app.h"

class CMultiHandApp : public CWinApp {
public:
    CMultiHandApp();
    ~CMultiHandApp() override;

    // False on every path: after the table closes, and after a failed start-up.
    bool InitInstance() override;
};

extern CMultiHandApp theApp;
