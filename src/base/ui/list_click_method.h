#pragma once

#include <QAbstractItemView>
#include <QObject>
#include <QPersistentModelIndex>

namespace klv {

// How a list reacts to the mouse. With tracking the row under the mouse is the hot row (hand
// cursor over rows); with one-click activation a single click activates a row, otherwise a
// double click does. Return and Enter activate the current row either way.
class CListClickMethod : public QObject {
    Q_OBJECT
public:
    CListClickMethod(QAbstractItemView& view, bool tracking, bool oneClickActivate);

    QModelIndex HotIndex() const { return m_hot; }

signals:
    void activated(const QModelIndex& index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetHot(const QModelIndex& index);

    QAbstractItemView& m_view;
    bool m_tracking;
    bool m_oneClick;
    QPersistentModelIndex m_hot;
    QPersistentModelIndex m_pressed;
};

}  // namespace klv
