#include "platform/qt/qt_dialog_host.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include <cstdint>
#include <utility>

#include "platform/qt/qt_dc.h"
#include "platform/qt/qt_image.h"
#include "platform/qt/static_text.h"
#include "platform/qt/up_down_ctrl.h"
#include "platform/resources.h"

namespace {

QString ToQString(const std::string& str) {
    return QString::fromStdString(str);
}

QColor ToQColor(COLORREF cr) {
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

QRect PixelRect(const CControlTemplate& control) {
    const RECT r = DialogUnitsToPixels(control);
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// A held Esc closes one window, not each window that comes up under it in turn. The X server
// and Qt do not always mark a key's repeats as such, so a press counts as a repeat too when the
// Esc before it is not yet released and it follows within a repeat's delay. A release can be
// lost with the dialog it was meant for, so the delay, not the release alone, ends a hold.
// Judged as the window system hands the press to a window, before any widget sees it.
class CHeldEscFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        const bool bPress = pEvent->type() == QEvent::KeyPress;
        if (!pWatched->isWindowType() || (!bPress && pEvent->type() != QEvent::KeyRelease))
            return false;
        const auto* pKey = static_cast<const QKeyEvent*>(pEvent);
        if (pKey->key() != Qt::Key_Escape) return false;
        if (!bPress) {
            if (!pKey->isAutoRepeat()) m_bDown = false;
            return false;
        }
        // Milliseconds of the window system's clock, which wraps; 0 when a key came untimed.
        const auto nTime = static_cast<std::uint32_t>(pKey->timestamp());
        const bool bSoon = nTime != 0 && m_nLastPress != 0 &&
                           static_cast<std::int32_t>(nTime - m_nLastPress) <= kRepeatDelayMs;
        const bool bHeld = (m_bDown && bSoon) || pKey->isAutoRepeat();
        m_bDown = true;
        m_nLastPress = nTime;
        return bHeld;
    }

private:
    // Longer than the first repeat waits on desktops as set up (500 to 660 ms).
    static constexpr std::int32_t kRepeatDelayMs = 1000;

    bool m_bDown = false;
    std::uint32_t m_nLastPress = 0;
};

void InstallHeldEscFilter() {
    constexpr const char* kName = "heldEscFilter";
    if (qApp == nullptr || qApp->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly)) return;
    auto* pFilter = new CHeldEscFilter(qApp);
    pFilter->setObjectName(kName);
    qApp->installEventFilter(pFilter);
}

}  // namespace

CQtDialogHost::CQtDialogHost(CDialog& dialog, QWidget* pParent)
    : QDialog(pParent), m_dialog(dialog) {
    const CDialogTemplate& tmpl = dialog.GetTemplate();
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (tmpl.dwStyle & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint;
    if (tmpl.dwStyle & WS_MINIMIZEBOX) {
        // A window with a minimise box is a main window of its own, shown on the task bar.
        flags = (flags & ~Qt::Dialog) | Qt::Window | Qt::WindowMinimizeButtonHint;
    }
    setWindowFlags(flags);
    setWindowTitle(tmpl.pszTitle);
    setFixedSize(DialogUnitsToPixelsX(tmpl.cx), DialogUnitsToPixelsY(tmpl.cy));
    setSizeGripEnabled(false);
    setAttribute(Qt::WA_DeleteOnClose, false);
    InstallHeldEscFilter();
    BuildControls();
    // Alt+Space opens the window menu, since desktops here offer no way to add to theirs.
    auto* pMenuKey = new QShortcut(QKeySequence("Alt+Space"), this);
    connect(pMenuKey, &QShortcut::activated, this,
            [this] { ShowWindowMenu(mapToGlobal(QPoint(0, 0))); });
    m_dialog.AttachHost(this);
}

CQtDialogHost::~CQtDialogHost() {
    m_dialog.DetachHost();
}

QFont CQtDialogHost::PaintFont() {
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    return font;
}

void CQtDialogHost::BuildControls() {
    QWidget* pPrevious = nullptr;
    for (const CControlTemplate& control : m_dialog.GetTemplate().controls) {
        QWidget* pWidget = BuildControl(control);
        pWidget->setGeometry(PixelRect(control));
        // An icon control takes the size of its icon, as the icon is never scaled.
        if (control.kind == CControlKind::Icon) pWidget->resize(32, 32);
        pWidget->setEnabled((control.dwStyle & WS_DISABLED) == 0);
        if (control.nID != IDC_STATIC) {
            pWidget->setObjectName(QString("control%1").arg(control.nID));
            m_controls[control.nID] = pWidget;
        }
        // Template order is tab order; only the controls with a tab stop take the focus.
        if (control.dwStyle & WS_TABSTOP) {
            if (pPrevious) setTabOrder(pPrevious, pWidget);
            pPrevious = pWidget;
        } else {
            pWidget->setFocusPolicy(Qt::NoFocus);
        }
    }
}

QWidget* CQtDialogHost::BuildControl(const CControlTemplate& control) {
    const QString strText = ToQString(control.pszText ? control.pszText : "");
    switch (control.kind) {
        case CControlKind::PushButton:
        case CControlKind::DefPushButton:
            return BuildButton(control, strText);
        case CControlKind::AutoCheckBox: {
            // Qt toggles the mark itself before the click reaches the handler.
            auto* pBox = new QCheckBox(strText, this);
            connect(pBox, &QCheckBox::clicked, this,
                    [this, nID = control.nID] { SendCommand(nID); });
            return pBox;
        }
        case CControlKind::Edit:
            return BuildEdit(control);
        case CControlKind::UpDown:
            return BuildUpDown(control.nID);
        case CControlKind::ListBox:
            return BuildListBox(control.nID);
        case CControlKind::GroupBox:
            return new QGroupBox(strText, this);
        case CControlKind::Icon: {
            auto* pLabel = new QLabel(this);
            if (const auto* pIcon = dynamic_cast<const CQtIcon*>(AfxLoadIcon(control.nIconID)))
                pLabel->setPixmap(pIcon->GetIcon().pixmap(32, 32));
            pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return pLabel;
        }
        case CControlKind::Static:
            break;
    }
    return new CStaticText(strText, this);
}

QWidget* CQtDialogHost::BuildButton(const CControlTemplate& control, const QString& strText) {
    auto* pButton = new QPushButton(strText, this);
    pButton->setAutoDefault(false);
    pButton->setDefault(control.kind == CControlKind::DefPushButton);
    connect(pButton, &QPushButton::clicked, this, [this, nID = control.nID] { SendCommand(nID); });
    return pButton;
}

QWidget* CQtDialogHost::BuildEdit(const CControlTemplate& control) {
    auto* pEdit = new QLineEdit(this);
    pEdit->setReadOnly((control.dwStyle & ES_READONLY) != 0);
    pEdit->setFrame((control.dwStyle & WS_BORDER) != 0);
    pEdit->setContextMenuPolicy(Qt::NoContextMenu);
    // A field that cannot be typed into shows the dialog's face, as read-only fields do.
    if (pEdit->isReadOnly()) {
        QPalette palette = pEdit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        pEdit->setPalette(palette);
    }
    return pEdit;
}

QWidget* CQtDialogHost::BuildUpDown(int nID) {
    auto* pSpin = new CUpDownCtrl(this);
    pSpin->SetDeltaHandler([this, nID](int nPos, int nDelta) {
        NMUPDOWN nm{{nID, UDN_DELTAPOS}, nPos, nDelta};
        LRESULT result = 0;
        m_dialog.OnNotify(nID, &nm.hdr, &result);
        return result == 0;
    });
    return pSpin;
}

QWidget* CQtDialogHost::BuildListBox(int nID) {
    auto* pList = new QListWidget(this);
    pList->setFrameShape(QFrame::NoFrame);
    pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pList->setSelectionMode(QAbstractItemView::NoSelection);
    pList->setFocusPolicy(Qt::TabFocus);
    // The dialog chooses the list's colours: its brush fills it, text has no fill.
    CNullDC colourDC;
    const LRESULT brush =
        m_dialog.WindowProc(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(&colourDC), nID);
    if (const auto* pBrush = reinterpret_cast<const CBrush*>(brush)) {
        QPalette palette = pList->palette();
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::Base, ToQColor(pBrush->GetColor()));
            palette.setColor(group, QPalette::Window, ToQColor(pBrush->GetColor()));
        }
        pList->setPalette(palette);
    }
    return pList;
}

template <typename T>
T* CQtDialogHost::Find(int nID) const {
    const auto it = m_controls.find(nID);
    return it == m_controls.end() ? nullptr : qobject_cast<T*>(it->second);
}

QWidget* CQtDialogHost::GetControl(int nID) const {
    return Find<QWidget>(nID);
}

void CQtDialogHost::EnableControl(int nID, bool bEnable) {
    QWidget* p = GetControl(nID);
    if (p == nullptr) return;
    // The focus leaves a control that is disabled for the default button, not for whatever
    // field comes next in tab order.
    if (!bEnable && p == focusWidget()) {
        const auto it = m_focusHandOver.find(nID);
        QWidget* pNext = it != m_focusHandOver.end() ? GetControl(it->second) : nullptr;
        if (pNext != nullptr && pNext->isEnabled()) {
            pNext->setFocus(Qt::OtherFocusReason);
        } else {
            for (QPushButton* pButton : findChildren<QPushButton*>()) {
                if (pButton->isDefault() && pButton->isEnabled())
                    pButton->setFocus(Qt::OtherFocusReason);
            }
        }
    }
    p->setEnabled(bEnable);
}

bool CQtDialogHost::IsControlEnabled(int nID) const {
    const QWidget* p = GetControl(nID);
    return p && p->isEnabled();
}

void CQtDialogHost::SetControlText(int nID, const std::string& strText) {
    if (auto* pButton = Find<QAbstractButton>(nID)) {
        pButton->setText(ToQString(strText));
    } else if (auto* pEdit = Find<QLineEdit>(nID)) {
        pEdit->setText(ToQString(strText));
    }
}

std::string CQtDialogHost::GetControlText(int nID) const {
    if (const auto* pButton = Find<QAbstractButton>(nID)) return pButton->text().toStdString();
    if (const auto* pEdit = Find<QLineEdit>(nID)) return pEdit->text().toStdString();
    return {};
}

void CQtDialogHost::SetCheck(int nID, int nCheck) {
    if (auto* pBox = Find<QCheckBox>(nID)) pBox->setChecked(nCheck != 0);
}

int CQtDialogHost::GetCheck(int nID) const {
    const auto* pBox = Find<QCheckBox>(nID);
    return pBox && pBox->isChecked() ? 1 : 0;
}

void CQtDialogHost::ResetList(int nID) {
    if (auto* pList = Find<QListWidget>(nID)) pList->clear();
}

void CQtDialogHost::AddListLine(int nID, const std::string& strLine, const std::string& strSpoken) {
    auto* pList = Find<QListWidget>(nID);
    if (pList == nullptr) return;
    auto* pItem = new QListWidgetItem(ToQString(strLine), pList);
    if (!strSpoken.empty()) pItem->setData(Qt::AccessibleTextRole, ToQString(strSpoken));
}

void CQtDialogHost::SetSpinRange(int nID, int nLower, int nUpper) {
    if (auto* pSpin = Find<CUpDownCtrl>(nID)) pSpin->SetRange(nLower, nUpper);
}

void CQtDialogHost::SetSpinPos(int nID, int nPos) {
    if (auto* pSpin = Find<CUpDownCtrl>(nID)) pSpin->SetPos(nPos);
}

int CQtDialogHost::GetSpinPos(int nID) const {
    const auto* pSpin = Find<CUpDownCtrl>(nID);
    return pSpin ? pSpin->GetPos() : 0;
}

void CQtDialogHost::GetSpinRange(int nID, int& nLower, int& nUpper) const {
    nLower = nUpper = 0;
    if (const auto* pSpin = Find<CUpDownCtrl>(nID)) pSpin->GetRange(nLower, nUpper);
}

void CQtDialogHost::Invalidate() {
    update();
}

void CQtDialogHost::SetIcon(HICON hIcon, bool) {
    const auto* pIcon = dynamic_cast<const CQtIcon*>(hIcon);
    if (!pIcon) return;
    // A window's icon goes to the window system in every size, a third of a megabyte for the
    // table's: sent before the first frame, it delays that frame. It follows the frame instead.
    if (m_bPainted)
        setWindowIcon(pIcon->GetIcon());
    else
        m_pendingIcon = pIcon->GetIcon();
}

bool CQtDialogHost::IsIconic() const {
    // Minimised is what the window system did, not what was asked: with no window manager a
    // request to minimise leaves the window on the screen, and its table must go on painting.
    const QWindow* pWindow = windowHandle();
    return isMinimized() && !(pWindow && pWindow->isExposed());
}

RECT CQtDialogHost::GetClientRect() const {
    return {0, 0, width(), height()};
}

void CQtDialogHost::EndDialog(int nResult) {
    m_bEnding = true;
    // Keys already on their way, Enter right after Esc, must not open a window from a dialog
    // that is closing: that window would run on, alone, with the process waiting for it.
    for (QShortcut* pShortcut : findChildren<QShortcut*>()) pShortcut->setEnabled(false);
    done(nResult);
}

void CQtDialogHost::DefaultSysCommand(UINT nID) {
    if (nID == SC_MINIMIZE) showMinimized();
}

void CQtDialogHost::accept() {
    m_dialog.OnCommand(IDOK);
}

void CQtDialogHost::reject() {
    m_dialog.OnCommand(IDCANCEL);
}

// Esc held down to close a menu or a dialog above this one must not go on to close this one:
// only a fresh press cancels. A dialog that is ending takes no more keys.
void CQtDialogHost::keyPressEvent(QKeyEvent* pEvent) {
    if (m_bEnding || (pEvent->isAutoRepeat() && pEvent->matches(QKeySequence::Cancel))) {
        pEvent->accept();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

void CQtDialogHost::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(PaintFont());
    CQtDC dc(painter);
    m_pPaintDC = &dc;
    m_dialog.OnPaint();
    m_pPaintDC = nullptr;
    if (!m_bPainted) {
        m_bPainted = true;
        // Runs once this frame has been flushed; the sync lets the window system take it before
        // the icon's six sizes follow.
        if (!m_pendingIcon.isNull())
            QTimer::singleShot(0, this, [this] {
                QGuiApplication::sync();
                setWindowIcon(std::exchange(m_pendingIcon, {}));
            });
    }
}

void CQtDialogHost::closeEvent(QCloseEvent* pEvent) {
    if (m_bEnding) {
        pEvent->accept();
        return;
    }
    // The close box is the window menu's Close: the dialog decides.
    pEvent->ignore();
    m_dialog.OnSysCommand(SC_CLOSE, 0);
}

QMenu* CQtDialogHost::BuildWindowMenu() {
    auto* pMenu = new QMenu(this);
    pMenu->setAttribute(Qt::WA_DeleteOnClose);
    auto addCommand = [this, pMenu](const QString& strText, UINT nID) {
        QAction* pAction = pMenu->addAction(strText);
        connect(pAction, &QAction::triggered, this, [this, nID] { m_dialog.OnSysCommand(nID, 0); });
        return pAction;
    };
    // The window's own items and Close first: the items the dialog appends end the menu.
    if (windowFlags() & Qt::WindowMinimizeButtonHint) addCommand("Mi&nimize", SC_MINIMIZE);
    for (const CMenuExtra& extra : m_menuExtras) {
        QAction* pAction = pMenu->addAction(extra.strText);
        pAction->setEnabled(!extra.isEnabled || extra.isEnabled());
        pAction->setCheckable(static_cast<bool>(extra.isChecked));
        if (extra.isChecked) pAction->setChecked(extra.isChecked());
        connect(pAction, &QAction::triggered, this, extra.action);
    }
    pMenu->addSeparator();
    addCommand("&Close", SC_CLOSE)->setShortcut(QKeySequence("Alt+F4"));
    if (const CMenu* pSysMenu = m_dialog.GetSystemMenu(false)) {
        for (const CMenuItem& item : pSysMenu->GetItems()) {
            if (item.nFlags & MF_SEPARATOR) {
                pMenu->addSeparator();
            } else {
                addCommand(ToQString(item.strText), item.nID);
            }
        }
    }
    return pMenu;
}

void CQtDialogHost::AddWindowMenuItem(const QString& strText, std::function<void()> action,
                                      std::function<bool()> isEnabled,
                                      std::function<bool()> isChecked) {
    m_menuExtras.push_back(
        {strText, std::move(action), std::move(isEnabled), std::move(isChecked)});
}

void CQtDialogHost::SendCommand(int nID) {
    if (m_bEnding) return;
    if (m_commandFilter && m_commandFilter(nID)) return;
    m_dialog.OnCommand(nID);
}

void CQtDialogHost::ShowWindowMenu(const QPoint& ptGlobal) {
    if (m_bEnding) return;
    BuildWindowMenu()->popup(ptGlobal);
}

void CQtDialogHost::contextMenuEvent(QContextMenuEvent* pEvent) {
    ShowWindowMenu(pEvent->globalPos());
}

int CQtDialogRunner::RunModal(CDialog& dialog) {
    CQtDialogHost host(dialog, GetActiveHost());
    m_hosts.push_back(&host);
    host.setWindowModality(Qt::ApplicationModal);
    if (m_setup) m_setup(host);
    dialog.OnInitDialog();
    const int nResult = host.exec();
    m_hosts.pop_back();
    return nResult;
}
