#pragma once

#include <QStringList>
#include <functional>

#include "output/meas_data_line.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
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

// The item check boxes, date format and delimiter lists of a measurement data line, with the
// ids of their dialog: `firstId` for "Data number" and the five after it ("Measurement data",
// its date format, "Coating numbers", "Name of coating", "Measurement value", the unit box).
struct LineItemControls {
    enum class UnitPlace { OwnRow, BesideValue };

    LineItemControls(int firstId, int delimiterId, const QString& unitText, UnitPlace place,
                     QWidget* parent);
    // The unit box's meaning is the caller's: an item bit or the unit-appended flag.
    void Show(const LineFormat& f, bool unit);
    // The item bits without the unit; delimiter and date format as selected (-1: none).
    LineFormat Read() const;
    // Runs `refresh` after every click or selection change.
    void OnChange(QObject* context, const std::function<void()>& refresh);

    QGroupBox* box;
    QCheckBox* dataNumber;
    QCheckBox* date;
    QComboBox* dateFormat;
    QCheckBox* coatingCount;
    QCheckBox* coatingName;
    QCheckBox* value;
    QCheckBox* unit;
    QComboBox* delimiter;
};

}  // namespace klv
