// The outcome tables of a run: one per family and rules, built once, when first asked for, and
// shared by whoever asks (the coach, Best Hold, the pay-table returns, handfall-odds).
#pragma once

#include <memory>

#include "analysis/outcome_table.h"

// The table, built on the calling thread the first time (progress told there), waited for when
// another thread is building it. Callers with a window call it off the window's thread. Null
// when the calling thread's work is stopped (see CStoppableWork): a stopped build is never kept.
std::shared_ptr<const COutcomeTable> SharedOutcomeTable(const CFamily& family, const CRules& rules,
                                                        const CProgressFunction& progress = {});
// The table if it is built already, else null; never waits.
std::shared_ptr<const COutcomeTable> FindOutcomeTable(const CFamily& family, const CRules& rules);
