#include "ui/coach/coach_group.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLayout>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>

#include "ui/coach/coach_figure.h"

namespace {

// A figure is read as a line of the list its group is, where it stands in one.
class CCoachFigureAccessible : public QAccessibleWidget {
public:
    explicit CCoachFigureAccessible(CCoachFigure* pFigure)
        : QAccessibleWidget(pFigure, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<const CCoachFigure*>(widget())->Spoken();
        if (t == QAccessible::Value) return static_cast<const QLabel*>(widget())->text();
        if (t == QAccessible::Description) return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (const auto* pGroup = qobject_cast<const CCoachGroup*>(widget()->parentWidget())) {
            const std::vector<CCoachFigure*> vecLines = pGroup->Lines();
            const auto it = std::find(vecLines.begin(), vecLines.end(), widget());
            state.focusable = it != vecLines.end();
            state.focused = pGroup->hasFocus() && it != vecLines.end() &&
                            it - vecLines.begin() == pGroup->GetCurrentLine();
        }
        return state;
    }
    QAccessible::Role role() const override {
        return qobject_cast<const CCoachGroup*>(widget()->parentWidget()) ? QAccessible::ListItem
                                                                          : QAccessible::StaticText;
    }
};

QAccessibleInterface* FigureFactory(const QString& strKey, QObject* pObject) {
    if (strKey == QLatin1String("CCoachFigure") || strKey == QLatin1String("CCoachBar")) {
        if (auto* pFigure = qobject_cast<CCoachFigure*>(pObject))
            return new CCoachFigureAccessible(pFigure);
    }
    return nullptr;
}

// The figures inside a layout, depth first, in the order they were added.
void CollectFigures(const QLayout* pLayout, std::vector<CCoachFigure*>& vecFigures) {
    for (int i = 0; pLayout && i < pLayout->count(); ++i) {
        QLayoutItem* pItem = pLayout->itemAt(i);
        if (auto* pFigure = qobject_cast<CCoachFigure*>(pItem->widget()))
            vecFigures.push_back(pFigure);
        CollectFigures(pItem->layout(), vecFigures);
    }
}

class CCoachGroupAccessible : public QAccessibleWidget {
public:
    explicit CCoachGroupAccessible(CCoachGroup* pGroup)
        : QAccessibleWidget(pGroup, QAccessible::List) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Group()->FullTitle();
        return QAccessibleWidget::text(t);
    }

private:
    CCoachGroup* Group() const { return static_cast<CCoachGroup*>(widget()); }
};

// The coach's window is a window of its own to screen readers, named by its title.
class CCoachWindowAccessible : public QAccessibleWidget {
public:
    explicit CCoachWindowAccessible(QWidget* pWindow)
        : QAccessibleWidget(pWindow, QAccessible::Window) {}
};

QAccessibleInterface* GroupFactory(const QString& strKey, QObject* pObject) {
    if (strKey == QLatin1String("CCoachGroup"))
        return new CCoachGroupAccessible(static_cast<CCoachGroup*>(pObject));
    if (strKey == QLatin1String("CCoachWindow"))
        return new CCoachWindowAccessible(static_cast<QWidget*>(pObject));
    return nullptr;
}

}  // namespace

CCoachGroup::CCoachGroup(const QString& strTitle, QWidget* pParent)
    : QGroupBox(strTitle, pParent), m_strTitle(strTitle) {
    setFocusPolicy(Qt::TabFocus);
}

void CCoachGroup::SetTitle(const QString& strTitle) {
    m_strTitle = strTitle;
    ElideTitle();
}

void CCoachGroup::ElideTitle() {
    // The frame's own inset on either side of the title; a few pixels to spare.
    const int nRoom = std::max(0, width() - 3 * fontMetrics().horizontalAdvance(u' ') - 12);
    const QString strShown = fontMetrics().elidedText(m_strTitle, Qt::ElideRight, nRoom);
    if (strShown != title()) setTitle(strShown);
    setToolTip(strShown == m_strTitle ? QString() : m_strTitle);
}

QSize CCoachGroup::minimumSizeHint() const {
    return {QWidget::minimumSizeHint().width(), QGroupBox::minimumSizeHint().height()};
}

void CCoachGroup::resizeEvent(QResizeEvent* pEvent) {
    QGroupBox::resizeEvent(pEvent);
    ElideTitle();
}

std::vector<CCoachFigure*> CCoachGroup::Figures() const {
    std::vector<CCoachFigure*> vecFigures;
    CollectFigures(layout(), vecFigures);
    std::erase_if(vecFigures, [](const CCoachFigure* p) { return p->isHidden(); });
    return vecFigures;
}

std::vector<CCoachFigure*> CCoachGroup::Lines() const {
    std::vector<CCoachFigure*> vecLines = Figures();
    std::erase_if(vecLines, [](const CCoachFigure* p) { return !p->IsLine(); });
    return vecLines;
}

void CCoachGroup::focusInEvent(QFocusEvent* pEvent) {
    QGroupBox::focusInEvent(pEvent);
    // After the group itself is told as focused, or it would speak over its line.
    QTimer::singleShot(
        0, this, [this] { FocusLine(std::min(m_nLine, static_cast<int>(Lines().size()) - 1)); });
}

void CCoachGroup::keyPressEvent(QKeyEvent* pEvent) {
    const int nLines = static_cast<int>(Lines().size());
    int nLine = m_nLine;
    switch (pEvent->key()) {
        case Qt::Key_Up:
            --nLine;
            break;
        case Qt::Key_Down:
            ++nLine;
            break;
        case Qt::Key_Home:
            nLine = 0;
            break;
        case Qt::Key_End:
            nLine = nLines - 1;
            break;
        default:
            QGroupBox::keyPressEvent(pEvent);
            return;
    }
    FocusLine(std::clamp(nLine, 0, std::max(0, nLines - 1)));
}

void CCoachGroup::FocusLine(int nLine) {
    m_nLine = std::max(0, nLine);
    if (!QAccessible::isActive() || !hasFocus()) return;
    const std::vector<CCoachFigure*> vecLines = Lines();
    if (m_nLine >= static_cast<int>(vecLines.size())) return;
    // Told as the group's child, the list among them too, as a screen reader walks it.
    QAccessibleInterface* pGroup = QAccessible::queryAccessibleInterface(this);
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(pGroup->indexOfChild(
        QAccessible::queryAccessibleInterface(vecLines[static_cast<size_t>(m_nLine)])));
    QAccessible::updateAccessibility(&event);
}

void InstallCoachGroupAccessibility() {
    static bool bInstalled = false;
    if (bInstalled) return;
    QAccessible::installFactory(&GroupFactory);
    QAccessible::installFactory(&FigureFactory);
    bInstalled = true;
}
