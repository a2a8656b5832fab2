#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace klv {

// A cell's lines drawn in red: bit l for line l (an int in this item data role).
inline constexpr int kRedLinesRole = Qt::UserRole + 0x100;

// Paints the rows of the owner-drawn lists in the shared colours: each cell's text, one or
// more lines split at "\n", 2 pixels from the left with its glyph escapes, each line
// vertically centred in its share of the row.
class CListRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using HotRow = std::function<QModelIndex()>;
    CListRowDelegate(QAbstractItemView& view, HotRow hot);

    // List-box marks: a focus rectangle on the focused selected row, and the hot row
    // underlined when the list has more than one row.
    void SetListBoxMarks(bool on) { m_listBoxMarks = on; }
    void SetDisabledLook(bool on) { m_disabledLook = on; }
    // Lines per row and the height of one line; 0 keeps the style's row height.
    void SetRowLines(int lines, int lineHeight);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QAbstractItemView& m_view;
    HotRow m_hot;
    bool m_listBoxMarks = false;
    bool m_disabledLook = false;
    int m_lines = 0;
    int m_lineHeight = 0;
};

}  // namespace klv
