#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <fontconfig/fontconfig.h>

#include <thread>

#include "app/multi_hand_app.h"
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

}  // namespace

int main(int argc, char** argv) {
    // Reading the font configuration takes about as long as connecting to the window system:
    // read it meanwhile, so that the first frame's captions do not wait for it.
    std::thread fontConfig([] { FcInit(); });
    QApplication app(argc, argv);
    fontConfig.join();
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
    return 0;
}
