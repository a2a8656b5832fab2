#include "base/ui/ok_cancel_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "base/ui/text_codec.h"

namespace klv {

namespace {

// Buttons made from a text carry no style icon, so they look like the sheet's own buttons.
QPushButton* AddButton(QDialogButtonBox* buttons, const char* text, const char* name,
                       QDialogButtonBox::ButtonRole role) {
    QPushButton* button = buttons->addButton(ToQString(text), role);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

QDialogButtonBox* MakeOkCancelButtons(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(&dialog);
    AddButton(buttons, "OK", "okButton", QDialogButtonBox::AcceptRole);
    AddButton(buttons, "Cancel", "cancelButton", QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

}  // namespace klv
