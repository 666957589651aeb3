// The coach's "Costly decisions, newest first": every deal whose hold cost coins, the hold
// played against the best one
// and its grade; choosing a row shows that deal in the other rooms.
#pragma once

#include <QGroupBox>

class CCoach;
class CTrainer;
class QTreeWidget;
struct CCostlyDecision;

// No Q_OBJECT: to Qt, and so to screen readers, this stays a QGroupBox.
class CCostlySection : public QGroupBox {
public:
    CCostlySection(CCoach& coach, const CTrainer& trainer, QWidget* pParent);

    void Refresh();
    QTreeWidget* List() const { return m_pCostly; }

private:
    void AddRow(const CCostlyDecision& decision);

    CCoach& m_coach;
    const CTrainer& m_trainer;
    QTreeWidget* m_pCostly;
    int m_nCostlyShown = -1;
    double m_dGradedShare = -1.0;  // the minor share the rows were graded with
};
