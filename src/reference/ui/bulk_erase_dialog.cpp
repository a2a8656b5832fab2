#include "reference/ui/bulk_erase_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/ui/text_codec.h"

namespace klv {

CBulkErase::CBulkErase(ConditionStore& store, QWidget* parent) : QDialog(parent), m_store(store) {
    setObjectName(QStringLiteral("bulkErase"));
    setWindowTitle(ToQString("Bulk delete of all data"));
    m_data = new QCheckBox(ToQString("Delete measurement data of all channel"), this);
    m_data->setObjectName(QStringLiteral("eraseDataCheck"));
    m_conditions =
        new QCheckBox(ToQString("Delete measurement condition data of all channel"), this);
    m_conditions->setObjectName(QStringLiteral("deleteConditionsCheck"));
    auto* note = new QLabel(ToQString("Measurement data, statistics items are also deleted"), this);
    note->setObjectName(QStringLiteral("noteLabel"));
    m_ok = new QPushButton(ToQString("OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    auto* cancel = new QPushButton(ToQString("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_data);
    layout->addWidget(m_conditions);
    layout->addWidget(note);
    layout->addLayout(buttons);

    connect(m_data, &QCheckBox::toggled, this, &CBulkErase::UpdateOk);
    connect(m_conditions, &QCheckBox::toggled, this, &CBulkErase::UpdateOk);
    connect(m_ok, &QPushButton::clicked, this, &CBulkErase::Erase);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    UpdateOk();
}

void CBulkErase::UpdateOk() {
    m_ok->setEnabled(m_data->isChecked() || m_conditions->isChecked());
}

void CBulkErase::Erase() {
    if (!m_ok->isEnabled())
        return;
    m_result = m_store.BulkErase(m_data->isChecked(), m_conditions->isChecked());
    // A refusal or a failure leaves the dialog open, so the operator sees what is left.
    if (m_result == BulkEraseResult::Done)
        accept();
}

}  // namespace klv
