#include "analysis/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/afx.h"

namespace {

int WorkerCount() {
    const unsigned nCores = std::thread::hardware_concurrency();
    return std::clamp(static_cast<int>(nCores), 1, 16);
}

}  // namespace

void ParallelFor(int nItems, int nChunk, const std::function<void(int nBegin, int nEnd)>& work,
                 const CProgressFunction& progress) {
    ASSERT(nItems >= 0 && nChunk > 0);
    if (nItems <= 0 || nChunk <= 0) {
        if (progress) progress(1.0);
        return;
    }
    std::atomic<int> nNext{0};
    std::atomic<int> nDone{0};
    const auto runChunks = [&](bool bReport) {
        using Clock = std::chrono::steady_clock;
        auto tLast = Clock::now();
        for (;;) {
            const int nBegin = nNext.fetch_add(nChunk);
            if (nBegin >= nItems) break;
            const int nEnd = std::min(nItems, nBegin + nChunk);
            work(nBegin, nEnd);
            const int nNow = nDone.fetch_add(nEnd - nBegin) + (nEnd - nBegin);
            if (bReport && Clock::now() - tLast > std::chrono::milliseconds(200)) {
                tLast = Clock::now();
                progress(static_cast<double>(nNow) / nItems);
            }
        }
    };

    std::vector<std::thread> workers;
    const int nWorkers = std::min(WorkerCount(), (nItems + nChunk - 1) / nChunk);
    for (int i = 1; i < nWorkers; ++i) workers.emplace_back(runChunks, false);
    runChunks(static_cast<bool>(progress));
    for (std::thread& worker : workers) worker.join();
    if (progress) progress(1.0);
}

CProgressFunction ScaledProgress(const CProgressFunction& progress, double dFrom, double dTo) {
    if (!progress) return {};
    return [progress, dFrom, dTo](double dDone) { progress(dFrom + (dTo - dFrom) * dDone); };
}
