#include "table/multi_hand_dlg.h"

#include <algorithm>
#include <memory>

#include "games/game_factory.h"
#include "games/game_variants.h"
#include "games/play_limits.h"
#include "model/card.h"
#include "model/layout.h"
#include "platform/dc.h"
#include "platform/resources.h"
#include "table/pay_table_dlg.h"
#include "table/resource.h"
#include "table/results_lines.h"
#include "table/table_resources.h"

IMPLEMENT_DYNAMIC(CMultiHandDlg, CDialog)

namespace {

constexpr int kMinBet = MIN_BET;
constexpr int kMaxBet = MAX_BET;
constexpr int kMinHands = MIN_HANDS;
constexpr int kMaxHands = MAX_HANDS;
static_assert(MAX_HANDS == CMultiHandDlg::kHands);

// The message map: which handler a click on each control reaches.
struct CommandEntry {
    int nID;
    void (CMultiHandDlg::*pfnHandler)();
};

constexpr CommandEntry kCommandMap[] = {
    {IDC_DEAL, &CMultiHandDlg::OnDeal},
    {IDC_HOLD1, &CMultiHandDlg::OnHold1},
    {IDC_HOLD2, &CMultiHandDlg::OnHold2},
    {IDC_HOLD3, &CMultiHandDlg::OnHold3},
    {IDC_HOLD4, &CMultiHandDlg::OnHold4},
    {IDC_HOLD5, &CMultiHandDlg::OnHold5},
    {IDC_DRAW, &CMultiHandDlg::OnDraw},
    {IDC_DUCES_WILD, &CMultiHandDlg::OnDucesWild},
    {IDC_JACKS_OR_BETTER, &CMultiHandDlg::OnJacksOrBetter},
    {IDC_BONUS, &CMultiHandDlg::OnBonus},
    {IDC_DOUBLE_BONUS, &CMultiHandDlg::OnDoubleBonus},
    {IDC_PAY_TABLE, &CMultiHandDlg::OnPayTable},
};

// The small hands' grid: seven columns of seven, each a hand and its label.
POINT SmallHandOrigin(int nIndex) {
    const int c = (nIndex - 1) / GRID_ROWS;
    const int r = (nIndex - 1) % GRID_ROWS;
    return {GRID_LEFT + GRID_COLUMN_PITCH * c, GRID_TOP + GRID_ROW_PITCH * r};
}

}  // namespace

CMultiHandDlg::CMultiHandDlg(CDialog* pParent)
    : CDialog(MultiHandDialogTemplate(), pParent), m_hIcon(AfxLoadIcon(IDR_MAINFRAME)) {}

CMultiHandDlg::~CMultiHandDlg() = default;

// The order in which each choice sets its own mark and clears the others.
const CMultiHandDlg::CGameBox CMultiHandDlg::s_gameBoxes[] = {
    {GAME_DUCES_WILD, IDC_DUCES_WILD, &CMultiHandDlg::m_btnDucesWild},
    {GAME_JACKS_OR_BETTER, IDC_JACKS_OR_BETTER, &CMultiHandDlg::m_btnJacksOrBetter},
    {GAME_BONUS, IDC_BONUS, &CMultiHandDlg::m_btnBonus},
    {GAME_DOUBLE_BONUS, IDC_DOUBLE_BONUS, &CMultiHandDlg::m_btnDoubleBonus},
};

void CMultiHandDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    for (const CGameBox& box : s_gameBoxes) DDX_Control(pDX, box.nID, this->*box.pButton);
    DDX_Control(pDX, IDC_RESULTS, m_listResults);
    DDX_Control(pDX, IDC_SPIN_HANDS, m_spinHands);
    DDX_Control(pDX, IDC_SPIN_BET, m_spinBet);
    DDX_Control(pDX, IDC_DRAW, m_btnDraw);
    DDX_Control(pDX, IDC_DEAL, m_btnDeal);
    DDX_Control(pDX, IDC_HOLD5, m_btnHold5);
    DDX_Control(pDX, IDC_HOLD4, m_btnHold4);
    DDX_Control(pDX, IDC_HOLD3, m_btnHold3);
    DDX_Control(pDX, IDC_HOLD2, m_btnHold2);
    DDX_Control(pDX, IDC_HOLD1, m_btnHold1);
    DDX_Text(pDX, IDC_BET, m_nBet);
    DDV_MinMaxInt(pDX, m_nBet, kMinBet, kMaxBet);
    DDX_Text(pDX, IDC_HANDS, m_nHands);
    DDV_MinMaxInt(pDX, m_nHands, kMinHands, kMaxHands);
    DDX_Text(pDX, IDC_COINS, m_nCoins);
}

bool CMultiHandDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    AddAboutItem();
    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    SetStartingValues();
    MakeCardSet();
    return true;
}

void CMultiHandDlg::AddAboutItem() {
    if (CMenu* pSysMenu = GetSystemMenu(false)) {
        std::string strAboutMenu;
        AfxLoadString(IDS_ABOUTBOX, strAboutMenu);
        if (!strAboutMenu.empty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }
}

void CMultiHandDlg::SetStartingValues() {
    m_nBet = 1;
    m_nHands = kHands;
    m_nCoins = kStartCoins;
    UpdateData(false);

    m_spinBet.SetRange(kMinBet, kMaxBet);
    m_spinBet.SetPos(1);
    m_spinHands.SetRange(kMinHands, kMaxHands);
    m_spinHands.SetPos(kHands);

    m_nGame = GAME_JACKS_OR_BETTER;
    CheckGameBox();
}

// The deck owns the 52 faces, the back and the joker from here on; every hand starts face down.
void CMultiHandDlg::MakeCardSet() {
    // A second initialisation must not make a second card set.
    ASSERT(m_deck.GetCards().IsEmpty() && m_deck.GetBlankHand()->IsEmpty());
    if (m_deck.GetCards().IsEmpty() && m_deck.GetBlankHand()->IsEmpty()) {
        CCardArray cards;
        for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
            for (int nRank = 2; nRank <= RANK_ACE; ++nRank) {
                cards.Add(new CCard(nSuit, nRank, CardLargeBitmapID(nSuit, nRank),
                                    CardSmallBitmapID(nSuit, nRank)));
            }
        }
        m_deck.AddCards(cards);
        cards.RemoveAll();
        m_deck.SetCardBack(new CCard(SUIT_BACK, 0, IDB_CARD_BACK_LARGE, IDB_CARD_BACK_SMALL));
        m_deck.SetJoker(new CCard(SUIT_JOKER, 0, IDB_JOKER_LARGE, IDB_JOKER_SMALL));
    }
    for (CHand& hand : m_hands) hand.SetCards(m_deck.GetBlankHand());
    std::fill(std::begin(m_bHeld), std::end(m_bHeld), false);
}

void CMultiHandDlg::OnOK() {
    // Enter and OK leave the table open; only cancelling ends it.
}

void CMultiHandDlg::OnCancel() {
    if (!m_bClosed) {
        m_deck.DeleteCards();
        // The hands still point at the deleted cards: empty them so nothing can read those.
        const CCardArray none;
        for (CHand& hand : m_hands) hand.SetCards(&none);
        m_bClosed = true;
        m_bDealt = false;
        Notify(ETableEvent::Closed);
    }
    CDialog::OnCancel();
}

bool CMultiHandDlg::OnCommand(int nID) {
    for (const CommandEntry& entry : kCommandMap) {
        if (entry.nID == nID) {
            (this->*entry.pfnHandler)();
            return true;
        }
    }
    return CDialog::OnCommand(nID);
}

bool CMultiHandDlg::OnNotify(int nID, NMHDR* pNMHDR, LRESULT* pResult) {
    if (pNMHDR != nullptr && pNMHDR->code == UDN_DELTAPOS) {
        if (nID == IDC_SPIN_BET) {
            OnDeltaposSpinBet(pNMHDR, pResult);
            return true;
        }
        if (nID == IDC_SPIN_HANDS) {
            OnDeltaposSpinHands(pNMHDR, pResult);
            return true;
        }
    }
    return CDialog::OnNotify(nID, pNMHDR, pResult);
}

void CMultiHandDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        if (m_bClosed) return;  // a dialog opened now would outlive the table
        CPayTableDlg dlgAbout(PayTableTexts());
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CMultiHandDlg::AddObserver(CTableObserver* pObserver) {
    if (pObserver != nullptr &&
        std::find(m_vecObservers.begin(), m_vecObservers.end(), pObserver) == m_vecObservers.end())
        m_vecObservers.push_back(pObserver);
}

void CMultiHandDlg::RemoveObserver(CTableObserver* pObserver) {
    std::erase(m_vecObservers, pObserver);
}

void CMultiHandDlg::Notify(ETableEvent eEvent) {
    // A copy, so that an observer may remove itself while it is told.
    const std::vector<CTableObserver*> vecObservers = m_vecObservers;
    for (CTableObserver* pObserver : vecObservers) pObserver->OnTableChanged(*this, eEvent);
}

bool CMultiHandDlg::IsHeld(int nIndex) const {
    ASSERT(nIndex >= 0 && nIndex < kCardsPerHand);
    return nIndex >= 0 && nIndex < kCardsPerHand && m_bHeld[nIndex];
}

bool CMultiHandDlg::CanDeal() const {
    return !m_bClosed && !m_bDealt && (m_bPractice || m_nCoins >= m_nBet * m_nHands);
}

bool CMultiHandDlg::SetPractice(bool bPractice) {
    if (m_bDealt || m_bClosed) return false;
    m_bPractice = bPractice;
    m_btnDeal.EnableWindow(CanDeal());
    return true;
}

const CHand& CMultiHandDlg::GetHand(int nIndex) const {
    ASSERT(nIndex >= 0 && nIndex < kHands);
    return m_hands[std::clamp(nIndex, 0, kHands - 1)];
}

POINT CMultiHandDlg::HandOrigin(int nIndex) {
    return nIndex == 0 ? POINT{MAIN_HAND_LEFT, MAIN_HAND_TOP} : SmallHandOrigin(nIndex);
}

void CMultiHandDlg::OnSpin(int nLower, int nUpper, int& nValue, NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* pNMUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    if (m_bDealt || m_bClosed) {
        *pResult = 1;  // the spin keeps its position: bet and hands stay until the draw
        return;
    }
    const int nOld = nValue;
    nValue = std::clamp(pNMUpDown->iPos + pNMUpDown->iDelta, nLower, nUpper);
    UpdateData(false);
    m_btnDeal.EnableWindow(CanDeal());
    *pResult = 0;
    if (nValue != nOld) Notify(ETableEvent::BetOrHandsChanged);
}

void CMultiHandDlg::OnDeltaposSpinBet(NMHDR* pNMHDR, LRESULT* pResult) {
    OnSpin(kMinBet, kMaxBet, m_nBet, pNMHDR, pResult);
}

void CMultiHandDlg::OnDeltaposSpinHands(NMHDR* pNMHDR, LRESULT* pResult) {
    OnSpin(kMinHands, kMaxHands, m_nHands, pNMHDR, pResult);
}

void CMultiHandDlg::SelectGame(int nGame) {
    // Between Deal and Draw the game cannot change; the clicked box has toggled its own mark,
    // so the marks are put back to the game in play.
    const int nOld = m_nGame;
    if (!m_bDealt && !m_bClosed) m_nGame = nGame;
    CheckGameBox();
    if (m_nGame != nOld) Notify(ETableEvent::GameChanged);
}

void CMultiHandDlg::CheckGameBox() {
    for (const CGameBox& box : s_gameBoxes)
        if (box.nGame == m_nGame) (this->*box.pButton).SetCheck(1);
    for (const CGameBox& box : s_gameBoxes)
        if (box.nGame != m_nGame) (this->*box.pButton).SetCheck(0);
}

void CMultiHandDlg::OnDucesWild() {
    SelectGame(GAME_DUCES_WILD);
}
void CMultiHandDlg::OnJacksOrBetter() {
    SelectGame(GAME_JACKS_OR_BETTER);
}
void CMultiHandDlg::OnBonus() {
    SelectGame(GAME_BONUS);
}
void CMultiHandDlg::OnDoubleBonus() {
    SelectGame(GAME_DOUBLE_BONUS);
}

void CMultiHandDlg::OnPayTable() {
    // Enter typed right after Esc: a pay table opened now would keep the ended game running.
    if (m_bClosed) return;
    CPayTableDlg dlgPayTable(PayTableTexts());
    dlgPayTable.DoModal();
}

bool CMultiHandDlg::NewSession() {
    if (m_bDealt || m_bClosed) return false;
    m_mapHandCount.clear();
    m_mapWinnings.clear();
    m_listResults.ResetContent();
    SetStartingValues();
    for (CHand& hand : m_hands) hand.SetCards(m_deck.GetBlankHand());
    for (int i = 0; i < kCardsPerHand; ++i) {
        m_bHeld[i] = false;
        HoldButton(i).SetWindowText("");
    }
    m_btnDeal.EnableWindow(CanDeal());
    EnableReadyControls(true);
    Invalidate();
    Notify(ETableEvent::NewSession);
    return true;
}

const CPayTable& CMultiHandDlg::GetPayTable(int nGame) const {
    if (FindGameVariant(nGame) == nullptr) return AsBuiltPayTable(nGame);
    const CPayTable& table = m_arrPayTables[static_cast<size_t>(nGame)];
    return table.strName.empty() ? AsBuiltPayTable(nGame) : table;
}

bool CMultiHandDlg::SetPayTable(int nGame, const CPayTable& table) {
    const CGameVariant* pVariant = FindGameVariant(nGame);
    if (pVariant == nullptr || m_bDealt || m_bClosed || !ValidatePayTable(table).empty())
        return false;
    if (GetPayTable(nGame) == table) return true;
    m_arrPayTables[static_cast<size_t>(nGame)] = table;
    Invalidate();
    Notify(ETableEvent::PayTableChanged);
    return true;
}

std::array<std::string, 5> CMultiHandDlg::PayTableTexts() const {
    std::array<std::string, 5> arrTexts;
    for (const CGameVariant& variant : GameVariants())
        arrTexts[static_cast<size_t>(variant.nGame)] =
            PayTableText(variant, GetPayTable(variant.nGame), m_nBet);
    return arrTexts;
}

void CMultiHandDlg::EnableReadyControls(bool bEnable) {
    m_spinBet.EnableWindow(bEnable);
    m_spinHands.EnableWindow(bEnable);
    for (const CGameBox& box : s_gameBoxes) (this->*box.pButton).EnableWindow(bEnable);
}

void CMultiHandDlg::OnDeal() {
    if (!CanDeal()) return;

    m_mapHandCount.clear();
    m_mapWinnings.clear();
    m_listResults.ResetContent();

    for (int i = 0; i < kCardsPerHand; ++i) HoldButton(i).EnableWindow(true);
    EnableReadyControls(false);

    // The fields only ever show the members; should they read back otherwise, the members hold.
    const int nBet = m_nBet, nHands = m_nHands, nCoins = m_nCoins;
    if (!UpdateData(true) || m_nBet != nBet || m_nHands != nHands || m_nCoins != nCoins) {
        m_nBet = nBet;
        m_nHands = nHands;
        m_nCoins = nCoins;
    }
    if (!m_bPractice) m_nCoins -= m_nHands * m_nBet;
    m_bDealt = true;
    UpdateData(false);

    for (CHand& hand : m_hands) hand.SetCards(m_deck.GetBlankHand());
    Invalidate();

    m_deck.GatherCards();
    // A 53-card family deals from the 52 and the joker; any other from the 52 alone, in the
    // order it always had.
    m_deck.UseJoker(GetPayTable().Family().nCards == 53);
    m_deck.Shuffle();
    for (int i = 0; i < kCardsPerHand; ++i) m_hands[0].SetCard(i, m_deck.DealCard());

    for (int i = 0; i < kCardsPerHand; ++i) {
        m_bHeld[i] = false;
        HoldButton(i).SetWindowText("");
    }

    // Draw first, so that a focused Deal hands the focus on to it.
    m_btnDraw.EnableWindow(true);
    m_btnDeal.EnableWindow(false);
    Invalidate();
    Notify(ETableEvent::Dealt);
}

CButton& CMultiHandDlg::HoldButton(int nIndex) {
    CButton* const holds[kCardsPerHand] = {&m_btnHold1, &m_btnHold2, &m_btnHold3, &m_btnHold4,
                                           &m_btnHold5};
    return *holds[std::clamp(nIndex, 0, kCardsPerHand - 1)];
}

void CMultiHandDlg::ToggleHold(int nIndex) {
    if (!m_bDealt || m_bClosed || nIndex < 0 || nIndex >= kCardsPerHand) return;
    m_bHeld[nIndex] = !m_bHeld[nIndex];
    HoldButton(nIndex).SetWindowText(m_bHeld[nIndex] ? "Held" : "");
    Notify(ETableEvent::HoldChanged);
}

void CMultiHandDlg::OnDraw() {
    if (!m_bDealt || m_bClosed) return;

    for (int i = 0; i < kCardsPerHand; ++i) HoldButton(i).EnableWindow(false);

    for (int h = 0; h < m_nHands; ++h) {
        m_deck.Shuffle();
        m_deck.ShuffleDrawPile();
        for (CTableObserver* pObserver : m_vecObservers)
            pObserver->OnHandPile(*this, h, m_deck.GetDrawPile());
        for (int i = 0; i < kCardsPerHand; ++i) {
            CCard* pCard = m_deck.DrawCard();
            if (m_bHeld[i]) pCard = m_hands[0].GetCard(i);
            m_hands[h].SetCard(i, pCard);
        }
    }
    m_bDealt = false;

    m_btnDeal.EnableWindow(true);
    m_btnDraw.EnableWindow(false);

    int nTotal = 0;
    for (int h = 0; h < m_nHands; ++h) {
        const std::unique_ptr<CGame> pGame =
            CreateGame(m_nGame, &m_hands[h], &GetPayTable(), m_nBet);
        if (!pGame) continue;
        const int nPayout = pGame->GetPayout() * m_nBet;
        nTotal += nPayout;
        const std::string strName = pGame->GetName();
        if (!strName.empty()) {
            ++m_mapHandCount[strName];
            m_mapWinnings[strName] += nPayout;
        }
    }
    ListResults(nTotal);

    if (!m_bPractice) m_nCoins = CoinsAfterWin(m_nCoins, nTotal);
    if (!CanDeal()) m_btnDeal.EnableWindow(false);
    UpdateData(false);
    EnableReadyControls(true);
    Invalidate();
    Notify(ETableEvent::Drawn);
}

void CMultiHandDlg::ListResults(int nTotal) {
    for (const CResultsLine& line :
         ResultsLines(GetPayTable().Family(), m_mapHandCount, m_mapWinnings, m_nBet, nTotal))
        m_listResults.AddString(line.strShown, line.strSpoken);
}

void CMultiHandDlg::OnPaint() {
    if (m_bClosed) return;
    CPaintDC dc(this);
    CDC* pDC = dc.Get();
    if (pDC == nullptr) return;

    if (IsIconic()) {
        WindowProc(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(pDC), 0);
        const int cxIcon = AfxGetSystemMetrics(SM_CXICON);
        const int cyIcon = AfxGetSystemMetrics(SM_CYICON);
        RECT rect;
        GetClientRect(&rect);
        const int x = (rect.right - rect.left - cxIcon + 1) / 2;
        const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
        pDC->DrawIcon(x, y, m_hIcon);
        return;
    }

    // The small hands first, then the main hand.
    for (int nIndex = 1; nIndex < kHands; ++nIndex) PaintHand(pDC, nIndex);
    PaintHand(pDC, 0);
}

void CMultiHandDlg::PaintHand(CDC* pDC, int nIndex) {
    CHand& hand = m_hands[nIndex];
    const bool bLarge = nIndex == 0;
    const POINT pt = HandOrigin(nIndex);
    hand.Draw(pDC, &pt, bLarge);
    if (const std::unique_ptr<CGame> pGame = CreateGame(m_nGame, &hand, &GetPayTable(), m_nBet))
        pGame->DrawResult(pDC, pt, bLarge);
}

LRESULT CMultiHandDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLORLISTBOX) {
        if (auto* pDC = reinterpret_cast<CDC*>(wParam)) pDC->SetBkMode(TRANSPARENT);
        if (!m_brushFace.IsCreated()) m_brushFace.CreateSolidBrush(AfxGetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(&m_brushFace);
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
