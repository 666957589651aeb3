#include "ui/art/icon_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QResource>
#include <algorithm>
#include <memory>
#include <vector>

#include "model/card.h"
#include "platform/qt/qt_image.h"
#include "platform/resources.h"
#include "ui/art/card_art.h"

namespace {

// The motif is laid out in a 256-unit square and scaled to the size asked.
constexpr qreal UNITS = 256;
constexpr qreal CARD_W = 112;
constexpr qreal CARD_H = 156;
const QPointF PIVOT(128, 250);

struct CIconCard {
    qreal dAngle;
    int nSuit;  // SUIT_BACK for the blue back
};

// The cards from the back of the fan to the front. Below 24 pixels two cards only.
std::vector<CIconCard> IconCards(int nPixelSize) {
    if (nPixelSize < 24) return {{-16, SUIT_BACK}, {14, SUIT_HEARTS}};
    return {{-26, SUIT_BACK}, {0, SUIT_SPADES}, {26, SUIT_HEARTS}};
}

QTransform CardTransform(qreal dAngle) {
    QTransform transform;
    transform.translate(PIVOT.x(), PIVOT.y());
    transform.rotate(dAngle);
    transform.translate(-PIVOT.x(), -PIVOT.y());
    return transform;
}

QRectF CardRect() {
    return QRectF(PIVOT.x() - CARD_W / 2, PIVOT.y() - 24 - CARD_H, CARD_W, CARD_H);
}

// The back's blue field, crossed by a light lattice where the icon is large enough to show it.
void DrawIconBack(QPainter& painter, const QRectF& rect, int nPixelSize, qreal dBorder) {
    const qreal dPixel = UNITS / nPixelSize;
    const qreal dMargin = nPixelSize < 24 ? dBorder : 12;
    const QRectF field = rect.adjusted(dMargin, dMargin, -dMargin, -dMargin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(28, 72, 150));
    painter.drawRoundedRect(field, 5, 5);
    if (nPixelSize < 32) return;
    painter.setClipRect(field);
    painter.setPen(QPen(QColor(98, 140, 214), std::max(dPixel, 3.0)));
    const qreal dPitch = nPixelSize >= 48 ? 18 : 26;
    for (qreal d = -CARD_H; d < CARD_W + CARD_H; d += dPitch) {
        painter.drawLine(QPointF(field.left() + d, field.top()),
                         QPointF(field.left() + d - field.height(), field.bottom()));
        painter.drawLine(QPointF(field.left() + d, field.top()),
                         QPointF(field.left() + d + field.height(), field.bottom()));
    }
}

// Corner indices: an ace, top left and bottom right.
void DrawIconIndices(QPainter& painter, int nSuit, const QRectF& rect, const QColor& ink) {
    const QPointF ptCentre = rect.center();
    QPainterPath letter;
    letter.addText(0, 0, CardFont(100), QStringLiteral("A"));
    const QRectF bounds = letter.boundingRect();
    const qreal dScale = 22 / bounds.height();
    for (int nCorner = 0; nCorner < 2; ++nCorner) {
        QTransform transform;
        if (nCorner == 1) {
            transform.translate(ptCentre.x(), ptCentre.y());
            transform.rotate(180);
            transform.translate(-ptCentre.x(), -ptCentre.y());
        }
        transform.translate(rect.left() + 15, rect.top() + 10);
        transform.scale(dScale, dScale);
        transform.translate(-bounds.center().x(), -bounds.top());
        painter.fillPath(transform.map(letter), ink);
        const QPointF ptIndexPip =
            nCorner == 0 ? rect.topLeft() + QPointF(15, 44) : rect.bottomRight() - QPointF(15, 44);
        painter.fillPath(SuitSymbolPath(nSuit, ptIndexPip, 14), ink);
    }
}

void DrawIconFace(QPainter& painter, int nSuit, const QRectF& rect, int nPixelSize) {
    const QColor ink = SuitInkColour(nSuit);
    // Only the front card shows its middle; a card behind it shows its upper left.
    const bool bFront = nSuit == SUIT_HEARTS;
    const qreal dPip = nPixelSize < 24 ? 96 : bFront ? 74 : 54;
    const QPointF ptPip = bFront ? rect.center() : rect.center() + QPointF(-22, -34);
    painter.fillPath(SuitSymbolPath(nSuit, ptPip, dPip), ink);
    if (bFront && nPixelSize >= 48) DrawIconIndices(painter, nSuit, rect, ink);
}

void DrawIconCard(QPainter& painter, const CIconCard& card, int nPixelSize) {
    const qreal dPixel = UNITS / nPixelSize;
    const qreal dBorder = std::max(dPixel, 4.0);
    const QRectF rect = CardRect();
    const qreal dRadius = 12;
    painter.save();
    painter.setTransform(CardTransform(card.dAngle), true);
    if (nPixelSize >= 48) {
        // A soft shadow on the card below.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 60));
        painter.drawRoundedRect(rect.translated(5, 4), dRadius, dRadius);
    }
    painter.setPen(QPen(QColor(40, 40, 40), dBorder));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(rect, dRadius, dRadius);
    if (card.nSuit == SUIT_BACK) {
        DrawIconBack(painter, rect, nPixelSize, dBorder);
    } else {
        DrawIconFace(painter, card.nSuit, rect, nPixelSize);
    }
    painter.restore();
}

}  // namespace

QImage RenderAppIconImage(int nPixelSize) {
    QImage image(nPixelSize, nPixelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const std::vector<CIconCard> cards = IconCards(nPixelSize);

    // Fit the fan, whatever its spread, into the square with a small margin.
    QRectF bounds;
    for (const CIconCard& card : cards) {
        bounds = bounds.united(CardTransform(card.dAngle).mapRect(CardRect()));
    }
    const qreal dMargin = UNITS * 0.03;
    const qreal dScale = (UNITS - 2 * dMargin) / std::max(bounds.width(), bounds.height());

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(nPixelSize / UNITS, nPixelSize / UNITS);
    painter.translate(UNITS / 2, UNITS / 2);
    painter.scale(dScale, dScale);
    painter.translate(-bounds.center());
    for (const CIconCard& card : cards) DrawIconCard(painter, card, nPixelSize);
    return image;
}

QString AppIconResource(int nPixelSize) {
    return QString(":/icon/handfall-%1x%1.argb").arg(nPixelSize);
}

QIcon AppIcon() {
    QIcon icon;
    for (int nSize : kAppIconSizes) {
        // Uncompressed resource data lives as long as the program, so the image may use it.
        const QResource resource(AppIconResource(nSize));
        const bool bCarried = resource.isValid() &&
                              resource.compressionAlgorithm() == QResource::NoCompression &&
                              resource.size() == qint64(nSize) * nSize * 4;
        icon.addPixmap(QPixmap::fromImage(
            bCarried ? QImage(resource.data(), nSize, nSize, QImage::Format_ARGB32_Premultiplied)
                     : RenderAppIconImage(nSize)));
    }
    return icon;
}

void RegisterAppIcon() {
    AfxRegisterIcon(IDR_MAINFRAME, std::make_shared<CQtIcon>(AppIcon(), 32));
}
