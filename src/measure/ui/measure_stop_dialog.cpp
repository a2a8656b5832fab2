#include "measure/ui/measure_stop_dialog.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace klv {

CMeasureStop::CMeasureStop(QWidget* parent) : QDialog(parent) {
    setObjectName("CMeasureStop");
    setWindowTitle("Stop measurement");
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel("Measurment has stopped.  What to do?"));
    static const struct {
        int id;
        const char* text;
    } kChoices[] = {
        {kStopKeepData, "Keep this as data."},
        {kStopChangeData, "Change the data"},
        {kStopThicker, "Thicker than the prospected thickness value."},
        {kStopDiscard, "Don't keep it as data."},
    };
    for (const auto& choice : kChoices) {
        auto* radio = new QRadioButton(choice.text);
        radio->setObjectName(QString("choice%1").arg(choice.id));
        m_choices.addButton(radio, choice.id);
        column->addWidget(radio);
    }
    m_ok = new QPushButton("OK");
    m_ok->setObjectName("ok");
    m_ok->setEnabled(false);
    m_ok->setDefault(true);
    column->addWidget(m_ok, 0, Qt::AlignHCenter);
    connect(&m_choices, &QButtonGroup::idClicked, this, [this] { m_ok->setEnabled(true); });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (m_choices.checkedId() != -1)
            done(m_choices.checkedId());
    });
}

}  // namespace klv
