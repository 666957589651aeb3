#include "cli/odds_chart_modes.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "cli/odds_output.h"
#include "model/echo_text.h"
#include "strategy/chart_cache.h"
#include "strategy/chart_generator.h"

namespace {

// "123/456", reduced.
std::string FractionText(const CGameReturn& value) {
    const std::int64_t nDivisor = std::gcd(value.nNumerator, value.nDenominator);
    std::string strText = std::to_string(value.nNumerator / nDivisor);
    strText += '/';
    strText += std::to_string(value.nDenominator / nDivisor);
    return strText;
}

std::shared_ptr<const CStrategyChart> MakeChart(const COddsOptions& options,
                                                const CRequest& request, COddsIo& io) {
    CProgressLine progress(io, request.pszGame);
    auto pChart = SharedStrategyChart(
        request.table, request.nBet, progress.Stage("making the chart"),
        options.Has(EOddsOption::Simple) ? EChartKind::Simple : EChartKind::WithExceptions);
    progress.Done();
    return pChart;
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

}  // namespace

int PrintStrategy(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io) {
    const CRequest& request = vecRequests.front();
    const std::shared_ptr<const CStrategyChart> pChart = MakeChart(options, request, io);
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
        for (const CChartException& exception : line.vecExceptions)
            Print(io.out, "        %s\n", ExceptionText(vecLines, i, exception).c_str());
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

int ChartHolds(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io) {
    const CRequest& request = vecRequests.front();
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
                if (!pChart) pChart = MakeChart(options, request, io);
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
