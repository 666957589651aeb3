#include "table/table_resources.h"

#include "games/game_variants.h"
#include "platform/resources.h"
#include "table/resource.h"

namespace {

const char* Caption(int nGame) {
    return FindGameVariant(nGame)->pszCaption;
}

}  // namespace

const CDialogTemplate& MultiHandDialogTemplate() {
    using K = CControlKind;
    constexpr DWORD kTab = WS_TABSTOP;
    constexpr DWORD kOff = WS_DISABLED;
    constexpr DWORD kField = ES_READONLY | ES_NUMBER | kTab;
    static const CDialogTemplate tmpl{
        IDD_MULTIHAND_DIALOG,
        "Handfall II",
        635,
        382,
        WS_SYSMENU | WS_MINIMIZEBOX,
        {
            {K::DefPushButton, IDC_PAY_TABLE, "Pay Table", 578, 340, 50, 14, kTab},
            {K::PushButton, IDC_HOLD1, "", 7, 340, 46, 14, kTab | kOff},
            {K::PushButton, IDC_HOLD2, "", 57, 340, 46, 14, kTab | kOff},
            {K::PushButton, IDC_HOLD3, "", 107, 340, 46, 14, kTab | kOff},
            {K::PushButton, IDC_HOLD4, "", 157, 340, 46, 14, kTab | kOff},
            {K::PushButton, IDC_HOLD5, "", 207, 340, 46, 14, kTab | kOff},
            {K::Edit, IDC_BET, "", 592, 278, 24, 14, kField | WS_BORDER},
            {K::UpDown, IDC_SPIN_BET, "", 618, 278, 11, 14},
            {K::Edit, IDC_HANDS, "", 592, 303, 23, 14, kField | WS_BORDER},
            {K::UpDown, IDC_SPIN_HANDS, "", 617, 303, 11, 14},
            {K::PushButton, IDC_DRAW, "Draw", 137, 360, 50, 14, kTab | kOff},
            {K::PushButton, IDC_DEAL, "Deal", 80, 360, 50, 14, kTab},
            {K::Edit, IDC_COINS, "", 474, 264, 37, 12, kField},
            {K::ListBox, IDC_RESULTS, "", 258, 264, 178, 111,
             LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_NOSEL | kTab, WS_EX_TRANSPARENT},
            {K::Static, IDC_STATIC, "Coins in:", 444, 264, 28, 8},
            {K::Static, IDC_STATIC, "Bet:", 573, 281, 14, 8},
            {K::Static, IDC_STATIC, "Hands:", 566, 305, 24, 8},
            {K::GroupBox, IDC_STATIC, "Game", 448, 279, 106, 96},
            {K::AutoCheckBox, IDC_JACKS_OR_BETTER, Caption(GAME_JACKS_OR_BETTER), 460, 295, 63, 10,
             kTab},
            {K::AutoCheckBox, IDC_DUCES_WILD, Caption(GAME_DUCES_WILD), 460, 340, 53, 10, kTab},
            {K::AutoCheckBox, IDC_BONUS, Caption(GAME_BONUS), 460, 310, 36, 10, kTab},
            {K::AutoCheckBox, IDC_DOUBLE_BONUS, Caption(GAME_DOUBLE_BONUS), 460, 325, 61, 10, kTab},
        }};
    return tmpl;
}

CDialogTemplate PayTableDialogTemplate(const std::array<std::string, 5>& arrTexts) {
    using K = CControlKind;
    auto PayTable = [&arrTexts](int nGame) { return arrTexts[static_cast<size_t>(nGame)].c_str(); };
    return CDialogTemplate{
        IDD_PAYTABLE,
        "Handfall II Pay Table",
        438,
        178,
        WS_SYSMENU,
        {
            {K::Icon, IDC_STATIC, "", 7, 7, 20, 20, 0, 0, IDR_MAINFRAME},
            {K::Static, IDC_STATIC, "Handfall Version 2.0\r\nWritten by the Handfall II developers",
             40, 10, 119, 18, SS_NOPREFIX},
            {K::Static, IDC_STATIC,
             "Free software, without warranty.\r\nhttps://handfall.example.org", 39, 29, 119, 23},
            {K::DefPushButton, IDOK, "OK", 381, 7, 50, 14, WS_TABSTOP},
            {K::GroupBox, IDC_STATIC, Caption(GAME_DUCES_WILD), 329, 55, 102, 113},
            {K::GroupBox, IDC_STATIC, Caption(GAME_JACKS_OR_BETTER), 7, 55, 102, 113},
            {K::Static, IDC_STATIC, PayTable(GAME_JACKS_OR_BETTER), 13, 66, 91, 96},
            {K::Static, IDC_STATIC, PayTable(GAME_DUCES_WILD), 334, 66, 91, 96},
            {K::GroupBox, IDC_STATIC, Caption(GAME_BONUS), 117, 55, 102, 113},
            {K::Static, IDC_STATIC, PayTable(GAME_BONUS), 123, 66, 91, 96},
            {K::GroupBox, IDC_STATIC, Caption(GAME_DOUBLE_BONUS), 222, 55, 102, 113},
            {K::Static, IDC_STATIC, PayTable(GAME_DOUBLE_BONUS), 227, 66, 91, 96},
        }};
}

void RegisterTableStrings() {
    AfxRegisterString(IDS_ABOUTBOX, "&About Tablo...");
    AfxRegisterString(IDP_SOCKETS_INIT_FAILED, "Windows sockets initialization failed.");
}
