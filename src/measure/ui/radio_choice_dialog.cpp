#include "measure/ui/radio_choice_dialog.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace klv {

CRadioChoiceDialog::CRadioChoiceDialog(const char* objectName, const char* caption,
                                       const char* question, std::span<const Choice> choices,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromLatin1(caption));
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QString::fromLatin1(question)));
    m_values = new QLabel;
    m_values->setObjectName(QStringLiteral("values"));
    m_values->hide();
    column->addWidget(m_values);
    for (const Choice& choice : choices) {
        auto* radio = new QRadioButton(QString::fromLatin1(choice.text));
        radio->setObjectName(QStringLiteral("choice%1").arg(choice.id));
        m_choices.addButton(radio, choice.id);
        column->addWidget(radio);
    }
    m_ok = new QPushButton(QStringLiteral("OK"));
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setEnabled(false);
    m_ok->setDefault(true);
    column->addWidget(m_ok, 0, Qt::AlignHCenter);
    connect(&m_choices, &QButtonGroup::idClicked, this, [this] { m_ok->setEnabled(true); });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (m_choices.checkedId() != -1)
            done(m_choices.checkedId());
    });
}

void CRadioChoiceDialog::ShowValues(const QString& lines) {
    m_values->setText(lines);
    m_values->setVisible(!lines.isEmpty());
}

}  // namespace klv
