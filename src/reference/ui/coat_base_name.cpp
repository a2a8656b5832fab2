#include "reference/ui/coat_base_name.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/ui/ok_cancel_buttons.h"
#include "base/ui/text_codec.h"
#include "reference/free_name_rule.h"

namespace klv {

CCoatBaseName::CCoatBaseName(CoatBaseKind kind, const std::string& name, Operator& op,
                             QWidget* parent)
    : QDialog(parent), m_kind(kind), m_op(op) {
    setObjectName(QStringLiteral("coatBaseName"));
    setWindowTitle(ToQString(kind == CoatBaseKind::Coating ? "Input a name of Coatings"
                                                           : "Input a name of Base"));
    auto* prompt =
        new QLabel(ToQString("Please enter within 6 small letters.  \nSign cannot be entered."));
    prompt->setObjectName(QStringLiteral("prompt"));
    m_edit = new QLineEdit(ToQString(name), this);
    m_edit->setObjectName(QStringLiteral("nameEdit"));
    m_edit->setMaxLength(kFreeNameMaxChars);
    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_edit->selectAll();
}

void CCoatBaseName::accept() {
    const std::string name = TrimBlanks(FromQString(m_edit->text()));
    const std::string refusal = CheckFreeName(name, m_kind);
    if (!refusal.empty()) {
        m_op.ShowMessage(refusal, MsgIcon::Exclamation, MsgButtons::Ok);
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_name = name;
    QDialog::accept();
}

}  // namespace klv
