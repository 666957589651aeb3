#include "analysis/pay_function.h"

#include "games/game_factory.h"
#include "platform/afx.h"

CPayFunction GamePayFunction(int nGame) {
    ASSERT(nGame >= GAME_DUCES_WILD && nGame <= GAME_DOUBLE_BONUS);
    return [nGame](CHand* pHand) {
        const std::unique_ptr<CGame> pGame = CreateGame(nGame, pHand);
        return pGame ? pGame->GetPayout() : 0;
    };
}
