#include "output/ui/output_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace klv {

QCheckBox* NamedCheck(const QString& text, const QString& name, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QComboBox* NamedCombo(const QString& name, const QStringList& items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

QLabel* NewSampleLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 48);
    return label;
}

QStringList DateFormatTexts() {
    return {QStringLiteral("yyyy/mm/dd"), QStringLiteral("mm/dd/yyyy"),
            QStringLiteral("dd/mm/yyyy"), QStringLiteral("mm/yyyy/dd"),
            QStringLiteral("dd/yyyy/mm"), QStringLiteral("yyyy/dd/mm")};
}

QStringList DelimiterTexts() {
    return {QStringLiteral("TAB"), QStringLiteral("Comma"), QStringLiteral("Space")};
}

void SelectIndex(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void StoreIndex(const QComboBox* combo, int& value) {
    if (combo->currentIndex() >= 0)
        value = combo->currentIndex();
}

namespace {

QString IdName(const char* stem, int id) {
    return QString::fromLatin1(stem) + QString::number(id);
}

}  // namespace

LineItemControls::LineItemControls(int firstId, int delimiterId, const QString& unitText,
                                   UnitPlace place, QWidget* parent)
    : box(new QGroupBox(parent)),
      dataNumber(NamedCheck(QStringLiteral("Data number"), IdName("dataNumber", firstId), box)),
      date(NamedCheck(QStringLiteral("Measurement data"), IdName("date", firstId + 1), box)),
      dateFormat(NamedCombo(IdName("dateFormat", firstId + 2), DateFormatTexts(), box)),
      coatingCount(
          NamedCheck(QStringLiteral("Coating numbers"), IdName("coatingCount", firstId + 3), box)),
      coatingName(
          NamedCheck(QStringLiteral("Name of coating"), IdName("coatingName", firstId + 4), box)),
      value(NamedCheck(QStringLiteral("Measurement value"), IdName("value", firstId + 5), box)),
      unit(NamedCheck(unitText, IdName("unit", firstId + 6), box)),
      delimiter(NamedCombo(IdName("delimiter", delimiterId), DelimiterTexts(), box)) {
    auto* grid = new QGridLayout(box);
    grid->addWidget(dataNumber, 0, 0);
    grid->addWidget(date, 1, 0);
    grid->addWidget(dateFormat, 1, 1);
    grid->addWidget(coatingCount, 2, 0);
    grid->addWidget(coatingName, 3, 0);
    grid->addWidget(value, 4, 0);
    const bool ownRow = place == UnitPlace::OwnRow;
    grid->addWidget(unit, ownRow ? 5 : 4, ownRow ? 0 : 1);
    grid->addWidget(new QLabel(QStringLiteral("Punctuation letter"), box), 6, 0);
    grid->addWidget(delimiter, 6, 1);
}

void LineItemControls::Show(const LineFormat& f, bool unitTicked) {
    dataNumber->setChecked((f.items & kItemDataNumber) != 0);
    date->setChecked((f.items & kItemMeasDate) != 0);
    coatingCount->setChecked((f.items & kItemCoatingCount) != 0);
    coatingName->setChecked((f.items & kItemCoatingName) != 0);
    value->setChecked((f.items & kItemMeasValue) != 0);
    unit->setChecked(unitTicked);
    SelectIndex(dateFormat, f.dateFormat);
    SelectIndex(delimiter, f.delimiter);
}

LineFormat LineItemControls::Read() const {
    LineFormat f;
    f.items = (dataNumber->isChecked() ? kItemDataNumber : 0u) |
              (date->isChecked() ? kItemMeasDate : 0u) |
              (coatingCount->isChecked() ? kItemCoatingCount : 0u) |
              (coatingName->isChecked() ? kItemCoatingName : 0u) |
              (value->isChecked() ? kItemMeasValue : 0u);
    f.delimiter = delimiter->currentIndex();
    f.dateFormat = dateFormat->currentIndex();
    return f;
}

void LineItemControls::OnChange(QObject* context, const std::function<void()>& refresh) {
    for (QCheckBox* b : {dataNumber, date, coatingCount, coatingName, value, unit})
        QObject::connect(b, &QCheckBox::toggled, context, refresh);
    for (QComboBox* combo : {dateFormat, delimiter})
        QObject::connect(combo, &QComboBox::currentIndexChanged, context, refresh);
}

}  // namespace klv
