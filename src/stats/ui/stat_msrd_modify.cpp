#include "stats/ui/stat_msrd_modify.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/ok_cancel_buttons.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "reference/condition_rules.h"
#include "reference/unit_gasket_tables.h"
#include "stats/statistics_session.h"

namespace klv {

CStatMsrdModify::CStatMsrdModify(const MeasFileData& d, std::span<const MsrLogRecord> records,
                                 Operator& op, QWidget* parent)
    : QDialog(parent), m_op(op), m_layers(GetCoatCount(d)) {
    setObjectName(QStringLiteral("CStatMsrdModify"));
    setWindowTitle(QStringLiteral("Measurement data correction"));
    auto* grid = new QGridLayout;
    const QString unit = ToQString(std::string(GetUnitName(d.bUnit)));
    for (int k = 0; k < m_layers && k < static_cast<int>(records.size()); ++k) {
        const QString n = QString::number(k + 1);
        auto* name = new QLabel(ToQString(GetCoatName(d, k)), this);
        name->setObjectName(QStringLiteral("layerName") + n);
        m_edits[k] = new QLineEdit(ToQString(FormatCorrectionEdit(d, k, records[k])), this);
        m_edits[k]->setObjectName(QStringLiteral("value") + n);
        m_edits[k]->setMaxLength(6);
        grid->addWidget(name, k, 0);
        grid->addWidget(m_edits[k], k, 1);
        grid->addWidget(new QLabel(IsAlloyLayer(d.coat[k]) ? QStringLiteral("CNT") : unit, this), k,
                        2);
    }
    auto* buttons = MakeOkCancelButtons(*this);
    auto* page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addWidget(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void CStatMsrdModify::accept() {
    std::vector<float> values;
    for (int k = 0; k < m_layers && m_edits[k] != nullptr; ++k) {
        float v = 0.0f;
        switch (CheckCorrection(FromQString(m_edits[k]->text()), v)) {
            case CorrectionCheck::NotNumber:
                ShowNumberError(m_op, m_edits[k]);
                return;
            case CorrectionCheck::Negative:
                ShowMinusError(m_op, m_edits[k]);
                return;
            case CorrectionCheck::Ok:
                values.push_back(v);
                break;
        }
    }
    m_values = std::move(values);
    QDialog::accept();
}

}  // namespace klv
