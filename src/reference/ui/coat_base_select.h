#pragma once

#include <QDialog>
#include <string>

#include "base/operator.h"
#include "reference/coat_base_list.h"

namespace klv {

// "Set a Coating" / "Set a Base": one button per coating or base, three to a row, placed at
// the lower left corner of the box that was clicked.
class CCoatBaseSelect : public QDialog {
    Q_OBJECT
public:
    CCoatBaseSelect(CoatBaseKind kind, const std::string& currentFreeName, bool offerDelete,
                    bool deleteEnabled, Operator& op, QWidget* anchor, QWidget* parent = nullptr);

    // Valid after exec() == Accepted.
    const CoatBaseChoice& Choice() const { return m_choice; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Choose(const CoatBaseButton& button);
    void ChooseFreeName();
    void PlaceUnderAnchor();

    CoatBaseKind m_kind;
    std::string m_freeName;
    Operator& m_op;
    QWidget* m_anchor;
    CoatBaseChoice m_choice;
};

}  // namespace klv
