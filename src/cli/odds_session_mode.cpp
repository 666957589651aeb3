#include "cli/odds_session_mode.h"

#include <cmath>
#include <cstdio>

#include "analysis/session_outcomes.h"
#include "cli/odds_output.h"

namespace {

std::string Coins(double d) {
    return GroupedNumber(std::llround(d));
}

// A standard error in coins: to a tenth where it is small.
std::string Error(double d) {
    if (d >= 100.0) return Coins(d);
    char szText[16];
    std::snprintf(szText, sizeof szText, "%.1f", d);
    return szText;
}

void PrintOutcomes(const CSessionOutcomes& outcomes, COddsIo& io) {
    Print(io.out, "%-28s  %12s  %14s\n", "Result in coins", "estimate", "standard error");
    for (std::size_t i = 0; i < outcomes.arrPercentiles.size(); ++i) {
        const CEstimate& percentile = outcomes.arrPercentiles[i];
        Print(io.out, "  %-26s  %12s  %14s\n",
              (std::to_string(CSessionOutcomes::kPercents[i]) + "th percentile").c_str(),
              Coins(percentile.dValue).c_str(), Error(percentile.dError).c_str());
    }
    Print(io.out, "  %-26s  %12s  %14s\n", "mean", Coins(outcomes.mean.dValue).c_str(),
          Error(outcomes.mean.dError).c_str());
    Print(io.out, "Expected result were the coins never to give out  %s\n",
          Coins(outcomes.dExpected).c_str());
    Print(io.out, "Chance to end ahead  %.2f %%  standard error %.2f\n",
          outcomes.ahead.dValue * 100.0, outcomes.ahead.dError * 100.0);
    Print(io.out, "Chance to lose the bankroll before the end  %.2f %%  standard error %.2f\n",
          outcomes.ruin.dValue * 100.0, outcomes.ruin.dError * 100.0);
}

}  // namespace

int Sessions(const COddsOptions& options, std::vector<CRequest>& vecRequests, COddsIo& io) {
    if (!options.nBankroll || !options.nRounds)
        return BadInput(io, "--session needs --bankroll and --rounds");
    const CRequest& request = vecRequests.front();
    CSessionPlan plan;
    plan.nBankroll = *options.nBankroll;
    plan.nBet = request.nBet;
    plan.nHands = options.nHands.value_or(1);
    plan.nRounds = *options.nRounds;
    CProgressLine progress(io, request.pszGame);
    const COutcomeTable& table = Counts(request.table, progress.Stage("counting every hand"));
    const CRoundModel model(table, request.table, request.nBet,
                            progress.Stage("best hold of every deal"));
    const CSessionOutcomes outcomes =
        PlaySessions(model, plan, progress.Stage("playing the sessions"));
    progress.Done();
    Print(io.out, "%s: %s rounds of %d %s at %s a hand from %s coins\n", Title(request).c_str(),
          GroupedNumber(plan.nRounds).c_str(), plan.nHands, plan.nHands == 1 ? "hand" : "hands",
          CoinsText(plan.nBet).c_str(), GroupedNumber(plan.nBankroll).c_str());
    Print(io.out,
          "Best hold on every deal; %s sessions played, each round drawn from its exact "
          "distribution.\n",
          GroupedNumber(outcomes.nSessions).c_str());
    PrintOutcomes(outcomes, io);
    return 0;
}
