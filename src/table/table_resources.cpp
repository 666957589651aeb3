#include "table/table_resources.h"

#include "platform/resources.h"
#include "table/resource.h"

const char* const g_pszPayTableJacksOrBetter =
    "Royal Flush\t250\r\nStraight Flush\t50\r\n4 of a Kind\t25\r\nFull House\t9\r\n"
    "Flush\t\t6\r\nStraight\t\t4\r\n3 of a Kind\t3\r\n2 Pair\t\t2\r\nPair J's or Better\t1";
const char* const g_pszPayTableDucesWild =
    "Royal Flush\t250\r\n\twith 2's\t25\r\n4 Wild\t\t200\r\n5 of a Kind\t15\r\n"
    "Straight Flush\t9\r\n4 of a Kind\t5\r\nFull House\t3\r\nFlush\t\t2\r\nStraight\t\t2\r\n"
    "3 of a Kind\t1";
const char* const g_pszPayTableBonus =
    "Royal Flush\t250\r\nStraight Flush\t50\r\n4 Aces\t\t80\r\n4 (2, 3, 4)\t40\r\n"
    "4 (5-K's)\t\t25\r\nFull House\t8\r\nFlush\t\t5\r\nStraight\t\t4\r\n3 of a Kind\t3\r\n"
    "2 Pair\t\t2\r\nPair J's or Better\t1";
const char* const g_pszPayTableDoubleBonus =
    "Royal Flush\t250\r\nStraight Flush\t50\r\n4 Aces\t\t160\r\n4 (2, 3, 4)\t80\r\n"
    "4 (5-K's)\t\t50\r\nFull House\t10\r\nFlush\t\t7\r\nStraight\t\t5\r\n3 of a Kind\t3\r\n"
    "2 Pair\t\t1\r\nPair J's or Better\t1";

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
            {K::AutoCheckBox, IDC_JACKS_OR_BETTER, "Jacks or Better", 460, 295, 63, 10, kTab},
            {K::AutoCheckBox, IDC_DUCES_WILD, "Duces Wild", 460, 340, 53, 10, kTab},
            {K::AutoCheckBox, IDC_BONUS, "Bonus", 460, 310, 36, 10, kTab},
            {K::AutoCheckBox, IDC_DOUBLE_BONUS, "Double Bonus", 460, 325, 61, 10, kTab},
        }};
    return tmpl;
}

const CDialogTemplate& PayTableDialogTemplate() {
    using K = CControlKind;
    static const CDialogTemplate tmpl{
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
            {K::GroupBox, IDC_STATIC, "Duces Wild", 329, 55, 102, 113},
            {K::GroupBox, IDC_STATIC, "Jacks or Better", 7, 55, 102, 113},
            {K::Static, IDC_STATIC, g_pszPayTableJacksOrBetter, 13, 66, 91, 96},
            {K::Static, IDC_STATIC, g_pszPayTableDucesWild, 334, 66, 91, 96},
            {K::GroupBox, IDC_STATIC, "Bonus", 117, 55, 102, 113},
            {K::Static, IDC_STATIC, g_pszPayTableBonus, 123, 66, 91, 96},
            {K::GroupBox, IDC_STATIC, "Double Bonus", 222, 55, 102, 113},
            {K::Static, IDC_STATIC, g_pszPayTableDoubleBonus, 227, 66, 91, 96},
        }};
    return tmpl;
}

void RegisterTableStrings() {
    AfxRegisterString(IDS_ABOUTBOX, "&About Tablo...");
    AfxRegisterString(IDP_SOCKETS_INIT_FAILED, "Windows sockets initialization failed.");
}
