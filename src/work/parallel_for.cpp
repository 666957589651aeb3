#include "work/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

#include "platform/afx.h"

namespace {

// Plain atomics only: they are never destroyed, so exit handlers may use them in any order.
std::atomic<bool> g_bStopAll{false};
std::atomic<int> g_nBusy{0};  // threads inside a chunk run or a CStoppableWork scope
thread_local const std::atomic<bool>* t_pStop = nullptr;  // the innermost scope's flag
thread_local int t_nBusyDepth = 0;

int WorkerCount() {
    const unsigned nCores = std::thread::hardware_concurrency();
    return std::clamp(static_cast<int>(nCores), 1, 16);
}

void LeaveBusy() {
    if (--t_nBusyDepth > 0) return;
    g_nBusy.fetch_sub(1);
    g_nBusy.notify_all();
}

// The process is ending: wait here for it, holding nothing, touching nothing.
[[noreturn]] void Park() {
    if (t_nBusyDepth > 0) {
        t_nBusyDepth = 1;
        LeaveBusy();
    }
    for (;;) g_bStopAll.wait(true);
}

// Counted before the flag is read, so StopAllParallelWork either sees this thread or is seen.
void EnterBusy(bool bMayPark = true) {
    if (t_nBusyDepth++ == 0) g_nBusy.fetch_add(1);
    if (bMayPark && g_bStopAll) Park();
}

bool ShouldStop(const std::atomic<bool>* pStop) {
    if (g_bStopAll) Park();
    return pStop != nullptr && pStop->load(std::memory_order_relaxed);
}

}  // namespace

void ParallelFor(int nItems, int nChunk, const std::function<void(int nBegin, int nEnd)>& work,
                 const CProgressFunction& progress) {
    ASSERT(nItems >= 0 && nChunk > 0);
    const std::atomic<bool>* pStop = t_pStop;
    EnterBusy();
    struct CLeave {
        ~CLeave() { LeaveBusy(); }
    } leave;
    if (ShouldStop(pStop)) return;
    if (nItems <= 0 || nChunk <= 0) {
        if (progress) progress(1.0);
        return;
    }
    std::atomic<int> nNext{0};
    std::atomic<int> nDone{0};
    // A helper that sees the end of the process returns rather than parks: its caller may be
    // waiting to join it before it parks itself.
    const auto runChunks = [&](bool bReport) {
        using Clock = std::chrono::steady_clock;
        auto tLast = Clock::now();
        for (;;) {
            if (g_bStopAll || (pStop != nullptr && pStop->load(std::memory_order_relaxed))) break;
            const int nBegin = nNext.fetch_add(nChunk);
            if (nBegin >= nItems) break;
            const int nEnd = std::min(nItems, nBegin + nChunk);
            work(nBegin, nEnd);
            const int nNow = nDone.fetch_add(nEnd - nBegin) + (nEnd - nBegin);
            if (bReport && Clock::now() - tLast > std::chrono::milliseconds(200) &&
                !ShouldStop(pStop)) {
                tLast = Clock::now();
                progress(static_cast<double>(nNow) / nItems);
            }
        }
    };
    const auto runHelper = [&] {
        EnterBusy(false);
        runChunks(false);
        LeaveBusy();
    };

    std::vector<std::thread> workers;
    const int nWorkers = std::min(WorkerCount(), (nItems + nChunk - 1) / nChunk);
    for (int i = 1; i < nWorkers; ++i) workers.emplace_back(runHelper);
    runChunks(static_cast<bool>(progress));
    for (std::thread& worker : workers) worker.join();
    if (ShouldStop(pStop)) return;
    if (progress) progress(1.0);
}

CProgressFunction ScaledProgress(const CProgressFunction& progress, double dFrom, double dTo) {
    if (!progress) return {};
    return [progress, dFrom, dTo](double dDone) { progress(dFrom + (dTo - dFrom) * dDone); };
}

CStoppableWork::CStoppableWork(const std::atomic<bool>& bStop) : m_bStop(bStop), m_pOuter(t_pStop) {
    t_pStop = &m_bStop;
    EnterBusy();
}

CStoppableWork::~CStoppableWork() {
    t_pStop = m_pOuter;
    LeaveBusy();
}

bool CStoppableWork::IsStopped() const {
    return m_bStop || g_bStopAll;
}

// On Linux a nice value is the thread's own, and threads it starts inherit it.
void LowerThisThreadPriority() {
    errno = 0;
    const int nNice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    if (errno == 0 && nNice < 10) setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
}

bool IsParallelWorkStopped() {
    return g_bStopAll || (t_pStop != nullptr && t_pStop->load(std::memory_order_relaxed));
}

void StopAllParallelWork() {
    g_bStopAll = true;
    // An exit handler run by a thread doing such work must not wait for itself.
    const int nOwn = t_nBusyDepth > 0 ? 1 : 0;
    for (int n = g_nBusy.load(); n > nOwn; n = g_nBusy.load()) g_nBusy.wait(n);
}
