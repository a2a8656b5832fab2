#include "base/ui/password_input.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"

namespace klv {

CPasswordInput::CPasswordInput(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CPasswordInput"));
    setWindowTitle(QStringLiteral("Enter the password"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("ctl1420"));
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setMaxLength(kMaxChars);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* page = new QVBoxLayout(this);
    page->addWidget(new QLabel(QStringLiteral("Please enter the password"), this));
    page->addWidget(m_edit);
    page->addWidget(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
    m_edit->setFocus();
}

std::string CPasswordInput::Password() const {
    return FromQString(m_edit->text().left(kMaxChars));
}

std::optional<std::string> AskPassword(QWidget* parent) {
    CPasswordInput dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Password();
}

}  // namespace klv
