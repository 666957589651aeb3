#include "shared_analyzers.h"

#include <map>
#include <memory>
#include <string>

#include "model/card.h"
#include "model/hand.h"
#include "standard_pay.h"

namespace {

template <typename Make>
const CHoldAnalyzer& Shared(const std::string& strKey, Make make) {
    static std::map<std::string, std::unique_ptr<CHoldAnalyzer>> s_mapAnalyzers;
    std::unique_ptr<CHoldAnalyzer>& pAnalyzer = s_mapAnalyzers[strKey];
    if (!pAnalyzer) pAnalyzer = make();
    return *pAnalyzer;
}

}  // namespace

const CHoldAnalyzer& GameAnalyzer(int nGame) {
    return Shared("game " + std::to_string(nGame),
                  [nGame] { return std::make_unique<CHoldAnalyzer>(nGame); });
}

const CHoldAnalyzer& StandardJacksOrBetterAnalyzer() {
    return Shared("jacks 9/6", [] {
        return std::make_unique<CHoldAnalyzer>(StandardPayFunction(kJacksOrBetter96));
    });
}

const CHoldAnalyzer& StandardDeucesWildAnalyzer() {
    return Shared("deuces full pay",
                  [] { return std::make_unique<CHoldAnalyzer>(StandardDeucesWild()); });
}

const CHoldAnalyzer& StandardBonusAnalyzer() {
    return Shared("bonus 8/5",
                  [] { return std::make_unique<CHoldAnalyzer>(StandardPayFunction(kBonus85)); });
}

const CHoldAnalyzer& StandardDoubleBonusAnalyzer() {
    return Shared("double bonus 10/7", [] {
        return std::make_unique<CHoldAnalyzer>(StandardPayFunction(kDoubleBonus107));
    });
}

const CHoldAnalyzer& AnyAceAnalyzer() {
    return Shared("any ace", [] {
        return std::make_unique<CHoldAnalyzer>([](CHand* pHand) {
            for (int i = 0; i < 5; ++i)
                if (pHand->GetCard(i)->GetRank() == RANK_ACE) return 1;
            return 0;
        });
    });
}
