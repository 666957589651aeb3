// Dialogs and their controls. A CDialog holds the window's behaviour; a CDialogHost carries out
// what it asks of the screen (real Qt widgets, or a recorder in tests). Controls are handles
// that name a control id on the host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/afx.h"
#include "platform/dialog_template.h"
#include "platform/image.h"
#include "platform/menu.h"
#include "platform/object.h"

class CDC;
class CDialog;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct NMHDR {
    int idFrom;
    UINT code;
};

constexpr UINT UDN_DELTAPOS = 0xFFFFFD2Eu;

struct NMUPDOWN {
    NMHDR hdr;
    int iPos;    // position before the click
    int iDelta;  // proposed change
};

constexpr UINT WM_ICONERASEBKGND = 0x0027;
constexpr UINT WM_CTLCOLORLISTBOX = 0x0134;
constexpr UINT SC_MINIMIZE = 0xF020;
constexpr UINT SC_CLOSE = 0xF060;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int COLOR_BTNFACE = 15;

// A solid colour for painting a control's background.
class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF cr) { CreateSolidBrush(cr); }
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;
    bool CreateSolidBrush(COLORREF cr);
    bool IsCreated() const { return m_bCreated; }
    COLORREF GetColor() const { return m_crColor; }

private:
    bool m_bCreated = false;
    COLORREF m_crColor = 0;
};

// What a dialog needs of the screen, per control id.
class CDialogHost {
public:
    virtual ~CDialogHost() = default;

    virtual void EnableControl(int nID, bool bEnable) = 0;
    virtual bool IsControlEnabled(int nID) const = 0;
    virtual void SetControlText(int nID, const std::string& strText) = 0;
    virtual std::string GetControlText(int nID) const = 0;
    virtual void SetCheck(int nID, int nCheck) = 0;
    virtual int GetCheck(int nID) const = 0;
    virtual void ResetList(int nID) = 0;
    // strSpoken: how a screen reader reads the line; "" reads it as shown.
    virtual void AddListLine(int nID, const std::string& strLine, const std::string& strSpoken) = 0;
    virtual void SetSpinRange(int nID, int nLower, int nUpper) = 0;
    virtual void SetSpinPos(int nID, int nPos) = 0;
    virtual int GetSpinPos(int nID) const = 0;
    virtual void GetSpinRange(int nID, int& nLower, int& nUpper) const = 0;

    // Marks the window for one painting after the current event.
    virtual void Invalidate() = 0;
    virtual void SetIcon(HICON hIcon, bool bBigIcon) = 0;
    virtual bool IsIconic() const = 0;
    virtual RECT GetClientRect() const = 0;
    // The surface of the painting in progress; null outside one.
    virtual CDC* GetPaintDC() = 0;
    virtual void EndDialog(int nResult) = 0;
    // The window's own handling of a window-menu command (minimise, restore, move).
    virtual void DefaultSysCommand(UINT nID) = 0;
};

// Runs dialogs modally: builds a host for the dialog, initialises it and returns its result.
class CDialogRunner {
public:
    virtual ~CDialogRunner() = default;
    virtual int RunModal(CDialog& dialog) = 0;
};

// The runner DoModal uses; null restores none (DoModal then returns -1). Returns the previous.
CDialogRunner* AfxSetDialogRunner(CDialogRunner* pRunner);
CDialogRunner* AfxGetDialogRunner();

COLORREF AfxGetSysColor(int nIndex);
void AfxSetSysColor(int nIndex, COLORREF cr);
int AfxGetSystemMetrics(int nIndex);

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    void Attach(CDialogHost* pHost, int nID);
    void Detach() { m_pHost = nullptr; }
    int GetDlgCtrlID() const { return m_nID; }
    bool IsBound() const { return m_pHost != nullptr; }

    void EnableWindow(bool bEnable = true);
    void SetWindowText(const std::string& strText);

protected:
    CDialogHost* m_pHost = nullptr;
    int m_nID = 0;
};

class CButton : public CWnd {
public:
    void SetCheck(int nCheck);
    int GetCheck() const;
};

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    void SetPos(int nPos);
    int GetPos() const;
};

class CListBox : public CWnd {
public:
    void ResetContent();
    // strSpoken: the line as a screen reader reads it, where it differs from what is shown.
    void AddString(const std::string& strLine, const std::string& strSpoken = {});
};

class CDataExchange {
public:
    CDataExchange(CDialog* pDlg, bool bSaveAndValidate)
        : m_pDlgWnd(pDlg), m_bSaveAndValidate(bSaveAndValidate) {}
    CDialog* m_pDlgWnd;
    bool m_bSaveAndValidate;
    bool m_bFailed = false;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Decimal text both ways; text that is no integer fails the exchange and leaves value alone.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);

class CDialog : public CObject {
    DECLARE_DYNAMIC(CDialog)

public:
    explicit CDialog(const CDialogTemplate& tmpl, CDialog* pParent = nullptr);
    ~CDialog() override;

    const CDialogTemplate& GetTemplate() const { return m_template; }
    CDialog* GetParent() const { return m_pParent; }

    // Runs the dialog through the current runner until it ends; returns its result.
    virtual int DoModal();

    // Hosts call these; the host must outlive the attachment.
    void AttachHost(CDialogHost* pHost) { m_pHost = pHost; }
    void DetachHost();
    CDialogHost* GetHost() const { return m_pHost; }
    // Binds a control member to control nID of the current host until the host detaches.
    void BindControl(CWnd& rControl, int nID);

    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // A click or command from control nID; false when no handler took it.
    virtual bool OnCommand(int nID);
    // A notification from control nID; false when no handler took it.
    virtual bool OnNotify(int nID, NMHDR* pNMHDR, LRESULT* pResult);
    virtual void OnSysCommand(UINT nID, LPARAM lParam);
    virtual void OnPaint() {}
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    bool UpdateData(bool bSaveAndValidate = true);
    void EndDialog(int nResult);
    void InvalidateRect(const RECT* lpRect, bool bErase = true);
    void Invalidate(bool bErase = true) { InvalidateRect(nullptr, bErase); }
    CMenu* GetSystemMenu(bool bRevert);
    void SetIcon(HICON hIcon, bool bBigIcon);
    bool IsIconic() const;
    void GetClientRect(RECT* lpRect) const;

protected:
    virtual void DoDataExchange(CDataExchange*) {}

private:
    const CDialogTemplate& m_template;
    CDialog* m_pParent;
    CDialogHost* m_pHost = nullptr;
    CMenu m_sysMenu;
    std::vector<CWnd*> m_boundControls;
};

// The surface for one painting of a dialog, as its host provides it.
class CPaintDC {
public:
    explicit CPaintDC(CDialog* pWnd);
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    CDC* operator->() const { return m_pDC; }
    CDC* Get() const { return m_pDC; }

private:
    CDC* m_pDC;
};
