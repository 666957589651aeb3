#include "app/multi_hand_app.h"
#include "app/session_bus.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "support/recording_dialog_host.h"
#include "table/resource.h"
#include "table/table_resources.h"

namespace {

class AppTest : public ::testing::Test, public CMessagePresenter {
protected:
    AppTest() {
        RegisterTableStrings();
        AfxSetMessagePresenter(this);
    }
    ~AppTest() override {
        AfxSetMessagePresenter(nullptr);
        AfxSetPlatformInit({});
    }
    int Show(const std::string& strCaption, const std::string& strText, UINT nType) override {
        m_shown.push_back(strCaption + "|" + strText + "|" + std::to_string(nType));
        return IDOK;
    }
    std::vector<std::string> m_shown;
    CRecordingDialogRunner m_runner;
};

TEST_F(AppTest, AFailedPlatformStartShowsOneMessageUnderTheProgramsNameAndNoTable) {
    AfxSetAppName("handfall");  // as start-up names it after the executable
    AfxSetPlatformInit([] { return false; });
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_EQ(m_shown,
              (std::vector<std::string>{"handfall|Windows sockets initialization failed.|" +
                                        std::to_string(MB_OK)}));
    EXPECT_EQ(m_runner.TotalRuns(), 0);
}

TEST_F(AppTest, RunsTheTableUntilItIsClosedTwiceInARowFromAThousandCoins) {
    std::vector<std::string> coins;
    m_runner.SetAction([&coins](CRecordingDialogHost& host) {
        coins.push_back(host.Control(IDC_COINS).strText);
        EXPECT_EQ(AfxGetApp()->m_pMainWnd, host.GetDialog());
        host.Click(IDC_DEAL);
        host.GetDialog()->OnCommand(IDCANCEL);  // Esc
    });
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_FALSE(theApp.InitInstance());
    EXPECT_EQ(m_runner.Runs(IDD_MULTIHAND_DIALOG), 2);
    EXPECT_EQ(coins, (std::vector<std::string>{"1000", "1000"}));
    EXPECT_TRUE(m_shown.empty());
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
}

}  // namespace

TEST(SessionBusTest, ThePinnedAddressIsTheUsersOwnSocketUnlessOneIsNamed) {
    struct Case {
        const char* pszAddress;
        const char* pszRuntimeDir;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"unix:path=/run/user/7/bus", "/tmp/x", std::nullopt},
        {"autolaunch:", nullptr, std::nullopt},
        {nullptr, "/run/user/1000", "unix:path=/run/user/1000/bus"},
        {"", "/run/user/1000", "unix:path=/run/user/1000/bus"},
        {nullptr, nullptr, "unix:path=/run/user/42/bus"},
        {nullptr, "", "unix:path=/run/user/42/bus"},
        // Bytes outside the address's plain set are written as %xx.
        {nullptr, "/tmp/a b,c;d=e%f", "unix:path=/tmp/a%20b%2cc%3bd%3de%25f/bus"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SessionBusAddressToPin(c.pszAddress, c.pszRuntimeDir, 42), c.expected)
            << (c.pszAddress ? c.pszAddress : "(unset)") << " / "
            << (c.pszRuntimeDir ? c.pszRuntimeDir : "(unset)");
    }
}
