// How soon the table answers a click while the engine works in the background: a hold toggled
// and the window painted, timed click by click, beside the same clicks with nothing running.
// The background does what the coach and Pay Tables do when games are first played, table
// after table of the library: a family counted and a return (1), or a strategy chart, the
// heaviest job there is (2); each on a thread that gives way to the window's, as theirs do.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QtTest/QTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "analysis/outcome_table.h"
#include "games/pay_table_library.h"
#include "platform/qt/qt_dialog_host.h"
#include "strategy/chart_generator.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "ui/desktop_integration.h"
#include "work/parallel_for.h"

namespace {

// Counts families over and over until stopped, as a background job runs.
class CBackgroundCounting {
public:
    explicit CBackgroundCounting(bool bCharts) {
        m_worker = std::thread([this, bCharts] {
            const CStoppableWork work(m_bStop);
            LowerThisThreadPriority();
            for (std::size_t i = 0; !work.IsStopped(); ++i) {
                const CLibraryPayTable& entry = PayTableLibrary()[i % PayTableLibrary().size()];
                const COutcomeTable counts(entry.table.Family(), entry.table.rules);
                if (bCharts)
                    benchmark::DoNotOptimize(GenerateChart(counts, entry.table, 5));
                else
                    benchmark::DoNotOptimize(counts.ComputeReturn(entry.table, 5));
                ++m_nJobs;
            }
        });
    }
    ~CBackgroundCounting() {
        m_bStop = true;
        m_worker.join();
    }
    int Jobs() const { return m_nJobs; }

private:
    std::atomic<bool> m_bStop{false};
    std::atomic<int> m_nJobs{0};
    std::thread m_worker;
};

void BM_ClickAnswered(benchmark::State& state) {
    SetUpDesktopIntegration(*qApp);
    CMultiHandDlg dlg;
    CQtDialogHost host(dlg, nullptr);
    SetUpDialogHost(host);
    dlg.OnInitDialog();
    host.show();
    QApplication::processEvents();
    qobject_cast<QPushButton*>(host.GetControl(IDC_DEAL))->click();
    auto* pHold = qobject_cast<QPushButton*>(host.GetControl(IDC_HOLD1));

    std::unique_ptr<CBackgroundCounting> pBackground;
    if (state.range(0) != 0) {
        pBackground = std::make_unique<CBackgroundCounting>(state.range(0) == 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::vector<double> vecMs;
    for (auto _ : state) {
        const auto tStart = std::chrono::steady_clock::now();
        QTest::mouseClick(pHold, Qt::LeftButton);
        host.repaint();
        QApplication::processEvents();
        vecMs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - tStart)
                .count());
        // A player clicks a few times a second, not without pause.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (pBackground) state.counters["background_jobs"] = pBackground->Jobs();
    pBackground.reset();
    dlg.OnCancel();
    std::sort(vecMs.begin(), vecMs.end());
    state.counters["median_ms"] = vecMs[vecMs.size() / 2];
    state.counters["p99_ms"] = vecMs[vecMs.size() * 99 / 100];
    state.counters["max_ms"] = vecMs.back();
}
BENCHMARK(BM_ClickAnswered)
    ->ArgName("background")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
