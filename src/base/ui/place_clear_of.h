#pragma once

#include <QWidget>

namespace klv {

// Moves a dialog that is not shown yet beside `keep` (below, above, right or left of it, the
// first side with room on keep's screen), so that what the dialog asks about stays readable.
// Where no side has room the dialog keeps its usual place.
void PlaceClearOf(QWidget& dialog, const QWidget& keep);

}  // namespace klv
