#include "analysis/outcome_cache.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace {

struct CEntry {
    const CFamily* pFamily;
    CRules rules;
    bool bBuilding = false;
    std::shared_ptr<const COutcomeTable> pTable;
};

// Never destroyed: a worker still building when the process exits finds it whole.
struct CCache {
    std::mutex mutex;
    std::condition_variable built;
    std::vector<CEntry> vecEntries;

    CEntry& Entry(const CFamily& family, const CRules& rules) {
        for (CEntry& entry : vecEntries)
            if (entry.pFamily == &family && entry.rules == rules) return entry;
        vecEntries.push_back(CEntry{&family, rules, false, nullptr});
        return vecEntries.back();
    }
};

CCache& Cache() {
    static CCache* s_pCache = new CCache;
    return *s_pCache;
}

}  // namespace

std::shared_ptr<const COutcomeTable> SharedOutcomeTable(const CFamily& family, const CRules& rules,
                                                        const CProgressFunction& progress) {
    CCache& cache = Cache();
    {
        std::unique_lock lock(cache.mutex);
        // Waited for in short steps: a stopped waiter must leave even if the builder never ends.
        while (cache.Entry(family, rules).bBuilding) {
            if (IsParallelWorkStopped()) return nullptr;
            cache.built.wait_for(lock, std::chrono::milliseconds(50));
        }
        CEntry& entry = cache.Entry(family, rules);
        if (entry.pTable) return entry.pTable;
        entry.bBuilding = true;
    }
    auto pTable = std::make_shared<const COutcomeTable>(family, rules, progress);
    if (IsParallelWorkStopped()) pTable.reset();  // incomplete
    {
        std::lock_guard lock(cache.mutex);
        CEntry& entry = cache.Entry(family, rules);
        entry.pTable = pTable;
        entry.bBuilding = false;
    }
    cache.built.notify_all();
    return pTable;
}

std::shared_ptr<const COutcomeTable> FindOutcomeTable(const CFamily& family, const CRules& rules) {
    CCache& cache = Cache();
    std::lock_guard lock(cache.mutex);
    return cache.Entry(family, rules).pTable;
}
