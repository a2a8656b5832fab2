#pragma once

#include <QDialog>

#include "reference/condition_store.h"

class QCheckBox;
class QPushButton;

namespace klv {

// "Bulk delete of all data": erases the data or the conditions of every channel.
class CBulkErase : public QDialog {
    Q_OBJECT
public:
    explicit CBulkErase(ConditionStore& store, QWidget* parent = nullptr);

    BulkEraseResult LastResult() const { return m_result; }

private:
    void UpdateOk();
    void Erase();

    ConditionStore& m_store;
    QCheckBox* m_data;
    QCheckBox* m_conditions;
    QPushButton* m_ok;
    BulkEraseResult m_result = BulkEraseResult::Cancelled;
};

}  // namespace klv
