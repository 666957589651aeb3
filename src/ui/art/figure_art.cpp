// The figures of the card pictures: the kings, queens and jacks, and the joker's jester.
#include "ui/art/card_paint.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "ui/art/card_art.h"

using namespace card_paint;

namespace {

// The figures' inks.
const QColor GOLD(226, 176, 40);
const QColor GOLD_DARK(150, 110, 20);
const QColor ROYAL_BLUE(32, 74, 156);
const QColor SKIN(247, 220, 186);
const QColor OUTLINE(60, 45, 35);

// The colours of a court figure: the robe, its trim and the front panel. They differ per rank
// and per suit colour, and a black suit's figure uses no red at all.
struct CCourtColours {
    QColor clrRobe;
    QColor clrTrim;
    QColor clrPanel;
};

CCourtColours CourtColours(int nSuit, int nRank) {
    const QColor ink = SuitInkColour(nSuit);
    switch (nRank) {
        case RANK_KING:
            return {ink, GOLD, ROYAL_BLUE};
        case RANK_QUEEN:
            return {ROYAL_BLUE, ink, GOLD};
        default:
            return {GOLD, ROYAL_BLUE, ink};
    }
}

void DrawHead(QPainter& painter, int nRank) {
    const QPointF ptHead(35.5, 25);
    painter.setPen(QPen(OUTLINE, 0.6));
    // Hair behind the head: long for the queen, short for the others; the king's is grey.
    if (nRank == RANK_QUEEN) {
        QPainterPath hair;
        hair.moveTo(30, 21);
        hair.cubicTo(28.5, 27, 29, 31, 27, 35);
        hair.lineTo(44, 35);
        hair.cubicTo(42, 31, 42.5, 27, 41, 21);
        hair.closeSubpath();
        painter.setBrush(QColor(120, 80, 30));
        painter.drawPath(hair);
    } else {
        painter.setBrush(nRank == RANK_KING ? QColor(170, 170, 170) : QColor(110, 72, 28));
        painter.drawEllipse(ptHead + QPointF(0, -1.5), 6.2, 5.8);
    }
    painter.setBrush(SKIN);
    painter.drawEllipse(ptHead, 4.8, 5.8);
    if (nRank == RANK_KING) {
        // The king's beard.
        QPainterPath beard;
        beard.moveTo(30.8, 26);
        beard.cubicTo(31, 33, 34, 35, 35.5, 35.5);
        beard.cubicTo(37, 35, 40, 33, 40.2, 26);
        beard.cubicTo(38, 29.5, 33, 29.5, 30.8, 26);
        painter.setBrush(QColor(200, 200, 200));
        painter.drawPath(beard);
    }
    // Eyes and mouth.
    painter.setPen(Qt::NoPen);
    painter.setBrush(OUTLINE);
    painter.drawEllipse(QPointF(33.6, 24.6), 0.65, 0.65);
    painter.drawEllipse(QPointF(37.4, 24.6), 0.65, 0.65);
    painter.setPen(QPen(OUTLINE, 0.6));
    painter.drawLine(QPointF(34.6, 28.3), QPointF(36.4, 28.3));
}

void DrawHeadgear(QPainter& painter, int nSuit, int nRank) {
    const QColor ink = SuitInkColour(nSuit);
    painter.setPen(QPen(GOLD_DARK, 0.6));
    painter.setBrush(GOLD);
    if (nRank == RANK_KING) {
        QPolygonF crown({QPointF(29.5, 21), QPointF(29, 13.5), QPointF(32.2, 17),
                         QPointF(35.5, 11.5), QPointF(38.8, 17), QPointF(42, 13.5),
                         QPointF(41.5, 21)});
        painter.drawPolygon(crown);
        for (const QPointF& pt : {QPointF(29, 13.2), QPointF(35.5, 11.2), QPointF(42, 13.2)}) {
            painter.drawEllipse(pt, 1.0, 1.0);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(QPointF(35.5, 19), 1.2, 1.2);
    } else if (nRank == RANK_QUEEN) {
        QPainterPath tiara;
        tiara.moveTo(30.5, 21);
        tiara.quadTo(31, 16.5, 32.5, 17.5);
        tiara.quadTo(34, 13, 35.5, 13.5);
        tiara.quadTo(37, 13, 38.5, 17.5);
        tiara.quadTo(40, 16.5, 40.5, 21);
        tiara.closeSubpath();
        painter.drawPath(tiara);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(QPointF(35.5, 17.5), 1.1, 1.1);
    } else {
        // The jack's flat cap with a feather sweeping back.
        QPainterPath feather;
        feather.moveTo(39, 18);
        feather.cubicTo(43, 13, 47, 12, 50, 12.5);
        feather.cubicTo(47, 15, 44, 17, 40.5, 19.5);
        feather.closeSubpath();
        painter.setPen(QPen(OUTLINE, 0.4));
        painter.setBrush(ink);
        painter.drawPath(feather);
        QPainterPath cap;
        cap.moveTo(29, 21);
        cap.cubicTo(28.5, 15.5, 33, 14.5, 36, 14.5);
        cap.cubicTo(40, 14.5, 43.5, 16, 42.5, 21);
        cap.closeSubpath();
        painter.setPen(QPen(OUTLINE, 0.6));
        painter.setBrush(ROYAL_BLUE);
        painter.drawPath(cap);
        painter.setPen(Qt::NoPen);
        painter.setBrush(GOLD);
        painter.drawRect(QRectF(29, 19.8, 13.6, 1.6));
    }
}

void DrawRobe(QPainter& painter, const CCourtColours& colours) {
    QPainterPath robe;
    robe.moveTo(16, 49);
    robe.lineTo(17, 41);
    robe.cubicTo(18, 36, 23, 34, 30, 32.5);
    robe.lineTo(41, 32.5);
    robe.cubicTo(48, 34, 53, 36, 54, 41);
    robe.lineTo(55, 49);
    robe.closeSubpath();
    painter.setPen(QPen(OUTLINE, 0.6));
    painter.setBrush(colours.clrRobe);
    painter.drawPath(robe);
    // The front panel down the middle and the collar round the neck.
    painter.setBrush(colours.clrPanel);
    painter.drawPolygon(
        QPolygonF({QPointF(32, 36), QPointF(39, 36), QPointF(41, 49), QPointF(30, 49)}));
    painter.setBrush(colours.clrTrim);
    painter.drawPolygon(QPolygonF({QPointF(28.5, 32.5), QPointF(42.5, 32.5), QPointF(35.5, 39.5)}));
    // Shoulder bands in the trim colour.
    painter.setPen(QPen(colours.clrTrim, 1.4));
    painter.drawLine(QPointF(19, 40), QPointF(25.5, 36));
    painter.drawLine(QPointF(52, 40), QPointF(45.5, 36));
}

// What the figure holds at its side: the king a sword, the queen a flower, the jack a staff.
void DrawEmblem(QPainter& painter, int nSuit, int nRank) {
    if (nRank == RANK_KING) {
        painter.setPen(QPen(OUTLINE, 0.5));
        painter.setBrush(QColor(215, 220, 228));
        painter.drawPolygon(QPolygonF({QPointF(21.2, 49), QPointF(21.2, 24), QPointF(22.2, 22),
                                       QPointF(23.2, 24), QPointF(23.2, 49)}));
        painter.setBrush(GOLD);
        painter.drawRect(QRectF(19, 40.5, 6.4, 1.6));
    } else if (nRank == RANK_QUEEN) {
        painter.setPen(QPen(QColor(40, 110, 50), 0.9));
        painter.drawLine(QPointF(22, 49), QPointF(22, 35));
        // A black suit's flower is violet: blue would vanish on the blue robe, red is barred.
        const QColor petal = IsRedSuit(nSuit) ? INK_RED : QColor(128, 70, 160);
        painter.setPen(QPen(OUTLINE, 0.4));
        painter.setBrush(petal);
        for (const QPointF& pt :
             {QPointF(22, 31.4), QPointF(20.2, 33.3), QPointF(23.8, 33.3), QPointF(22, 35.1)}) {
            painter.drawEllipse(pt, 1.5, 1.5);
        }
        painter.setBrush(GOLD);
        painter.drawEllipse(QPointF(22, 33.3), 1.1, 1.1);
    } else {
        painter.setPen(QPen(QColor(100, 76, 40), 1.1));
        painter.drawLine(QPointF(50, 49), QPointF(50, 19));
        painter.setPen(QPen(OUTLINE, 0.4));
        painter.setBrush(QColor(215, 220, 228));
        painter.drawPolygon(
            QPolygonF({QPointF(50, 12.5), QPointF(51.8, 17), QPointF(50, 20), QPointF(48.2, 17)}));
    }
}

// The joker's corner index: its name, one letter under another down the index column.
void DrawJokerIndex(QPainter& painter) {
    const qreal dCap = 5.5, dPitch = 7.2, dColumn = 7.5;
    const QFont font = CardFont(100);
    const qreal dScale = dCap / QFontMetricsF(font).capHeight();
    qreal y = 4;
    for (const QChar c : QStringLiteral("JOKER")) {
        QPainterPath letter;
        letter.addText(0, 0, font, QString(c));
        const QRectF bounds = letter.boundingRect();
        QTransform transform;
        transform.translate(dColumn, y + dCap);
        transform.scale(dScale, dScale);
        transform.translate(-bounds.center().x(), 0);
        painter.fillPath(transform.map(letter), INK_RED);
        y += dPitch;
    }
}

// The jester's head in large-card units: a cap of three points, each ending in a bell, over a
// smiling face and a pointed collar. The small picture shows it alone, scaled down.
void DrawJesterHead(QPainter& painter) {
    painter.setPen(QPen(GOLD_DARK, 0.5));
    painter.setBrush(GOLD);
    QPolygonF collar{QPointF(24, 48.5), QPointF(47, 48.5)};
    for (int i = 0; i <= 10; ++i) collar << QPointF(47 - i * 2.3, i % 2 ? 53 : 58);
    painter.drawPolygon(collar);
    painter.setPen(QPen(OUTLINE, 0.6));
    const struct {
        QPointF ptBase1, ptTip, ptBase2, ptBend;
        QColor clr;
    } kPoints[] = {
        {{27, 35}, {17, 21}, {33.5, 30}, {18, 31}, ROYAL_BLUE},
        {{44, 35}, {54, 21}, {37.5, 30}, {53, 31}, ROYAL_BLUE},
        {{30.5, 32}, {35.5, 12.5}, {40.5, 32}, {35.5, 22}, INK_RED},
    };
    for (const auto& point : kPoints) {
        QPainterPath path;
        path.moveTo(point.ptBase1);
        path.quadTo(point.ptBend, point.ptTip);
        path.quadTo((point.ptBend + point.ptBase2) / 2, point.ptBase2);
        path.closeSubpath();
        painter.setBrush(point.clr);
        painter.drawPath(path);
    }
    painter.setPen(QPen(GOLD_DARK, 0.5));
    painter.setBrush(GOLD);
    for (const auto& point : kPoints) painter.drawEllipse(point.ptTip, 2.2, 2.2);
    painter.setPen(QPen(OUTLINE, 0.6));
    painter.setBrush(SKIN);
    painter.drawEllipse(QPointF(35.5, 42), 7, 8);
    painter.setPen(QPen(GOLD_DARK, 0.5));
    painter.setBrush(GOLD);
    painter.drawRoundedRect(QRectF(26, 32.5, 19, 3.5), 1.2, 1.2);
    // Eyes, red cheeks and a wide smile.
    painter.setPen(Qt::NoPen);
    painter.setBrush(OUTLINE);
    painter.drawEllipse(QPointF(32.8, 40.5), 0.8, 0.8);
    painter.drawEllipse(QPointF(38.2, 40.5), 0.8, 0.8);
    painter.setBrush(QColor(236, 150, 140));
    painter.drawEllipse(QPointF(31.5, 44), 1.3, 1.0);
    painter.drawEllipse(QPointF(39.5, 44), 1.3, 1.0);
    painter.setPen(QPen(OUTLINE, 0.7));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(32, 41.5, 7, 5), 200 * 16, 140 * 16);
}

}  // namespace

// A court card: a frame holding a double-ended figure, the upper half turned half a turn to
// make the lower one, and the suit beside each head.
void card_paint::DrawCourt(QPainter& painter, int nSuit, int nRank) {
    const QColor ink = SuitInkColour(nSuit);
    const QRectF frame(13.5, 9.5, 44, 77);
    const QPointF ptCentre = frame.center();
    const CCourtColours colours = CourtColours(nSuit, nRank);
    painter.fillRect(frame, QColor(252, 248, 236));
    DrawBothWays(painter, ptCentre, [&] {
        painter.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), 38.5));
        DrawRobe(painter, colours);
        DrawHead(painter, nRank);
        DrawHeadgear(painter, nSuit, nRank);
        DrawEmblem(painter, nSuit, nRank);
        DrawSuit(painter, nSuit, nRank == RANK_JACK ? QPointF(19.5, 16) : QPointF(51.5, 16), 8,
                 false, ink);
    });
    painter.setPen(QPen(ink, 0.8));
    painter.drawLine(QPointF(frame.left(), ptCentre.y()), QPointF(frame.right(), ptCentre.y()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(GOLD, 0.8));
    painter.drawRect(frame.adjusted(1.4, 1.4, -1.4, -1.4));
    painter.setPen(QPen(ink, 1.0));
    painter.drawRect(frame);
}

// A frame like the court cards', holding the jester: his head over a chequered coat.
void card_paint::DrawLargeJoker(QPainter& painter) {
    const QRectF frame(13.5, 9.5, 44, 77);
    painter.fillRect(frame, QColor(252, 248, 236));
    painter.save();
    QPainterPath coat;
    coat.moveTo(24, 53);
    coat.lineTo(47, 53);
    coat.lineTo(54, frame.bottom());
    coat.lineTo(17, frame.bottom());
    coat.closeSubpath();
    painter.setClipPath(coat);
    painter.fillPath(coat, ROYAL_BLUE);
    painter.setPen(Qt::NoPen);
    painter.setBrush(INK_RED);
    for (int nRow = 0; nRow < 5; ++nRow) {
        for (int nColumn = -1; nColumn < 6; ++nColumn) {
            const QPointF pt(16 + nColumn * 8 + (nRow % 2) * 4, 57 + nRow * 7);
            painter.drawPolygon(QPolygonF({pt + QPointF(0, -3.5), pt + QPointF(2, 0),
                                           pt + QPointF(0, 3.5), pt + QPointF(-2, 0)}));
        }
    }
    painter.restore();
    DrawJesterHead(painter);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(GOLD, 0.8));
    painter.drawRect(frame.adjusted(1.4, 1.4, -1.4, -1.4));
    painter.setPen(QPen(INK_BLACK, 1.0));
    painter.drawRect(frame);
    const QPointF ptCentre(CARD_LARGE_WIDTH / 2.0, CARD_LARGE_HEIGHT / 2.0);
    DrawBothWays(painter, ptCentre, [&] { DrawJokerIndex(painter); });
}

// The small joker is the jester's head, big enough to tell from every suit at a glance.
void card_paint::DrawSmallJoker(QPainter& painter) {
    painter.save();
    painter.translate(12.5, 16.5);
    painter.scale(0.5, 0.5);
    painter.translate(-35.5, -34);
    DrawJesterHead(painter);
    painter.restore();
}
