#include "ui/paytables/table_figures_lines.h"

#include <QLabel>
#include <QLocale>

#include <cmath>
#include <optional>

#include "analysis/break_even.h"
#include "analysis/outcome_cache.h"
#include "analysis/play_figures.h"
#include "games/pay_table_text.h"

namespace {

// Tables that pay alike have the same figures, whatever their names.
std::string Key(const CPayTable& table) {
    const CPayTableText text = FormatPayTable(table);
    return text.strFamily + "|" + text.strRules + "|" + text.strPays + "|" + text.strRoyalAtMaxBet;
}

}  // namespace

QString CTableFiguresLines::Text(double dVariance, double dBreakEven) {
    QString strText = QString("Variance %1 at 5 coins").arg(dVariance, 0, 'f', 4);
    if (dBreakEven < 0) return strText + "; no natural royal flush";
    // The least whole pay at which the return reaches 100 %.
    const qlonglong nPay = static_cast<qlonglong>(std::ceil(dBreakEven - 1e-9));
    return strText + QString("; the royal breaks even at %1 per coin (%2 coins at 5 coins)")
                         .arg(QLocale().toString(nPay), QLocale().toString(nPay * MAX_BET));
}

QLabel* CTableFiguresLines::MakeLine(int nGame, QWidget* pParent) {
    auto* pLine = new QLabel(pParent);
    pLine->setAccessibleName(QString("Figures of the table"));
    m_mapLines[nGame] = pLine;
    return pLine;
}

void CTableFiguresLines::Show(int nGame, const CPayTable& table) {
    m_mapTables[nGame] = table;
    Refresh();
    ComputeNext();
}

void CTableFiguresLines::Refresh() {
    for (const auto& [nGame, table] : m_mapTables) {
        const auto itLine = m_mapLines.find(nGame);
        if (itLine == m_mapLines.end()) continue;
        const auto it = m_mapFigures.find(Key(table));
        itLine->second->setText(it == m_mapFigures.end()
                                    ? QString("Working out its variance and break-even…")
                                    : Text(it->second.dVariance, it->second.dBreakEven));
    }
}

void CTableFiguresLines::ComputeNext() {
    if (m_job.IsRunning()) return;  // asked again when it is done
    for (const auto& [nGame, table] : m_mapTables) {
        if (m_mapFigures.count(Key(table))) continue;
        m_job.Start(
            [table = table](const CProgressFunction&) -> std::optional<CFigures> {
                const auto pCounts = SharedOutcomeTable(table.Family(), table.rules);
                if (!pCounts) return std::nullopt;  // stopped
                const CPlayFigures figures = ComputePlayFigures(*pCounts, table, MAX_BET);
                const double dBreakEven = BreakEvenRoyalPay(*pCounts, table, MAX_BET);
                if (IsParallelWorkStopped()) return std::nullopt;
                return CFigures{figures.dVariance, dBreakEven};
            },
            [this, strKey = Key(table)](const CFigures& figures) {
                m_mapFigures[strKey] = figures;
                Refresh();
                ComputeNext();
            });
        return;
    }
}
