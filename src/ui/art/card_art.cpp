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
#include "ui/art/card_paint.h"

using namespace card_paint;

namespace {

// Inks of the border and the back; the suits' are in card_paint.h.
const QColor BORDER(40, 40, 40);
const QColor BACK_BLUE(28, 72, 150);
const QColor BACK_LIGHT(98, 140, 214);
const QColor BACK_DARK(16, 44, 104);

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

void DrawLargeFace(QPainter& painter, int nSuit, int nRank) {
    const QPointF ptCentre(CARD_LARGE_WIDTH / 2.0, CARD_LARGE_HEIGHT / 2.0);
    if (nRank >= RANK_JACK && nRank <= RANK_KING) {
        DrawCourt(painter, nSuit, nRank);
    } else {
        DrawPips(painter, nSuit, nRank);
    }
    DrawBothWays(painter, ptCentre, [&] { DrawLargeIndex(painter, nSuit, nRank); });
}

// A small card has room for one thing only: the rank large at the top left and a big suit.
void DrawSmallFace(QPainter& painter, int nSuit, int nRank) {
    const QColor ink = SuitInkColour(nSuit);
    painter.fillPath(RankPath(nRank, 10, true).translated(nRank == 10 ? 2 : 2.5, 3), ink);
    DrawSuit(painter, nSuit, QPointF(15.5, 23.5), 14, false, ink);
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

void card_paint::DrawSuit(QPainter& painter, int nSuit, QPointF ptCentre, qreal dHeight,
                          bool bInverted, const QColor& colour) {
    QPainterPath path = SuitSymbolPath(nSuit, QPointF(0, 0), dHeight);
    if (bInverted) path = QTransform().rotate(180).map(path);
    painter.fillPath(path.translated(ptCentre), colour);
}

void card_paint::DrawBothWays(QPainter& painter, QPointF ptCentre,
                              const std::function<void()>& draw) {
    for (int nHalf = 0; nHalf < 2; ++nHalf) {
        painter.save();
        if (nHalf == 1) {
            painter.translate(ptCentre);
            painter.rotate(180);
            painter.translate(-ptCentre);
        }
        draw();
        painter.restore();
    }
}

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
