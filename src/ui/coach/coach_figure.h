// One figure of the coach window: a label whose accessible name is its caption (what the
// figure is) and its value in words, "Deals played: 2", since Qt does not carry a label's value
// to screen readers; its exact value, where it has one, is its description. The bar of the
// chart is one too: it paints its share as a bar in place of its text, which is still read.
#pragma once

#include <QLabel>

class CCoachFigure : public QLabel {
    Q_OBJECT

public:
    CCoachFigure(const QString& strName, QWidget* pParent);

    // What a screen reader says: the caption with the value, or the words set for it.
    QString Spoken() const;
    // Words to say in place of the caption and value; "" goes back to them.
    void SetSpoken(const QString& strSpoken) { m_strSpoken = strSpoken; }
    // A line of its group, which the keyboard walks; a part of a line is read with it.
    bool IsLine() const { return m_bLine; }
    void SetLine(bool bLine) { m_bLine = bLine; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    // Qt tells no change of a label that has a name of its own: told here, once it shows.
    void NotifyIfRenamed();

private:
    QString m_strSpoken;
    QString m_strLastSpoken;
    bool m_bLine = true;
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
