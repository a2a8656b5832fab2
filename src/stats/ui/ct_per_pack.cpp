#include "stats/ui/ct_per_pack.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "stats/chart_scale_input.h"

namespace klv {

CCtPerPack::CCtPerPack(Operator& op, QWidget* parent) : QDialog(parent), m_op(op) {
    setObjectName(QStringLiteral("CCtPerPack"));
    setWindowTitle(QStringLiteral("Setting of one group data number"));
    setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                   ~(Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint));
    m_edit = new QLineEdit(QStringLiteral("2"), this);
    m_edit->setObjectName(QStringLiteral("groupDataNumber"));
    m_edit->setMaxLength(8);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CCtPerPack::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Data number of the one group is not fixed"), this));
    layout->addWidget(new QLabel(
        QStringLiteral("Please set data number for calculation of the control limit."), this));
    layout->addWidget(m_edit);
    layout->addWidget(ok, 0, Qt::AlignRight);
    m_edit->setFocus();
    m_edit->selectAll();
}

void CCtPerPack::accept() {
    std::string message;
    const std::optional<int> v = ParseGroupDataNumber(FromQString(m_edit->text()), message);
    if (!v) {
        ShowValidationMessage(m_op, m_edit, message);
        return;
    }
    m_value = *v;
    QDialog::accept();
}

int AskGroupDataNumber(Operator& op, QWidget* parent) {
    CCtPerPack dialog(op, parent);
    dialog.exec();
    return dialog.Value();
}

}  // namespace klv
