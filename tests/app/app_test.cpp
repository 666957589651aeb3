#include "app/multi_hand_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/message_box.h"
#include "support/recording_dialog_host.h"
#include "table/resource.h"
#include "table/table_resources.h"

namespace {

class CRecordingPresenter : public CMessagePresenter {
public:
    int Show(const std::string& strCaption, const std::string& strText, UINT nType) override {
        m_shown.push_back({strCaption, strText, nType});
        return IDOK;
    }
    struct Message {
        std::string strCaption, strText;
        UINT nType;
    };
    std::vector<Message> m_shown;
};

class AppTest : public ::testing::Test {
protected:
    AppTest() {
        RegisterTableStrings();
        m_pOldPresenter = AfxSetMessagePresenter(&m_presenter);
    }
    ~AppTest() override {
        AfxSetMessagePresenter(m_pOldPresenter);
        AfxSetPlatformInit({});
    }
    CRecordingPresenter m_presenter;
    CMessagePresenter* m_pOldPresenter;
    CRecordingDialogRunner m_runner;
};

TEST_F(AppTest, AFailedPlatformStartShowsOneMessageAndNoTable) {
    AfxSetPlatformInit([] { return false; });
    EXPECT_FALSE(theApp.InitInstance());
    ASSERT_EQ(m_presenter.m_shown.size(), 1u);
    EXPECT_EQ(m_presenter.m_shown[0].strText, "Windows sockets initialization failed.");
    EXPECT_EQ(m_presenter.m_shown[0].strCaption, AfxGetAppName());
    EXPECT_EQ(m_runner.TotalRuns(), 0);
}

TEST_F(AppTest, RunsTheTableUntilItIsClosedTwiceInARowFromAThousandCoins) {
    AfxSetPlatformInit([] { return true; });
    std::vector<std::string> coins;
    m_runner.SetAction([&coins](CRecordingDialogHost& host) {
        coins.push_back(host.Control(IDC_COINS).strText);
        EXPECT_EQ(AfxGetApp()->m_pMainWnd, host.GetDialog());
        host.Click(IDC_DEAL);
        host.GetDialog()->OnCommand(IDCANCEL);  // Esc
    });
    EXPECT_EQ(AfxGetApp(), &theApp);
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_EQ(m_runner.Runs(IDD_MULTIHAND_DIALOG), 2);
    EXPECT_EQ(coins, (std::vector<std::string>{"1000", "1000"}));
    EXPECT_TRUE(m_presenter.m_shown.empty());
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
}

}  // namespace
