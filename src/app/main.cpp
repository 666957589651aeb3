#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

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

}  // namespace

int main(int argc, char** argv) {
    PinSessionBus();
    CStartUpWarmUp warmUp;
    QApplication app(argc, argv);
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
