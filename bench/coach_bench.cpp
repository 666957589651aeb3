// The coach window's cost at the table: its update after a hold toggle (the coach's figures,
// the window's texts, then the frame that paints them), what it adds to a Draw of 50 hands,
// and its update when another pay table is chosen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>
#include <string>
#include <vector>

#include "analysis/outcome_cache.h"
#include "games/game.h"
#include "games/game_variants.h"
#include "games/pay_table_library.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/random.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "ui/coach/coach_window.h"
#include "ui/ui_setup.h"

namespace {

// The table on its real host, with or without the coach's window open beside it.
struct CTable {
    explicit CTable(bool bCoach) : host(dlg, nullptr) {
        dlg.OnInitDialog();
        host.show();
        if (!bCoach) return;
        pCoach = new CCoachWindow(dlg, &host);
        pCoach->ShowBesideTable();
        while (pCoach->IsWorking()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        QApplication::processEvents();
    }
    ~CTable() { dlg.OnCancel(); }
    // Each deal costs coins: with one hand in play the purse lasts a thousand deals.
    void PlayOneHand() {
        NMUPDOWN nm{{IDC_SPIN_HANDS, UDN_DELTAPOS}, dlg.GetHandsInPlay(), 1 - dlg.GetHandsInPlay()};
        LRESULT result = 0;
        dlg.OnNotify(IDC_SPIN_HANDS, &nm.hdr, &result);
    }

    CMultiHandDlg dlg;
    CQtDialogHost host;
    CCoachWindow* pCoach = nullptr;  // owned by the host
};

// A hold toggle after holding card 1: releasing it keeps nothing (1,533,939 draws, the worst
// hold), holding card 2 as well keeps two (16,215 draws, the median of the 32 holds). Measured
// at the table alone (the baseline), with the coach's update (its figures and texts), and with
// that update laid out and painted as the next frame.
void BM_CoachUpdateAfterHoldToggle(benchmark::State& state) {
    CDefaultRandomSource source(7);
    CRandomSourceScope scope(&source);
    const int nWindow = static_cast<int>(state.range(1));  // 0 none, 1 update, 2 update and paint
    CTable table(nWindow != 0);
    table.PlayOneHand();
    const int nToggle = state.range(0) == 0 ? IDC_HOLD1 : IDC_HOLD2;
    for (auto _ : state) {
        state.PauseTiming();
        table.dlg.OnCommand(IDC_DEAL);
        table.dlg.OnCommand(IDC_HOLD1);
        QApplication::processEvents();
        state.ResumeTiming();
        table.dlg.OnCommand(nToggle);
        if (nWindow == 2) QApplication::processEvents();
        state.PauseTiming();
        table.dlg.OnCommand(IDC_DRAW);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CoachUpdateAfterHoldToggle)
    ->ArgNames({"held", "coach"})
    ->ArgsProduct({{0, 2}, {0, 1, 2}})
    ->Iterations(500)
    ->Unit(benchmark::kMicrosecond);

// A Draw of 50 hands (two cards held), with the coach's window open (1) or not (0). The purse
// lasts a few dozen such deals, so each repetition starts a table of its own.
void BM_Draw50Hands(benchmark::State& state) {
    CDefaultRandomSource source(1);
    CRandomSourceScope scope(&source);
    CTable table(state.range(0) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        if (!table.dlg.CanDeal()) {
            state.SkipWithError("out of coins");
            break;
        }
        table.dlg.OnCommand(IDC_DEAL);
        table.dlg.OnCommand(IDC_HOLD1);
        table.dlg.OnCommand(IDC_HOLD2);
        QApplication::processEvents();
        state.ResumeTiming();
        table.dlg.OnDraw();
    }
}
BENCHMARK(BM_Draw50Hands)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(15)
    ->Repetitions(5)
    ->Unit(benchmark::kMicrosecond);

// Choosing another pay table with the coach open and a deal drawn, both tables' counts built:
// the coach's figures and texts brought up to date and painted (target: under 50 ms).
void BM_CoachAfterChoosingAPayTable(benchmark::State& state) {
    CDefaultRandomSource source(3);
    CRandomSourceScope scope(&source);
    SharedOutcomeTable(GetFamily("jacks"), kCasinoRules);
    CTable table(true);
    table.dlg.OnCommand(IDC_DEAL);
    table.dlg.OnCommand(IDC_DRAW);
    QApplication::processEvents();
    const CPayTable& jacks96 = FindLibraryPayTable(GetFamily("jacks"), 0, "9/6")->table;
    bool bCasino = false;
    for (auto _ : state) {
        bCasino = !bCasino;
        table.dlg.SetPayTable(GAME_JACKS_OR_BETTER,
                              bCasino ? jacks96 : AsBuiltPayTable(GAME_JACKS_OR_BETTER));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CoachAfterChoosingAPayTable)->Iterations(100)->Unit(benchmark::kMillisecond);

// The first library table of six families, 52 and 53 cards, with and without wild cards.
std::vector<const CLibraryPayTable*> SixFamilies() {
    std::vector<const CLibraryPayTable*> vecTables;
    for (const char* pszFamily :
         {"jacks", "bonus", "double-double-bonus", "triple-bonus", "deuces", "joker"})
        for (const CLibraryPayTable& entry : PayTableLibrary())
            if (entry.table.pFamily == &GetFamily(pszFamily)) {
                vecTables.push_back(&entry);
                break;
            }
    return vecTables;
}

// The resident memory of the process, in megabytes.
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string strLine; std::getline(status, strLine);)
        if (strLine.rfind("VmRSS:", 0) == 0) return std::stod(strLine.substr(6)) / 1024.0;
    return 0.0;
}

// Six families played, a deal drawn in each, with the coach's window open (1) and its charts
// made, against the table alone (0) (target: under 100 MB with the coach).
void BM_MemoryAfterSixFamilies(benchmark::State& state) {
    CDefaultRandomSource source(5);
    CRandomSourceScope scope(&source);
    const bool bCoach = state.range(0) != 0;
    for (auto _ : state) {
        CTable table(bCoach);
        table.PlayOneHand();
        for (const CLibraryPayTable* pEntry : SixFamilies()) {
            const CPayTable& payTable = pEntry->table;
            table.dlg.SetPayTable(GAME_JACKS_OR_BETTER, payTable);
            table.dlg.OnCommand(IDC_DEAL);
            table.dlg.OnCommand(IDC_DRAW);
            QApplication::processEvents();
            while (table.pCoach && table.pCoach->IsWorking())
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        QApplication::processEvents();
        state.counters["rss_MB"] = ResidentMegabytes();
    }
}
BENCHMARK(BM_MemoryAfterSixFamilies)
    ->ArgName("coach")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
