#include "ui/art/card_art.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <string>
#include <utility>
#include <vector>

#include "model/card.h"
#include "platform/bitmap.h"
#include "platform/qt/qt_image.h"
#include "platform/resources.h"

namespace {

struct CCardFace {
    int nSuit;
    int nRank;
};

// The 52 cards in their creation order, then the back.
std::vector<CCardFace> AllFaces() {
    std::vector<CCardFace> faces;
    for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
        for (int nRank = 2; nRank <= RANK_ACE; ++nRank) faces.push_back({nSuit, nRank});
    }
    faces.push_back({SUIT_BACK, 0});
    return faces;
}

std::string Name(const CCardFace& face) {
    return std::to_string(face.nRank) + "/" + std::to_string(face.nSuit);
}

// Colour classes over a picture: a saturated red near hue 0, a saturated blue.
bool IsRed(QColor c) {
    const int nHue = c.hsvHue();
    return nHue >= 0 && (nHue <= 20 || nHue >= 340) && c.hsvSaturation() >= 128 && c.value() >= 90;
}

bool IsBlue(QColor c) {
    const int nHue = c.hsvHue();
    return nHue >= 200 && nHue <= 250 && c.hsvSaturation() >= 90 && c.value() >= 60;
}

// Ink: the strong part of a symbol, not its soft edge and not the white face.
bool IsInk(QColor c) {
    return std::min({c.red(), c.green(), c.blue()}) < 128;
}

template <typename Pred>
int CountPixels(const QImage& image, Pred pred) {
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) nCount += pred(image.pixelColor(x, y)) ? 1 : 0;
    }
    return nCount;
}

// Separate blobs of ink inside a rectangle given in device pixels (4-connected).
int CountInkBlobs(const QImage& image, QRect rect) {
    std::vector<char> seen(static_cast<size_t>(rect.width() * rect.height()), 0);
    auto index = [&](int x, int y) {
        return static_cast<size_t>((y - rect.top()) * rect.width() + (x - rect.left()));
    };
    int nBlobs = 0;
    for (int y0 = rect.top(); y0 <= rect.bottom(); ++y0) {
        for (int x0 = rect.left(); x0 <= rect.right(); ++x0) {
            if (seen[index(x0, y0)] || !IsInk(image.pixelColor(x0, y0))) continue;
            ++nBlobs;
            std::vector<QPoint> stack{{x0, y0}};
            seen[index(x0, y0)] = 1;
            while (!stack.empty()) {
                const QPoint pt = stack.back();
                stack.pop_back();
                for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint next = pt + d;
                    if (!rect.contains(next) || seen[index(next.x(), next.y())]) continue;
                    if (!IsInk(image.pixelColor(next))) continue;
                    seen[index(next.x(), next.y())] = 1;
                    stack.push_back(next);
                }
            }
        }
    }
    return nBlobs;
}

TEST(CardArt, IndicesUseTheInstalledLiberationSans) {
    EXPECT_EQ(QFontInfo(CardFont(12)).family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(QFontInfo(CardFont(12)).bold());
}

class CardPictures : public ::testing::TestWithParam<qreal> {
protected:
    void TearDown() override { AfxClearResources(); }
};

// The pictures are drawn on first use: each must be exactly what the drawing code makes.
TEST_P(CardPictures, AllOneHundredAndSixIdsAreRegisteredAsTheDrawingCodeMakesThem) {
    const qreal dRatio = GetParam();
    AfxClearResources();
    RegisterCardPictures(dRatio);
    for (const CCardFace& face : AllFaces()) {
        for (bool bLarge : {true, false}) {
            const UINT nID = bLarge ? CardLargeBitmapID(face.nSuit, face.nRank)
                                    : CardSmallBitmapID(face.nSuit, face.nRank);
            const auto* pImage = dynamic_cast<const CQtImage*>(AfxFindBitmap(nID).get());
            ASSERT_NE(pImage, nullptr) << nID;
            const int nWidth = bLarge ? 71 : 25;
            const int nHeight = bLarge ? 96 : 33;
            EXPECT_EQ(pImage->GetWidth(), nWidth) << nID;
            EXPECT_EQ(pImage->GetHeight(), nHeight) << nID;
            EXPECT_EQ(pImage->GetImage().width(), qRound(nWidth * dRatio)) << nID;
            EXPECT_EQ(pImage->GetImage().height(), qRound(nHeight * dRatio)) << nID;
            EXPECT_EQ(pImage->GetImage().devicePixelRatio(), dRatio) << nID;
            EXPECT_EQ(pImage->GetImage(), RenderCardPicture(face.nSuit, face.nRank, bLarge, dRatio))
                << nID;
        }
    }
    // The back's ids, and a card built from the ids loads both pictures.
    EXPECT_NE(AfxFindBitmap(IDB_CARD_BACK_LARGE), nullptr);
    EXPECT_NE(AfxFindBitmap(IDB_CARD_BACK_SMALL), nullptr);
    const CCard card(SUIT_DIAMONDS, RANK_KING, 1413, 2413);
    EXPECT_TRUE(card.IsLargeLoaded());
    EXPECT_TRUE(card.IsSmallLoaded());
    // Nothing is registered outside the card set's ids.
    for (UINT nID : {999u, 1001u, 1100u, 1114u, 1414u, 1501u, 2001u, 2414u}) {
        EXPECT_EQ(AfxFindBitmap(nID), nullptr) << nID;
    }
}

TEST_P(CardPictures, PicturesAreOpaqueWithCornersInTheDialogFace) {
    for (const CCardFace& face : AllFaces()) {
        for (bool bLarge : {true, false}) {
            const QImage image = RenderCardPicture(face.nSuit, face.nRank, bLarge, GetParam());
            EXPECT_FALSE(image.hasAlphaChannel()) << Name(face);
            // The copy has no transparency, so the corner outside the rounding must already
            // be the face the card lands on.
            const int w = image.width(), h = image.height();
            for (QPoint pt :
                 {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
                EXPECT_EQ(image.pixelColor(pt), CardCornerColor()) << Name(face);
            }
        }
    }
}

TEST_P(CardPictures, HaveAThinDarkBorderDrawnAtTheRatio) {
    // Along the middle of the left edge: one logical pixel of border, then the face. At ratio
    // 2 that is two device pixels: the picture is drawn at the ratio, not enlarged.
    const qreal dRatio = GetParam();
    for (bool bLarge : {true, false}) {
        const QImage image = RenderCardPicture(SUIT_HEARTS, 5, bLarge, dRatio);
        const int y = image.height() / 2;
        const int nBorder = qRound(dRatio);
        for (int x = 0; x < nBorder; ++x) EXPECT_LT(image.pixelColor(x, y).value(), 80) << x;
        EXPECT_EQ(image.pixelColor(nBorder, y), QColor(Qt::white));
    }
}

TEST_P(CardPictures, RedSuitsShowRedAndBlackSuitsNone) {
    for (const CCardFace& face : AllFaces()) {
        if (face.nSuit == SUIT_BACK) continue;
        const bool bRed = face.nSuit == SUIT_HEARTS || face.nSuit == SUIT_DIAMONDS;
        for (bool bLarge : {true, false}) {
            const QImage image = RenderCardPicture(face.nSuit, face.nRank, bLarge, GetParam());
            const int nRed = CountPixels(image, IsRed);
            if (bRed) {
                EXPECT_GT(nRed, image.width() * image.height() / 100) << Name(face) << bLarge;
            } else {
                EXPECT_EQ(nRed, 0) << Name(face) << bLarge;
            }
        }
    }
}

TEST_P(CardPictures, TheBackIsMostlyBlue) {
    for (bool bLarge : {true, false}) {
        const QImage image = RenderCardPicture(SUIT_BACK, 0, bLarge, GetParam());
        EXPECT_GT(CountPixels(image, IsBlue), image.width() * image.height() * 6 / 10) << bLarge;
        EXPECT_EQ(CountPixels(image, IsRed), 0);
    }
}

TEST_P(CardPictures, EveryTwoPicturesOfOneSizeDiffer) {
    const std::vector<CCardFace> faces = AllFaces();
    for (bool bLarge : {true, false}) {
        std::vector<QImage> images;
        for (const CCardFace& face : faces) {
            images.push_back(RenderCardPicture(face.nSuit, face.nRank, bLarge, GetParam()));
        }
        for (size_t i = 0; i < images.size(); ++i) {
            for (size_t j = i + 1; j < images.size(); ++j) {
                EXPECT_NE(images[i], images[j]) << Name(faces[i]) << " vs " << Name(faces[j]);
            }
        }
    }
}

TEST_P(CardPictures, PipCardsShowAsManyPipsAsTheirRank) {
    // The field between the two index columns holds the pips and nothing else.
    const qreal dRatio = GetParam();
    const QRect field(qRound(14 * dRatio), qRound(4 * dRatio), qRound(43 * dRatio),
                      qRound(88 * dRatio));
    for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
        for (int nRank = 2; nRank <= 10; ++nRank) {
            const QImage image = RenderCardPicture(nSuit, nRank, true, dRatio);
            EXPECT_EQ(CountInkBlobs(image, field), nRank) << nRank << "/" << nSuit;
        }
        if (nSuit != SUIT_SPADES) {
            EXPECT_EQ(CountInkBlobs(RenderCardPicture(nSuit, RANK_ACE, true, dRatio), field), 1);
        }
    }
}

TEST_P(CardPictures, SmallPicturesShowTheRankAtTopLeftAndABigSuitBelow) {
    const qreal dRatio = GetParam();
    auto scaled = [dRatio](int x, int y, int w, int h) {
        return QRect(qRound(x * dRatio), qRound(y * dRatio), qRound(w * dRatio),
                     qRound(h * dRatio));
    };
    const QRect rank = scaled(2, 2, 14, 12);
    const QRect suit = scaled(8, 16, 16, 15);
    for (const CCardFace& face : AllFaces()) {
        if (face.nSuit == SUIT_BACK) continue;
        const QImage image = RenderCardPicture(face.nSuit, face.nRank, false, dRatio);
        // One glyph for the rank ("10" two), one solid symbol for the suit.
        EXPECT_EQ(CountInkBlobs(image, rank), face.nRank == 10 ? 2 : 1) << Name(face);
        EXPECT_EQ(CountInkBlobs(image, suit), 1) << Name(face);
        EXPECT_GT(CountPixels(image.copy(suit), IsInk), suit.width() * suit.height() / 5)
            << Name(face);
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, CardPictures, ::testing::Values(1.0, 2.0));

TEST(SuitSymbolPath, FillsTheHeightAskedAroundTheCentre) {
    for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
        const QRectF bounds = SuitSymbolPath(nSuit, QPointF(10, 20), 12).boundingRect();
        EXPECT_NEAR(bounds.height(), 12, 1e-6) << nSuit;
        EXPECT_NEAR(bounds.center().x(), 10, 1e-6) << nSuit;
        EXPECT_NEAR(bounds.center().y(), 20, 1e-6) << nSuit;
        EXPECT_GT(bounds.width(), 6) << nSuit;
        EXPECT_LE(bounds.width(), 12.5) << nSuit;
    }
    EXPECT_TRUE(SuitSymbolPath(SUIT_BACK, QPointF(0, 0), 12).isEmpty());
}

}  // namespace
