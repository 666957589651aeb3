// The coach's "Training": the grade of the deal in view, what the best hold would have won on
// the very cards the draw gave (this deal and the session), where the history is kept or why it
// is off, and the share of the bet below which a mistake counts as minor.
#pragma once

#include "ui/coach/coach_group.h"

class CCoach;
class CTrainer;
class QDoubleSpinBox;

// No Q_OBJECT: to Qt, and so to screen readers, this stays a CCoachGroup.
class CTrainingSection : public CCoachGroup {
public:
    CTrainingSection(const CCoach& coach, CTrainer& trainer, QWidget* pParent);

    void Refresh();
    QDoubleSpinBox* MinorShare() const { return m_pMinor; }
    // The share kept in the settings, or the default; applied to the trainer.
    static double KeptMinorShare();

private:
    void RefreshDeal();

    const CCoach& m_coach;
    CTrainer& m_trainer;
    CCoachFigure* m_pGrade;
    CCoachFigure* m_pBest;
    CCoachFigure* m_pSameDeal;
    CCoachFigure* m_pSameSession;
    CCoachFigure* m_pHistory;
    QDoubleSpinBox* m_pMinor;
};

// "1,240": coins as the coach writes them.
QString GroupedNumber(long long nValue);
