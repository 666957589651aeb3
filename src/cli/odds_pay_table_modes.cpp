#include "cli/odds_pay_table_modes.h"

#include <algorithm>
#include <cmath>

#include "analysis/break_even.h"
#include "analysis/play_figures.h"

#include "cli/odds_output.h"
#include "games/game_variants.h"
#include "games/pay_table_library.h"

int Returns(const COddsOptions&, std::vector<CRequest>& vecRequests, COddsIo& io) {
    std::vector<CPlayFigures> vecFigures;
    for (const CRequest& request : vecRequests) {
        CProgressLine progress(io, request.pszGame);
        const COutcomeTable& table = Counts(request.table, progress.Stage("counting every hand"));
        vecFigures.push_back(ComputePlayFigures(table, request.table, request.nBet,
                                                progress.Stage("best hold of every deal")));
        progress.Done();
    }
    Print(io.out, "Return to the player with the best hold on every deal:\n");
    for (std::size_t i = 0; i < vecRequests.size(); ++i) {
        const CRequest& request = vecRequests[i];
        const CPlayFigures& figures = vecFigures[i];
        Print(io.out, "  %-16s %11.7f %%", request.pszGame, figures.gameReturn.dReturn * 100.0);
        if (!request.bAsBuilt)
            Print(io.out, "  %s at %s", request.table.strName.c_str(),
                  CoinsText(request.nBet).c_str());
        io.out << "\n";
        Print(io.out, "    variance  %.4f\n", figures.dVariance);
        if (request.nHands > 0) {
            Print(io.out, "    covariance of two hands of one deal  %.4f\n", figures.dCovariance);
            Print(io.out, "    standard deviation of a round of %d hands  %.4f bets\n",
                  request.nHands, figures.RoundDeviation(request.nHands));
        }
    }
    return 0;
}

int BreakEvens(const COddsOptions&, std::vector<CRequest>& vecRequests, COddsIo& io) {
    std::vector<double> vecPays;
    for (const CRequest& request : vecRequests) {
        CProgressLine progress(io, request.pszGame);
        const COutcomeTable& table = Counts(request.table, progress.Stage("counting every hand"));
        vecPays.push_back(BreakEvenRoyalPay(table, request.table, request.nBet,
                                            progress.Stage("best holds at each royal")));
        progress.Done();
    }
    Print(io.out, "The royal flush's pay at which the return is 100 %%:\n");
    for (std::size_t i = 0; i < vecRequests.size(); ++i) {
        const CRequest& request = vecRequests[i];
        Print(io.out, "  %-16s ", request.pszGame);
        if (vecPays[i] < 0) {
            Print(io.out, "no natural royal flush");
        } else {
            const long long nPay = static_cast<long long>(std::ceil(vecPays[i] - 1e-9));
            Print(io.out, "%s per coin = %s coins at %s (exactly %.3f)",
                  GroupedNumber(nPay).c_str(), GroupedNumber(nPay * request.nBet).c_str(),
                  CoinsText(request.nBet).c_str(), vecPays[i]);
        }
        if (!request.bAsBuilt) Print(io.out, "  %s", request.table.strName.c_str());
        io.out << "\n";
    }
    return 0;
}

int ListPayTables(const COddsOptions& options, std::vector<CRequest>&, COddsIo& io) {
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

int ListLibrary(const COddsOptions&, std::vector<CRequest>&, COddsIo& io) {
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
