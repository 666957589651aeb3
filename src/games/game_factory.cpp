#include "games/game_factory.h"

#include "games/game_bonus.h"
#include "games/game_double_bonus.h"
#include "games/game_duces_wild.h"
#include "games/game_jack_or_better.h"

std::unique_ptr<CGame> CreateGame(int nGame, CHand* pHand) {
    switch (nGame) {
        case GAME_DUCES_WILD:
            return std::make_unique<CGameDucesWild>(pHand);
        case GAME_JACKS_OR_BETTER:
            return std::make_unique<CGameJackOrBetter>(pHand);
        case GAME_BONUS:
            return std::make_unique<CGameBonus>(pHand);
        case GAME_DOUBLE_BONUS:
            return std::make_unique<CGameDoubleBonus>(pHand);
        default:
            return nullptr;
    }
}

const std::vector<CPayLine>& GetPayTable(int nGame) {
    static const std::vector<CPayLine> kNone;
    switch (nGame) {
        case GAME_DUCES_WILD:
            return CGameDucesWild::GetPayTable();
        case GAME_JACKS_OR_BETTER:
            return CGameJackOrBetter::GetPayTable();
        case GAME_BONUS:
            return CGameBonus::GetPayTable();
        case GAME_DOUBLE_BONUS:
            return CGameDoubleBonus::GetPayTable();
        default:
            return kNone;
    }
}
