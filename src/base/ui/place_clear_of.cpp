#include "base/ui/place_clear_of.h"

#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace klv {

namespace {

constexpr int kGapPixels = 6;

}  // namespace

void PlaceClearOf(QWidget& dialog, const QWidget& keep) {
    if (!keep.isVisible() || keep.screen() == nullptr)
        return;
    dialog.adjustSize();
    const QRect area = keep.screen()->availableGeometry();
    // Room for the frame a window manager adds, which a dialog not yet shown does not have;
    // before it shows, a move places its client area.
    const int border = dialog.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int title = dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    // A little air on top, as a frame may come out wider than the style says.
    const int gap = border + kGapPixels;
    const QRect kept = QRect(keep.mapToGlobal(QPoint(0, 0)), keep.size())
                           .marginsAdded(QMargins(gap, gap, gap, gap));
    const QMargins frame(border, title + border, border, border);
    const QSize outer = dialog.size().grownBy(frame);
    const auto clampX = [&](int x) {
        return std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    };
    const auto clampY = [&](int y) {
        return std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    };
    const int centreX = clampX(kept.center().x() - outer.width() / 2);
    const int centreY = clampY(kept.center().y() - outer.height() / 2);
    const QPoint sides[] = {
        {centreX, kept.bottom() + 1},
        {centreX, kept.top() - outer.height()},
        {kept.right() + 1, centreY},
        {kept.left() - outer.width(), centreY},
    };
    for (const QPoint& corner : sides) {
        const QRect place(corner, outer);
        if (area.contains(place) && !place.intersects(kept)) {
            dialog.move(corner + QPoint(frame.left(), frame.top()));
            return;
        }
    }
}

}  // namespace klv
