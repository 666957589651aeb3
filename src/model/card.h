// One playing card (or the card back, or the joker): suit code, rank and its two pictures.
// Created once, shared by pointer, never copied; the deck owns them all.
#pragma once

#include "model/layout.h"
#include "platform/afx.h"
#include "platform/bitmap.h"
#include "platform/object.h"

class CDC;

// Suit codes; code / 100 indexes the rules' per-suit counters.
constexpr int SUIT_BACK = 0;
constexpr int SUIT_CLUBS = 100;
constexpr int SUIT_DIAMONDS = 200;
constexpr int SUIT_HEARTS = 300;
constexpr int SUIT_SPADES = 400;
// The joker belongs to none of the four suits; it has rank 0, like the back.
constexpr int SUIT_JOKER = 500;

// Ranks: 2 to 10, jack 11, queen 12, king 13, ace 14 (high only); 0 for the card back.
constexpr int RANK_JACK = 11;
constexpr int RANK_QUEEN = 12;
constexpr int RANK_KING = 13;
constexpr int RANK_ACE = 14;

// Picture ids: large 1000 + 100 k + p (k by suit: spades 1, hearts 2, clubs 3, diamonds 4;
// p is 1 for the ace, else the rank), small = large + 1000. The back is 1000 and 2000, the
// joker 1500 and 2500: k = 5 with no rank, clear of every other card.
constexpr UINT IDB_CARD_BACK_LARGE = 1000;
constexpr UINT IDB_CARD_BACK_SMALL = 2000;
constexpr UINT IDB_JOKER_LARGE = 1500;
constexpr UINT IDB_JOKER_SMALL = 2500;
UINT CardLargeBitmapID(int nSuit, int nRank);
UINT CardSmallBitmapID(int nSuit, int nRank);

class CCard : public CObject {
    DECLARE_DYNAMIC(CCard)

public:
    CCard(int nSuit, int nRank, UINT nLargeID, UINT nSmallID);
    ~CCard() override;

    int GetSuit() const { return m_nSuit; }
    int GetRank() const { return m_nRank; }
    int GetLargeWidth() const { return CARD_LARGE_WIDTH; }
    int GetLargeHeight() const { return CARD_LARGE_HEIGHT; }
    int GetSmallWidth() const { return CARD_SMALL_WIDTH; }
    // One more than the rows of the small picture: every small layout uses that height.
    int GetSmallHeight() const { return CARD_SMALL_HEIGHT; }

    bool IsLargeLoaded() const { return m_bLargeLoaded; }
    bool IsSmallLoaded() const { return m_bSmallLoaded; }

    // Copies the large or small picture, unscaled, with its top-left corner at *pPoint.
    void Draw(CDC* pDC, const POINT* pPoint, bool bLarge) const;

private:
    CBitmap m_bmpLarge;
    CBitmap m_bmpSmall;
    bool m_bLargeLoaded = false;
    bool m_bSmallLoaded = false;
    int m_nSuit;
    int m_nRank;
};
