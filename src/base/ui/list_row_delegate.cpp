#include "base/ui/list_row_delegate.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "base/glyph_text.h"
#include "base/ui/draw_glyph_text.h"
#include "base/ui/list_item_colors.h"

namespace klv {
namespace {

// Room above and below the lines of a multi-line row, so that rows stay apart.
constexpr int kRowMargin = 3;

}  // namespace

CListRowDelegate::CListRowDelegate(QAbstractItemView& view, HotRow hot)
    : QStyledItemDelegate(&view), m_view(view), m_hot(std::move(hot)) {}

void CListRowDelegate::SetRowLines(int lines, int lineHeight) {
    m_lines = lines;
    m_lineHeight = lineHeight;
}

void CListRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    bool selected = (option.state & QStyle::State_Selected) != 0;
    QModelIndex hotRow = m_hot ? m_hot() : QModelIndex();
    bool hot = hotRow.isValid() && hotRow.row() == index.row() && hotRow.parent() == index.parent();
    ListItemColors colors = GetListItemColors(m_view, selected, hot, m_disabledLook);
    painter->save();
    painter->fillRect(option.rect, colors.background);
    painter->setPen(colors.text);
    painter->setFont(option.font);
    QStringList lines = index.data(Qt::DisplayRole).toString().split(QLatin1Char('\n'));
    // A short cell keeps its lines at the top of a taller row, level with its neighbours'.
    int lineCount = std::max(m_lines, static_cast<int>(lines.size()));
    int margin = m_lines > 0 ? kRowMargin : 0;
    int lineHeight = (option.rect.height() - 2 * margin) / lineCount;
    QRect line(option.rect.x() + 2, option.rect.y() + margin, option.rect.width() - 2, lineHeight);
    const int redLines = index.data(kRedLinesRole).toInt();
    for (int l = 0; l < lines.size(); ++l) {
        painter->setPen(l < 31 && (redLines >> l & 1) != 0 ? QColor(Qt::red) : colors.text);
        DrawGlyphText(*painter, lines[l], line, kGlyphAlignVCenter);
        line.translate(0, lineHeight);
    }
    if (m_lines > 1) {
        // Tall rows are told apart by a faint line under each.
        painter->setPen(m_view.palette().color(QPalette::Midlight));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    }
    if (m_listBoxMarks) {
        if (selected && m_view.hasFocus() && m_view.isEnabled()) {
            painter->setPen(QPen(colors.text, 1, Qt::DotLine));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        if (hot && m_view.model() && m_view.model()->rowCount(index.parent()) > 1) {
            int y = option.rect.bottom() - 3;
            painter->setPen(colors.text);
            painter->drawLine(option.rect.left(), y, option.rect.right(), y);
        }
    }
    painter->restore();
}

QSize CListRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_lines > 0)
        size.setHeight(m_lines * m_lineHeight + 2 * kRowMargin);
    return size;
}

}  // namespace klv
