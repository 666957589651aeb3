#include "ui/art/card_art.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <string>
#include <vector>

#include "model/card.h"
#include "platform/qt/qt_image.h"
#include "platform/resources.h"

namespace {

struct CCardFace {
    int nSuit;
    int nRank;
    std::string Name() const { return std::to_string(nRank) + "/" + std::to_string(nSuit); }
};

// The 52 cards in their creation order, then the back.
std::vector<CCardFace> AllFaces() {
    std::vector<CCardFace> faces;
    for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS})
        for (int nRank = 2; nRank <= RANK_ACE; ++nRank) faces.push_back({nSuit, nRank});
    faces.push_back({SUIT_BACK, 0});
    return faces;
}

// Colour classes over a picture: a saturated red near hue 0, a saturated blue, and ink (the
// strong part of a symbol, not its soft edge and not the white face).
bool IsRed(QColor c) {
    const int nHue = c.hsvHue();
    return nHue >= 0 && (nHue <= 20 || nHue >= 340) && c.hsvSaturation() >= 128 && c.value() >= 90;
}
bool IsBlue(QColor c) {
    return c.hsvHue() >= 200 && c.hsvHue() <= 250 && c.hsvSaturation() >= 90 && c.value() >= 60;
}
bool IsInk(QColor c) {
    return std::min({c.red(), c.green(), c.blue()}) < 128;
}

template <typename Pred>
int CountPixels(const QImage& image, Pred pred) {
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) nCount += pred(image.pixelColor(x, y));
    return nCount;
}

// Separate blobs of ink inside a rectangle given in device pixels (4-connected).
int CountInkBlobs(const QImage& image, QRect rect) {
    std::vector<char> seen(static_cast<size_t>(rect.width() * rect.height()), 0);
    auto mark = [&](QPoint pt) {
        char& c =
            seen[static_cast<size_t>((pt.y() - rect.top()) * rect.width() + pt.x() - rect.left())];
        const bool bNew = c == 0 && IsInk(image.pixelColor(pt));
        c = 1;
        return bNew;
    };
    int nBlobs = 0;
    for (int y0 = rect.top(); y0 <= rect.bottom(); ++y0) {
        for (int x0 = rect.left(); x0 <= rect.right(); ++x0) {
            if (!mark({x0, y0})) continue;
            ++nBlobs;
            std::vector<QPoint> stack{{x0, y0}};
            while (!stack.empty()) {
                const QPoint pt = stack.back();
                stack.pop_back();
                for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                    if (rect.contains(pt + d) && mark(pt + d)) stack.push_back(pt + d);
            }
        }
    }
    return nBlobs;
}

TEST(CardArt, IndicesUseTheInstalledLiberationSans) {
    EXPECT_EQ(QFontInfo(CardFont(12)).family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(QFontInfo(CardFont(12)).bold());
}

TEST(CardArt, SuitSymbolsFillTheHeightAskedAroundTheCentre) {
    for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
        const QRectF bounds = SuitSymbolPath(nSuit, QPointF(10, 20), 12).boundingRect();
        EXPECT_NEAR(bounds.height(), 12, 1e-6) << nSuit;
        EXPECT_LT((bounds.center() - QPointF(10, 20)).manhattanLength(), 1e-6) << nSuit;
        EXPECT_TRUE(bounds.width() > 6 && bounds.width() <= 12.5) << nSuit;
    }
    EXPECT_TRUE(SuitSymbolPath(SUIT_BACK, QPointF(0, 0), 12).isEmpty());
}

class CardPictures : public ::testing::TestWithParam<qreal> {
protected:
    void TearDown() override { AfxClearResources(); }
};

// All 106 ids hold what the drawing code makes, at their sizes and the screen's ratio. Each
// picture is opaque, so the corners outside the rounding must already be the face the card
// lands on; red ink only on hearts and diamonds, a blue back; no two of one size alike.
TEST_P(CardPictures, EveryIdHasItsOwnOpaquePictureInItsColoursAtItsSize) {
    const qreal r = GetParam();
    RegisterCardPictures(r);
    for (bool bLarge : {true, false}) {
        const QSize size = bLarge ? QSize(71, 96) : QSize(25, 33);
        std::vector<QImage> images;
        for (const CCardFace& face : AllFaces()) {
            SCOPED_TRACE(face.Name() + (bLarge ? " large" : " small"));
            const UINT nID = bLarge ? CardLargeBitmapID(face.nSuit, face.nRank)
                                    : CardSmallBitmapID(face.nSuit, face.nRank);
            const auto* pImage = dynamic_cast<const CQtImage*>(AfxFindBitmap(nID).get());
            ASSERT_NE(pImage, nullptr);
            EXPECT_EQ(QSize(pImage->GetWidth(), pImage->GetHeight()), size);
            const QImage image = pImage->GetImage();
            EXPECT_EQ(image, RenderCardPicture(face.nSuit, face.nRank, bLarge, r));
            EXPECT_EQ(image.size(), size * r);
            EXPECT_EQ(image.devicePixelRatio(), r);
            EXPECT_FALSE(image.hasAlphaChannel());
            const int w = image.width(), h = image.height();
            for (QPoint pt : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
                EXPECT_EQ(image.pixelColor(pt), CardCornerColor());
            const int nRed = CountPixels(image, IsRed);
            if (face.nSuit == SUIT_HEARTS || face.nSuit == SUIT_DIAMONDS)
                EXPECT_GT(nRed, w * h / 100);
            else
                EXPECT_EQ(nRed, 0);
            EXPECT_EQ(CountPixels(image, IsBlue) > w * h * 6 / 10, face.nSuit == SUIT_BACK);
            for (const QImage& other : images) EXPECT_NE(image, other);
            images.push_back(image);
        }
    }
    // A card built from the ids of the table's king of diamonds loads both pictures.
    const CCard card(SUIT_DIAMONDS, RANK_KING, 1413, 2413);
    EXPECT_TRUE(card.IsLargeLoaded());
    EXPECT_TRUE(card.IsSmallLoaded());
}

TEST_P(CardPictures, HaveAThinDarkBorderDrawnAtTheRatio) {
    // Along the middle of the left edge: one logical pixel of border, then the face. At ratio
    // 2 that is two device pixels: the picture is drawn at the ratio, not enlarged.
    const int nBorder = qRound(GetParam());
    for (bool bLarge : {true, false}) {
        const QImage image = RenderCardPicture(SUIT_HEARTS, 5, bLarge, GetParam());
        const int y = image.height() / 2;
        for (int x = 0; x < nBorder; ++x) EXPECT_LT(image.pixelColor(x, y).value(), 80) << x;
        EXPECT_EQ(image.pixelColor(nBorder, y), QColor(Qt::white));
    }
}

TEST_P(CardPictures, PipCardsShowAsManyPipsAsTheirRank) {
    // The field between the two index columns holds the pips and nothing else.
    const qreal r = GetParam();
    const QRect field(qRound(14 * r), qRound(4 * r), qRound(43 * r), qRound(88 * r));
    for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
        for (int nRank = 2; nRank <= 10; ++nRank)
            EXPECT_EQ(CountInkBlobs(RenderCardPicture(nSuit, nRank, true, r), field), nRank)
                << nRank << "/" << nSuit;
        if (nSuit != SUIT_SPADES) {
            EXPECT_EQ(CountInkBlobs(RenderCardPicture(nSuit, RANK_ACE, true, r), field), 1);
        }
    }
}

TEST_P(CardPictures, SmallPicturesShowTheRankAtTopLeftAndABigSuitBelow) {
    const qreal r = GetParam();
    const QRect rank(qRound(2 * r), qRound(2 * r), qRound(14 * r), qRound(12 * r));
    const QRect suit(qRound(8 * r), qRound(16 * r), qRound(16 * r), qRound(15 * r));
    for (const CCardFace& face : AllFaces()) {
        if (face.nSuit == SUIT_BACK) continue;
        const QImage image = RenderCardPicture(face.nSuit, face.nRank, false, r);
        // One glyph for the rank ("10" two), one solid symbol for the suit.
        EXPECT_EQ(CountInkBlobs(image, rank), face.nRank == 10 ? 2 : 1) << face.Name();
        EXPECT_EQ(CountInkBlobs(image, suit), 1) << face.Name();
        EXPECT_GT(CountPixels(image.copy(suit), IsInk), suit.width() * suit.height() / 5)
            << face.Name();
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, CardPictures, ::testing::Values(1.0, 2.0));

}  // namespace
