#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "work/parallel_for.h"
#include "model/echo_text.h"

#include "app/multi_hand_app.h"
#include "app/session_bus.h"
#include "app/start_up_warm_up.h"
#include "platform/message_box.h"
#include "platform/qt/qt_dialog_host.h"
#include "ui/desktop_integration.h"
#include "ui/ui_setup.h"

namespace {

class CQtMessagePresenter : public CMessagePresenter {
public:
    int Show(const std::string& strCaption, const std::string& strText, UINT) override {
        QMessageBox::warning(nullptr, QString::fromStdString(strCaption),
                             QString::fromStdString(strText), QMessageBox::Ok);
        return IDOK;
    }
};

// Qt aborts without a display, blaming its installation. When the X platform will be used,
// see first that the display opens, and say which one did not.
bool CanOpenDisplay(const char* pszProgram) {
    const char* pszPlatform = std::getenv("QT_QPA_PLATFORM");
    const bool bPlatformSet = pszPlatform != nullptr && *pszPlatform != '\0';
    if (bPlatformSet && std::strncmp(pszPlatform, "xcb", 3) != 0) return true;
    // A Wayland session may be Qt's choice unless the platform is named.
    if (!bPlatformSet && std::getenv("WAYLAND_DISPLAY") != nullptr) return true;
    Display* pDisplay = XOpenDisplay(nullptr);
    if (pDisplay != nullptr) {
        XCloseDisplay(pDisplay);
        return true;
    }
    const char* pszDisplay = std::getenv("DISPLAY");
    const std::string strProgram =
        QFileInfo(QString::fromLocal8Bit(pszProgram)).fileName().toStdString();
    if (pszDisplay == nullptr || *pszDisplay == '\0')
        std::fprintf(stderr, "%s: cannot open a display: DISPLAY is %s\n", strProgram.c_str(),
                     pszDisplay == nullptr ? "not set" : "empty");
    else
        std::fprintf(stderr, "%s: cannot open display '%s'\n", strProgram.c_str(),
                     EchoText(pszDisplay).c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // A write to an X server that has gone would end the game on SIGPIPE before Qt could see
    // the connection broken, say so and end with 1.
    std::signal(SIGPIPE, SIG_IGN);
    if (!CanOpenDisplay(argv[0])) return 1;
    PinSessionBus();
    CStartUpWarmUp warmUp;
    QApplication app(argc, argv);
    // Registered once the application object exists, so that on any exit (Qt's own when the
    // X server goes) the workers stop before the static objects they may read are destroyed.
    std::atexit(&StopAllParallelWork);
    warmUp.ApplicationReady();
    SetUpApplicationLook(app);
    SetUpDesktopIntegration(app);
    // The program's name is its executable's, as the caption of its messages.
    AfxSetAppName(QFileInfo(QString::fromLocal8Bit(argv[0])).completeBaseName().toStdString());
    AfxSetPlatformInit([] { return LoadProgramResources(qApp->devicePixelRatio()); });

    CQtDialogRunner runner;
    runner.SetHostSetup(&SetUpDialogHost);
    AfxSetDialogRunner(&runner);
    CQtMessagePresenter presenter;
    AfxSetMessagePresenter(&presenter);

    theApp.InitInstance();
    warmUp.Finish();
    return 0;
}
