#include "platform/qt/static_text.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {

// Each tab moves on to the next stop beyond the text so far; returns where each piece starts.
std::vector<int> PieceStarts(const QFontMetrics& metrics, const QStringList& pieces, int& nEnd) {
    std::vector<int> starts;
    int x = 0;
    for (int i = 0; i < pieces.size(); ++i) {
        if (i > 0) x = (x / CStaticText::kTabStopPixels + 1) * CStaticText::kTabStopPixels;
        starts.push_back(x);
        x += metrics.horizontalAdvance(pieces[i]);
    }
    nEnd = x;
    return starts;
}

}  // namespace

CStaticText::CStaticText(const QString& strText, QWidget* pParent)
    : QWidget(pParent), m_strText(QString(strText).replace("\r\n", "\n")) {
    setAccessibleName(QString(m_strText).replace('\t', ' ').replace('\n', ' '));
}

QFont CStaticText::FittingFont() const {
    // Text a pixel or two wider than its control is drawn a little tighter rather than cut.
    QFont font = this->font();
    for (qreal dSpacing = 0; dSpacing >= -1.0; dSpacing -= 0.125) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, dSpacing);
        const QFontMetrics metrics(font);
        int nWidest = 0;
        for (const QString& strLine : m_strText.split('\n')) {
            int nEnd = 0;
            PieceStarts(metrics, strLine.split('\t'), nEnd);
            nWidest = std::max(nWidest, nEnd);
        }
        if (nWidest <= width()) break;
    }
    return font;
}

void CStaticText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QFont font = FittingFont();
    painter.setFont(font);
    const QFontMetrics metrics(font);
    int y = 0;
    for (const QString& strLine : m_strText.split('\n')) {
        const QStringList pieces = strLine.split('\t');
        int nEnd = 0;
        const std::vector<int> starts = PieceStarts(metrics, pieces, nEnd);
        for (int i = 0; i < pieces.size(); ++i)
            painter.drawText(starts[static_cast<size_t>(i)], y + metrics.ascent(), pieces[i]);
        y += metrics.lineSpacing();
    }
}
