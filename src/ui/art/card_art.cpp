#include "ui/art/card_art.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleFactory>
#include <array>
#include <memory>
#include <vector>

#include "model/card.h"
#include "platform/qt/qt_image.h"
#include "platform/resources.h"

namespace {

// Inks. Everything on a black-suit card stays clear of red, so the two colours never mix up.
const QColor INK_RED(200, 16, 40);
const QColor INK_BLACK(22, 22, 22);
const QColor BORDER(40, 40, 40);
const QColor GOLD(226, 176, 40);
const QColor GOLD_DARK(150, 110, 20);
const QColor ROYAL_BLUE(32, 74, 156);
const QColor SKIN(247, 220, 186);
const QColor OUTLINE(60, 45, 35);
const QColor BACK_BLUE(28, 72, 150);
const QColor BACK_LIGHT(98, 140, 214);
const QColor BACK_DARK(16, 44, 104);

bool IsRedSuit(int nSuit) {
    return nSuit == SUIT_HEARTS || nSuit == SUIT_DIAMONDS;
}

// Suit shapes in a box 100 units high; drawing scales them to the height asked.
QPainterPath MakeSuitShape(int nSuit) {
    QPainterPath path;
    switch (nSuit) {
        case SUIT_HEARTS:
            path.moveTo(50, 24);
            path.cubicTo(46, 8, 33, 2, 22, 2);
            path.cubicTo(8, 2, 0, 14, 0, 28);
            path.cubicTo(0, 56, 30, 72, 50, 100);
            path.cubicTo(70, 72, 100, 56, 100, 28);
            path.cubicTo(100, 14, 92, 2, 78, 2);
            path.cubicTo(67, 2, 54, 8, 50, 24);
            break;
        case SUIT_DIAMONDS:
            path.moveTo(50, 0);
            path.quadTo(66, 30, 86, 50);
            path.quadTo(66, 70, 50, 100);
            path.quadTo(34, 70, 14, 50);
            path.quadTo(34, 30, 50, 0);
            break;
        case SUIT_SPADES:
            path.moveTo(50, 0);
            path.cubicTo(36, 24, 2, 38, 2, 62);
            path.cubicTo(2, 76, 12, 84, 24, 84);
            path.cubicTo(35, 84, 43, 78, 47, 70);
            path.quadTo(46, 88, 32, 100);
            path.lineTo(68, 100);
            path.quadTo(54, 88, 53, 70);
            path.cubicTo(57, 78, 65, 84, 76, 84);
            path.cubicTo(88, 84, 98, 76, 98, 62);
            path.cubicTo(98, 38, 64, 24, 50, 0);
            break;
        case SUIT_CLUBS: {
            path.addEllipse(QPointF(50, 25), 23, 23);
            QPainterPath left;
            left.addEllipse(QPointF(25, 61), 23, 23);
            QPainterPath right;
            right.addEllipse(QPointF(75, 61), 23, 23);
            QPainterPath core;
            core.addPolygon(QPolygonF({QPointF(50, 34), QPointF(30, 58), QPointF(70, 58)}));
            core.closeSubpath();
            QPainterPath stem;
            stem.moveTo(46, 56);
            stem.quadTo(46, 86, 32, 100);
            stem.lineTo(68, 100);
            stem.quadTo(54, 86, 54, 56);
            stem.closeSubpath();
            path = path.united(left).united(right).united(core).united(stem);
            break;
        }
        default:
            break;
    }
    path.closeSubpath();
    return path;
}

// Each shape is made once: the club alone is four path unions, and a pack has hundreds of pips.
const QPainterPath& SuitShape(int nSuit) {
    static const std::array<QPainterPath, 5> shapes = {
        QPainterPath(), MakeSuitShape(SUIT_CLUBS), MakeSuitShape(SUIT_DIAMONDS),
        MakeSuitShape(SUIT_HEARTS), MakeSuitShape(SUIT_SPADES)};
    const bool bSuit = nSuit == SUIT_CLUBS || nSuit == SUIT_DIAMONDS || nSuit == SUIT_HEARTS ||
                       nSuit == SUIT_SPADES;
    return shapes[bSuit ? nSuit / 100 : 0];
}

// Fills the suit symbol with its centre at ptCentre and the given height; an inverted one is
// turned half a turn, as the lower half of a card shows it.
void DrawSuit(QPainter& painter, int nSuit, QPointF ptCentre, qreal dHeight, bool bInverted,
              const QColor& colour) {
    QPainterPath path = SuitSymbolPath(nSuit, QPointF(0, 0), dHeight);
    if (bInverted) path = QTransform().rotate(180).map(path);
    painter.fillPath(path.translated(ptCentre), colour);
}

QString RankText(int nRank) {
    switch (nRank) {
        case RANK_ACE:
            return QStringLiteral("A");
        case RANK_KING:
            return QStringLiteral("K");
        case RANK_QUEEN:
            return QStringLiteral("Q");
        case RANK_JACK:
            return QStringLiteral("J");
        default:
            return QString::number(nRank);
    }
}

// The rank as an outline whose cap height is dCapHeight, with the cap top at y = 0 and the ink
// centred on x = 0 (or starting at x = 0 when bLeftAligned). Outlines scale sharply to any
// ratio; "10" is condensed so that it fits the narrow index column.
QPainterPath RankPath(int nRank, qreal dCapHeight, bool bLeftAligned) {
    // The outlines at 100 pixels, shaped once for the whole pack.
    static const std::array<QPainterPath, RANK_ACE + 1> outlines = [] {
        std::array<QPainterPath, RANK_ACE + 1> paths;
        for (int n = 2; n <= RANK_ACE; ++n) paths[n].addText(0, 0, CardFont(100), RankText(n));
        return paths;
    }();
    static const qreal dCap = QFontMetricsF(CardFont(100)).capHeight();
    if (nRank < 2 || nRank > RANK_ACE) return {};
    const QPainterPath& text = outlines[nRank];
    const qreal dScale = dCapHeight / dCap;
    const qreal dCondense = nRank == 10 ? 0.78 : 1.0;
    const QRectF bounds = text.boundingRect();
    QTransform transform;
    transform.scale(dScale * dCondense, dScale);
    transform.translate(bLeftAligned ? -bounds.left() : -bounds.center().x(), dCap);
    return transform.map(text);
}

void FillCardBody(QPainter& painter, QRectF rect, qreal dRadius) {
    painter.setPen(QPen(BORDER, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(rect, dRadius, dRadius);
}

// One corner index of a large card: rank over suit, centred on a column near the edge.
void DrawLargeIndex(QPainter& painter, int nSuit, int nRank) {
    const QColor ink = SuitInkColour(nSuit);
    const qreal dColumn = 7.5;
    painter.fillPath(RankPath(nRank, 9, false).translated(dColumn, 4), ink);
    DrawSuit(painter, nSuit, QPointF(dColumn, 19.5), 8, false, ink);
}

// Pip centres for ranks 2 to 10, as the usual layouts place them: three columns, and rows
// across the pip field; pips below the middle are shown upside down.
std::vector<QPointF> PipCentres(int nRank) {
    const qreal xL = 22.5, xC = 35.5, xR = 48.5;
    const qreal yTop = 16.5, yBottom = 79.5, yMid = (yTop + yBottom) / 2;
    const qreal yThird = yTop + (yBottom - yTop) / 3, yTwoThirds = yTop + 2 * (yBottom - yTop) / 3;
    std::vector<QPointF> pips;
    auto pair = [&](qreal y) {
        pips.emplace_back(xL, y);
        pips.emplace_back(xR, y);
    };
    switch (nRank) {
        case 2:
            pips = {{xC, yTop}, {xC, yBottom}};
            break;
        case 3:
            pips = {{xC, yTop}, {xC, yMid}, {xC, yBottom}};
            break;
        case 4:
            pair(yTop);
            pair(yBottom);
            break;
        case 5:
            pair(yTop);
            pair(yBottom);
            pips.emplace_back(xC, yMid);
            break;
        case 6:
        case 7:
        case 8:
            pair(yTop);
            pair(yMid);
            pair(yBottom);
            if (nRank >= 7) pips.emplace_back(xC, (yTop + yMid) / 2);
            if (nRank == 8) pips.emplace_back(xC, (yMid + yBottom) / 2);
            break;
        case 9:
        case 10:
            pair(yTop);
            pair(yThird);
            pair(yTwoThirds);
            pair(yBottom);
            if (nRank == 9) {
                pips.emplace_back(xC, yMid);
            } else {
                pips.emplace_back(xC, (yTop + yThird) / 2);
                pips.emplace_back(xC, (yTwoThirds + yBottom) / 2);
            }
            break;
        default:
            break;
    }
    return pips;
}

void DrawPips(QPainter& painter, int nSuit, int nRank) {
    const QColor ink = SuitInkColour(nSuit);
    if (nRank == RANK_ACE) {
        // The ace of spades carries the big ornamented pip, as packs traditionally do.
        if (nSuit == SUIT_SPADES) {
            painter.setPen(QPen(ink, 0.8));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QPointF(35.5, 48), 20, 20);
            DrawSuit(painter, nSuit, QPointF(35.5, 48), 30, false, ink);
        } else {
            DrawSuit(painter, nSuit, QPointF(35.5, 48), 26, false, ink);
        }
        return;
    }
    const qreal dMid = 48;
    // The nine and ten have four rows of pips and less room for each.
    const qreal dHeight = nRank >= 9 ? 11.5 : 12.5;
    for (const QPointF& pt : PipCentres(nRank)) {
        DrawSuit(painter, nSuit, pt, dHeight, pt.y() > dMid, ink);
    }
}

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

// A court card: a frame holding a double-ended figure, the upper half turned half a turn to
// make the lower one, and the suit beside each head.
void DrawCourt(QPainter& painter, int nSuit, int nRank) {
    const QColor ink = SuitInkColour(nSuit);
    const QRectF frame(13.5, 9.5, 44, 77);
    const QPointF ptCentre = frame.center();
    const CCourtColours colours = CourtColours(nSuit, nRank);
    painter.fillRect(frame, QColor(252, 248, 236));
    for (int nHalf = 0; nHalf < 2; ++nHalf) {
        painter.save();
        if (nHalf == 1) {
            painter.translate(ptCentre);
            painter.rotate(180);
            painter.translate(-ptCentre);
        }
        painter.setClipRect(QRectF(frame.left(), frame.top(), frame.width(), 38.5));
        DrawRobe(painter, colours);
        DrawHead(painter, nRank);
        DrawHeadgear(painter, nSuit, nRank);
        DrawEmblem(painter, nSuit, nRank);
        DrawSuit(painter, nSuit, nRank == RANK_JACK ? QPointF(19.5, 16) : QPointF(51.5, 16), 8,
                 false, ink);
        painter.restore();
    }
    painter.setPen(QPen(ink, 0.8));
    painter.drawLine(QPointF(frame.left(), ptCentre.y()), QPointF(frame.right(), ptCentre.y()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(GOLD, 0.8));
    painter.drawRect(frame.adjusted(1.4, 1.4, -1.4, -1.4));
    painter.setPen(QPen(ink, 1.0));
    painter.drawRect(frame);
}

void DrawLargeFace(QPainter& painter, int nSuit, int nRank) {
    const QPointF ptCentre(CARD_LARGE_WIDTH / 2.0, CARD_LARGE_HEIGHT / 2.0);
    if (nRank >= RANK_JACK && nRank <= RANK_KING) {
        DrawCourt(painter, nSuit, nRank);
    } else {
        DrawPips(painter, nSuit, nRank);
    }
    for (int nCorner = 0; nCorner < 2; ++nCorner) {
        painter.save();
        if (nCorner == 1) {
            painter.translate(ptCentre);
            painter.rotate(180);
            painter.translate(-ptCentre);
        }
        DrawLargeIndex(painter, nSuit, nRank);
        painter.restore();
    }
}

// A small card has room for one thing only: the rank large at the top left and a big suit.
void DrawSmallFace(QPainter& painter, int nSuit, int nRank) {
    const QColor ink = SuitInkColour(nSuit);
    painter.fillPath(RankPath(nRank, 10, true).translated(nRank == 10 ? 2 : 2.5, 3), ink);
    DrawSuit(painter, nSuit, QPointF(15.5, 23.5), 14, false, ink);
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

// A frame like the court cards', holding the jester: his head over a chequered coat.
void DrawLargeJoker(QPainter& painter) {
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
    for (int nCorner = 0; nCorner < 2; ++nCorner) {
        painter.save();
        if (nCorner == 1) {
            painter.translate(ptCentre);
            painter.rotate(180);
            painter.translate(-ptCentre);
        }
        DrawJokerIndex(painter);
        painter.restore();
    }
}

// The small joker is the jester's head, big enough to tell from every suit at a glance.
void DrawSmallJoker(QPainter& painter) {
    painter.save();
    painter.translate(12.5, 16.5);
    painter.scale(0.5, 0.5);
    painter.translate(-35.5, -34);
    DrawJesterHead(painter);
    painter.restore();
}

// The back: a white margin round a blue field crossed by a light lattice, framed, with a
// medallion in the middle.
void DrawBack(QPainter& painter, QRectF body, qreal dMargin, qreal dPitch) {
    const QRectF field = body.adjusted(dMargin, dMargin, -dMargin, -dMargin);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(BACK_BLUE);
    painter.drawRoundedRect(field, 1.5, 1.5);
    painter.setClipRect(field);
    painter.setPen(QPen(BACK_LIGHT, dPitch / 6));
    const qreal dSpan = field.width() + field.height();
    for (qreal d = -dSpan; d < dSpan; d += dPitch) {
        painter.drawLine(QPointF(field.left() + d, field.top()),
                         QPointF(field.left() + d + field.height(), field.bottom()));
        painter.drawLine(QPointF(field.right() - d, field.top()),
                         QPointF(field.right() - d - field.height(), field.bottom()));
    }
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(BACK_LIGHT, dPitch / 5));
    painter.drawRect(field.adjusted(dPitch / 2, dPitch / 2, -dPitch / 2, -dPitch / 2));
    const QPointF ptCentre = field.center();
    const qreal dRx = field.width() * 0.22, dRy = field.height() * 0.16;
    painter.setPen(QPen(BACK_LIGHT, dPitch / 5));
    painter.setBrush(BACK_DARK);
    painter.drawEllipse(ptCentre, dRx, dRy);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BACK_LIGHT);
    painter.drawPolygon(
        QPolygonF({ptCentre + QPointF(0, -dRy * 0.6), ptCentre + QPointF(dRx * 0.45, 0),
                   ptCentre + QPointF(0, dRy * 0.6), ptCentre + QPointF(-dRx * 0.45, 0)}));
    painter.restore();
}

}  // namespace

QPainterPath SuitSymbolPath(int nSuit, QPointF ptCentre, qreal dHeight) {
    const QPainterPath path = SuitShape(nSuit);
    const QRectF bounds = path.boundingRect();
    if (bounds.height() <= 0) return path;
    const qreal dScale = dHeight / bounds.height();
    QTransform transform;
    transform.translate(ptCentre.x(), ptCentre.y());
    transform.scale(dScale, dScale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

QColor SuitInkColour(int nSuit) {
    return IsRedSuit(nSuit) ? INK_RED : INK_BLACK;
}

QColor CardCornerColor() {
    static const QColor colour = [] {
        const std::unique_ptr<QStyle> pStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        return pStyle ? pStyle->standardPalette().color(QPalette::Window) : QColor(239, 239, 239);
    }();
    return colour;
}

QFont CardFont(int nPixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(nPixelSize);
    font.setBold(true);
    return font;
}

QImage RenderCardPicture(int nSuit, int nRank, bool bLarge, qreal dDevicePixelRatio) {
    const int nWidth = bLarge ? CARD_LARGE_WIDTH : CARD_SMALL_WIDTH;
    const int nHeight = bLarge ? CARD_LARGE_HEIGHT : CARD_SMALL_PICTURE_HEIGHT;
    // No alpha channel: the pictures are copied as they are onto the dialog face.
    QImage image(qRound(nWidth * dDevicePixelRatio), qRound(nHeight * dDevicePixelRatio),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(dDevicePixelRatio);
    image.fill(CardCornerColor());

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0.5, 0.5, nWidth - 1, nHeight - 1);
    FillCardBody(painter, body, bLarge ? 3.5 : 2.5);
    if (nSuit == SUIT_BACK) {
        DrawBack(painter, body, bLarge ? 3.5 : 2, bLarge ? 6 : 4);
    } else if (nSuit == SUIT_JOKER) {
        bLarge ? DrawLargeJoker(painter) : DrawSmallJoker(painter);
    } else if (bLarge) {
        DrawLargeFace(painter, nSuit, nRank);
    } else {
        DrawSmallFace(painter, nSuit, nRank);
    }
    return image;
}

void RegisterCardPictures(qreal dDevicePixelRatio) {
    auto registerCard = [dDevicePixelRatio](int nSuit, int nRank) {
        for (bool bLarge : {true, false}) {
            AfxRegisterBitmap(
                bLarge ? CardLargeBitmapID(nSuit, nRank) : CardSmallBitmapID(nSuit, nRank),
                std::make_shared<CQtImage>(
                    bLarge ? CARD_LARGE_WIDTH : CARD_SMALL_WIDTH,
                    bLarge ? CARD_LARGE_HEIGHT : CARD_SMALL_PICTURE_HEIGHT,
                    [=] { return RenderCardPicture(nSuit, nRank, bLarge, dDevicePixelRatio); }));
        }
    };
    for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
        for (int nRank = 2; nRank <= RANK_ACE; ++nRank) registerCard(nSuit, nRank);
    }
    registerCard(SUIT_BACK, 0);
    registerCard(SUIT_JOKER, 0);
}
