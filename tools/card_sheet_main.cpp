// Draws all card pictures and the icon sizes onto one sheet, copied the way the table copies
// them, so the artwork can be looked at in one place.
// Usage: handfall_card_sheet OUTPUT.png [DEVICE_PIXEL_RATIO]
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "model/card.h"
#include "platform/bitmap.h"
#include "platform/qt/qt_dc.h"
#include "platform/resources.h"
#include "ui/art/card_art.h"
#include "ui/art/icon_art.h"

namespace {

constexpr int MARGIN = 12;
constexpr int GAP = 6;
constexpr int COLUMNS = 14;  // ace to king, then the back and the joker
constexpr int SUITS[] = {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS};
constexpr int ICON_SIZES[] = {16, 32, 48, 256};

// Copies one registered picture as the cards do: unscaled, its top-left corner at (x, y).
void CopyPicture(CQtDC& dc, UINT nID, int x, int y) {
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nID)) return;
    const SIZE size = bitmap.GetBitmapDimension();
    dc.BitBlt(x, y, size.cx, size.cy, &bitmap, 0, 0, SRCCOPY);
}

// Draws one block of 4 x 13 cards plus the back and the joker, large or small, from (x, y).
void DrawBlock(CQtDC& dc, bool bLarge, int x, int y) {
    const int nWidth = (bLarge ? CARD_LARGE_WIDTH : CARD_SMALL_WIDTH) + GAP;
    const int nHeight = (bLarge ? CARD_LARGE_HEIGHT : CARD_SMALL_PICTURE_HEIGHT) + GAP;
    for (int nRow = 0; nRow < 4; ++nRow) {
        for (int nColumn = 0; nColumn < 13; ++nColumn) {
            const int nRank = nColumn == 0 ? RANK_ACE : nColumn + 1;
            const UINT nID = bLarge ? CardLargeBitmapID(SUITS[nRow], nRank)
                                    : CardSmallBitmapID(SUITS[nRow], nRank);
            CopyPicture(dc, nID, x + nColumn * nWidth, y + nRow * nHeight);
        }
    }
    CopyPicture(dc, bLarge ? IDB_CARD_BACK_LARGE : IDB_CARD_BACK_SMALL, x + 13 * nWidth, y);
    CopyPicture(dc, bLarge ? IDB_JOKER_LARGE : IDB_JOKER_SMALL, x + 13 * nWidth, y + nHeight);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [DEVICE_PIXEL_RATIO]\n", argv[0]);
        return 2;
    }
    const qreal dRatio = argc > 2 ? std::atof(argv[2]) : 1.0;
    if (dRatio <= 0) {
        std::fprintf(stderr, "the device pixel ratio must be positive\n");
        return 2;
    }
    QApplication app(argc, argv);
    RegisterCardPictures(dRatio);
    const QIcon icon = AppIcon();

    const int nLargeHeight = 4 * (CARD_LARGE_HEIGHT + GAP);
    const int nSmallWidth = COLUMNS * (CARD_SMALL_WIDTH + GAP);
    const int nSmallHeight = 4 * (CARD_SMALL_PICTURE_HEIGHT + GAP);
    const int nWidth = MARGIN + COLUMNS * (CARD_LARGE_WIDTH + GAP) + MARGIN;
    const int nHeight = MARGIN + nLargeHeight + 2 * MARGIN + std::max(nSmallHeight, 256) + MARGIN;

    QImage sheet(qRound(nWidth * dRatio), qRound(nHeight * dRatio), QImage::Format_RGB32);
    sheet.setDevicePixelRatio(dRatio);
    sheet.fill(CardCornerColor());
    {
        QPainter painter(&sheet);
        CQtDC dc(painter);
        DrawBlock(dc, true, MARGIN, MARGIN);
        const int ySmall = MARGIN + nLargeHeight + 2 * MARGIN;
        DrawBlock(dc, false, MARGIN, ySmall);
        int x = MARGIN + nSmallWidth + 3 * MARGIN;
        for (int nSize : ICON_SIZES) {
            icon.paint(&painter, QRect(x, ySmall, nSize, nSize));
            x += nSize + 2 * MARGIN;
        }
    }
    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
