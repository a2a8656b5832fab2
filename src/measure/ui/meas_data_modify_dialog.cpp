#include "measure/ui/meas_data_modify_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/number_format.h"
#include "base/number_parse.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

CMeasDataModify::CMeasDataModify(float valueInUnit, const MeasFileData& d, int k, Operator& op,
                                 QWidget* parent)
    : QDialog(parent), m_operator(op), m_value(valueInUnit) {
    setObjectName("CMeasDataModify");
    setWindowTitle("Correction of the measurement value");
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* column = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Measurement value"));
    m_edit = new QLineEdit;
    m_edit->setObjectName("value");
    // Without a resolution row every digit is shown. A longer value keeps all its digits, so
    // that OK without an edit never takes a cut value.
    const QString text = QString::fromStdString(FormatFixed(valueInUnit, GetLayerDecimals(d, k)));
    m_edit->setMaxLength(std::max<int>(kMaxChars, static_cast<int>(text.size())));
    m_edit->setText(text);
    row->addWidget(m_edit);
    auto* unit = new QLabel(ToQString(std::string(GetUnitName(d.bUnit))));
    unit->setObjectName("unit");
    row->addWidget(unit);
    column->addLayout(row);
    auto* ok = new QPushButton("OK");
    ok->setObjectName("ok");
    ok->setDefault(true);
    column->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &CMeasDataModify::accept);
    m_edit->selectAll();
    m_edit->setFocus();
}

void CMeasDataModify::accept() {
    const std::optional<double> value = ParseFloat(FromQString(m_edit->text()));
    if (!value) {
        ShowNumberError(m_operator, m_edit);
        return;
    }
    if (*value < 0) {
        ShowMinusError(m_operator, m_edit);
        return;
    }
    m_value = static_cast<float>(*value);
    QDialog::accept();
}

}  // namespace klv
