#include "stats/ui/simple_stat_parts.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "base/ui/list_item_colors.h"
#include "base/ui/text_codec.h"
#include "base/ui/ui_resources.h"
#include "stats/ui/simple_stat.h"

namespace klv {

namespace {

constexpr int kHeaderRows = 2;
constexpr int kFooterRows = 2;

std::array<QString, kMaxLayers> TextsOf(const std::array<std::string, kMaxLayers>& texts) {
    std::array<QString, kMaxLayers> out;
    for (int k = 0; k < kMaxLayers; ++k)
        out[k] = ToQString(texts[k]);
    return out;
}

}  // namespace

// The common row height is the letter's own height; a row never cuts the font's descent.
int SimpleStatHeaderRowHeight() {
    return std::max(CommonRowHeight(), QFontMetrics(DialogFont()).height());
}

int SimpleStatDataRowHeight() {
    return SimpleStatHeaderRowHeight() + kSimpleStatRowSpacing;
}

CSimpleStatHeader::CSimpleStatHeader(CSimpleStat& panel) : QWidget(&panel), m_panel(panel) {
    setObjectName(QStringLiteral("simpleStatHeader"));
    setMouseTracking(true);
    setFixedHeight(kHeaderRows * SimpleStatHeaderRowHeight());
}

QSize CSimpleStatHeader::sizeHint() const {
    return {m_panel.Columns().ClipRight(), kHeaderRows * SimpleStatHeaderRowHeight()};
}

void CSimpleStatHeader::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.setPen(palette().color(QPalette::ButtonText));
    p.setFont(font());
    const int h = SimpleStatHeaderRowHeight();
    std::array<QString, kMaxLayers> coats, units;
    for (int k = 0; k < kMaxLayers; ++k) {
        coats[k] = m_panel.CoatTitle(k);
        units[k] = m_panel.UnitTitle(k);
    }
    m_panel.PaintRow(p, QRect(0, 0, width(), h), QString(), false, coats);
    m_panel.PaintRow(p, QRect(0, h, width(), h), QStringLiteral("No."), false, units);
    const SimpleStatColumns& c = m_panel.Columns();
    for (int x : {c.FirstDivider(), c.SecondDivider()}) {
        const int at = x - m_panel.ScrollX();
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(at, 0, at, height());
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(at + 1, 0, at + 1, height());
    }
}

int CSimpleStatHeader::ContentX(const QMouseEvent* event) const {
    return event->position().toPoint().x() + m_panel.ScrollX();
}

void CSimpleStatHeader::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        m_grabbed = SimpleStatDivider::None;
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_grabbed = HitSimpleStatDivider(m_panel.Columns(), ContentX(event));
    m_grabX = ContentX(event);
    m_grabWidth =
        m_grabbed == SimpleStatDivider::First ? m_panel.Columns().col0 : m_panel.Columns().col1;
}

void CSimpleStatHeader::mouseMoveEvent(QMouseEvent* event) {
    const int x = ContentX(event);
    if (m_grabbed == SimpleStatDivider::None || (event->buttons() & Qt::LeftButton) == 0) {
        m_grabbed = SimpleStatDivider::None;
        const bool over = HitSimpleStatDivider(m_panel.Columns(), x) != SimpleStatDivider::None;
        setCursor(over ? Qt::SplitHCursor : Qt::ArrowCursor);
        return;
    }
    SimpleStatColumns c = m_panel.Columns();
    const int width = DragSimpleStatWidth(m_grabWidth, x - m_grabX);
    (m_grabbed == SimpleStatDivider::First ? c.col0 : c.col1) = width;
    m_panel.SetColumns(c);
}

void CSimpleStatHeader::mouseReleaseEvent(QMouseEvent*) {
    m_grabbed = SimpleStatDivider::None;
}

CSimpleStatFooter::CSimpleStatFooter(CSimpleStat& panel) : QWidget(&panel), m_panel(panel) {
    setObjectName(QStringLiteral("simpleStatFooter"));
    setFixedHeight(kFooterRows * SimpleStatDataRowHeight());
}

QSize CSimpleStatFooter::sizeHint() const {
    return {m_panel.Columns().ClipRight(), kFooterRows * SimpleStatDataRowHeight()};
}

void CSimpleStatFooter::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Text));
    p.setFont(font());
    const int h = SimpleStatDataRowHeight();
    const SimpleStatTexts& t = m_panel.Data().Texts();
    m_panel.PaintRow(p, QRect(0, 0, width(), h), QStringLiteral("Average"), true,
                     TextsOf(t.average));
    m_panel.PaintRow(p, QRect(0, h, width(), h), QStringLiteral("Standard deviation"), true,
                     TextsOf(t.stdDev));
}

CSimpleStatRowDelegate::CSimpleStatRowDelegate(CSimpleStat& panel, QWidget& list)
    : QStyledItemDelegate(&list), m_panel(panel), m_list(list) {}

void CSimpleStatRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const auto& rows = m_panel.Data().Texts().rows;
    if (index.row() < 0 || static_cast<std::size_t>(index.row()) >= rows.size())
        return;
    const SimpleStatRow& row = rows[static_cast<std::size_t>(index.row())];
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const ListItemColors colors = GetListItemColors(m_list, selected, false, false);
    painter->save();
    painter->fillRect(option.rect, colors.background);
    painter->setPen(colors.text);
    painter->setFont(m_list.font());
    m_panel.PaintRow(*painter, option.rect, ToQString(row.number), false, TextsOf(row.cells));
    painter->restore();
}

QSize CSimpleStatRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {m_panel.Columns().ClipRight(), SimpleStatDataRowHeight()};
}

}  // namespace klv
