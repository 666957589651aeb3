#include "cli/odds_request.h"

#include <sstream>

#include "analysis/card_code.h"
#include "analysis/outcome_cache.h"
#include "cli/odds_output.h"
#include "games/game_variants.h"
#include "games/pay_table_library.h"
#include "model/echo_text.h"

namespace {

using O = EOddsOption;

// The pay table of --pays and --rules for the request's game. An error message, or "".
std::string ReadPayTable(const COddsOptions& options, CRequest& request) {
    const CFamily& family = *request.pFamily;
    const bool bList = !options.strPays.empty() &&
                       options.strPays.find_first_not_of("0123456789 ") == std::string::npos;
    if (!bList && options.Has(O::Rules)) return "--rules goes with a list of pays";
    request.bAsBuilt =
        request.nGame != 0 && (options.strPays.empty() || options.strPays == "as-built");
    if (request.bAsBuilt) {
        request.table = AsBuiltPayTable(request.nGame);
        return "";
    }
    if (!bList) {
        // A family without a table as built plays its first table of the library unless told.
        const CLibraryPayTable* pEntry = nullptr;
        if (!options.strPays.empty())
            pEntry = FindLibraryPayTable(family, request.nGame, options.strPays);
        else
            for (const CLibraryPayTable& entry : PayTableLibrary())
                if (pEntry == nullptr && entry.table.pFamily == &family) pEntry = &entry;
        if (pEntry == nullptr) {
            std::string strNames = request.nGame != 0 ? "as-built" : "";
            for (const CLibraryPayTable& entry : PayTableLibrary())
                if (entry.table.pFamily == &family)
                    strNames += (strNames.empty() ? "" : ", ") + entry.strShort;
            return "unknown pay table '" + EchoText(options.strPays) + "' for " + request.pszGame +
                   " (" + strNames + ", or a list of pays)";
        }
        request.table = pEntry->table;
        return "";
    }
    std::vector<int> vecPays;
    std::istringstream in(options.strPays);
    for (std::string strWord; in >> strWord;) {
        if (strWord.size() > 6)
            return "--pays: a pay is 0 to 100000, not '" + EchoText(strWord) + "'";
        vecPays.push_back(std::stoi(strWord));
    }
    const auto& categories = family.categories;
    if (vecPays.size() != categories.size()) {
        std::string strNames;
        for (const CCategory& category : categories)
            strNames += std::string(strNames.empty() ? "" : ", ") + category.pszName;
        return std::string("--pays for ") + request.pszGame + " takes " +
               std::to_string(categories.size()) + " pays (" + strNames + "), not " +
               std::to_string(vecPays.size());
    }
    const bool bCasino = options.strRules != "as-built";
    request.table = bCasino ? MakeCasinoPayTable(family, "your table", kCasinoRules, vecPays)
                            : MakeFlatPayTable(family, "your table", kAsBuiltRules, vecPays);
    if (std::string strError = ValidatePayTable(request.table); !strError.empty())
        return "--pays: " + strError;
    return "";
}

// The message for a word that is not a card, dealt or held.
std::string NotACard(const std::string& strWord) {
    std::string strMessage = "'";
    strMessage += EchoText(strWord);
    return strMessage + "' is not a card (such as 10h, Qs, Ac, 2d)";
}

}  // namespace

std::string ReadRequests(const COddsOptions& options, bool bEveryGame,
                         std::vector<CRequest>& vecRequests) {
    CRequest base;
    base.nBet = options.nBet.value_or(MAX_BET);
    base.nHands = options.nHands.value_or(0);
    if (options.pFamily != nullptr) {
        base.pszGame = options.pFamily->pszName;
        base.pFamily = options.pFamily;
        vecRequests.push_back(base);
    }
    for (const CGameVariant& variant : GameVariants()) {
        // A pay table is of one family: without --game it is the default game's.
        const bool bEvery =
            bEveryGame && (options.strPays.empty() || options.strPays == "as-built");
        if (options.pFamily != nullptr ||
            (options.pVariant != nullptr ? &variant != options.pVariant
                                         : !bEvery && variant.nGame != kDefaultGame))
            continue;
        vecRequests.push_back(base);
        vecRequests.back().pszGame = variant.pszName;
        vecRequests.back().pFamily = &variant.Family();
        vecRequests.back().nGame = variant.nGame;
    }
    for (CRequest& request : vecRequests)
        if (std::string strError = ReadPayTable(options, request); !strError.empty())
            return strError;
    return "";
}

std::string ReadDeal(const std::vector<std::string>& vecWords, const CFamily& family,
                     std::array<int, 5>& arrCodes) {
    if (vecWords.size() != 5) return "a deal is five cards, not " + std::to_string(vecWords.size());
    for (std::size_t i = 0; i < 5; ++i) {
        arrCodes[i] = ParseCardCode(vecWords[i]);
        if (arrCodes[i] == NO_CARD_CODE) return NotACard(vecWords[i]);
        // Only a 53-card deck holds the joker.
        if (arrCodes[i] >= family.nCards)
            return CardCodeText(arrCodes[i]) + " is not in the " + family.pszName + " deck";
        for (std::size_t j = 0; j < i; ++j)
            if (arrCodes[j] == arrCodes[i])
                return "the card " + CardCodeText(arrCodes[i]) + " is dealt twice";
    }
    return "";
}

std::string ReadHold(const COddsOptions& options, CRequest& request) {
    if (options.vecHeldWords.size() > 5) return "a hold is at most five cards";
    for (const std::string& strWord : options.vecHeldWords) {
        const int nCode = ParseCardCode(strWord);
        if (nCode == NO_CARD_CODE) return NotACard(strWord);
        int nPosition = -1;
        for (int i = 0; i < 5; ++i)
            if (request.arrCodes[static_cast<size_t>(i)] == nCode) nPosition = i;
        if (nPosition < 0) return "the held card " + CardCodeText(nCode) + " is not in the deal";
        if ((request.nHoldMask >> nPosition) & 1)
            return "the card " + CardCodeText(nCode) + " is held twice";
        request.nHoldMask |= 1 << nPosition;
    }
    return "";
}

std::string Title(const CRequest& request) {
    std::string strTitle = request.pszGame;
    if (!request.bAsBuilt)
        strTitle += " (" + request.table.strName + ", " + CoinsText(request.nBet) + ")";
    return strTitle;
}

const COutcomeTable& Counts(const CPayTable& table, const CProgressFunction& progress) {
    return *SharedOutcomeTable(table.Family(), table.rules, progress);
}
