// Background work stops between chunks when asked, and says its result is incomplete.
#include "work/parallel_for.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

TEST(ParallelForTest, AStoppedBuildRunsNoMoreChunksAndToldNoEnd) {
    std::atomic<bool> bStop{false};
    const CStoppableWork work(bStop);
    std::atomic<int> nRun{0};
    double dLast = 0.0;
    ParallelFor(
        10000, 1,
        [&](int, int) {
            if (++nRun == 10) bStop = true;
        },
        [&](double dDone) { dLast = dDone; });
    EXPECT_TRUE(work.IsStopped());
    EXPECT_LT(nRun, 100);
    EXPECT_LT(dLast, 1.0);
    // What follows in the same build runs nothing.
    ParallelFor(100, 1, [&](int, int) { ++nRun; });
    EXPECT_LT(nRun, 100);
}

TEST(ParallelForTest, AnUnstoppedBuildRunsEveryItem) {
    std::atomic<bool> bStop{false};
    const CStoppableWork work(bStop);
    std::atomic<int> nRun{0};
    ParallelFor(1000, 7, [&](int nBegin, int nEnd) { nRun += nEnd - nBegin; });
    EXPECT_EQ(nRun, 1000);
    EXPECT_FALSE(work.IsStopped());
}

}  // namespace
