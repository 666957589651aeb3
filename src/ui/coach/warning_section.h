// The coach's "Warning": on request, a draw whose hold costs more than a threshold is held
// back once, with the cost and the best hold said, and a second Draw goes ahead.
#pragma once

#include <QGroupBox>

class CCoach;
class CCoachFigure;
class CMultiHandDlg;
class QCheckBox;
class QComboBox;

// No Q_OBJECT: to Qt, and so to screen readers, this stays a QGroupBox.
class CWarningSection : public QGroupBox {
public:
    // pTable is the table's window, given the keyboard back by "Change the Hold".
    CWarningSection(const CCoach& coach, CMultiHandDlg& dlg, QWidget* pTable, QWidget* pParent);

    // Before a Draw: true when the warning is on and the hold costs more than its threshold; it
    // is then shown instead of the draw, and a second Draw with the same hold goes ahead.
    bool HoldsBackDraw();
    // A hold changed or the deal drawn: the warning was for a hold that is no longer there.
    void Refresh();
    QCheckBox* WarnBox() const { return m_pWarn; }
    QComboBox* Threshold() const { return m_pThreshold; }

private:
    void BuildChoice();
    void BuildPrompt();
    // The setting kept for the next run, and the threshold offered only with the warning on.
    void SaveChoice();
    // The table's hold as a mask, bit i for card i.
    int HeldMask() const;

    const CCoach& m_coach;
    CMultiHandDlg& m_dlg;
    QWidget* m_pTable;
    QCheckBox* m_pWarn = nullptr;
    QComboBox* m_pThreshold = nullptr;
    QWidget* m_pPrompt = nullptr;
    CCoachFigure* m_pPromptText = nullptr;
    int m_nWarnedDeal = 0;  // the deal and hold the warning was shown for
    int m_nWarnedMask = -1;
};
