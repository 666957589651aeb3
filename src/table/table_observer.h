// Whoever follows play at the table (the coach) hears of each change through this, after the
// handler that made it. The table knows nothing more of its observer.
#pragma once

class CCardArray;
class CMultiHandDlg;

enum class ETableEvent {
    Dealt,        // a new deal: the main hand holds the five dealt cards, no card held
    HoldChanged,  // a card was held or released
    Drawn,        // every hand in play has drawn and been scored; the tallies are this draw's
    GameChanged,
    BetOrHandsChanged,
    PayTableChanged,  // a game was given another pay table
    Closed,           // the cards are gone: nothing may read the table's hands again
    NewSession,       // started over: the coins, bet, hands and game of a new run
};

class CTableObserver {
public:
    virtual ~CTableObserver() = default;
    virtual void OnTableChanged(const CMultiHandDlg& dlg, ETableEvent eEvent) = 0;
    // During a draw, hand nHand's own pile just before it takes its cards: a replaced position
    // i takes pile card i. Whoever replays the draw with another hold keeps what it needs; no
    // observer comes or goes meanwhile.
    virtual void OnHandPile(const CMultiHandDlg& /*dlg*/, int /*nHand*/,
                            const CCardArray& /*pile*/) {}
};
