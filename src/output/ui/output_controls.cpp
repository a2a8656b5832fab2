#include "output/ui/output_controls.h"

#include <QCheckBox>
#include <QComboBox>
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

}  // namespace klv
