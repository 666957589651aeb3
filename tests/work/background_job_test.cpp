// The background-job façade hands a result over only while its owner wants it, and a stopped
// job's owner may go while the job still runs.
#include "work/background_job.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Stands in for the window's event loop: posted tasks wait here until the test runs them.
class CTaskQueue {
public:
    CPostFunction Poster() {
        return [this](std::function<void()> task) {
            const std::lock_guard lock(m_mutex);
            m_tasks.push_back(std::move(task));
        };
    }
    void RunPosted() {
        std::deque<std::function<void()>> tasks;
        {
            const std::lock_guard lock(m_mutex);
            tasks.swap(m_tasks);
        }
        for (auto& task : tasks) task();
    }
    // Runs what is posted until bDone, or a long time has passed.
    template <class TDone>
    void RunUntil(TDone bDone) {
        const auto tEnd = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!bDone() && std::chrono::steady_clock::now() < tEnd) {
            RunPosted();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

private:
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_tasks;
};

void WaitForJobThreadsToEnd() {
    const auto tEnd = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (CBackgroundJob::LiveThreads() > 0 && std::chrono::steady_clock::now() < tEnd)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(CBackgroundJob::LiveThreads(), 0);
}

TEST(BackgroundJobTest, AJobHandsItsResultAndProgressToItsOwnersThreadAndMayStartTheNext) {
    CTaskQueue queue;
    CBackgroundJob job(queue.Poster());
    const std::thread::id owner = std::this_thread::get_id();
    std::vector<int> vecResults;
    std::vector<double> vecProgress;
    int nNice = 0;
    const auto work = [owner, &nNice](int nInput) {
        return [owner, &nNice, nInput](const CProgressFunction& progress) -> std::optional<int> {
            EXPECT_NE(std::this_thread::get_id(), owner);
            nNice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
            if (progress) progress(0.5);
            if (nInput < 0) return std::nullopt;
            return nInput * 2;
        };
    };
    job.Start(
        work(21),
        [&](int nResult) {
            EXPECT_FALSE(job.IsRunning());
            vecResults.push_back(nResult);
            job.Start(work(-1), [&](int) { ADD_FAILURE() << "an empty result was handed over"; });
        },
        [&](double dDone) { vecProgress.push_back(dDone); });
    EXPECT_TRUE(job.IsRunning());
    queue.RunUntil([&] { return !job.IsRunning(); });
    EXPECT_EQ(vecResults, std::vector<int>{42});
    EXPECT_EQ(vecProgress, std::vector<double>{0.5});
    EXPECT_GE(nNice, 10);  // it gives way to the window's thread
    WaitForJobThreadsToEnd();
}

// Holds a job whose handlers write into it, as a window does.
struct COwner {
    explicit COwner(CTaskQueue& queue) : job(queue.Poster()) {}
    int nDelivered = 0;
    int nProgress = 0;
    CBackgroundJob job;
};

TEST(BackgroundJobTest, AStoppedJobHandsOverNothingAndItsOwnerMayGoWhileItRuns) {
    for (const bool bFreeOwner : {false, true}) {
        SCOPED_TRACE(bFreeOwner ? "owner freed" : "stopped");
        CTaskQueue queue;
        auto pOwner = std::make_unique<COwner>(queue);
        auto pStarted = std::make_shared<std::atomic<bool>>(false);
        pOwner->job.Start(
            [pStarted](const CProgressFunction& progress) -> std::optional<int> {
                // Counts until stopped: the owner does not wait for the whole of it.
                ParallelFor(1 << 30, 1, [&](int, int) {
                    *pStarted = true;
                    std::this_thread::sleep_for(std::chrono::microseconds(100));
                }, progress);
                return 1;
            },
            [pOwner = pOwner.get()](int) { ++pOwner->nDelivered; },
            [pOwner = pOwner.get()](double) { ++pOwner->nProgress; });
        while (!*pStarted) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));  // some progress is posted
        if (bFreeOwner) {
            pOwner.reset();
        } else {
            pOwner->job.Stop();
            EXPECT_FALSE(pOwner->job.IsRunning());
        }
        WaitForJobThreadsToEnd();
        queue.RunPosted();  // what was posted before the stop runs nothing
        if (pOwner) {
            EXPECT_EQ(pOwner->nDelivered, 0);
            EXPECT_EQ(pOwner->nProgress, 0);
        }
    }
}

}  // namespace
