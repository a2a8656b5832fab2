#include "base/ui/validation_message.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextEdit>

#include "base/check_messages.h"

namespace klv {

namespace {

void SelectWholeText(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(control))
        spin->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
    else if (auto* text = qobject_cast<QTextEdit*>(control))
        text->selectAll();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        plain->selectAll();
}

// Every scroll area around the control, innermost first, brings it into view.
void ScrollIntoView(QWidget* control) {
    for (QWidget* w = control->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(w))
            area->ensureWidgetVisible(control);
    }
}

void PointAt(QWidget* control) {
    if (control == nullptr)
        return;
    control->setFocus(Qt::OtherFocusReason);
    SelectWholeText(control);
    ScrollIntoView(control);
}

}  // namespace

void ShowValidationMessage(Operator& op, QWidget* control, const std::string& text) {
    op.ShowMessage(text, MsgIcon::Exclamation, MsgButtons::Ok);
    PointAt(control);
}

void ShowRangeError(Operator& op, QWidget* control, int low, int high) {
    ShowValidationMessage(op, control, RangeMessage(low, high));
}

void ShowRangeErrorText(Operator& op, QWidget* control, const std::string& low,
                        const std::string& high) {
    ShowValidationMessage(op, control, RangeMessage(low, high));
}

void ShowNumberError(Operator& op, QWidget* control) {
    ShowValidationMessage(op, control, std::string(kMsgNumericError));
}

void ShowMinusError(Operator& op, QWidget* control) {
    ShowValidationMessage(op, control, std::string(kMsgMinusValue));
}

void ShowNotPositiveError(Operator& op, QWidget* control) {
    ShowValidationMessage(op, control, std::string(kMsgNotPositive));
}

bool CheckComboSelected(Operator& op, QComboBox* combo) {
    if (combo == nullptr || combo->currentIndex() >= 0)
        return true;
    ShowListItemMissing(op, combo, [combo] { combo->showPopup(); });
    return false;
}

void ShowListItemMissing(Operator& op, QWidget* control, const std::function<void()>& openList) {
    ShowValidationMessage(op, control, std::string(kMsgLackOfItem));
    if (openList)
        openList();
}

}  // namespace klv
