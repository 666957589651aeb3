// The trainer that remembers: it hears of each decision from the coach as soon as the coach has
// valued it, grades it, keeps it in the history and adds the same-cards figures of the session.
// It follows the table too, so that a new session starts its figures afresh. Without a history
// (none given, or one that failed) play and the figures go on; the reason is kept to be shown.
#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "table/table_observer.h"
#include "training/grade.h"
#include "training/same_cards.h"

class CCoach;
struct CCoachDeal;
class CHistoryStore;

class CTrainer : public CTableObserver {
public:
    // Takes the coach's decision handler; the coach outlives the trainer or forgets it first.
    explicit CTrainer(CCoach& coach);
    ~CTrainer() override;

    void OnTableChanged(const CMultiHandDlg& dlg, ETableEvent eEvent) override;

    // The history the decisions go to, not owned; null leaves them unkept.
    void SetStore(CHistoryStore* pStore) { m_pStore = pStore; }
    CHistoryStore* GetStore() const { return m_pStore; }
    // History off, and why, in a few words ("the file is not a database").
    void TurnHistoryOff(std::string strWhy);
    const std::string& GetHistoryOffReason() const { return m_strOffReason; }

    double GetMinorShare() const { return m_dMinorShare; }
    void SetMinorShare(double dShare) { m_dMinorShare = dShare; }
    EGrade Grade(const CCoachDeal& deal) const;
    // Told of each decision after it is kept, graded.
    void SetDecidedHandler(std::function<void(const CCoachDeal&, EGrade)> decided) {
        m_decided = std::move(decided);
    }

    // Over the session's valued decisions.
    const CSameCards& GetSessionSameCards() const { return m_session; }
    int GetDecisionCount() const { return m_nDecisions; }

    // The clock rows are stamped with; tests fix it.
    void SetClock(std::function<std::time_t()> clock) { m_clock = std::move(clock); }

private:
    void OnDecision(const CCoachDeal& deal);

    CCoach& m_coach;
    CHistoryStore* m_pStore = nullptr;
    std::string m_strOffReason;
    double m_dMinorShare = kDefaultMinorShare;
    CSameCards m_session;
    int m_nDecisions = 0;
    std::function<std::time_t()> m_clock;
    std::function<void(const CCoachDeal&, EGrade)> m_decided;
};
