#include "ui/coach/costly_section.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "coach/coach.h"
#include "coach/coach_text.h"
#include "model/card_words.h"
#include "training/trainer.h"
#include "ui/coach/coach_list.h"
#include "ui/coach/figure_text.h"
#include "ui/table/accessibility.h"

CCostlySection::CCostlySection(CCoach& coach, const CTrainer& trainer, QWidget* pParent)
    : QGroupBox("Costly decisions, newest first", pParent), m_coach(coach), m_trainer(trainer) {
    auto* pLayout = new QVBoxLayout(this);
    m_pCostly = MakeCoachList("Costly decisions, newest first",
                              {"Deal", "Hold played", "Best hold", "Cost", "Grade"}, this);
    m_pCostly->setObjectName("costlyDecisions");
    m_pCostly->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pCostly->setMinimumHeight(50);
    connect(m_pCostly, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = m_pCostly->selectedItems();
        m_coach.ViewDeal(selected.isEmpty() ? 0 : selected.front()->data(0, Qt::UserRole).toInt());
    });
    pLayout->addWidget(m_pCostly);
    KeepListFocusTrue(*m_pCostly);
}

void CCostlySection::Refresh() {
    const std::vector<CCostlyDecision> vecCostly = m_coach.GetCostlyDecisions();
    const QSignalBlocker blocker(m_pCostly);
    // The list only grows: a decision once costly stays so.
    if (static_cast<int>(vecCostly.size()) != m_nCostlyShown ||
        m_dGradedShare != m_trainer.GetMinorShare()) {
        m_nCostlyShown = static_cast<int>(vecCostly.size());
        m_dGradedShare = m_trainer.GetMinorShare();
        m_pCostly->clear();
        for (const CCostlyDecision& decision : vecCostly) AddRow(decision);
    }
    // The selection is the deal in view: a new deal or a hold toggle at the table clears it.
    for (int i = 0; i < m_pCostly->topLevelItemCount(); ++i) {
        QTreeWidgetItem* pItem = m_pCostly->topLevelItem(i);
        pItem->setSelected(pItem->data(0, Qt::UserRole).toInt() == m_coach.GetViewedDeal());
    }
}

void CCostlySection::AddRow(const CCostlyDecision& decision) {
    auto* pItem = new QTreeWidgetItem(m_pCostly);
    pItem->setText(0, QString("%1: %2").arg(decision.nDeal).arg(DealText(decision.deal.arrCodes)));
    pItem->setToolTip(0, QString("Deal %1, %2: bet %3 on %4")
                             .arg(decision.nDeal)
                             .arg(Text(DealGameText(decision.deal)))
                             .arg(decision.deal.nBet)
                             .arg(Text(HandsText(decision.deal.nHands))));
    pItem->setText(1, HoldText(decision.deal.arrCodes, decision.deal.nHoldMask));
    pItem->setText(2, HoldText(decision.deal.arrCodes, decision.deal.nBestMask));
    for (int c = 1; c <= 2; ++c) pItem->setToolTip(c, pItem->text(c));
    pItem->setText(3, Number(decision.cost.Value(), 2));
    pItem->setToolTip(3, Exactly(decision.cost) + " coins");
    pItem->setData(0, Qt::AccessibleTextRole,
                   QString("Deal %1: %2")
                       .arg(decision.nDeal)
                       .arg(Text(SymbolsAsWords(DealText(decision.deal.arrCodes).toStdString()))));
    for (int c = 1; c <= 2; ++c)
        pItem->setData(c, Qt::AccessibleTextRole,
                       Text(SymbolsAsWords(pItem->text(c).toStdString())));
    pItem->setData(3, Qt::AccessibleTextRole,
                   pItem->text(3) + " coins, " + Exactly(decision.cost).toLower());
    pItem->setForeground(3, CostColour());
    const EGrade eGrade = m_trainer.Grade(decision.deal);
    pItem->setText(4, eGrade == EGrade::Major ? "major" : "minor");
    pItem->setData(4, Qt::AccessibleTextRole, QString(GradeWords(eGrade)));
    pItem->setData(0, Qt::UserRole, decision.nDeal);
}
