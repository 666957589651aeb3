#include "cli/odds_options.h"

#include <algorithm>
#include <sstream>

#include "games/pay_table.h"
#include "model/echo_text.h"

namespace {

using O = EOddsOption;

// Cards may come in one argument or several: "Jh Qh" and Jh Qh read alike.
void AppendWords(const std::string& strText, std::vector<std::string>& vecWords) {
    std::istringstream in(strText);
    for (std::string strWord; in >> strWord;) vecWords.push_back(strWord);
}

// A whole number from lo to hi, or none.
std::optional<int> ParseCount(const std::string& strText, int nLow, int nHigh) {
    if (strText.empty() || strText.size() > 9 ||
        strText.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int n = std::stoi(strText);
    if (n < nLow || n > nHigh) return std::nullopt;
    return n;
}

std::string ReadValue(O eOption, const std::string& strValue, COddsOptions& options) {
    switch (eOption) {
        case O::Game:
            options.pVariant = FindGameVariant(strValue);
            for (const CFamily& family : Families())
                if (options.pVariant == nullptr && SameName(strValue, family.pszKey))
                    options.pFamily = &family;
            if (options.pVariant == nullptr && options.pFamily == nullptr)
                return "unknown game '" + EchoText(strValue) + "' (" + GameNames() + ")";
            return "";
        case O::Pays:
            // An empty value is most often a shell variable that was never set, not a wish
            // for the table as built, which has its own name.
            if (strValue.find_first_not_of(' ') == std::string::npos)
                return "--pays takes a pay table, not '" + EchoText(strValue) + "'";
            options.strPays = strValue;
            return "";
        case O::Rules:
            if (strValue != "casino" && strValue != "as-built")
                return "--rules takes casino or as-built, not '" + EchoText(strValue) + "'";
            options.strRules = strValue;
            return "";
        case O::Bet:
            options.nBet = ParseCount(strValue, MIN_BET, MAX_BET);
            if (!options.nBet) return "--bet takes 1 to 5, not '" + EchoText(strValue) + "'";
            return "";
        case O::Hands:
            options.nHands = ParseCount(strValue, MIN_HANDS, MAX_HANDS);
            if (!options.nHands) return "--hands takes 1 to 50, not '" + EchoText(strValue) + "'";
            return "";
        case O::Bankroll:
            options.nBankroll = ParseCount(strValue, 1, kMaxBankroll);
            if (!options.nBankroll)
                return "--bankroll takes 1 to 100000000 coins, not '" + EchoText(strValue) + "'";
            return "";
        case O::Rounds:
            options.nRounds = ParseCount(strValue, 1, kMaxRounds);
            if (!options.nRounds)
                return "--rounds takes 1 to 100000, not '" + EchoText(strValue) + "'";
            return "";
        case O::Hold:
            AppendWords(strValue, options.vecHeldWords);
            return "";
        default:
            return "";
    }
}

std::vector<const char*> Names(bool bVariants, bool bFamilies) {
    std::vector<const char*> vecNames;
    for (const CGameVariant& variant : GameVariants())
        if (bVariants) vecNames.push_back(variant.pszCommandName);
    for (const CFamily& family : Families())
        if (bFamilies && FindGameVariant(family.pszKey) == nullptr)
            vecNames.push_back(family.pszKey);
    return vecNames;
}

// "a, b or c".
std::string OrList(const std::vector<const char*>& vecNames) {
    std::string strList;
    for (std::size_t i = 0; i < vecNames.size(); ++i) {
        if (i > 0) strList += i + 1 < vecNames.size() ? ", " : " or ";
        strList += vecNames[i];
    }
    return strList;
}

}  // namespace

std::string VariantNames() {
    return OrList(Names(true, false));
}

std::string FamilyNames() {
    return OrList(Names(false, true));
}

std::string GameNames() {
    return OrList(Names(true, true));
}

const std::vector<COptionSpec>& OddsOptionSpecs() {
    static const std::vector<COptionSpec> specs = {
        {O::Game, "--game", "a game"},
        {O::Pays, "--pays", "a pay table"},
        {O::Rules, "--rules", "rules"},
        {O::Bet, "--bet", "a bet"},
        {O::Hands, "--hands", "a count"},
        {O::Hold, "--hold", "the held cards"},
        {O::Return, "--return", nullptr},
        {O::BreakEven, "--break-even", nullptr},
        {O::Session, "--session", nullptr},
        {O::Bankroll, "--bankroll", "coins"},
        {O::Rounds, "--rounds", "a count"},
        {O::Strategy, "--strategy", nullptr},
        {O::ChartHolds, "--chart-holds", nullptr},
        {O::Simple, "--simple", nullptr},
        {O::List, "--list", nullptr},
        {O::Help, "--help", nullptr},
        {O::Help, "-h", nullptr},
        {O::Version, "--version", nullptr},
    };
    return specs;
}

bool COddsOptions::Has(EOddsOption eOption) const {
    return std::find(vecGiven.begin(), vecGiven.end(), eOption) != vecGiven.end();
}

std::string ReadOddsOptions(const std::vector<std::string>& vecArgs, COddsOptions& options) {
    for (std::size_t i = 0; i < vecArgs.size(); ++i) {
        const std::string& strArg = vecArgs[i];
        if (strArg.size() < 2 || strArg[0] != '-') {
            AppendWords(strArg, options.vecCardWords);
            continue;
        }
        const std::size_t nEquals = strArg.find('=');
        const std::string strName = strArg.substr(0, nEquals);
        const auto& specs = OddsOptionSpecs();
        const auto it = std::find_if(specs.begin(), specs.end(),
                                     [&](const COptionSpec& s) { return strName == s.pszName; });
        if (it == specs.end()) return "unknown option '" + EchoText(strArg) + "'";
        if (options.Has(it->eOption)) return strName + " is given twice";
        options.vecGiven.push_back(it->eOption);
        if (it->eOption == O::Help || it->eOption == O::Version) continue;
        if (it->pszValueName == nullptr) {
            if (nEquals != std::string::npos) return strName + " takes no value";
            continue;
        }
        std::string strValue;
        if (nEquals != std::string::npos) {
            strValue = strArg.substr(nEquals + 1);
        } else if (i + 1 < vecArgs.size()) {
            strValue = vecArgs[++i];
        } else {
            return strName + " needs " + it->pszValueName;
        }
        if (std::string strError = ReadValue(it->eOption, strValue, options); !strError.empty())
            return strError;
    }
    // Either asks for one answer alone; anything beside it was meant for another command.
    for (const O eAlone : {O::Help, O::Version})
        if (options.Has(eAlone) && (options.vecGiven.size() > 1 || !options.vecCardWords.empty()))
            return std::string(eAlone == O::Help ? "--help" : "--version") + " takes nothing else";
    return "";
}
