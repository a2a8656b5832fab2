#include "stats/simple_stat_layout.h"

#include <algorithm>

namespace klv {

SimpleStatColumns SimpleStatColumns::FromSettings(int col0, int col1) {
    return {std::clamp(col0, kSimpleStatMinColumn, kSimpleStatMaxColumn),
            std::clamp(col1, kSimpleStatMinColumn, kSimpleStatMaxColumn)};
}

SimpleStatScroll GetSimpleStatScroll(const SimpleStatColumns& c, int listWidth) {
    SimpleStatScroll s{};
    s.page = std::max(listWidth - 4, 1);
    s.maximum = std::max(c.col0 + c.col1 - s.page, 0);
    s.lineStep = std::max(s.page / 4, 1);
    s.pageStep = std::max(s.page * 7 / 8, 1);
    return s;
}

SimpleStatDivider HitSimpleStatDivider(const SimpleStatColumns& c, int x) {
    const int first = c.FirstDivider();
    if (x >= first - 2 && x <= first + 3)
        return SimpleStatDivider::First;
    const int second = c.SecondDivider();
    if (x >= second && x <= second + 5)
        return SimpleStatDivider::Second;
    return SimpleStatDivider::None;
}

int DragSimpleStatWidth(int startWidth, int movement) {
    return std::clamp(startWidth + movement, kSimpleStatMinColumn, kSimpleStatMaxColumn);
}

}  // namespace klv
