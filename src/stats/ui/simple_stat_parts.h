#pragma once

#include <QStyledItemDelegate>
#include <QWidget>

#include "stats/simple_stat_layout.h"

namespace klv {

class CSimpleStat;

// The two header rows: coating names, then "No." and the unit of each layer, with the two
// dividers that a drag moves.
class CSimpleStatHeader : public QWidget {
    Q_OBJECT
public:
    explicit CSimpleStatHeader(CSimpleStat& panel);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int ContentX(const QMouseEvent* event) const;

    CSimpleStat& m_panel;
    SimpleStatDivider m_grabbed = SimpleStatDivider::None;
    int m_grabX = 0;
    int m_grabWidth = 0;
};

// The footer rows "Average" and "Standard deviation".
class CSimpleStatFooter : public QWidget {
    Q_OBJECT
public:
    explicit CSimpleStatFooter(CSimpleStat& panel);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSimpleStat& m_panel;
};

// The data rows of the list, painted by the panel in the shared list colours.
class CSimpleStatRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CSimpleStatRowDelegate(CSimpleStat& panel, QWidget& list);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CSimpleStat& m_panel;
    QWidget& m_list;
};

// Header, data and footer rows: the common row height; data and footer rows 2 pixels more.
int SimpleStatHeaderRowHeight();
int SimpleStatDataRowHeight();

}  // namespace klv
