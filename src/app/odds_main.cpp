// handfall-odds: the exact expected pay of every hold of a deal, the outcomes of one hold, and
// the return of each variant played with the best hold. No window: it links only the strategy layer
// and what lies below.
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <span>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "analysis/card_code.h"
#include "analysis/hold_analyzer.h"
#include "analysis/outcome_table.h"
#include "app/echo_text.h"
#include "games/game_variants.h"

namespace {

constexpr int kExitBadInput = 2;

// The variant a deal is ranked for when no --game is given.
constexpr int kDefaultGame = GAME_JACKS_OR_BETTER;

const char kUsage[] =
    "Usage: handfall-odds [--game VARIANT] CARDS\n"
    "       handfall-odds [--game VARIANT] --hold HELD [--hands N --bet B] CARDS\n"
    "       handfall-odds --return [--game VARIANT]\n"
    "       handfall-odds --help | --version\n"
    "\n"
    "With five dealt cards, lists the 32 holds ranked by their exact expected pay per coin,\n"
    "counted over every possible draw from the 47 unseen cards. With --return, gives the exact\n"
    "return to the player of each variant (or of the one named) played with the best hold on\n"
    "every one of the 2,598,960 deals; progress is shown on standard error.\n"
    "\n"
    "With --hold, lists for the cards HELD of the deal (in one argument; \"\" holds nothing) each\n"
    "category that can come up, with its exact number of draws and its probability, then the\n"
    "expected pay per coin and its standard deviation per hand. With --hands N (1 to 50) and\n"
    "--bet B (1 to 5), also the expected hands of each category over N hands and the expected\n"
    "total win with its standard deviation. Columns are separated by two or more spaces.\n"
    "\n"
    "VARIANT is %s; %s is the default.\n"
    "CARDS are five cards, in one argument or several: rank 2-10, J, Q, K, A (T for 10), then\n"
    "suit c, d, h or s, for example \"Jh Qh Kh 10h 2c\".\n"
    "\n"
    "Exit status: 0 on success, 2 for bad input.\n";

int BadInput(const std::string& strMessage) {
    std::fprintf(stderr, "handfall-odds: %s\nTry 'handfall-odds --help'.\n", strMessage.c_str());
    return kExitBadInput;
}

// "deuces, jacks, bonus or double-bonus": the names --game takes.
std::string VariantNames() {
    const std::span<const CGameVariant> variants = GameVariants();
    std::string strNames;
    for (std::size_t i = 0; i < variants.size(); ++i) {
        if (i > 0) strNames += i + 1 < variants.size() ? ", " : " or ";
        strNames += variants[i].pszCommandName;
    }
    return strNames;
}

// Rewrites one line of standard error in place while the tables are built.
class CProgressLine {
public:
    explicit CProgressLine(std::string strTitle) : m_strTitle(std::move(strTitle)) {}
    CProgressFunction Stage(const char* pszStage) {
        return [this, pszStage](double dDone) {
            const int nPercent = static_cast<int>(dDone * 100.0);
            if (nPercent == m_nLastPercent && pszStage == m_pszLastStage) return;
            m_nLastPercent = nPercent;
            m_pszLastStage = pszStage;
            std::fprintf(stderr, "\r%s: %s %3d%%   ", m_strTitle.c_str(), pszStage, nPercent);
            std::fflush(stderr);
        };
    }
    void Done() {
        std::fprintf(stderr, "\r%s: done%30s\n", m_strTitle.c_str(), "");
        std::fflush(stderr);
    }

private:
    std::string m_strTitle;
    int m_nLastPercent = -1;
    const char* m_pszLastStage = nullptr;
};

int PrintReturns(const std::vector<const CGameVariant*>& vecVariants) {
    std::vector<CGameReturn> vecReturns;
    for (const CGameVariant* pVariant : vecVariants) {
        CProgressLine progress(pVariant->pszCaption);
        const CHoldAnalyzer analyzer(pVariant->nGame, progress.Stage("scoring every hand"));
        vecReturns.push_back(analyzer.ComputeReturn(progress.Stage("best hold of every deal")));
        progress.Done();
    }
    std::printf("Return to the player with the best hold on every deal:\n");
    for (size_t i = 0; i < vecVariants.size(); ++i) {
        std::printf("  %-16s %11.7f %%\n", vecVariants[i]->pszCaption,
                    vecReturns[i].dReturn * 100.0);
    }
    return 0;
}

int PrintHolds(const CGameVariant& variant, const std::array<int, 5>& arrCodes) {
    const CHoldAnalyzer analyzer(variant.nGame);
    const std::vector<CHoldValue> vecHolds = analyzer.AnalyzeDeal(arrCodes);
    std::string strDeal;
    for (int nCode : arrCodes) {
        if (!strDeal.empty()) strDeal += ' ';
        strDeal += CardCodeText(nCode);
    }
    std::printf("%s, dealt %s\n", variant.pszCaption, strDeal.c_str());
    std::printf("Rank  Hold                 Expected pay per coin  Exactly\n");
    for (size_t i = 0; i < vecHolds.size(); ++i) {
        const CHoldValue& hold = vecHolds[i];
        std::string strHold;
        for (int nPosition = 0; nPosition < 5; ++nPosition) {
            const bool bHeld = (hold.nHoldMask >> nPosition) & 1;
            char szCard[8];
            std::snprintf(szCard, sizeof szCard, "%-4s",
                          bHeld ? CardCodeText(arrCodes[nPosition]).c_str() : "--");
            strHold += szCard;
        }
        std::printf("%4zu  %-19s  %21.10f  %lld/%lld\n", i + 1, strHold.c_str(), hold.dExpectedPay,
                    static_cast<long long>(hold.nPaySum), static_cast<long long>(hold.nDraws));
    }
    return 0;
}

struct CHoldRequest {
    int nHoldMask = 0;
    int nHands = 0;  // 0: per hand only
    int nBet = 0;
};

int PrintHoldOutcomes(const CGameVariant& variant, const std::array<int, 5>& arrCodes,
                      const CHoldRequest& request) {
    const COutcomeTable table(variant.nGame);
    std::array<CHoldOutcomes, 32> arrHolds;
    table.CountHolds(arrCodes, arrHolds);
    const CHoldOutcomes& hold = arrHolds[static_cast<size_t>(request.nHoldMask)];
    std::string strDeal, strHeld;
    for (int i = 0; i < 5; ++i) {
        const std::string strCard = CardCodeText(arrCodes[static_cast<size_t>(i)]);
        strDeal += (strDeal.empty() ? "" : " ") + strCard;
        if ((request.nHoldMask >> i) & 1) strHeld += (strHeld.empty() ? "" : " ") + strCard;
    }
    std::printf("%s, dealt %s, holding %s\n", variant.pszCaption, strDeal.c_str(),
                strHeld.empty() ? "nothing" : strHeld.c_str());
    const bool bOverHands = request.nHands > 0;
    std::printf("%-20s  %9s  %s\n", "Category", "Draws",
                bOverHands ? "Probability   Expected hands" : "Probability");
    const double dDraws = static_cast<double>(hold.nDraws);
    for (int c = 0; c < table.GetCategoryCount(); ++c) {
        const std::int64_t nCount = hold.arrCounts[static_cast<size_t>(c)];
        if (nCount == 0) continue;
        const std::string strName = table.GetCategoryName(c);
        std::printf("%-20s  %9lld  %.10f", strName.empty() ? "No win" : strName.c_str(),
                    static_cast<long long>(nCount), static_cast<double>(nCount) / dDraws);
        if (bOverHands)
            std::printf("    %.4f", static_cast<double>(nCount) * request.nHands / dDraws);
        std::printf("\n");
    }
    const double dMean = static_cast<double>(hold.nPaySum) / dDraws;
    const double dDeviation = hold.PayDeviation();
    std::printf("Expected pay per coin  %.10f  %lld/%lld\n", dMean,
                static_cast<long long>(hold.nPaySum), static_cast<long long>(hold.nDraws));
    std::printf("Standard deviation per hand  %.10f\n", dDeviation);
    if (bOverHands) {
        std::printf("Expected total win  %.4f  coins over %d hands at %d per hand\n",
                    dMean * request.nHands * request.nBet, request.nHands, request.nBet);
        std::printf("Standard deviation  %.4f  coins\n",
                    dDeviation * std::sqrt(static_cast<double>(request.nHands)) * request.nBet);
    }
    return 0;
}

// A whole number from lo to hi, or -1.
int ParseCount(const std::string& strText, int nLow, int nHigh) {
    if (strText.empty() || strText.size() > 3 ||
        strText.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const int n = std::stoi(strText);
    return n >= nLow && n <= nHigh ? n : -1;
}

// What the command line asks for, as read; checked against the deal in the steps after.
struct COptions {
    bool bHelp = false;
    bool bVersion = false;
    bool bReturn = false;
    bool bHold = false;
    const CGameVariant* pVariant = nullptr;
    std::vector<std::string> vecCardWords;
    std::vector<std::string> vecHeldWords;
    std::string strHands;
    std::string strBet;
};

// Cards may come in one argument or several: "Jh Qh" and Jh Qh read alike.
void AppendWords(const std::string& strText, std::vector<std::string>& vecWords) {
    std::istringstream in(strText);
    for (std::string strWord; in >> strWord;) vecWords.push_back(strWord);
}

// Reads the arguments in order; --help and --version end the reading. An error message, or "".
std::string ReadOptions(int argc, char** argv, COptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string strArg = argv[i];
        if (strArg == "--help" || strArg == "-h") {
            options.bHelp = true;
            return "";
        }
        if (strArg == "--version") {
            options.bVersion = true;
            return "";
        }
        if (strArg == "--return") {
            options.bReturn = true;
        } else if (strArg == "--game" || strArg.rfind("--game=", 0) == 0) {
            std::string strName;
            if (strArg == "--game") {
                if (i + 1 >= argc) return "--game needs a variant";
                strName = argv[++i];
            } else {
                strName = strArg.substr(std::strlen("--game="));
            }
            options.pVariant = FindGameVariant(strName);
            if (options.pVariant == nullptr)
                return "unknown variant '" + EchoText(strName) + "' (" + VariantNames() + ")";
        } else if (strArg == "--hold" || strArg == "--hands" || strArg == "--bet") {
            if (i + 1 >= argc) return strArg + " needs a value";
            const std::string strValue = argv[++i];
            if (strArg == "--hands") {
                options.strHands = strValue;
            } else if (strArg == "--bet") {
                options.strBet = strValue;
            } else {
                options.bHold = true;
                AppendWords(strValue, options.vecHeldWords);
            }
        } else if (strArg.size() > 1 && strArg[0] == '-') {
            return "unknown option '" + EchoText(strArg) + "'";
        } else {
            AppendWords(strArg, options.vecCardWords);
        }
    }
    return "";
}

// The message for a word that is not a card, dealt or held.
std::string NotACard(const std::string& strWord) {
    return "'" + EchoText(strWord) + "' is not a card (such as 10h, Qs, Ac, 2d)";
}

// Five different cards. An error message, or "".
std::string ReadDeal(const std::vector<std::string>& vecWords, std::array<int, 5>& arrCodes) {
    if (vecWords.size() != 5) return "a deal is five cards, not " + std::to_string(vecWords.size());
    for (size_t i = 0; i < 5; ++i) {
        arrCodes[i] = ParseCardCode(vecWords[i]);
        if (arrCodes[i] == NO_CARD_CODE) return NotACard(vecWords[i]);
        for (size_t j = 0; j < i; ++j) {
            if (arrCodes[j] == arrCodes[i])
                return "the card " + CardCodeText(arrCodes[i]) + " is dealt twice";
        }
    }
    return "";
}

// --hands and --bet, whenever given, before what they go with is looked at. An error, or "".
std::string CheckCounts(const COptions& options) {
    if (!options.strHands.empty() && ParseCount(options.strHands, 1, 50) < 0)
        return "--hands takes 1 to 50, not '" + EchoText(options.strHands) + "'";
    if (!options.strBet.empty() && ParseCount(options.strBet, 1, 5) < 0)
        return "--bet takes 1 to 5, not '" + EchoText(options.strBet) + "'";
    return "";
}

// The held cards as positions of the deal, and the hands and bet to count over. An error
// message, or "".
std::string ReadHoldRequest(const COptions& options, const std::array<int, 5>& arrCodes,
                            CHoldRequest& request) {
    if (options.strHands.empty() != options.strBet.empty()) return "--hands and --bet go together";
    if (!options.strHands.empty()) {
        request.nHands = ParseCount(options.strHands, 1, 50);
        request.nBet = ParseCount(options.strBet, 1, 5);
    }
    if (options.vecHeldWords.size() > 5) return "a hold is at most five cards";
    for (const std::string& strWord : options.vecHeldWords) {
        const int nCode = ParseCardCode(strWord);
        if (nCode == NO_CARD_CODE) return NotACard(strWord);
        int nPosition = -1;
        for (int i = 0; i < 5; ++i)
            if (arrCodes[static_cast<size_t>(i)] == nCode) nPosition = i;
        if (nPosition < 0) return "the held card " + CardCodeText(nCode) + " is not in the deal";
        if ((request.nHoldMask >> nPosition) & 1)
            return "the card " + CardCodeText(nCode) + " is held twice";
        request.nHoldMask |= 1 << nPosition;
    }
    return "";
}

int RunReturns(const COptions& options) {
    if (!options.vecCardWords.empty()) return BadInput("--return takes no cards");
    if (options.bHold) return BadInput("--return takes no --hold");
    if (!options.strHands.empty() || !options.strBet.empty())
        return BadInput("--return takes no --hands or --bet");
    std::vector<const CGameVariant*> vecVariants;
    if (options.pVariant != nullptr) {
        vecVariants.push_back(options.pVariant);
    } else {
        for (const CGameVariant& variant : GameVariants()) vecVariants.push_back(&variant);
    }
    return PrintReturns(vecVariants);
}

}  // namespace

int main(int argc, char** argv) {
    COptions options;
    if (const std::string strError = ReadOptions(argc, argv, options); !strError.empty())
        return BadInput(strError);
    if (options.bHelp) {
        std::printf(kUsage, VariantNames().c_str(), FindGameVariant(kDefaultGame)->pszCommandName);
        return 0;
    }
    if (options.bVersion) {
        std::printf("handfall-odds %s\n", HANDFALL_VERSION);
        return 0;
    }
    if (const std::string strError = CheckCounts(options); !strError.empty())
        return BadInput(strError);
    if (options.bReturn) return RunReturns(options);

    std::array<int, 5> arrCodes{};
    if (const std::string strError = ReadDeal(options.vecCardWords, arrCodes); !strError.empty())
        return BadInput(strError);
    const CGameVariant& variant =
        options.pVariant != nullptr ? *options.pVariant : *FindGameVariant(kDefaultGame);
    if (!options.bHold) {
        if (!options.strHands.empty() || !options.strBet.empty())
            return BadInput("--hands and --bet go with --hold");
        return PrintHolds(variant, arrCodes);
    }
    CHoldRequest request;
    if (const std::string strError = ReadHoldRequest(options, arrCodes, request); !strError.empty())
        return BadInput(strError);
    return PrintHoldOutcomes(variant, arrCodes, request);
}
