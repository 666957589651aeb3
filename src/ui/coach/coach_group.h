// A group of the coach's figures that the keyboard reaches: one Tab stop, the group's title
// read as a list's name, its figures its lines, walked with the arrow keys (Home and End too),
// each read with its value. Nothing on the screen changes; a new group of figures is one of
// these with its figures inside.
#pragma once

#include <QGroupBox>

#include <vector>

class CCoachFigure;

class CCoachGroup : public QGroupBox {
    Q_OBJECT

public:
    CCoachGroup(const QString& strTitle, QWidget* pParent);

    // The figures shown, in the order they stand in the group (layout order).
    std::vector<CCoachFigure*> Figures() const;
    // Those of them that are lines of their own, which the arrow keys walk.
    std::vector<CCoachFigure*> Lines() const;
    // The line the keyboard is on, 0 for the first shown.
    int GetCurrentLine() const { return m_nLine; }

    // The title, shown cut short with "…" where the group is narrower (a pay table's name may
    // be 60 characters), read whole.
    void SetTitle(const QString& strTitle);
    QString FullTitle() const { return m_strTitle; }
    // As narrow as its contents: a long title is cut, never widens the coach.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;

private:
    // Tells screen readers that line nLine has the focus now.
    void FocusLine(int nLine);

    void ElideTitle();

    int m_nLine = 0;
    QString m_strTitle;
};

// Registers the coach's groups, their figures and window with Qt's accessibility; once, more is
// harmless.
void InstallCoachGroupAccessibility();
