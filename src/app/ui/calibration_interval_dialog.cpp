#include "app/ui/calibration_interval_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/calibration_due_gate.h"
#include "base/file_messages.h"
#include "base/ui/ok_cancel_buttons.h"
#include "reference/unit_gasket_tables.h"

namespace klv {
namespace {

constexpr int kMaxIntervalDays = 3650;

}  // namespace

CCalibrationInterval::CCalibrationInterval(ProfileFile& ini, Operator& op, QWidget* parent)
    : QDialog(parent), m_ini(ini), m_op(op) {
    setObjectName(QStringLiteral("CCalibrationInterval"));
    setWindowTitle(QStringLiteral("Calibration interval"));
    auto* grid = new QGridLayout;
    for (int i = 0; i < static_cast<int>(m_days.size()); ++i) {
        const int gasket = kGasketA + i;
        const QString name = QString::fromLatin1(GetGasketName(gasket));
        auto* days = new QSpinBox(this);
        days->setObjectName(QStringLiteral("interval") + name);
        days->setRange(0, kMaxIntervalDays);
        days->setValue(std::min(ReadCalibrationInterval(ini, gasket), kMaxIntervalDays));
        grid->addWidget(new QLabel(QStringLiteral("Gasket ") + name, this), i, 0);
        grid->addWidget(days, i, 1);
        grid->addWidget(new QLabel(QStringLiteral("days"), this), i, 2);
        m_days[static_cast<std::size_t>(i)] = days;
    }
    auto* page = new QVBoxLayout(this);
    page->addLayout(grid);
    page->addWidget(new QLabel(QStringLiteral("0 days: the calibration never falls due."), this));
    page->addWidget(MakeOkCancelButtons(*this));
}

void CCalibrationInterval::accept() {
    ProfileBatch batch(m_ini);
    for (int i = 0; i < static_cast<int>(m_days.size()); ++i)
        WriteCalibrationInterval(m_ini, kGasketA + i, m_days[static_cast<std::size_t>(i)]->value());
    if (!batch.Commit()) {
        m_op.ShowMessage(kMsgFileNotMade, MsgIcon::Stop, MsgButtons::Ok);
        return;
    }
    QDialog::accept();
}

}  // namespace klv
