// What the program sets up before its first window: the look of the controls, and its
// resources (card pictures, icon, strings).
#pragma once

#include <QApplication>

// Fusion style, the controls' font, and the dialog face colour the table paints on.
void SetUpApplicationLook(QApplication& app);

// Registers every picture at the screen's pixel ratio (the card faces drawn on first use) and
// the strings; false when a picture could not be made.
bool LoadProgramResources(qreal dDevicePixelRatio);

// The font of every control caption: Liberation Sans at 11 pixels (8 points at 96 dpi).
QFont ControlFont();
