#include "ui/coach/session_section.h"

#include <QGridLayout>
#include <QLabel>

#include "coach/coach.h"
#include "ui/coach/coach_figure.h"
#include "ui/coach/figure_text.h"

namespace {

// The session's figures, in the order shown.
const char* const kSessionNames[] = {
    "Deals played",
    "Hands played",
    "Coins bet",
    "Coins won",
    "Net",
    "Return played",
    "Return of your holds",
    "Return of the best holds",
    "Best holds",
    "Cost of the other holds",
    "Biggest draw",
};
constexpr int kSessionFigures = static_cast<int>(std::size(kSessionNames));
constexpr int kCostFigure = 9;

}  // namespace

CSessionSection::CSessionSection(const CCoach& coach, QWidget* pParent, std::function<int()> fnRoom)
    : CCoachGroup("Session", pParent), m_coach(coach), m_fnRoom(std::move(fnRoom)) {
    auto* pSession = new QGridLayout(this);
    pSession->setVerticalSpacing(1);
    pSession->setHorizontalSpacing(6);
    // Name and value side by side, the two pairs of a row kept apart by a stretching gap; one
    // pair a row where two do not fit (FitColumns).
    pSession->setColumnStretch(2, 1);
    pSession->setColumnMinimumWidth(2, 12);
    for (int i = 0; i < kSessionFigures; ++i) {
        auto* pName = new QLabel(QString(kSessionNames[i]) + ":", this);
        auto* pValue = new CCoachFigure(kSessionNames[i], this);
        pValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_vecNames.push_back(pName);
        m_vecValues.push_back(pValue);
    }
    FitColumns();
}

void CSessionSection::FitColumns() {
    const int nRoom = m_fnRoom();
    // Two pairs a row did not fit in as much room: no need to lay them out to find that again.
    if (m_nColumns == 1 && nRoom <= m_nOneColumnRoom) return;
    LayOut(2);
    if (minimumSizeHint().width() <= nRoom) return;
    LayOut(1);
    m_nOneColumnRoom = nRoom;
}

void CSessionSection::LayOut(int nColumns) {
    if (nColumns == m_nColumns) return;
    m_nColumns = nColumns;
    auto* pGrid = static_cast<QGridLayout*>(layout());
    for (int i = 0; i < kSessionFigures; ++i) {
        QWidget* pName = m_vecNames[static_cast<size_t>(i)];
        QWidget* pValue = m_vecValues[static_cast<size_t>(i)];
        pGrid->removeWidget(pName);
        pGrid->removeWidget(pValue);
        // One column: the value at the right edge, past the stretching gap.
        const int nColumn = nColumns == 2 ? (i % 2) * 3 : 0;
        pGrid->addWidget(pName, i / nColumns, nColumn);
        pGrid->addWidget(pValue, i / nColumns, nColumns == 2 ? nColumn + 1 : 4);
    }
    updateGeometry();
}

void CSessionSection::Refresh() {
    const CSessionFigures s = m_coach.GetSessionFigures();
    const bool bValued = s.nDecisions > 0;
    const QString strWaiting = "working...";
    const QString arrValues[kSessionFigures] = {
        QString::number(s.nDeals),
        QString::number(s.nHandsPlayed),
        QString::number(s.nCoinsBet),
        QString::number(s.nCoinsWon),
        QString::number(s.nNet),
        s.nCoinsBet > 0 ? Percent(s.playedReturn) : QString("-"),
        bValued          ? Percent(s.chosenReturn)
        : s.nWaiting > 0 ? strWaiting
                         : QString("-"),
        bValued          ? Percent(s.bestReturn)
        : s.nWaiting > 0 ? strWaiting
                         : QString("-"),
        QString("%1 of %2").arg(s.nBestDecisions).arg(s.nDecisions),
        Coins(s.cost),
        QString::number(s.nBiggestDraw) + " coins",
    };
    const CFraction* arrExact[kSessionFigures] = {
        nullptr,         nullptr,       nullptr, nullptr, nullptr, &s.playedReturn,
        &s.chosenReturn, &s.bestReturn, nullptr, &s.cost, nullptr};
    for (int i = 0; i < kSessionFigures; ++i) {
        m_vecValues[static_cast<size_t>(i)]->setText(arrValues[i]);
        m_vecValues[static_cast<size_t>(i)]->setToolTip(arrExact[i] ? Exactly(*arrExact[i])
                                                                    : QString());
    }
    SetCostColour(m_vecValues[kCostFigure], s.cost.GetNumerator() > 0);
    FitColumns();  // wider figures may not fit two pairs a row any more
}
