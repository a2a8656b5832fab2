#pragma once

#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace klv {

// The controls the output dialogs share.
QCheckBox* NamedCheck(const QString& text, const QString& name, QWidget* parent);
QComboBox* NamedCombo(const QString& name, const QStringList& items, QWidget* parent);
// The sample line: a sunken one-line field.
QLabel* NewSampleLabel(const QString& name, QWidget* parent);

// "yyyy/mm/dd" … "yyyy/dd/mm" in the order of the date format index.
QStringList DateFormatTexts();
// "TAB", "Comma", "Space".
QStringList DelimiterTexts();

// Selects entry `index`, or none when the index is not in the list.
void SelectIndex(QComboBox* combo, int index);
// The selected entry into `value`; nothing selected leaves it.
void StoreIndex(const QComboBox* combo, int& value);

}  // namespace klv
