#include "measure/ui/guess_calibrate_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "base/number_format.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"
#include "measure/standard_calibration.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

constexpr int kValueChars = 5;

std::string ValueText(float value) {
    const std::string magnitude = FormatNumberWidth(std::fabs(value), kValueChars - 1);
    return (value < 0 && magnitude != "0" ? "-" : "") + magnitude;
}

}  // namespace

CGuessCalibrate::CGuessCalibrate(CalibrationStore& store, std::string path, Operator& op,
                                 Clock& clock, int gasket, QWidget* parent)
    : QDialog(parent), m_store(store), m_path(std::move(path)), m_op(op), m_clock(clock) {
    setObjectName(QStringLiteral("CGuessCalibrate"));
    setWindowTitle(QStringLiteral("Guess value"));
    m_gasket = new QComboBox;
    m_gasket->setObjectName(QStringLiteral("ctl20025"));
    for (int code = 1; code <= kGasketCount; ++code)
        if (IsGuessGasket(code))
            m_gasket->addItem(ToQString(std::string(GetGasketName(code))), code);
    m_gasket->setCurrentIndex(m_gasket->findData(gasket));
    m_value = new QLineEdit;
    m_value->setObjectName(QStringLiteral("ctl4200"));
    m_value->setMaxLength(kValueChars);
    m_value->setMaximumWidth(m_value->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 9);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Gasket")), 0, 0);
    grid->addWidget(m_gasket, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Calibration value")), 1, 0);
    grid->addWidget(m_value, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("%")), 1, 2);
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("ok"));
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancel"));
    QPushButton* apply =
        buttons->addButton(QStringLiteral("Application(&A)"), QDialogButtonBox::ApplyRole);
    apply->setObjectName(QStringLiteral("ctl32773"));
    grid->addWidget(buttons, 2, 0, 1, 3);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (Apply())
            accept();
    });
    connect(apply, &QPushButton::clicked, this, [this] { Apply(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_gasket, &QComboBox::currentIndexChanged, this, [this] { ShowValue(); });
    ShowValue();
}

void CGuessCalibrate::ShowValue() {
    const int code = m_gasket->currentData().toInt();
    if (code <= 0 || code >= kGasketRecordCount ||
        (m_store.gasket[code].bCalFlags & kGasketHasCalibration) == 0) {
        m_value->clear();
        return;
    }
    m_value->setText(ToQString(ValueText(m_store.gasket[code].fCalValue)));
}

bool CGuessCalibrate::Apply() {
    if (!CheckComboSelected(m_op, m_gasket))
        return false;
    const std::optional<float> value = ParseGuessValue(FromQString(m_value->text()));
    if (!value) {
        ShowRangeError(m_op, m_value, -static_cast<int>(kCalibrationGuarantee),
                       static_cast<int>(kCalibrationGuarantee));
        return false;
    }
    const int code = m_gasket->currentData().toInt();
    CalibrationStore updated = m_store;
    GasketCalibrationRecord& r = updated.gasket[code];
    r.bCalFlags |= kGasketHasCalibration;
    r.fCalValue = *value;
    const LocalTime today = m_clock.Now();
    r.wCalDate = PackDate(today.year, today.month, today.day);
    if (!WriteCalibrationStore(m_path, updated, m_op))
        return false;
    m_store = updated;
    ShowValue();
    return true;
}

}  // namespace klv
