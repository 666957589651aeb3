#include "model/deck.h"

#include "model/card.h"
#include "platform/afx.h"
#include "platform/random.h"

IMPLEMENT_DYNAMIC(CDeck, CObject)

namespace {

// A uniform index 0..n-1 from the 15-bit source. The numbers of the incomplete last bucket are
// redrawn, so that every index has exactly the same chance and no card is favoured.
int RandomIndex(int n) {
    constexpr int nRange = RAND_MAX_15 + 1;
    const int nBucket = nRange / n;
    const int nLimit = nBucket * n;
    for (;;) {
        const int r = AfxRand();
        if (r < nLimit) return r / nBucket;
    }
}

// Builds target by taking the cards of source one at a time at random; source may be target.
void ShuffleInto(const CCardArray& source, CCardArray& target) {
    CCardArray work = source;
    ASSERT(work.GetSize() <= RAND_MAX_15 + 1);
    target.RemoveAll();
    while (!work.IsEmpty()) {
        const int i = RandomIndex(work.GetSize());
        target.Add(work[i]);
        work.RemoveAt(i);
    }
}

CCard* TakeTop(CCardArray& pile) {
    ASSERT(!pile.IsEmpty());
    if (pile.IsEmpty()) return nullptr;
    CCard* pCard = pile[0];
    pile.RemoveAt(0);
    return pCard;
}

}  // namespace

CDeck::CDeck(const CCardArray* pCards) {
    AfxSeedRandFromTime();
    if (pCards != nullptr) m_arrCards.Append(*pCards);
}

CDeck::~CDeck() {
    m_arrCards.RemoveAll();
    m_arrDrawPile.RemoveAll();
    m_arrDealt.RemoveAll();
    m_arrBlankHand.RemoveAll();
}

void CDeck::AddCards(const CCardArray& cards) {
    m_arrCards.Append(cards);
}

void CDeck::Shuffle() {
    ShuffleInto(m_arrCards, m_arrCards);
}

void CDeck::ShuffleDrawPile() {
    ShuffleInto(m_arrCards, m_arrDrawPile);
}

CCard* CDeck::DrawCard() {
    return TakeTop(m_arrDrawPile);
}

CCard* CDeck::DealCard() {
    CCard* pCard = TakeTop(m_arrCards);
    if (pCard != nullptr) m_arrDealt.Add(pCard);
    return pCard;
}

void CDeck::GatherCards() {
    m_arrDealt.Append(m_arrCards);
    m_arrCards = m_arrDealt;
    m_arrDealt.RemoveAll();
}

void CDeck::SetCardBack(CCard* pBack) {
    m_arrBlankHand.RemoveAll();
    for (int i = 0; i < 5; ++i) m_arrBlankHand.Add(pBack);
}

void CDeck::DeleteCards() {
    GatherCards();
    while (!m_arrCards.IsEmpty()) {
        delete m_arrCards[0];
        m_arrCards.RemoveAt(0);
    }
    // The blank hand is one pointer five times: delete it once.
    if (!m_arrBlankHand.IsEmpty()) delete m_arrBlankHand[0];
    m_arrBlankHand.RemoveAll();
    m_arrDrawPile.RemoveAll();
}
