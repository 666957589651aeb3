#include "ui/coach/deal_section.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "coach/coach.h"
#include "coach/coach_text.h"
#include "model/card_words.h"
#include "ui/coach/coach_figure.h"
#include "ui/coach/coach_list.h"
#include "ui/coach/figure_text.h"
#include "ui/table/accessibility.h"

CDealSection::CDealSection(const CCoach& coach, QWidget* pParent)
    : CCoachGroup("This deal", pParent), m_coach(coach) {
    setObjectName("thisDeal");
    auto* pDeal = new QVBoxLayout(this);
    m_pDealCards = new CCoachFigure("Deal", this);
    m_pDealCards->setWordWrap(true);
    pDeal->addWidget(m_pDealCards);
    m_pRanking =
        MakeCoachList("Holds of this deal, best first", {"Rank", "Hold", "Pay per coin"}, this);
    m_pRanking->setObjectName("holds");
    m_pRanking->setSelectionMode(QAbstractItemView::NoSelection);
    m_pRanking->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pRanking->setColumnWidth(0, 48);
    m_pRanking->setMinimumHeight(90);
    // Rank 1, then a row standing for the ranks left out, then ranks 2 to 32.
    for (int i = 0; i < 33; ++i) new QTreeWidgetItem(m_pRanking);
    m_pRanking->topLevelItem(1)->setHidden(true);
    m_pRanking->viewport()->installEventFilter(this);
    pDeal->addWidget(m_pRanking, 1);
    auto* pVerdict = new QHBoxLayout;
    m_pRank = new CCoachFigure("Your hold", this);
    m_pCost = new CCoachFigure("Cost of your hold", this);
    m_pRank->setWordWrap(true);
    m_pCost->setAlignment(Qt::AlignRight | Qt::AlignTop);
    pVerdict->addWidget(m_pRank, 1);
    pVerdict->addWidget(m_pCost);
    pDeal->addLayout(pVerdict);
    KeepListFocusTrue(*m_pRanking);
}

bool CDealSection::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pRanking->viewport() && pEvent->type() == QEvent::Resize) KeepRanksInView();
    return CCoachGroup::eventFilter(pWatched, pEvent);
}

void CDealSection::Refresh() {
    const std::optional<CDealFigures> figures = m_coach.GetDealFigures();
    const int nViewed = m_coach.GetViewedDeal();
    QString strTitle =
        nViewed > 0 ? QString("Deal %1, from the list").arg(nViewed) : QString("This deal");
    if (figures) strTitle += ": " + Text(DealGameText(figures->deal));
    SetTitle(strTitle);
    m_pRanking->setVisible(figures.has_value());
    if (!figures) {
        m_pDealCards->setText(m_coach.GetDealCount() == 0 ? "No deal yet: press Deal."
                                                          : "Working out the exact odds...");
        m_pRank->clear();
        m_pCost->clear();
        return;
    }
    const CCoachDeal& deal = figures->deal;
    m_pDealCards->setText(QString("Dealt %1  (bet %2 on %3)")
                              .arg(DealText(deal.arrCodes))
                              .arg(deal.nBet)
                              .arg(Text(HandsText(deal.nHands))));
    FillRanking(*figures);
    KeepRanksInView();
    m_pRank->setText(QString("Your hold: %1, rank %2 of 32")
                         .arg(HoldText(deal.arrCodes, deal.nHoldMask))
                         .arg(figures->nRank));
    m_pCost->setText("Cost: " + Coins(figures->cost));
    m_pCost->setToolTip(Exactly(figures->cost) +
                        " coins: (best expected pay - yours) x bet x hands");
    SetCostColour(m_pCost, figures->cost.GetNumerator() > 0);
}

void CDealSection::FillRanking(const CDealFigures& figures) {
    const CCoachDeal& deal = figures.deal;
    for (int i = 0; i < 32; ++i) {
        const CHoldOutcomes& hold = figures.vecHolds[static_cast<size_t>(i)];
        QTreeWidgetItem* pItem = m_pRanking->topLevelItem(i == 0 ? 0 : i + 1);
        const bool bCurrent = hold.nHoldMask == deal.nHoldMask;
        pItem->setText(0, bCurrent ? QString("\u25B6 %1").arg(i + 1) : QString::number(i + 1));
        pItem->setText(1, HoldText(deal.arrCodes, hold.nHoldMask));
        const CFraction pay(hold.nPaySum, hold.nDraws);
        pItem->setText(2, Number(pay.Value(), 4));
        QFont font = m_pRanking->font();
        font.setBold(bCurrent);
        for (int c = 0; c < 3; ++c) {
            pItem->setFont(c, font);
            pItem->setToolTip(c, Exactly(pay));
        }
        pItem->setToolTip(1, pItem->text(1));
        // The exact pay is read with the line, for the keyboard as for the mouse.
        pItem->setData(0, Qt::AccessibleTextRole,
                       QString("rank %1%2").arg(i + 1).arg(bCurrent ? ", your hold" : ""));
        pItem->setData(1, Qt::AccessibleTextRole,
                       Text(SymbolsAsWords(pItem->text(1).toStdString())));
        pItem->setData(2, Qt::AccessibleTextRole,
                       pItem->text(2) + " per coin, " + Exactly(pay).toLower());
        if (bCurrent) m_nCurrentRank = i + 1;
    }
}

void CDealSection::KeepRanksInView() {
    const int nRowHeight = std::max(1, m_pRanking->sizeHintForRow(0));
    const int nFit = std::max(2, m_pRanking->viewport()->height() / nRowHeight);
    // Ranks 2 to nLast go, the row at index 1 standing for them, when the hold played would
    // otherwise be out of sight below rank 1.
    const int nLast = m_nCurrentRank > nFit ? m_nCurrentRank - nFit + 2 : 1;
    QTreeWidgetItem* pGap = m_pRanking->topLevelItem(1);
    pGap->setHidden(nLast < 2);
    pGap->setText(0, QString::fromUtf8("⋮"));
    pGap->setText(1, nLast == 2 ? QString("rank 2") : QString("ranks 2 to %1").arg(nLast));
    pGap->setData(0, Qt::AccessibleTextRole, QString("left out"));
    for (int nRank = 2; nRank <= 32; ++nRank)
        m_pRanking->topLevelItem(nRank)->setHidden(nRank <= nLast);
    m_pRanking->scrollToTop();
}
