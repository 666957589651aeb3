// Static text as the dialog templates give it: lines split at CR LF, tabs expanded to tab stops
// every 30 dialog units (45 px). At that pitch the pay tables' tabs put every pay in one
// column in the controls' font: names written with one tab are 45 to 89 px wide, names with
// two tabs narrower than 45.
#pragma once

#include <QWidget>

class CStaticText : public QWidget {
    Q_OBJECT

public:
    CStaticText(const QString& strText, QWidget* pParent);
    const QString& GetText() const { return m_strText; }
    static constexpr int kTabStopPixels = 45;

    // The control's font, drawn tighter where a line would not fit otherwise.
    QFont FittingFont() const;

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    QString m_strText;
};
