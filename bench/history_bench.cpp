// The history's cost: one decision written (what it adds to a Draw), the progress window
// opened over 100,000 decisions (its figures read and its first frame painted), and the size
// of the file that holds them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include "ui/store/history_database.h"
#include "ui/training/progress_window.h"

namespace {

constexpr int kDecisions = 100000;
const char* const kLines[] = {"High Pair",  "4 to a Royal Flush", "Low Pair",     "4 to a Flush",
                              "Suited KQJ", "3 to a Royal Flush", "Unsuited JQK", "Suited QJ"};
const char* const kTables[] = {"Jacks or Better 9/6", "Jacks or Better 8/5",
                               "Double Double Bonus 10/6/40"};

// A row as play writes them: one decision in six a mistake, a day per thousand decisions.
CDecisionRecord Decision(int i) {
    CDecisionRecord record;
    record.strPlayedAt = QString("2026-%1-%2T%3:%4:07Z")
                             .arg(1 + i / 30000 % 12, 2, 10, QChar('0'))
                             .arg(1 + i / 1000 % 28, 2, 10, QChar('0'))
                             .arg(i / 60 % 24, 2, 10, QChar('0'))
                             .arg(i % 60, 2, 10, QChar('0'))
                             .toStdString();
    record.strTableName = kTables[i % 3];
    record.strFamily = i % 3 == 2 ? "double-double-bonus" : "jacks";
    record.nBet = 5;
    record.nHands = 50;
    record.strDeal = "Kh Qh 10d 7c 2s";
    record.strHeld = i % 6 == 0 ? "Kh Qh 10d" : "Kh Qh";
    record.strBest = "Kh Qh";
    record.dEvBest = 0.61234567;
    record.dEvHeld = i % 6 == 0 ? 0.51234567 : 0.61234567;
    record.chartLine = kLines[i % 8];
    record.eGrade = i % 6 == 0 ? EGrade::Major : EGrade::Correct;
    return record;
}

void BM_WriteOneDecision(benchmark::State& state) {
    QTemporaryDir dir;
    CHistoryDatabase history(dir.filePath("history.sqlite"));
    if (!history.Open().empty()) return state.SkipWithError("no database");
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(history.Append(Decision(i++)));
}
BENCHMARK(BM_WriteOneDecision)->Unit(benchmark::kMicrosecond);

// Made once: writing 100,000 decisions one by one takes a while.
struct CFullHistory {
    CFullHistory() {
        history.Open();
        for (int i = 0; i < kDecisions; ++i) history.Append(Decision(i));
    }
    QTemporaryDir dir;
    CHistoryDatabase history{dir.filePath("history.sqlite")};
};

CFullHistory& FullHistory() {
    static CFullHistory full;
    return full;
}

void BM_ProgressWindowOpens(benchmark::State& state) {
    CFullHistory& full = FullHistory();
    for (auto _ : state) {
        CProgressWindow window(nullptr);
        window.Fill(&full.history, "jacks", "Jacks or Better");
        window.show();
        window.repaint();
        QApplication::processEvents();
    }
    state.counters["decisions"] = full.history.Count();
}
BENCHMARK(BM_ProgressWindowOpens)->Unit(benchmark::kMillisecond)->Iterations(5);

// The part of opening that is the database's: the figures over time, and mastery.
void BM_ProgressFigures(benchmark::State& state) {
    CFullHistory& full = FullHistory();
    for (auto _ : state) {
        if (state.range(0) == 0) benchmark::DoNotOptimize(full.history.Progress());
        if (state.range(0) == 1) benchmark::DoNotOptimize(full.history.Mastery("jacks"));
    }
}
BENCHMARK(BM_ProgressFigures)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SizeOf100000Decisions(benchmark::State& state) {
    CFullHistory& full = FullHistory();
    const QString strPath = full.history.GetPath();
    for (auto _ : state) benchmark::DoNotOptimize(full.history.Count());
    state.counters["MB"] =
        static_cast<double>(QFileInfo(strPath).size() + QFileInfo(strPath + "-wal").size()) /
        (1024.0 * 1024.0);
}
BENCHMARK(BM_SizeOf100000Decisions)->Iterations(1);

}  // namespace
