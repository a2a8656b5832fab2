#pragma once

#include <QString>
#include <QWidget>

namespace klv {

// The object name of the control with a dialog's control id: "ctl" and the id.
inline QString ControlName(int id) {
    return QStringLiteral("ctl%1").arg(id);
}

template <typename W>
W* Named(W* widget, int id) {
    widget->setObjectName(ControlName(id));
    return widget;
}

}  // namespace klv
