// The shared tables under callers at once: one build for all who wait, and a stopped build or
// waiter gets nothing and leaves nothing behind.
#include "analysis/outcome_cache.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <vector>

#include "work/parallel_for.h"

namespace {

TEST(OutcomeCacheTest, AStoppedBuildIsNotKeptAndItsWaitersShareTheNextOne) {
    const CFamily& family = GetFamily("tens");  // as built: no other test of the program asks
    const auto request = [&family](bool bStopped) {
        return std::async(std::launch::async, [&family, bStopped] {
            const std::atomic<bool> bStop{bStopped};
            const CStoppableWork work(bStop);
            return SharedOutcomeTable(family, kAsBuiltRules);
        });
    };
    std::future<std::shared_ptr<const COutcomeTable>> stoppedWaiter;
    std::vector<std::future<std::shared_ptr<const COutcomeTable>>> vecWaiters;
    std::future_status stoppedWaiterStatus = std::future_status::deferred;
    std::atomic<bool> bStop{false};
    const CStoppableWork work(bStop);
    // Halfway through the first build, callers come; then it is stopped.
    EXPECT_EQ(SharedOutcomeTable(family, kAsBuiltRules,
                                 [&](double) {
                                     if (stoppedWaiter.valid()) return;
                                     stoppedWaiter = request(true);
                                     stoppedWaiterStatus =
                                         stoppedWaiter.wait_for(std::chrono::seconds(5));
                                     for (int i = 0; i < 3; ++i)
                                         vecWaiters.push_back(request(false));
                                     bStop = true;
                                 }),
              nullptr);
    EXPECT_EQ(stoppedWaiterStatus, std::future_status::ready) << "a stopped waiter leaves at once";
    EXPECT_EQ(stoppedWaiter.get(), nullptr);
    std::vector<std::shared_ptr<const COutcomeTable>> vecTables;
    for (auto& waiter : vecWaiters) vecTables.push_back(waiter.get());
    ASSERT_NE(vecTables.front(), nullptr);
    for (const auto& pTable : vecTables) EXPECT_EQ(pTable, vecTables.front());
    EXPECT_EQ(FindOutcomeTable(family, kAsBuiltRules), vecTables.front());
}

}  // namespace
