#include "cli/odds_commands.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <sstream>
#include <string_view>

#include "analysis/card_code.h"
#include "analysis/outcome_cache.h"
#include "cli/odds_options.h"
#include "games/pay_table_library.h"
#include "model/echo_text.h"
#include "strategy/chart_cache.h"

namespace {

using O = EOddsOption;

constexpr int kExitBadInput = 2;
constexpr int kDefaultGame = GAME_JACKS_OR_BETTER;

const char kUsage[] =
    "Usage: handfall-odds [--game GAME] [PAYS] CARDS\n"
    "       handfall-odds [--game GAME] [PAYS] --hold HELD [--hands N] CARDS\n"
    "       handfall-odds --return [--game GAME] [PAYS]\n"
    "       handfall-odds --strategy [--game GAME] [PAYS]\n"
    "       handfall-odds --chart-holds [--game GAME] [PAYS] < DEALS\n"
    "       handfall-odds [--game GAME] --pays list\n"
    "       handfall-odds --list\n"
    "       handfall-odds --help | --version\n"
    "PAYS:  [--pays TABLE] [--rules RULES] [--bet B]\n"
    "\n"
    "With five dealt cards, lists the 32 holds ranked by their exact expected pay per coin,\n"
    "counted over every possible draw from the 47 unseen cards. With --return, gives the exact\n"
    "return to the player of each variant (of the game named; of the default one for a pay\n"
    "table other than as-built) played with the best hold on every one of the 2,598,960\n"
    "deals; progress is shown on standard error when it is a terminal.\n"
    "\n"
    "With --hold, lists for the cards HELD of the deal (in one argument; \"\" holds nothing) each\n"
    "category that can come up, with its exact number of draws and its probability, then the\n"
    "expected pay per coin and its standard deviation per hand. With --hands N (1 to 50) and\n"
    "--bet B, also the expected hands of each category over N hands and the expected total win\n"
    "with its standard deviation. Columns are separated by two or more spaces.\n"
    "\n"
    "With --strategy, prints the strategy chart of the pay table and bet: for each line, read\n"
    "from the top, the class of hold it keeps, the share of deals it decides, its average\n"
    "expected pay per coin on them and the percentage points of return it gives up against\n"
    "the best hold; then the chart's exact return, the best return and the gap between them.\n"
    "With --chart-holds, reads deals from standard input, five cards a line (blank lines are\n"
    "skipped), and writes for each the deal, the chart's line and the cards it holds (- for\n"
    "none), separated by tabs. A bad line is told on standard error and skipped; the exit\n"
    "status is then 2 at the end.\n"
    "\n"
    "With --list, lists the library of casino pay tables, every family's: the --game and\n"
    "--pays that play each, its name and its return at 5 coins, counted exactly as --return\n"
    "counts it.\n"
    "\n"
    "TABLE is the pay table played: as-built (a variant's default), a table of the library of\n"
    "the game's family by name (--game jacks --pays 9/6; --pays list lists them with their\n"
    "returns at 1 and 5 coins), or the pay per coin of each category of the game in pay-table\n"
    "order, the first the royal flush's at 5 coins (--pays \"800 50 25 9 6 4 3 2 1\"). RULES,\n"
    "for such a list, is casino (the default: A-2-3-4-5 is a straight, the royal pays 250 per\n"
    "coin below 5 coins) or as-built (ace high only, the royal's pay at every bet); a named\n"
    "table has its own.\n"
    "B is the bet, 1 to 5 coins, which decides the royal's pay; 5 is the default.\n"
    "\n"
    "GAME is a variant of the table, played as built unless --pays says otherwise:\n"
    "  %s;\n"
    "or a family of the library, played with its first table there unless --pays says\n"
    "otherwise (the title names the table):\n"
    "%s\n"
    "%s is the default; either case.\n"
    "CARDS are five cards, in one argument or several: rank 2-10, J, Q, K, A (T for 10), then\n"
    "suit c, d, h or s, for example \"Jh Qh Kh 10h 2c\".\n"
    "Each option is given once.\n"
    "\n"
    "Exit status: 0 on success, 2 for bad input.\n";

// A command's output goes through printf-style formatting; this is the one place it is written.
template <typename... Args>
void Print(std::ostream& out, const char* pszFormat, Args... args) {
    const int nSize = std::snprintf(nullptr, 0, pszFormat, args...);
    std::string strText(static_cast<std::size_t>(std::max(nSize, 0)) + 1, '\0');
    std::snprintf(strText.data(), strText.size(), pszFormat, args...);
    strText.resize(static_cast<std::size_t>(std::max(nSize, 0)));
    out << strText;
}

// Words in lines of at most 90 characters, each indented by two spaces.
std::string Indented(const std::string& strWords) {
    constexpr std::size_t kWidth = 90;
    std::string strText, strLine;
    std::istringstream in(strWords);
    for (std::string strWord; in >> strWord;) {
        if (!strLine.empty() && strLine.size() + 1 + strWord.size() > kWidth) {
            strText += strLine + "\n";
            strLine.clear();
        }
        strLine += (strLine.empty() ? "  " : " ") + strWord;
    }
    return strText + strLine;
}

int BadInput(COddsIo& io, const std::string& strMessage) {
    io.err << "handfall-odds: " << strMessage << "\nTry 'handfall-odds --help'.\n";
    return kExitBadInput;
}

std::string CoinsText(int nBet) {
    return std::to_string(nBet) + (nBet == 1 ? " coin" : " coins");
}

// Rewrites one line of standard error in place while the tables are built.
class CProgressLine {
public:
    CProgressLine(COddsIo& io, std::string strTitle) : m_io(io), m_strTitle(std::move(strTitle)) {}
    CProgressFunction Stage(const char* pszStage) {
        if (!m_io.bProgress) return {};
        return [this, pszStage](double dDone) {
            const int nPercent = static_cast<int>(dDone * 100.0);
            if (nPercent == m_nLastPercent && pszStage == m_pszLastStage) return;
            m_nLastPercent = nPercent;
            m_pszLastStage = pszStage;
            Print(m_io.err, "\r%s: %s %3d%%   ", m_strTitle.c_str(), pszStage, nPercent);
            m_io.err.flush();
        };
    }
    void Done() {
        if (m_io.bProgress) Print(m_io.err, "\r%s: done%30s\n", m_strTitle.c_str(), "");
    }

private:
    COddsIo& m_io;
    std::string m_strTitle;
    int m_nLastPercent = -1;
    const char* m_pszLastStage = nullptr;
};

// What a command works on, once the options are read and checked: a variant, or a family of the
// library that no variant is named after.
struct CRequest {
    const char* pszGame = "";  // the variant's caption or the family's name
    const CFamily* pFamily = &JacksFamily();
    int nGame = 0;  // the variant's code; 0 for a family, which has no table as built
    CPayTable table;
    bool bAsBuilt = true;  // the variant's table as built: no pay table asked for
    int nBet = MAX_BET;
    std::array<int, 5> arrCodes{};
    int nHoldMask = 0;
    int nHands = 0;  // 0: per hand only
};

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

const COutcomeTable& Counts(const CPayTable& table, const CProgressFunction& progress = {}) {
    return *SharedOutcomeTable(table.Family(), table.rules, progress);
}

std::string DealText(const std::array<int, 5>& arrCodes, int nMask = 31) {
    std::string strText;
    for (int i = 0; i < 5; ++i) {
        if (!((nMask >> i) & 1)) continue;
        if (!strText.empty()) strText += ' ';
        strText += CardCodeText(arrCodes[static_cast<size_t>(i)]);
    }
    return strText;
}

// The title of a listing: the game, and the table where it is not the variant's as built.
std::string Title(const CRequest& request) {
    std::string strTitle = request.pszGame;
    if (!request.bAsBuilt)
        strTitle += " (" + request.table.strName + ", " + CoinsText(request.nBet) + ")";
    return strTitle;
}

int RankDeal(const CRequest& request, COddsIo& io) {
    const std::vector<CHoldValue> vecHolds =
        Counts(request.table).RankHolds(request.arrCodes, request.table, request.nBet);
    Print(io.out, "%s, dealt %s\n", Title(request).c_str(), DealText(request.arrCodes).c_str());
    Print(io.out, "Rank  Hold                 Expected pay per coin  Exactly\n");
    for (std::size_t i = 0; i < vecHolds.size(); ++i) {
        const CHoldValue& hold = vecHolds[i];
        std::string strHold;
        for (int nPosition = 0; nPosition < 5; ++nPosition) {
            const bool bHeld = (hold.nHoldMask >> nPosition) & 1;
            char szCard[8];
            std::snprintf(
                szCard, sizeof szCard, "%-4s",
                bHeld ? CardCodeText(request.arrCodes[static_cast<size_t>(nPosition)]).c_str()
                      : "--");
            strHold += szCard;
        }
        Print(io.out, "%4zu  %-19s  %21.10f  %lld/%lld\n", i + 1, strHold.c_str(),
              hold.dExpectedPay, static_cast<long long>(hold.nPaySum),
              static_cast<long long>(hold.nDraws));
    }
    return 0;
}

int HoldOutcomes(const CRequest& request, COddsIo& io) {
    const COutcomeTable& table = Counts(request.table);
    std::array<CHoldOutcomes, 32> arrHolds;
    table.CountHolds(request.arrCodes, request.table, request.nBet, arrHolds);
    const CHoldOutcomes& hold = arrHolds[static_cast<size_t>(request.nHoldMask)];
    const std::string strHeld = DealText(request.arrCodes, request.nHoldMask);
    Print(io.out, "%s, dealt %s, holding %s\n", Title(request).c_str(),
          DealText(request.arrCodes).c_str(), strHeld.empty() ? "nothing" : strHeld.c_str());
    const bool bOverHands = request.nHands > 0;
    Print(io.out, "%-20s  %9s  %s\n", "Category", "Draws",
          bOverHands ? "Probability   Expected hands" : "Probability");
    const double dDraws = static_cast<double>(hold.nDraws);
    for (int c = 0; c < table.GetCategoryCount(); ++c) {
        const std::int64_t nCount = hold.arrCounts[static_cast<size_t>(c)];
        if (nCount == 0) continue;
        const std::string strName = table.GetCategoryName(c);
        Print(io.out, "%-20s  %9lld  %.10f", strName.empty() ? "No win" : strName.c_str(),
              static_cast<long long>(nCount), static_cast<double>(nCount) / dDraws);
        if (bOverHands)
            Print(io.out, "    %.4f", static_cast<double>(nCount) * request.nHands / dDraws);
        io.out << "\n";
    }
    const double dMean = static_cast<double>(hold.nPaySum) / dDraws;
    const double dDeviation = hold.PayDeviation();
    Print(io.out, "Expected pay per coin  %.10f  %lld/%lld\n", dMean,
          static_cast<long long>(hold.nPaySum), static_cast<long long>(hold.nDraws));
    Print(io.out, "Standard deviation per hand  %.10f\n", dDeviation);
    if (bOverHands) {
        Print(io.out, "Expected total win  %.4f  coins over %d hands at %d per hand\n",
              dMean * request.nHands * request.nBet, request.nHands, request.nBet);
        Print(io.out, "Standard deviation  %.4f  coins\n",
              dDeviation * std::sqrt(static_cast<double>(request.nHands)) * request.nBet);
    }
    return 0;
}

int Returns(const std::vector<CRequest>& vecRequests, COddsIo& io) {
    std::vector<CGameReturn> vecReturns;
    for (const CRequest& request : vecRequests) {
        CProgressLine progress(io, request.pszGame);
        const COutcomeTable& table = Counts(request.table, progress.Stage("counting every hand"));
        vecReturns.push_back(table.ComputeReturn(request.table, request.nBet,
                                                 progress.Stage("best hold of every deal")));
        progress.Done();
    }
    Print(io.out, "Return to the player with the best hold on every deal:\n");
    for (std::size_t i = 0; i < vecRequests.size(); ++i) {
        const CRequest& request = vecRequests[i];
        Print(io.out, "  %-16s %11.7f %%", request.pszGame, vecReturns[i].dReturn * 100.0);
        if (!request.bAsBuilt)
            Print(io.out, "  %s at %s", request.table.strName.c_str(),
                  CoinsText(request.nBet).c_str());
        io.out << "\n";
    }
    return 0;
}

// Every table a game can play (every variant without --game), as built first, with the exact
// return at 1 and at 5 coins.
int ListPayTables(const COddsOptions& options, COddsIo& io) {
    std::vector<const CPayTable*> vecTables;
    std::vector<const CFamily*> vecFamilies{options.pFamily};
    for (const CGameVariant& variant : GameVariants())
        if (options.pFamily == nullptr &&
            (options.pVariant == nullptr || &variant == options.pVariant)) {
            vecTables.push_back(&AsBuiltPayTable(variant.nGame));
            vecFamilies.push_back(&variant.Family());
        }
    for (const CLibraryPayTable& entry : PayTableLibrary())
        if (std::find(vecFamilies.begin(), vecFamilies.end(), entry.table.pFamily) !=
            vecFamilies.end())
            vecTables.push_back(&entry.table);
    Print(io.out, "%-26s  %-15s  %12s  %12s\n", "Pay table", "--pays", "1 coin", "5 coins");
    for (const CPayTable* pTable : vecTables) {
        std::string strKey = "as-built";
        for (const CLibraryPayTable& entry : PayTableLibrary())
            if (&entry.table == pTable) strKey = entry.strShort;
        CProgressLine progress(io, pTable->strName);
        const COutcomeTable& table = Counts(*pTable, progress.Stage("counting every hand"));
        const CGameReturn at1 = table.ComputeReturn(*pTable, 1);
        const CGameReturn at5 = table.ComputeReturn(*pTable, 5);
        progress.Done();
        Print(io.out, "%-26s  %-15s  %10.6f %%  %10.6f %%\n", pTable->strName.c_str(),
              strKey.c_str(), at1.dReturn * 100.0, at5.dReturn * 100.0);
    }
    return 0;
}

// The library, every family's tables, with the --game and --pays that play each and its exact
// return at 5 coins.
int ListLibrary(COddsIo& io) {
    Print(io.out, "%-19s  %-15s  %-26s  %12s\n", "--game", "--pays", "Pay table", "5 coins");
    for (const CLibraryPayTable& entry : PayTableLibrary()) {
        const CPayTable& table = entry.table;
        CProgressLine progress(io, table.strName);
        const CGameReturn at5 =
            Counts(table, progress.Stage("counting every hand")).ComputeReturn(table, MAX_BET);
        progress.Done();
        Print(io.out, "%-19s  %-15s  %-26s  %10.6f %%\n", table.Family().pszKey,
              entry.strShort.c_str(), table.strName.c_str(), at5.dReturn * 100.0);
    }
    return 0;
}

// The message for a word that is not a card, dealt or held.
std::string NotACard(const std::string& strWord) {
    std::string strMessage = "'";
    strMessage += EchoText(strWord);
    return strMessage + "' is not a card (such as 10h, Qs, Ac, 2d)";
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

// "123/456", reduced.
std::string FractionText(const CGameReturn& value) {
    const std::int64_t nDivisor = std::gcd(value.nNumerator, value.nDenominator);
    std::string strText = std::to_string(value.nNumerator / nDivisor);
    strText += '/';
    strText += std::to_string(value.nDenominator / nDivisor);
    return strText;
}

std::shared_ptr<const CStrategyChart> MakeChart(const CRequest& request, COddsIo& io) {
    CProgressLine progress(io, request.pszGame);
    auto pChart =
        SharedStrategyChart(request.table, request.nBet, progress.Stage("making the chart"));
    progress.Done();
    return pChart;
}

int PrintStrategy(const CRequest& request, COddsIo& io) {
    const std::shared_ptr<const CStrategyChart> pChart = MakeChart(request, io);
    const std::vector<CChartLine>& vecLines = pChart->GetLines();
    int nNameWidth = 10;
    for (const CChartLine& line : vecLines)
        nNameWidth = std::max(nNameWidth, static_cast<int>(line.strName.size()));
    Print(io.out, "Strategy chart: %s, %s, %s\n", request.pszGame, request.table.strName.c_str(),
          CoinsText(request.nBet).c_str());
    Print(io.out, "Line  %-*s  %9s  %12s  %15s\n", nNameWidth, "Hold class", "Deals",
          "Pay per coin", "Gives up");
    for (std::size_t i = 0; i < vecLines.size(); ++i) {
        const CChartLine& line = vecLines[i];
        Print(io.out, "%4zu  %-*s  %7.4f %%  %12.6f  %8.6f points\n", i + 1, nNameWidth,
              line.strName.c_str(), line.Share() * 100.0, line.AveragePay(), line.LossPoints());
    }
    const CGameReturn chartReturn = pChart->GetReturn();
    const CGameReturn bestReturn = pChart->GetOptimalReturn();
    Print(io.out, "Return with the chart      %11.7f %%  %s\n", chartReturn.dReturn * 100.0,
          FractionText(chartReturn).c_str());
    Print(io.out, "Return with the best hold  %11.7f %%  %s\n", bestReturn.dReturn * 100.0,
          FractionText(bestReturn).c_str());
    Print(io.out, "Gap                        %11.7f percentage points\n", pChart->GapPoints());
    return 0;
}

// The words of a line, split at blanks as the shell splits the command line's cards.
void SplitWords(std::string_view strLine, std::vector<std::string>& vecWords) {
    vecWords.clear();
    constexpr std::string_view kBlanks = " \t\r\v\f";
    for (std::size_t nBegin = strLine.find_first_not_of(kBlanks); nBegin != std::string::npos;) {
        const std::size_t nEnd = std::min(strLine.find_first_of(kBlanks, nBegin), strLine.size());
        vecWords.emplace_back(strLine.substr(nBegin, nEnd - nBegin));
        nBegin = strLine.find_first_not_of(kBlanks, nEnd);
    }
}

// Output is collected and written in blocks, and handed on whenever the input has nothing more
// ready: quick over a file, prompt at a terminal.
int ChartHolds(const CRequest& request, COddsIo& io) {
    constexpr std::size_t kBlock = 1 << 16;
    std::shared_ptr<const CStrategyChart> pChart;  // made for the first deal
    std::string strPending, strLine;
    std::vector<std::string> vecWords;
    std::array<int, 5> arrCodes{};
    bool bBad = false;
    const auto handOn = [&](bool bFlush) {
        io.out << strPending;
        strPending.clear();
        if (bFlush) io.out.flush();
    };
    for (long long nLine = 1; std::getline(io.in, strLine); ++nLine) {
        SplitWords(strLine, vecWords);
        if (!vecWords.empty()) {
            std::string strError = ReadDeal(vecWords, request.table.Family(), arrCodes);
            if (strError.empty()) {
                if (!pChart) pChart = MakeChart(request, io);
                const CChartChoice choice = pChart->Choose(arrCodes);
                strPending += DealText(arrCodes);
                strPending += '\t';
                strPending += std::to_string(choice.nLine + 1);
                strPending += '\t';
                strPending += choice.nHoldMask == 0 ? "-" : DealText(arrCodes, choice.nHoldMask);
                strPending += '\n';
            } else {
                handOn(false);
                bBad = true;
                if (vecWords.size() != 5) {
                    strError += " ('";
                    strError += EchoText(strLine);
                    strError += "')";
                }
                io.err << "handfall-odds: line " << nLine << ": " << strError << '\n';
            }
        }
        if (strPending.size() >= kBlock || io.in.rdbuf()->in_avail() <= 0) handOn(true);
    }
    handOn(true);
    return bBad ? kExitBadInput : 0;
}

// The commands, each with the options it takes beside --game, --pays, --rules and --bet. Of
// several given, the later one in this list is run and names the others as not taken.
struct CCommand {
    const char* pszName;
    O eSelector;  // the option that picks it; Help for the default, ranking a deal
    std::vector<O> vecAlsoTakes;
};
const std::vector<CCommand>& Commands() {
    static const std::vector<CCommand> commands = {
        {"--hold", O::Hold, {O::Hands}}, {"--return", O::Return, {}},
        {"--strategy", O::Strategy, {}}, {"--chart-holds", O::ChartHolds, {}},
        {"ranking a deal", O::Help, {}},
    };
    return commands;
}

int RunChecked(const COddsOptions& options, COddsIo& io) {
    if (options.Has(O::Help)) {
        Print(io.out, kUsage, VariantNames().c_str(), Indented(FamilyNames() + ".").c_str(),
              FindGameVariant(kDefaultGame)->pszCommandName);
        return 0;
    }
    if (options.Has(O::Version)) {
        Print(io.out, "handfall-odds %s\n", HANDFALL_VERSION);
        return 0;
    }
    if (options.Has(O::List)) {
        if (options.vecGiven.size() > 1 || !options.vecCardWords.empty())
            return BadInput(io, "--list takes nothing else");
        return ListLibrary(io);
    }
    if (options.strPays == "list") {
        if (options.Has(O::Return) || options.Has(O::Strategy) || options.Has(O::ChartHolds) ||
            options.Has(O::Hold) || options.Has(O::Rules) || options.Has(O::Bet) ||
            options.Has(O::Hands) || !options.vecCardWords.empty())
            return BadInput(io, "--pays list takes only --game");
        return ListPayTables(options, io);
    }
    const CCommand* pCommand = &Commands().back();
    for (const CCommand& command : Commands())
        if (options.Has(command.eSelector)) pCommand = &command;
    for (O eOption : {O::Hands, O::Hold, O::Return, O::Strategy, O::ChartHolds}) {
        if (!options.Has(eOption) || eOption == pCommand->eSelector) continue;
        const auto& also = pCommand->vecAlsoTakes;
        if (std::find(also.begin(), also.end(), eOption) != also.end()) continue;
        const auto& specs = OddsOptionSpecs();
        const auto it = std::find_if(specs.begin(), specs.end(), [eOption](const COptionSpec& s) {
            return s.eOption == eOption;
        });
        if (pCommand->eSelector != O::Help)
            return BadInput(io, std::string(pCommand->pszName) + " takes no " + it->pszName);
        return BadInput(io, std::string(it->pszName) + " goes with " +
                                (eOption == O::Hands ? "--hold" : "five cards"));
    }
    if (options.Has(O::Hands) && !options.Has(O::Bet))
        return BadInput(io, "--hands and --bet go together");

    CRequest base;
    base.nBet = options.nBet.value_or(MAX_BET);
    base.nHands = options.nHands.value_or(0);
    std::vector<CRequest> vecRequests;
    if (options.pFamily != nullptr) {
        base.pszGame = options.pFamily->pszName;
        base.pFamily = options.pFamily;
        vecRequests.push_back(base);
    }
    for (const CGameVariant& variant : GameVariants()) {
        // A pay table is of one family: without --game it is the default game's.
        const bool bEvery = pCommand->eSelector == O::Return &&
                            (options.strPays.empty() || options.strPays == "as-built");
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
            return BadInput(io, strError);
    if (pCommand->eSelector != O::Help && pCommand->eSelector != O::Hold &&
        !options.vecCardWords.empty())
        return BadInput(io, std::string(pCommand->pszName) + " takes no cards");
    if (pCommand->eSelector == O::Return) return Returns(vecRequests, io);
    CRequest& request = vecRequests.front();
    if (pCommand->eSelector == O::Strategy) return PrintStrategy(request, io);
    if (pCommand->eSelector == O::ChartHolds) return ChartHolds(request, io);
    if (std::string strError =
            ReadDeal(options.vecCardWords, request.table.Family(), request.arrCodes);
        !strError.empty())
        return BadInput(io, strError);
    if (pCommand->eSelector == O::Help) return RankDeal(request, io);
    if (std::string strError = ReadHold(options, request); !strError.empty())
        return BadInput(io, strError);
    return HoldOutcomes(request, io);
}

}  // namespace

int RunOdds(const std::vector<std::string>& vecArgs, COddsIo& io) {
    COddsOptions options;
    if (std::string strError = ReadOddsOptions(vecArgs, options); !strError.empty())
        return BadInput(io, strError);
    return RunChecked(options, io);
}
