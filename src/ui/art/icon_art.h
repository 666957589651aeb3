// The application icon, drawn by our own code: three cards fanned out in the hand.
#pragma once

#include <QIcon>
#include <QImage>

#include "table/resource.h"

// The icon at one square pixel size, transparent around the cards. Small sizes show fewer,
// bolder cards so that the motif still reads at 16 pixels.
QImage RenderAppIconImage(int nPixelSize);

// The sizes the icon comes in: 16, 32, 48 and 256 pixels, and 64 and 96 as the doubled 32 and
// 48 for high-density screens (a 32 already serves as the doubled 16).
inline constexpr int kAppIconSizes[] = {16, 32, 48, 256, 64, 96};

// Where the game carries the icon at one size as drawn by the build: the bare pixels, premultiplied
// ARGB32 in the machine's byte order, stored uncompressed (":/icon/handfall-NxN.argb").
QString AppIconResource(int nPixelSize);

// The icon at all its sizes. Each is taken from the pixels the build drew when the program
// carries them, so that start-up neither draws nor decodes them; drawn here otherwise (in tools
// and tests that do not carry them).
QIcon AppIcon();

// Registers the icon as icon resource IDR_MAINFRAME, drawn at 32 pixels.
void RegisterAppIcon();
