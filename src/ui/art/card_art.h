// The card pictures: drawn by our own code as vector art at the screen's device pixel ratio and
// registered as the bitmap resources the cards load by id.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>

#include "model/layout.h"

// Renders the large or small picture of one card (suit code and rank as the cards use them;
// suit 0 is the back, SUIT_JOKER the joker). The image is opaque, its size the logical size times
// the ratio.
QImage RenderCardPicture(int nSuit, int nRank, bool bLarge, qreal dDevicePixelRatio);

// Registers all 108 pictures (the 52 faces, the back and the joker) under their bitmap ids,
// replacing what was there. Each is drawn when it is first copied, so start-up draws only what its
// first frame shows.
void RegisterCardPictures(qreal dDevicePixelRatio);

// The dialog face the pictures are copied onto: the rounded corners are filled with it.
QColor CardCornerColor();

// The face of the indices: Liberation Sans bold at a pixel size.
QFont CardFont(int nPixelSize);

// A suit's symbol as an outline centred on ptCentre, dHeight high (nothing for the back).
QPainterPath SuitSymbolPath(int nSuit, QPointF ptCentre, qreal dHeight);

// The ink of a suit: red for hearts and diamonds, black for clubs and spades.
QColor SuitInkColour(int nSuit);
