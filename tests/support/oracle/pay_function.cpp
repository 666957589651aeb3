#include "support/oracle/pay_function.h"

#include "games/game_factory.h"
#include "games/game_variants.h"
#include "platform/afx.h"

CPayFunction GamePayFunction(int nGame) {
    ASSERT(FindGameVariant(nGame) != nullptr);
    return [nGame](CHand* pHand) {
        const std::unique_ptr<CGame> pGame = CreateGame(nGame, pHand);
        return pGame ? pGame->GetPayout() : 0;
    };
}
