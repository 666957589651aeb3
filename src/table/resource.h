// Resource and control ids of the table window and the pay table.
#pragma once

#include "platform/afx.h"

constexpr UINT IDD_PAYTABLE = 100;
constexpr UINT IDD_MULTIHAND_DIALOG = 102;
constexpr UINT IDS_ABOUTBOX = 101;
constexpr UINT IDP_SOCKETS_INIT_FAILED = 103;
constexpr UINT IDR_MAINFRAME = 128;
constexpr UINT IDM_ABOUTBOX = 0x0010;

constexpr int IDC_HOLD1 = 3001;
constexpr int IDC_SPIN_BET = 3002;
constexpr int IDC_SPIN_HANDS = 3003;
constexpr int IDC_HOLD2 = 3004;
constexpr int IDC_HOLD3 = 3005;
constexpr int IDC_HOLD4 = 3006;
constexpr int IDC_HOLD5 = 3007;
constexpr int IDC_BET = 3010;
constexpr int IDC_HANDS = 3011;
constexpr int IDC_DRAW = 3012;
constexpr int IDC_DEAL = 3013;
constexpr int IDC_COINS = 3014;
constexpr int IDC_RESULTS = 3016;
constexpr int IDC_JACKS_OR_BETTER = 3021;
constexpr int IDC_DUCES_WILD = 3022;
constexpr int IDC_PAY_TABLE = 3023;
constexpr int IDC_BONUS = 3024;
constexpr int IDC_DOUBLE_BONUS = 3025;

// The hold buttons, for card positions 1 to 5 (hold mark index 0 to 4).
constexpr int IDC_HOLDS[5] = {IDC_HOLD1, IDC_HOLD2, IDC_HOLD3, IDC_HOLD4, IDC_HOLD5};
