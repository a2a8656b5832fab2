#pragma once

#include <QtTest>

namespace klv::test {

// Shows a widget at the given size; false when it never appeared.
inline bool ShowAtSize(QWidget& widget, QSize size) {
    widget.resize(size);
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
}

}  // namespace klv::test
