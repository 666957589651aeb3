#include "games/game_factory.h"

#include "games/game_variants.h"

std::unique_ptr<CGame> CreateGame(int nGame, CHand* pHand, const CPayTable* pTable, int nBet) {
    const CGameVariant* pVariant = FindGameVariant(nGame);
    return pVariant != nullptr ? pVariant->pfnCreate(pHand, pTable, nBet) : nullptr;
}
