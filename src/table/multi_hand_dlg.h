// The table window: coins, bet, hands, the selected game, the deck, the 50 hands and the hold
// marks, and every handler through which the player acts. It owns the deck, the hands and the
// tallies for its whole life; the deck owns the cards.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "games/pay_table.h"
#include "model/deck.h"
#include "model/hand.h"
#include "model/layout.h"
#include "platform/dialog.h"
#include "table/table_observer.h"

class CMultiHandDlg : public CDialog {
    DECLARE_DYNAMIC(CMultiHandDlg)

public:
    static constexpr int kHands = 50;
    static constexpr int kCardsPerHand = CARDS_PER_HAND;
    static constexpr int kStartCoins = 1000;

    explicit CMultiHandDlg(CDialog* pParent = nullptr);
    ~CMultiHandDlg() override;

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int nID) override;
    bool OnNotify(int nID, NMHDR* pNMHDR, LRESULT* pResult) override;
    void OnSysCommand(UINT nID, LPARAM lParam) override;
    void OnPaint() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    HICON OnQueryDragIcon() const { return m_hIcon; }

    // The handlers. Each checks its own phase and affordability, so a key, an accessibility
    // action or a queued click can never act where its control would be disabled.
    void OnDeal();
    void OnDraw();
    void OnHold1() { ToggleHold(0); }
    void OnHold2() { ToggleHold(1); }
    void OnHold3() { ToggleHold(2); }
    void OnHold4() { ToggleHold(3); }
    void OnHold5() { ToggleHold(4); }
    void OnDeltaposSpinBet(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeltaposSpinHands(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDucesWild();
    void OnJacksOrBetter();
    void OnBonus();
    void OnDoubleBonus();
    void OnPayTable();
    // Starts over as a new run would: 1000 coins, bet 1, 50 hands, Jacks or Better, every hand
    // face down and no results; the pay tables chosen stay. Only while no deal is in play.
    bool NewSession();

    // State, read by painting, the host and tests.
    int GetBet() const { return m_nBet; }
    int GetHandsInPlay() const { return m_nHands; }
    int GetCoins() const { return m_nCoins; }
    int GetGame() const { return m_nGame; }
    // The pay table each game plays (by game code), the game's own as built until one is set.
    const CPayTable& GetPayTable(int nGame) const;
    const CPayTable& GetPayTable() const { return GetPayTable(m_nGame); }
    // Only while a deal is possible, as the game boxes change, and only a table that can be
    // played, of any family (the next deal takes the deck that family plays with); false,
    // changing nothing, otherwise.
    bool SetPayTable(int nGame, const CPayTable& table);
    // Each game's pay table as the Pay Table dialog shows it, at the bet in play.
    std::array<std::string, 5> PayTableTexts() const;
    // Practice: deals take no stake and draws pay nothing into the coins, so a drill costs and
    // wins nothing; play is otherwise the same. Set only while no deal is in play.
    bool SetPractice(bool bPractice);
    bool IsPractice() const { return m_bPractice; }
    bool IsHeld(int nIndex) const;
    bool IsDealt() const { return m_bDealt; }
    bool IsClosed() const { return m_bClosed; }
    bool CanDeal() const;
    const CHand& GetHand(int nIndex) const;
    const CDeck& GetDeck() const { return m_deck; }
    const std::map<std::string, int>& GetHandCounts() const { return m_mapHandCount; }
    const std::map<std::string, int>& GetWinnings() const { return m_mapWinnings; }

    // Whoever follows play, told in the order added; not owned, each removed before it goes.
    void AddObserver(CTableObserver* pObserver);
    void RemoveObserver(CTableObserver* pObserver);

    // Where painting puts hand nIndex: its top-left point and whether it is drawn large.
    static POINT HandOrigin(int nIndex);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // The hold button of card position nIndex + 1.
    CButton& HoldButton(int nIndex);
    void ToggleHold(int nIndex);
    void SelectGame(int nGame);
    // The new value is held within nLower..nUpper, the range the spin was given.
    void OnSpin(int nLower, int nUpper, int& nValue, NMHDR* pNMHDR, LRESULT* pResult);
    void EnableReadyControls(bool bEnable);
    void ListResults(int nTotal);
    // Checks the box of the game in play and clears the others.
    void CheckGameBox();
    void PaintHand(CDC* pDC, int nIndex);
    // The steps of OnInitDialog.
    void AddAboutItem();
    void SetStartingValues();
    void MakeCardSet();

    // One entry per game check box: the game it selects, its control and its handle.
    struct CGameBox {
        int nGame;
        int nID;
        CButton CMultiHandDlg::*pButton;
    };
    static const CGameBox s_gameBoxes[4];
    void Notify(ETableEvent eEvent);

    CButton m_btnDoubleBonus;
    CButton m_btnBonus;
    CButton m_btnJacksOrBetter;
    CButton m_btnDucesWild;
    CListBox m_listResults;
    CSpinButtonCtrl m_spinHands;
    CSpinButtonCtrl m_spinBet;
    CButton m_btnDraw;
    CButton m_btnDeal;
    CButton m_btnHold5;
    CButton m_btnHold4;
    CButton m_btnHold3;
    CButton m_btnHold2;
    CButton m_btnHold1;
    int m_nBet = 0;
    int m_nHands = 0;
    int m_nCoins = 0;
    HICON m_hIcon = nullptr;
    CDeck m_deck;
    CHand m_hands[kHands];
    bool m_bHeld[kCardsPerHand] = {};
    std::map<std::string, int> m_mapHandCount;
    std::map<std::string, int> m_mapWinnings;
    int m_nGame = 0;
    std::array<CPayTable, 5> m_arrPayTables;  // by game code
    // Between Deal and Draw. Kept apart from the controls so that no event can slip past it.
    bool m_bDealt = false;
    // After OnCancel the cards are deleted: nothing may read them again.
    bool m_bClosed = false;
    bool m_bPractice = false;
    // The results list's background, valid while the window lives.
    CBrush m_brushFace;
    std::vector<CTableObserver*> m_vecObservers;
};
