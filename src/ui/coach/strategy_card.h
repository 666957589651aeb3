// The strategy card: a chart on one printable page (PDF), with its exact return, the best
// return, the gap between them and the words its lines use, for a player to carry to a machine.
#pragma once

#include <QString>

class CStrategyChart;
class QPainter;

// Where the card's sizes come from, apart from Qt so that they can be checked alone. Points
// (1/72 inch) on an A4 page in landscape.
struct CStrategyCardLayout {
    int nColumns = 1;
    int nRowsPerColumn = 0;
    double dLinePoints = 0.0;      // the chart's lines
    double dSmallestPoints = 0.0;  // the smallest text on the card, legend and footer included
};

// The layout of a chart of nLines lines: every chart the generator makes (at most
// MAX_CHART_LINES lines) fits the page at 7 pt or larger.
CStrategyCardLayout StrategyCardLayout(int nLines);

// Paints the card within the page's margins, its top left at the painter's origin, at
// dDotsPerPoint of the painter's device (the PDF's, or an image to check).
void PaintStrategyCard(QPainter& painter, double dDotsPerPoint, const CStrategyChart& chart,
                       const QString& strGame);

// Writes the card of strGame's chart as a one-page PDF at strPath (a family's games share
// their tables, so the chart does not name the game). False, with a message for the user in
// *pError, when the file cannot be written.
bool WriteStrategyCard(const CStrategyChart& chart, const QString& strGame, const QString& strPath,
                       QString* pError);
