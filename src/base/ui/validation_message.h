#pragma once

#include <functional>
#include <string>

#include "base/operator.h"

class QComboBox;
class QWidget;

namespace klv {

// Shows the text, then focuses the control, selects its whole text and scrolls it into view.
void ShowValidationMessage(Operator& op, QWidget* control, const std::string& text);

void ShowRangeError(Operator& op, QWidget* control, int low, int high);
void ShowRangeErrorText(Operator& op, QWidget* control, const std::string& low,
                        const std::string& high);
void ShowNumberError(Operator& op, QWidget* control);
void ShowMinusError(Operator& op, QWidget* control);
void ShowNotPositiveError(Operator& op, QWidget* control);

// True when the combo box has a selection; else "Lack of item." and its list is opened.
bool CheckComboSelected(Operator& op, QComboBox* combo);
// "Lack of item." for the control, then the item's selection list is opened.
void ShowListItemMissing(Operator& op, QWidget* control, const std::function<void()>& openList);

}  // namespace klv
