// One figure of the coach window: a label whose accessible name says what the figure is and
// whose accessible value is the figure as shown ("Coins won", "250"). The bar of the chart is
// one too: it paints its share as a bar in place of its text, which screen readers still read.
#pragma once

#include <QLabel>

class CCoachFigure : public QLabel {
    Q_OBJECT

public:
    CCoachFigure(const QString& strName, QWidget* pParent);
};

class CCoachBar : public CCoachFigure {
    Q_OBJECT

public:
    CCoachBar(const QString& strName, QWidget* pParent);
    // dShare from 0 to 1 of the bar's width.
    void SetShare(double dShare);
    QSize sizeHint() const override { return {120, 12}; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    double m_dShare = 0.0;
};

// Registers the figures' accessible interface with Qt; once per process, more is harmless.
void InstallCoachAccessibility();
