#include "measure/ui/meas_auto_stop_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace klv {

CMeasAutoStop::CMeasAutoStop(RunSounds& sounds, QWidget* parent)
    : QDialog(parent), m_sounds(sounds) {
    setObjectName("CMeasAutoStop");
    setWindowTitle("Auto stop");
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel("Please change test solution."));
    column->addWidget(new QLabel("When hit START key, measurement is continued."));
    auto* row = new QHBoxLayout;
    auto* start = new QPushButton("START");
    start->setObjectName("start");
    start->setDefault(true);
    auto* cancel = new QPushButton("Cancel");
    cancel->setObjectName("cancel");
    auto* buzzer = new QPushButton("Stop bzzer");
    buzzer->setObjectName("stopBuzzer");
    row->addWidget(start);
    row->addWidget(cancel);
    row->addWidget(buzzer);
    column->addLayout(row);
    connect(start, &QPushButton::clicked, this, [this] { Finish(kAutoStopStart); });
    connect(cancel, &QPushButton::clicked, this, [this] { Finish(kAutoStopCancel); });
    connect(buzzer, &QPushButton::clicked, this, [this] { m_sounds.StopEventSound(); });
}

void CMeasAutoStop::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_soundStarted) {
        m_soundStarted = true;
        m_sounds.PlayEventSound(RunSound::AutoStop);
    }
}

void CMeasAutoStop::Finish(int result) {
    m_sounds.StopEventSound();
    done(result);
}

}  // namespace klv
