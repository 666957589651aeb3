#include "cli/odds_deal_modes.h"

#include <cmath>

#include "analysis/card_code.h"
#include "cli/odds_output.h"

int RankDeal(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io) {
    CRequest& request = vecRequests.front();
    if (std::string strError =
            ReadDeal(options.vecCardWords, request.table.Family(), request.arrCodes);
        !strError.empty())
        return BadInput(io, strError);
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

int HoldOutcomes(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io) {
    CRequest& request = vecRequests.front();
    if (std::string strError =
            ReadDeal(options.vecCardWords, request.table.Family(), request.arrCodes);
        !strError.empty())
        return BadInput(io, strError);
    if (std::string strError = ReadHold(options, request); !strError.empty())
        return BadInput(io, strError);
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
