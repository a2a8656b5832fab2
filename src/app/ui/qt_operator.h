#pragma once

#include <QPointer>
#include <QWidget>

#include "base/operator.h"

namespace klv {

inline constexpr const char* kMessageCaption = "KLV-570";

// Message boxes of the system: caption "KLV-570", the requested icon and buttons, and the
// answer as one of the ids of base/operator.h.
class QtOperator final : public Operator {
public:
    // Boxes are owned by `parent`, or by the active window when there is none.
    explicit QtOperator(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    int ShowMessage(const std::string& text, MsgIcon icon, MsgButtons buttons) override;

private:
    QPointer<QWidget> m_parent;
};

}  // namespace klv
