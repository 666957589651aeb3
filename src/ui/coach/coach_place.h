// Where the coach's window goes: beside the table, or, on a laptop's screen, narrower beside a
// table moved to the screen's edge.
#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

// The coach's size where the screen has room for it: all its groups in sight.
inline constexpr int kCoachWidth = 440;
inline constexpr int kCoachHeight = 920;

// Where the coach goes beside the table, from the table's frame and client area and the
// screen's available area: the coach's client area, and where the table's frame moves to
// when it must make room (on a laptop's screen). A frame no larger than its client area, or not
// holding it, is not known yet: taken as none, keeping room for a title bar of nTitleHeight.
struct CCoachPlace {
    QRect rcCoach;
    std::optional<QPoint> ptTable;
};
CCoachPlace PlaceCoach(QRect rcFrame, const QRect& rcClient, const QRect& rcScreen,
                       int nTitleHeight);
