#include "ui/coach/coach_place.h"

#include <algorithm>

namespace {

constexpr int kGap = 8;            // between the table and the coach
constexpr int kNarrowWidth = 400;  // beside the table on a laptop's screen

}  // namespace

CCoachPlace PlaceCoach(QRect rcFrame, const QRect& rcClient, const QRect& rcScreen,
                       int nTitleHeight) {
    // A frame not known yet: none where the windows go, a title bar's room in the height.
    const bool bKnown = rcFrame.contains(rcClient) && rcFrame != rcClient;
    if (!bKnown) rcFrame = rcClient;
    // Placed by its client area: the coach's own frame is not known before it is first shown,
    // and the window manager gives both windows the same frame as the table's.
    const int nLeftFrame = rcClient.left() - rcFrame.left();
    const int nTopFrame = rcClient.top() - rcFrame.top();
    const int nFrameWidth = rcFrame.width() - rcClient.width();
    const int nFrameHeight = rcFrame.height() - rcClient.height();
    const int nRight = rcScreen.right() - rcFrame.right() - kGap;  // room for a whole frame
    const int nLeft = rcFrame.left() - rcScreen.left() - kGap;
    CCoachPlace place;
    int nWidth = kCoachWidth;
    int x = 0;
    if (nRight >= kCoachWidth + nFrameWidth) {
        x = rcFrame.right() + 1 + kGap;
    } else if (nLeft >= kCoachWidth + nFrameWidth) {
        x = rcFrame.left() - kGap - kCoachWidth - nFrameWidth;
    } else if (rcScreen.width() >= rcFrame.width() + kGap + kNarrowWidth + nFrameWidth) {
        // A laptop's screen: the table moves to the left edge, a narrower coach beside it.
        place.ptTable = QPoint(rcScreen.left(), std::max(rcScreen.top(), rcFrame.top()));
        rcFrame.moveTopLeft(*place.ptTable);
        nWidth = std::min(kNarrowWidth, rcScreen.right() - rcFrame.right() - kGap - nFrameWidth);
        x = rcFrame.right() + 1 + kGap;
    } else {
        x = rcScreen.right() + 1 - kCoachWidth - nFrameWidth;  // no room: over the table's right
    }
    const int nTop = std::max(rcScreen.top(), rcFrame.top());
    const int nHeight = std::min(
        kCoachHeight, rcScreen.bottom() + 1 - nTop - (bKnown ? nFrameHeight : nTitleHeight));
    place.rcCoach = QRect(x + nLeftFrame, nTop + nTopFrame, nWidth, nHeight);
    return place;
}
