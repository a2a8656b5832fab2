#include "base/ui/missing_item_mark.h"

#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <QPalette>
#include <QWidget>

namespace klv {

namespace {

constexpr char kMarkProperty[] = "missingItem";
const QColor kMarkColour(255, 120, 120);

void Unmark(QWidget* control) {
    control->setProperty(kMarkProperty, false);
    control->setPalette(QPalette());
}

}  // namespace

void MarkMissingItem(QWidget* control) {
    if (control == nullptr || IsMarkedMissing(control))
        return;
    control->setProperty(kMarkProperty, true);
    QPalette tinted = control->palette();
    tinted.setColor(QPalette::Button, kMarkColour);
    tinted.setColor(QPalette::Base, kMarkColour);
    control->setPalette(tinted);
    if (auto* combo = qobject_cast<QComboBox*>(control))
        QObject::connect(
            combo, &QComboBox::currentIndexChanged, combo, [combo] { Unmark(combo); },
            Qt::SingleShotConnection);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        QObject::connect(
            button, &QAbstractButton::clicked, button, [button] { Unmark(button); },
            Qt::SingleShotConnection);
}

bool IsMarkedMissing(const QWidget* control) {
    return control != nullptr && control->property(kMarkProperty).toBool();
}

}  // namespace klv
