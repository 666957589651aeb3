#include "ui/art/card_art.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <string>
#include <tuple>
#include <vector>

#include "model/card.h"
#include "platform/qt/qt_image.h"
#include "platform/resources.h"

namespace {

struct CCardFace {
    int nSuit, nRank;
};

// The 52 cards in their creation order, then the back and the joker.
std::vector<CCardFace> AllFaces() {
    std::vector<CCardFace> faces;
    for (int nSuit : {SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS})
        for (int nRank = 2; nRank <= RANK_ACE; ++nRank) faces.push_back({nSuit, nRank});
    faces.push_back({SUIT_BACK, 0});
    faces.push_back({SUIT_JOKER, 0});
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

// All 108 ids hold what the drawing code makes, at their sizes and the screen's ratio. Each
// picture is opaque, so the corners outside the rounding must already be the face the card
// lands on; red ink only on hearts, diamonds and the joker, a blue back; no two of one size
// alike.
TEST_P(CardPictures, EveryIdHasItsOwnOpaquePictureInItsColoursAtItsSize) {
    const qreal r = GetParam();
    RegisterCardPictures(r);
    for (bool bLarge : {true, false}) {
        const QSize size = bLarge ? QSize(71, 96) : QSize(25, 33);
        std::vector<QImage> images;
        for (const CCardFace& face : AllFaces()) {
            SCOPED_TRACE(std::to_string(face.nRank) + "/" + std::to_string(face.nSuit) +
                         (bLarge ? " large" : " small"));
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
            for (QPoint pt :
                 {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
                EXPECT_EQ(image.pixelColor(pt), CardCornerColor());
            const int nRed = CountPixels(image, IsRed);
            if (face.nSuit == SUIT_HEARTS || face.nSuit == SUIT_DIAMONDS ||
                face.nSuit == SUIT_JOKER)
                EXPECT_GT(nRed, w * h / 100);
            else
                EXPECT_EQ(nRed, 0);
            EXPECT_EQ(CountPixels(image, IsBlue) > w * h * 6 / 10, face.nSuit == SUIT_BACK);
            // A thin dark border drawn at the ratio, not enlarged: one logical pixel wide.
            for (int x = 0; x < qRound(r); ++x) EXPECT_LT(image.pixelColor(x, h / 2).value(), 80);
            EXPECT_TRUE(face.nSuit == SUIT_BACK || image.pixelColor(qRound(r), h / 2) == Qt::white);
            for (const QImage& other : images) EXPECT_NE(image, other);
            images.push_back(image);
        }
    }
}

// Large pip cards show as many pips as their rank in the field between the index columns;
// small pictures one glyph for the rank ("10" two) at top left and a solid suit below.
TEST_P(CardPictures, PipsAndSmallIndicesAreCountable) {
    const qreal r = GetParam();
    const auto at = [r](int x, int y, int w, int h) {
        return QRect(qRound(x * r), qRound(y * r), qRound(w * r), qRound(h * r));
    };
    const QRect field = at(14, 4, 43, 88), rank = at(2, 2, 14, 12), suit = at(8, 16, 16, 15);
    for (const CCardFace& face : AllFaces()) {
        if (face.nSuit == SUIT_BACK || face.nSuit == SUIT_JOKER) continue;
        SCOPED_TRACE(std::to_string(face.nRank) + "/" + std::to_string(face.nSuit));
        const QImage large = RenderCardPicture(face.nSuit, face.nRank, true, r);
        // The ace of spades has its own large design; the court cards pictures.
        const bool bPips =
            face.nRank <= 10 || (face.nRank == RANK_ACE && face.nSuit != SUIT_SPADES);
        const int nPips = face.nRank == RANK_ACE ? 1 : face.nRank;
        EXPECT_TRUE(!bPips || CountInkBlobs(large, field) == nPips);
        const QImage small = RenderCardPicture(face.nSuit, face.nRank, false, r);
        EXPECT_EQ(CountInkBlobs(small, rank), face.nRank == 10 ? 2 : 1);
        EXPECT_EQ(CountInkBlobs(small, suit), 1);
        EXPECT_GT(CountPixels(small.copy(suit), IsInk), suit.width() * suit.height() / 5);
    }
}

// The joker, large: its name in red down the corner and a jester in the court frame, his cap
// red in the middle and blue at the sides with gold bells, over a chequered coat; small: the
// jester's head alone, as large as the picture allows.
TEST_P(CardPictures, TheJokerShowsItsNameAndAJesterInTheCardsColours) {
    const qreal r = GetParam();
    const QImage large = RenderCardPicture(SUIT_JOKER, 0, true, r);
    const QImage small = RenderCardPicture(SUIT_JOKER, 0, false, r);
    const QColor red(200, 16, 40), blue(32, 74, 156), gold(226, 176, 40), skin(247, 220, 186);
    const std::tuple<const QImage*, qreal, qreal, QColor> kPixels[] = {
        {&large, 35.5, 24, red},    {&large, 22, 27, blue},     {&large, 49, 27, blue},
        {&large, 35.5, 12.5, gold}, {&large, 35.5, 38.5, skin}, {&large, 32.5, 78, blue},
        {&small, 12.5, 10.5, red},  {&small, 5.75, 13.5, blue}, {&small, 12.5, 18.75, skin},
        {&small, 12.5, 5, gold}};
    for (const auto& [pImage, x, y, colour] : kPixels) {
        const QColor c = pImage->pixelColor(static_cast<int>(x * r), static_cast<int>(y * r));
        EXPECT_LT(std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                      std::abs(c.blue() - colour.blue()),
                  30)
            << x << "," << y << " is " << c.name().toStdString();
    }
    // The name down both index columns, the lower one turned half a turn.
    for (const QRect rect : {QRect(3, 3, 9, 36), QRect(59, 57, 9, 36)})
        EXPECT_GT(CountPixels(large.copy(QRect(rect.topLeft() * r, rect.size() * r)), IsRed),
                  12 * r * r);
}

INSTANTIATE_TEST_SUITE_P(Ratios, CardPictures, ::testing::Values(1.0, 2.0));

}  // namespace
