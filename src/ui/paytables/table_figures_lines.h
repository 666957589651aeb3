// Below each game's chooser in Pay Tables, what its chosen table does over time: the variance
// of a hand's pay and the royal's pay at which the table breaks even. A break-even takes a few
// passes over every deal, so only the chosen tables' are worked out, one at a time, in the
// background.
#pragma once

#include <QObject>

#include <map>
#include <string>
#include <vector>

#include "games/pay_table.h"
#include "ui/work/window_job.h"

class QLabel;
class QWidget;

class CTableFiguresLines : public QObject {
public:
    explicit CTableFiguresLines(QObject* pOwner) : QObject(pOwner) {}

    // The line of a game, made once.
    QLabel* MakeLine(int nGame, QWidget* pParent);
    // The table the game plays now: its line shows its figures, or says they are coming.
    void Show(int nGame, const CPayTable& table);
    bool IsWorking() const { return m_job.IsRunning(); }

    // "Variance 19.5147 at 5 coins; the royal breaks even at 1,734 per coin (8,670 coins at 5
    // coins)".
    static QString Text(double dVariance, double dBreakEven);

private:
    struct CFigures {
        double dVariance;
        double dBreakEven;  // per coin at 5 coins; -1 without a natural royal
    };
    void Refresh();
    void ComputeNext();

    CWindowJob m_job{this};
    std::map<int, QLabel*> m_mapLines;             // by game code
    std::map<int, CPayTable> m_mapTables;          // by game code
    std::map<std::string, CFigures> m_mapFigures;  // by what a table pays
};
