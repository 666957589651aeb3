// The Qt host of a CDialog: real widgets built from its template, each event routed to the
// dialog's handlers, painting through a CQtDC. Fixed size; Esc and the close box cancel.
#pragma once

#include <QDialog>
#include <QFont>
#include <QIcon>

#include <functional>
#include <map>
#include <vector>

#include "platform/dialog.h"

class QMenu;
class QWidget;
class CUpDownCtrl;

class CQtDialogHost : public QDialog, public CDialogHost {
    Q_OBJECT

public:
    CQtDialogHost(CDialog& dialog, QWidget* pParent);
    ~CQtDialogHost() override;

    CDialog& GetDialog() const { return m_dialog; }
    QWidget* GetControl(int nID) const;
    // The window menu: minimise, the host's own items, close, then the items the dialog appended.
    QMenu* BuildWindowMenu();
    // An item of the program's own, after the dialog's items; shown greyed while not enabled,
    // and with a check mark while isChecked (if given) says so.
    void AddWindowMenuItem(const QString& strText, std::function<void()> action,
                           std::function<bool()> isEnabled, std::function<bool()> isChecked = {});
    void ShowWindowMenu(const QPoint& ptGlobal);
    // When control nFromID is disabled while it has the focus, the focus goes to nToID if that
    // is enabled, rather than to the default button.
    void SetFocusHandOver(int nFromID, int nToID) { m_focusHandOver[nFromID] = nToID; }
    // What a click on control nID does, a key's press too; a filter that returns true takes
    // the command first and the dialog does not see it. One filter at most; none by default.
    void SendCommand(int nID);
    void SetCommandFilter(std::function<bool(int nID)> filter) {
        m_commandFilter = std::move(filter);
    }

    // The font labels are painted in (the surface's default font).
    static QFont PaintFont();

    void EnableControl(int nID, bool bEnable) override;
    bool IsControlEnabled(int nID) const override;
    void SetControlText(int nID, const std::string& strText) override;
    std::string GetControlText(int nID) const override;
    void SetCheck(int nID, int nCheck) override;
    int GetCheck(int nID) const override;
    void ResetList(int nID) override;
    void AddListLine(int nID, const std::string& strLine, const std::string& strSpoken) override;
    void SetSpinRange(int nID, int nLower, int nUpper) override;
    void SetSpinPos(int nID, int nPos) override;
    int GetSpinPos(int nID) const override;
    void GetSpinRange(int nID, int& nLower, int& nUpper) const override;
    void Invalidate() override;
    void SetIcon(HICON hIcon, bool bBigIcon) override;
    bool IsIconic() const override;
    RECT GetClientRect() const override;
    CDC* GetPaintDC() override { return m_pPaintDC; }
    void EndDialog(int nResult) override;
    void DefaultSysCommand(UINT nID) override;

public slots:
    void accept() override;
    void reject() override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    void BuildControls();
    QWidget* BuildControl(const CControlTemplate& control);
    QWidget* BuildButton(const CControlTemplate& control, const QString& strText);
    QWidget* BuildEdit(const CControlTemplate& control);
    QWidget* BuildUpDown(int nID);
    QWidget* BuildListBox(int nID);
    template <typename T>
    T* Find(int nID) const;

    struct CMenuExtra {
        QString strText;
        std::function<void()> action;
        std::function<bool()> isEnabled;
        std::function<bool()> isChecked;
    };

    CDialog& m_dialog;
    std::map<int, QWidget*> m_controls;
    std::map<int, int> m_focusHandOver;
    std::vector<CMenuExtra> m_menuExtras;
    std::function<bool(int)> m_commandFilter;
    CDC* m_pPaintDC = nullptr;
    bool m_bEnding = false;
    bool m_bPainted = false;
    QIcon m_pendingIcon;
};

// Runs each dialog on a CQtDialogHost, modal over the dialog that is open already.
class CQtDialogRunner : public CDialogRunner {
public:
    // Runs on each host once its controls are built, before the dialog initialises.
    using HostSetup = std::function<void(CQtDialogHost&)>;

    int RunModal(CDialog& dialog) override;
    CQtDialogHost* GetActiveHost() const { return m_hosts.empty() ? nullptr : m_hosts.back(); }
    void SetHostSetup(HostSetup setup) { m_setup = std::move(setup); }

private:
    std::vector<CQtDialogHost*> m_hosts;
    HostSetup m_setup;
};
