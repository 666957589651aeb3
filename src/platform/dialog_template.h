// A dialog laid out in dialog units: the window and its controls in tab order. Hosts build real
// or recorded controls from it.
#pragma once

#include <vector>

#include "platform/afx.h"

// Window and control styles the hosts understand.
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_NUMBER = 0x2000;
constexpr DWORD SS_NOPREFIX = 0x0080;
constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr DWORD LBS_NOSEL = 0x4000;
constexpr DWORD WS_EX_TRANSPARENT = 0x00000020;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDC_STATIC = -1;

enum class CControlKind {
    PushButton,
    DefPushButton,
    AutoCheckBox,
    Edit,
    UpDown,  // stand-alone: no buddy, no wrapping, no arrow keys
    ListBox,
    Static,
    GroupBox,
    Icon,
};

struct CControlTemplate {
    CControlKind kind;
    int nID;
    const char* pszText;  // caption; for an icon, unused
    int x, y, cx, cy;     // dialog units
    DWORD dwStyle = 0;
    DWORD dwExStyle = 0;
    UINT nIconID = 0;  // CControlKind::Icon
};

struct CDialogTemplate {
    UINT nID;
    const char* pszTitle;
    int cx, cy;  // client area, dialog units
    DWORD dwStyle;
    std::vector<CControlTemplate> controls;

    const CControlTemplate* Find(int nID) const;
};

// Dialog units to client pixels: 1.5 px horizontally, 1.625 px vertically, rounded to the
// nearest pixel (halves away from zero), the same rule for positions and sizes' far edges.
int DialogUnitsToPixelsX(int nUnits);
int DialogUnitsToPixelsY(int nUnits);
RECT DialogUnitsToPixels(const CControlTemplate& control);
