#include "reference/ui/wt_after_input.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/number_format.h"
#include "base/number_parse.h"
#include "base/ui/glyph_label.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/wt_after_input.h"

namespace klv {

namespace {

constexpr int kValueChars = 5;

}  // namespace

CWTAfterInput::CWTAfterInput(const MeasFileData& d, Operator& op, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_data(d),
      m_op(op) {
    setObjectName(QStringLiteral("wtAfterInput"));
    setWindowTitle(ToQString("Input after WT"));
    const WtAfterInputPrompt prompt = GetWtAfterInputPrompt(d);
    auto* label = new QLabel(ToQString(std::string(prompt.label)), this);
    label->setObjectName(QStringLiteral("valueLabel"));
    m_edit = new QLineEdit(ToQString(FormatNumberWidth(prompt.value, kValueChars)), this);
    m_edit->setObjectName(QStringLiteral("valueEdit"));
    m_edit->setMaxLength(kValueChars);
    m_edit->selectAll();
    auto* unit = new CGlyphLabel(ToQString(std::string(prompt.unit)), this);
    unit->setObjectName(QStringLiteral("unitLabel"));
    auto* ok = new QPushButton(ToQString("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_edit);
    row->addWidget(unit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &CWTAfterInput::Confirm);
}

void CWTAfterInput::closeEvent(QCloseEvent* event) {
    event->ignore();
}

void CWTAfterInput::Confirm() {
    const std::optional<double> value = ParseFloat(FromQString(m_edit->text()));
    if (!value) {
        ShowNumberError(m_op, m_edit);
        return;
    }
    if (*value <= 0.0) {
        ShowNotPositiveError(m_op, m_edit);
        return;
    }
    StoreWtAfterInput(m_data, static_cast<float>(*value));
    accept();
}

float AskWtAfterInput(MeasFileData& d, Operator& op, QWidget* parent) {
    CWTAfterInput dialog(d, op, parent);
    dialog.exec();
    d = dialog.Condition();
    return d.fWtCoef;
}

}  // namespace klv
