#include "model/deck.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/card.h"
#include "platform/afx.h"
#include "platform/random.h"

IMPLEMENT_DYNAMIC(CDeck, CObject)

namespace {

// A uniform index 0..n-1 from the 15-bit source: the 32768 numbers fall into n buckets of
// 32768 / n each, and the numbers of the incomplete last bucket are redrawn, so that every index
// has exactly the same chance and no card is favoured. Every draw shuffles twice per hand, so
// the buckets of a deck's sizes are worked out once, the division done as a multiplication.
struct CBuckets {
    int nLimit;            // numbers from here on are redrawn
    std::uint64_t nMagic;  // ceil(2^32 / bucket size): r * nMagic >> 32 == r / bucket size
};

constexpr int kFastSizes = 64;
constexpr int kRange = RAND_MAX_15 + 1;

constexpr std::array<CBuckets, kFastSizes + 1> MakeBuckets() {
    std::array<CBuckets, kFastSizes + 1> table{};
    for (int n = 1; n <= kFastSizes; ++n) {
        const std::uint64_t nBucket = static_cast<std::uint64_t>(kRange / n);
        table[static_cast<std::size_t>(n)] = {static_cast<int>(nBucket) * n,
                                              ((std::uint64_t{1} << 32) + nBucket - 1) / nBucket};
    }
    return table;
}

constexpr std::array<CBuckets, kFastSizes + 1> kBuckets = MakeBuckets();

}  // namespace

int CDeck::RandomIndex(int n) {
    if (n <= kFastSizes) {
        const CBuckets& buckets = kBuckets[static_cast<std::size_t>(n)];
        for (;;) {
            const int r = AfxRand();
            if (r < buckets.nLimit)
                return static_cast<int>((static_cast<std::uint64_t>(r) * buckets.nMagic) >> 32);
        }
    }
    // More cards than numbers cannot all get a chance: a broken contract, answered with 0.
    ASSERT(n >= 1 && n <= kRange);
    if (n < 1 || n > kRange) return 0;
    const int nBucket = kRange / n;
    for (;;) {
        const int r = AfxRand();
        if (r < nBucket * n) return r / nBucket;
    }
}

namespace {

// Builds target by taking the cards of source one at a time at random, each appended to the
// target and removed from the working copy, the later ones moving down; source may be target.
void ShuffleInto(const CCardArray& source, CCardArray& target) {
    const int n = source.GetSize();
    ASSERT(n <= RAND_MAX_15 + 1);
    if (n > kFastSizes) {
        std::vector<CCard*> work(source.begin(), source.end());
        target.RemoveAll();
        target.Reserve(n);
        for (int nLeft = n; nLeft > 0; --nLeft) {
            const int i = CDeck::RandomIndex(nLeft);
            target.Add(work[static_cast<std::size_t>(i)]);
            work.erase(work.begin() + i);
        }
        return;
    }
    // A deck's worth: the working copy holds one-byte positions into a copy of the source, so
    // that closing the gap is one fixed-size move of 64 bytes, with no call and no branch on its
    // length. Every draw shuffles twice per hand.
    CCard* cards[kFastSizes];
    std::copy(source.begin(), source.end(), cards);
    alignas(64) std::uint8_t work[2 * kFastSizes] = {};
    for (int k = 0; k < n; ++k) work[k] = static_cast<std::uint8_t>(k);
    target.RemoveAll();
    target.Reserve(n);
    for (int nLeft = n; nLeft > 0; --nLeft) {
        const int i = CDeck::RandomIndex(nLeft);
        target.Add(cards[work[i]]);
        std::memmove(work + i, work + i + 1, kFastSizes);
    }
}

// Takes every copy of pCard out of the pile, the rest keeping their order.
void Remove(CCardArray& pile, const CCard* pCard) {
    for (int i = pile.GetSize() - 1; i >= 0; --i)
        if (pile[i] == pCard) pile.RemoveAt(i);
}

bool Contains(const CCardArray& pile, const CCard* pCard) {
    return std::find(pile.begin(), pile.end(), pCard) != pile.end();
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

void CDeck::SetJoker(CCard* pJoker) {
    ASSERT(m_pJoker == nullptr);
    if (m_pJoker == nullptr) m_pJoker = pJoker;
}

void CDeck::UseJoker(bool bUse) {
    ASSERT(m_arrDealt.IsEmpty());
    if (m_pJoker == nullptr) return;
    const bool bInPlay = Contains(m_arrCards, m_pJoker) || Contains(m_arrDealt, m_pJoker);
    if (bUse && !bInPlay) m_arrCards.Add(m_pJoker);
    if (!bUse && bInPlay) {
        Remove(m_arrCards, m_pJoker);
        Remove(m_arrDealt, m_pJoker);
    }
}

void CDeck::DeleteCards() {
    GatherCards();
    // Out of the pile first, so that it is deleted once, with or without a table that plays it.
    if (m_pJoker != nullptr) Remove(m_arrCards, m_pJoker);
    while (!m_arrCards.IsEmpty()) {
        delete m_arrCards[0];
        m_arrCards.RemoveAt(0);
    }
    // The blank hand is one pointer five times: delete it once.
    if (!m_arrBlankHand.IsEmpty()) delete m_arrBlankHand[0];
    m_arrBlankHand.RemoveAll();
    delete m_pJoker;
    m_pJoker = nullptr;
    m_arrDrawPile.RemoveAll();
}
