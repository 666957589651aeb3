// The application icon, drawn by our own code: three cards fanned out in the hand.
#pragma once

#include <QIcon>
#include <QImage>

#include "table/resource.h"

// The icon at one square pixel size, transparent around the cards. Small sizes show fewer,
// bolder cards so that the motif still reads at 16 pixels.
QImage RenderAppIconImage(int nPixelSize);

// The icon with pixmaps at 16, 32, 48 and 256 pixels, and the doubled sizes of the first three
// for high-density screens.
QIcon RenderAppIcon();

// Registers the icon as icon resource IDR_MAINFRAME, drawn at 32 pixels.
void RegisterAppIcon();
