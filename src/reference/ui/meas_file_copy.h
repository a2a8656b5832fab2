#pragma once

#include <QDialog>
#include <array>

#include "base/operator.h"
#include "reference/meas_file_data.h"

class QCheckBox;
class QRadioButton;

namespace klv {

// "Select copy item": which items of the source channel are copied.
class CMeasFileCopy : public QDialog {
    Q_OBJECT
public:
    CMeasFileCopy(int sourceIndex, const MeasFileData& source, Operator& op,
                  QWidget* parent = nullptr);

    // Bits 1..64 of the chosen items, 127 for all; valid after exec() == Accepted.
    unsigned Items() const { return m_items; }

    void accept() override;

private:
    void EnableItems();

    Operator& m_op;
    QRadioButton* m_all;
    QRadioButton* m_selected;
    std::array<QCheckBox*, 7> m_boxes{};
    unsigned m_items = 0;
};

}  // namespace klv
