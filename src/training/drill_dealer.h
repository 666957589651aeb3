// Deals a drill's chosen cards at the real table: just before each Deal it stands in as the
// random source for the five numbers that bring those cards to the top of the shuffle, then
// steps aside, so the draw is as random as ever. Whatever changes the table before the Deal
// (another game, another pay table) re-arms it from the deck as it then is.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <vector>

#include "platform/random.h"
#include "table/table_observer.h"

class CMultiHandDlg;

class CDrillDealer : public CRandomSource, public CTableObserver {
public:
    // Follows dlg from now on; dlg outlives the dealer.
    explicit CDrillDealer(CMultiHandDlg& dlg);
    ~CDrillDealer() override;
    CDrillDealer(const CDrillDealer&) = delete;
    CDrillDealer& operator=(const CDrillDealer&) = delete;

    // The round's deals, by card codes in dealt order; the next Deal gives the first.
    void SetDeals(std::vector<std::array<int, 5>> vecDeals);
    int GetDealCount() const { return static_cast<int>(m_vecDeals.size()); }
    // Deals drawn so far in the round.
    int GetDrawnCount() const { return m_nDrawn; }
    bool IsOver() const { return m_nDrawn >= GetDealCount(); }
    // Told after each drill deal is drawn.
    void SetDrawnHandler(std::function<void()> drawn) { m_drawn = std::move(drawn); }

    void Seed(unsigned int) override {}
    int Next() override;
    void OnTableChanged(const CMultiHandDlg& dlg, ETableEvent eEvent) override;

private:
    void Arm();
    void StepAside();

    CMultiHandDlg& m_dlg;
    std::vector<std::array<int, 5>> m_vecDeals;
    int m_nDealt = 0;  // deals the table has dealt of the round
    int m_nDrawn = 0;
    std::deque<int> m_queNumbers;
    bool m_bInstalled = false;
    CRandomSource* m_pPrevious = nullptr;
    std::function<void()> m_drawn;
};
