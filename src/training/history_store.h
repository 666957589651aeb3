// Where the decisions are kept. The game keeps them in a database; the rules that read them
// (drills, mastery, progress) see only this, so they are tested on a list in memory.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "training/decision_record.h"
#include "training/progress.h"

class CHistoryStore {
public:
    virtual ~CHistoryStore() = default;
    // Keeps one decision, whole or not at all; "" or why it was not kept.
    virtual std::string Append(const CDecisionRecord& record) = 0;
    // Every decision, oldest first.
    virtual std::vector<CDecisionRecord> Load() const = 0;
    // Forgets every decision; "" or why not.
    virtual std::string Clear() = 0;
    // The progress figures; a store that can add them up itself faster says so here.
    virtual std::vector<CProgressPoint> Progress() const { return ProgressOverTime(Load()); }
    virtual std::vector<CMastery> Mastery(const std::string& strFamily) const {
        return MasteryByClass(Load(), strFamily);
    }
};

// The decisions in a list, for tests and drills that need no file.
class CMemoryHistory : public CHistoryStore {
public:
    CMemoryHistory() = default;
    explicit CMemoryHistory(std::vector<CDecisionRecord> vecRecords)
        : m_vecRecords(std::move(vecRecords)) {}

    std::string Append(const CDecisionRecord& record) override {
        m_vecRecords.push_back(record);
        return "";
    }
    std::vector<CDecisionRecord> Load() const override { return m_vecRecords; }
    std::string Clear() override {
        m_vecRecords.clear();
        return "";
    }

private:
    std::vector<CDecisionRecord> m_vecRecords;
};
