#pragma once

#include <QWidget>

namespace klv {

// One page of the statistics window: it refreshes when the window asks and answers the
// window's print and copy buttons.
class CStatPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void Refresh() = 0;
    virtual void Print() = 0;
    // The page's content on the clipboard; false when that failed.
    virtual bool Copy() = 0;
    virtual bool CanCopy() const { return true; }

signals:
    void copyEnablingChanged();
    // Ctrl+C inside the page: the window's copy, when it is enabled.
    void copyRequested();
    // Data were changed or deleted: the window's statistics are new.
    void dataModified();
};

}  // namespace klv
