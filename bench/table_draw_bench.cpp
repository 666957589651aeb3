// One Draw of 50 hands at bet 5 over the recording host: filling, scoring and listing.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/random.h"
#include "support/recording_dialog_host.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "table/table_resources.h"

namespace {

struct Table {
    CMultiHandDlg dlg;
    CRecordingDialogHost host{MultiHandDialogTemplate()};
    Table() {
        host.Open(dlg);
        for (int i = 0; i < 4; ++i) host.SpinClick(IDC_SPIN_BET, 1);
    }
    ~Table() { dlg.OnCancel(); }
};

void BM_Draw50HandsBet5(benchmark::State& state) {
    CDefaultRandomSource source(1);
    CRandomSourceScope scope(&source);
    auto pTable = std::make_unique<Table>();
    for (auto _ : state) {
        state.PauseTiming();
        // Out of coins: the program is started again.
        if (!pTable->dlg.CanDeal()) pTable = std::make_unique<Table>();
        pTable->host.Click(IDC_DEAL);
        pTable->host.Click(IDC_HOLD1);
        pTable->host.Click(IDC_HOLD2);
        state.ResumeTiming();
        pTable->dlg.OnDraw();
    }
}
BENCHMARK(BM_Draw50HandsBet5)->Unit(benchmark::kMicrosecond);

}  // namespace
