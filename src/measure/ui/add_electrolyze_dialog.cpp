#include "measure/ui/add_electrolyze_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>

#include "base/event_sounds.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "device/device_protocol.h"
#include "measure/additional_electrolysis.h"
#include "measure/protocol_run_instrument.h"
#include "reference/layer_output_current.h"
#include "reference/resolution_table.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

CAddElectrolyze::CAddElectrolyze(CDeviceProtocol& protocol, CEventSounds& sounds, Operator& op,
                                 const MeasFileData& d, int layer,
                                 const CalibrationStore& calibration, QWidget* parent)
    : CCheckDialog(protocol, sounds, "CAddElectrolyze", "Additional electrolysis", parent),
      m_op(op),
      m_d(d),
      m_layer(layer),
      m_calibration(calibration) {
    m_byCount =
        new QRadioButton(QStringLiteral("Additionally electrolyze only for next count."), this);
    m_byCount->setObjectName(QStringLiteral("byCount"));
    m_toJump = new QRadioButton(
        QStringLiteral("Electrolyze up to stop of electric potential change"), this);
    m_toJump->setObjectName(QStringLiteral("toJump"));
    m_count = new QLineEdit(QStringLiteral("0"), this);
    m_count->setObjectName(QStringLiteral("count"));
    m_count->setMaxLength(6);
    m_blanking = new QCheckBox(QStringLiteral("Entering the blanking time"), this);
    m_blanking->setObjectName(QStringLiteral("blanking"));
    m_blanking->setChecked(true);
    m_seconds = new QLineEdit(QStringLiteral("5"), this);
    m_seconds->setObjectName(QStringLiteral("seconds"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    QFont big = m_status->font();
    big.setPointSize(big.pointSize() * 2);
    m_status->setFont(big);
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setMinimumWidth(
        m_status->fontMetrics().horizontalAdvance(QStringLiteral("0000 CNT")) + 16);
    m_start = new QPushButton(QStringLiteral("START"), this);
    m_start->setObjectName(QStringLiteral("start"));
    m_start->setAutoDefault(false);
    QPushButton* close = MakeCloseButton();

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_byCount, 0, 0, 1, 3);
    grid->addWidget(m_count, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Count"), this), 1, 2);
    grid->addWidget(m_toJump, 2, 0, 1, 3);
    grid->addWidget(m_blanking, 3, 0, 1, 1);
    grid->addWidget(m_seconds, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Sec"), this), 3, 2);
    grid->addWidget(m_status, 4, 0, 1, 3);
    grid->addWidget(m_start, 5, 0);
    grid->addWidget(close, 5, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    for (QAbstractButton* b :
         {static_cast<QAbstractButton*>(m_byCount), static_cast<QAbstractButton*>(m_toJump),
          static_cast<QAbstractButton*>(m_blanking)})
        connect(b, &QAbstractButton::toggled, this, &CAddElectrolyze::UpdateControls);
    connect(m_start, &QPushButton::clicked, this, &CAddElectrolyze::Start);
    // The main window's polling target is remembered; polls count only while a run goes on.
    TakePolling();
    UpdateControls();
}

void CAddElectrolyze::UpdateControls() {
    const bool byCount = m_byCount->isChecked();
    const bool toJump = m_toJump->isChecked();
    m_count->setEnabled(byCount);
    m_blanking->setEnabled(toJump);
    m_seconds->setEnabled(toJump && m_blanking->isChecked());
    m_start->setEnabled(!m_running && (byCount || toJump));
}

void CAddElectrolyze::Start() {
    const AddElectrolysisCheck check =
        CheckAddElectrolysis(m_byCount->isChecked(), FromQString(m_count->text()),
                             m_blanking->isChecked(), FromQString(m_seconds->text()));
    if (!check.run) {
        ShowValidationMessage(
            m_op, check.field == AddElectrolysisField::Count ? m_count : m_seconds, check.message);
        return;
    }
    const LayerCondition& coat = m_d.coat[m_layer];
    const ResolutionRow* row = FindResolution(m_d.bUnit, coat.bRange);
    if (row == nullptr)
        return;
    const float current = GetOutputCurrent(m_d, m_layer, true);
    float correction = 0.0f;
    if (m_d.bGasket != kGasketWT && m_d.bGasket < kGasketRecordCount)
        correction = m_calibration.gasket[m_d.bGasket].fCalValue;
    const AddElectrolysisRun run = *check.run;
    // The same commands as a measurement's layer start, with the run's own stop.
    CProtocolRunInstrument instrument(Protocol());
    const bool started = Send(
        [&] {
            return instrument.SetOutputCurrent(current, correction) == 1 &&
                   instrument.SetPumpFrequency(coat.bPump) == 1 &&
                   instrument.SetSensitivity(coat.bSensitivity, coat.bRange) == 1 &&
                   (!run.balance || instrument.SetBalance(true) == 1) &&
                   instrument.StartElectrolysis(row->countPeriodMs, run.blankingSeconds, 0,
                                                run.saturationCount) == 1;
        },
        true);
    if (!started)
        return;
    m_running = true;
    UpdateControls();
}

void CAddElectrolyze::OnPollingNotify(const PollingData& poll) {
    if (!m_running)
        return;
    char text[32];
    std::snprintf(text, sizeof text, "%4u CNT", static_cast<unsigned>(poll.status.dwCount()));
    m_status->setText(QString::fromLatin1(text));
    if (!poll.status.IsEnded())
        return;
    m_running = false;
    m_accumulated += poll.status.dwCount();
    switch (poll.status.bEndReason()) {
        case 1:
        case 2:
            Sounds().PlayEventSound(kSoundMeasStop);
            done(2);
            return;
        case 3:
        case 5:
            Sounds().PlayEventSound(kSoundMeasEnd);
            break;
        default:
            Sounds().PlayEventSound(kSoundMeasError);
            break;
    }
    UpdateControls();
}

void CAddElectrolyze::BeforeClose() {
    if (m_running)
        Protocol().StopMeasurement(false);
    m_running = false;
}

}  // namespace klv
