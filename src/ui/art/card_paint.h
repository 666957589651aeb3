// What the painters of the card pictures share, inside ui/art: the inks of the suits, a suit
// symbol filled in place, a drawing made twice the way a card shows its two halves, and the
// figures of the court cards and the joker (figure_art.cpp).
#pragma once

#include <QColor>
#include <QPointF>

#include <functional>

#include "model/card.h"

class QPainter;

namespace card_paint {

// Everything on a black-suit card stays clear of red, so the two colours never mix up.
inline const QColor INK_RED(200, 16, 40);
inline const QColor INK_BLACK(22, 22, 22);

inline bool IsRedSuit(int nSuit) {
    return nSuit == SUIT_HEARTS || nSuit == SUIT_DIAMONDS;
}

// Fills the suit symbol with its centre at ptCentre and the given height; an inverted one is
// turned half a turn, as the lower half of a card shows it.
void DrawSuit(QPainter& painter, int nSuit, QPointF ptCentre, qreal dHeight, bool bInverted,
              const QColor& colour);

// Runs draw as it stands, then again turned half a turn about ptCentre: the upper half of a
// figure drawn upside down as the lower, a corner index repeated in the opposite corner.
void DrawBothWays(QPainter& painter, QPointF ptCentre, const std::function<void()>& draw);

// In large-card units, within the frame the large faces share.
void DrawCourt(QPainter& painter, int nSuit, int nRank);
void DrawLargeJoker(QPainter& painter);
// The jester's head alone, scaled to the small picture.
void DrawSmallJoker(QPainter& painter);

}  // namespace card_paint
