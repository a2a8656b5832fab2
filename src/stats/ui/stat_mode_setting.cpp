#include "stats/ui/stat_mode_setting.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/number_parse.h"
#include "base/ui/glyph_label.h"
#include "base/ui/ok_cancel_buttons.h"
#include "base/ui/text_codec.h"
#include "base/ui/validation_message.h"

namespace klv {

namespace {

constexpr int kDataMin = 1;
constexpr int kDataMax = 99999;
constexpr GroupMode kModes[] = {GroupMode::AllData, GroupMode::PartialData,
                                GroupMode::RegularInterval, GroupMode::FixedGroupAverage,
                                GroupMode::DailyAverage};
constexpr const char* kModeTexts[] = {"All data", "Partial data", "Data of regular intervals",
                                      "Average value of each regular data",
                                      "Average value of each measurement date"};

QWidget* Named(QWidget* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLineEdit* Edit(const char* name, int value, QWidget* parent) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(5);
    return edit;
}

}  // namespace

CStatModeSetting::CStatModeSetting(StatisticsSelection& selection, Operator& op, QWidget* parent)
    : QDialog(parent), m_selection(selection), m_op(op) {
    setObjectName(QStringLiteral("CStatModeSetting"));
    setWindowTitle(QStringLiteral("Setting of statistics mode"));
    auto* group = new QGroupBox(QStringLiteral("Group division mode"), this);
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < m_modes.size(); ++i) {
        m_modes[i] = new QRadioButton(QString::fromLatin1(kModeTexts[i]), group);
        m_modes[i]->setObjectName(QStringLiteral("mode%1").arg(static_cast<int>(kModes[i])));
        m_modes[i]->setChecked(kModes[i] == selection.mode);
        grid->addWidget(m_modes[i], static_cast<int>(i), 0);
    }
    m_edits = {Edit("firstData", selection.nPartialBegin + 1, group),
               Edit("lastData", selection.nPartialEnd + 1, group),
               Edit("beginningData", selection.nRegularBegin + 1, group),
               Edit("intervals", selection.nInterval, group),
               Edit("groupSize", selection.nGroupSize, group)};
    auto* range = new QHBoxLayout;
    range->addWidget(new QLabel(QStringLiteral("Range of data"), group));
    range->addWidget(m_edits[0]);
    range->addWidget(new QLabel(QStringLiteral("--"), group));
    range->addWidget(m_edits[1]);
    grid->addLayout(range, 1, 1);
    auto* regular = new QHBoxLayout;
    regular->addWidget(new QLabel(QStringLiteral("Beginning data"), group));
    regular->addWidget(m_edits[2]);
    regular->addWidget(new QLabel(QStringLiteral("Intervals"), group));
    regular->addWidget(m_edits[3]);
    grid->addLayout(regular, 2, 1);
    auto* size = new QHBoxLayout;
    size->addWidget(new QLabel(QStringLiteral("Data number of one group"), group));
    size->addWidget(m_edits[4]);
    grid->addLayout(size, 3, 1);
    grid->addWidget(
        Named(new CGlyphLabel(QStringLiteral("%5-R Expression condition for %5-R control chart"),
                              group),
              "xbarRCondition"),
        5, 0, 1, 2);
    grid->addWidget(
        new QLabel(QStringLiteral(".  1 group has more than 2 data, and there are more than 2 "
                                  "groups' data."),
                   group),
        6, 0, 1, 2);

    auto* buttons = MakeOkCancelButtons(*this);
    auto* page = new QVBoxLayout(this);
    page->addWidget(group);
    page->addWidget(buttons);
}

void CStatModeSetting::accept() {
    std::array<int, 5> values{};
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        const std::optional<int> v = ParseInt(FromQString(m_edits[i]->text()));
        if (!v || *v < kDataMin || *v > kDataMax) {
            ShowRangeError(m_op, m_edits[i], kDataMin, kDataMax);
            return;
        }
        values[i] = *v;
    }
    for (std::size_t i = 0; i < m_modes.size(); ++i)
        if (m_modes[i]->isChecked())
            m_selection.mode = kModes[i];
    m_selection.nPartialBegin = std::min(values[0], values[1]) - 1;
    m_selection.nPartialEnd = std::max(values[0], values[1]) - 1;
    m_selection.nRegularBegin = values[2] - 1;
    m_selection.nInterval = values[3];
    m_selection.nGroupSize = values[4];
    QDialog::accept();
}

}  // namespace klv
