#include "platform/app.h"

namespace {

CWinApp* g_pApp = nullptr;

std::function<bool()>& PlatformInit() {
    static std::function<bool()> init;
    return init;
}

}  // namespace

CWinApp::CWinApp() {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

void AfxSetPlatformInit(std::function<bool()> init) {
    PlatformInit() = std::move(init);
}

bool AfxSocketInit() {
    return !PlatformInit() || PlatformInit()();
}
