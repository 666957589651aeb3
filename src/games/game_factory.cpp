#include "games/game_factory.h"

#include "games/game_variants.h"

std::unique_ptr<CGame> CreateGame(int nGame, CHand* pHand) {
    const CGameVariant* pVariant = FindGameVariant(nGame);
    return pVariant != nullptr ? pVariant->pfnCreate(pHand) : nullptr;
}

std::span<const CPayLine> GetPayTable(int nGame) {
    const CGameVariant* pVariant = FindGameVariant(nGame);
    if (pVariant == nullptr) return {};
    return pVariant->lines.first(pVariant->lines.size() - 1);
}
