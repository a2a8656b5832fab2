#pragma once

class QWidget;

namespace klv {

// Tints a control whose choice is missing, so the operator finds it after "Lack of item.";
// the tint goes with the next choice made in it.
void MarkMissingItem(QWidget* control);
bool IsMarkedMissing(const QWidget* control);

}  // namespace klv
