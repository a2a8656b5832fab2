#include "stats/ui/simple_stat.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/glyph_text.h"
#include "base/ui/draw_glyph_text.h"
#include "base/ui/fitted_glyph_text.h"
#include "base/ui/text_codec.h"
#include "base/ui/ui_resources.h"
#include "reference/condition_rules.h"
#include "reference/unit_gasket_tables.h"
#include "stats/ui/simple_stat_parts.h"

namespace klv {

namespace {

constexpr char kDeleteIndication[] = "Delete the indication";
constexpr char kStatisticsDataNumber[] = "Statistics data number";

}  // namespace

CSimpleStat::CSimpleStat(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CSimpleStat"));
    setFont(DialogFont());

    m_deleteButton = new QToolButton(this);
    m_deleteButton->setObjectName(QStringLiteral("deleteIndication"));
    m_deleteButton->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    m_deleteButton->setText(QString::fromLatin1(kDeleteIndication));
    m_deleteButton->setToolTip(QString::fromLatin1(kDeleteIndication));
    m_deleteButton->setAutoRaise(true);
    m_deleteButton->setEnabled(false);
    connect(m_deleteButton, &QToolButton::clicked, this, [this] {
        m_data.DeleteIndication();
        Display();
    });

    m_dataNumber = new QComboBox(this);
    m_dataNumber->setObjectName(QStringLiteral("statDataNumber"));
    m_dataNumber->setToolTip(QString::fromLatin1(kStatisticsDataNumber));
    for (int count : kSimpleStatDataCounts)
        m_dataNumber->addItem(QString::asprintf("%3d", count), count);
    connect(m_dataNumber, &QComboBox::activated, this, [this](int i) {
        if (m_data.SetShownCount(m_dataNumber->itemData(i).toInt()))
            Display();
    });

    m_header = new CSimpleStatHeader(*this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("simpleStatList"));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setUniformItemSizes(true);
    m_list->setItemDelegate(new CSimpleStatRowDelegate(*this, *m_list));
    m_list->setFrameShape(QFrame::NoFrame);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    m_footer = new CSimpleStatFooter(*this);
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(QStringLiteral("simpleStatScroll"));
    connect(m_scroll, &QScrollBar::actionTriggered, this, &CSimpleStat::OnScrollAction);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int x) {
        m_scrollX = x;
        RefreshViews();
    });

    auto* tools = new QHBoxLayout;
    tools->setContentsMargins(0, 0, 0, 0);
    tools->addWidget(m_deleteButton);
    tools->addWidget(m_dataNumber);
    tools->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addLayout(tools);
    page->addWidget(m_header);
    page->addWidget(m_list, 1);
    page->addWidget(separator);
    page->addWidget(m_footer);
    page->addWidget(m_scroll);
    ApplySettings({});
}

void CSimpleStat::ApplySettings(const Settings& s) {
    m_data = CSimpleStatData(s.dataCt);
    m_columns = Readable(SimpleStatColumns::FromSettings(s.col0, s.col1));
    m_dataNumber->setCurrentIndex(m_dataNumber->findData(m_data.ShownCount()));
    UpdateScrollRange();
    RefreshViews();
    updateGeometry();
}

QSize CSimpleStat::sizeHint() const {
    QSize hint = QWidget::sizeHint();
    // The scroll page is the list's width less 4; room is kept for its vertical scroll bar.
    const int list = m_columns.col0 + m_columns.col1 + 4 + 2 * m_list->frameWidth() +
                     style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    hint.setWidth(std::max(hint.width(), list));
    return hint;
}

CSimpleStat::Settings CSimpleStat::CurrentSettings() const {
    return {m_data.ShownCount(), m_columns.col0, m_columns.col1};
}

void CSimpleStat::SetSource(std::function<Source()> source) {
    m_source = std::move(source);
}

// The average width, or a digit's where the font's digits are wider: a 6-character number
// must fit its cell.
int CSimpleStat::CharWidth() const {
    const QFontMetrics fm(font());
    return std::max(fm.averageCharWidth(), fm.horizontalAdvance(QLatin1Char('0')));
}

QString CSimpleStat::CoatTitle(int k) const {
    return k < m_layers ? m_coats[k] : QString();
}

QString CSimpleStat::UnitTitle(int k) const {
    return k < m_layers ? m_unit : QString();
}

void CSimpleStat::Display() {
    const Source s = m_source ? m_source() : Source{};
    const bool selected = s.store != nullptr && s.condition != nullptr;
    if (selected)
        m_data.Display(*s.store, s.condition, s.index);
    else
        m_data.Clear();
    m_layers = selected ? GetCoatCount(*s.condition) : 0;
    for (int k = 0; k < kMaxLayers; ++k)
        m_coats[k] = k < m_layers ? ToQString(GetCoatName(*s.condition, k)) : QString();
    m_unit =
        selected ? ToQString("[" + std::string(GetUnitName(s.condition->bUnit)) + "]") : QString();
    const auto rows = static_cast<int>(m_data.Texts().rows.size());
    m_list->clear();
    for (int r = 0; r < rows; ++r)
        m_list->addItem(QString());
    // The newest data is in view.
    if (rows > 0)
        m_list->setCurrentRow(rows - 1);
    m_deleteButton->setEnabled(m_data.CanDeleteIndication());
    UpdateScrollRange();
    RefreshViews();
}

void CSimpleStat::Reset(bool clearHide) {
    if (clearHide)
        m_data.ResetHideIndex();
    Display();
}

// The number column keeps the footer's labels whole and the value area every layer's cell,
// whatever width was stored or dragged.
SimpleStatColumns CSimpleStat::Readable(SimpleStatColumns c) const {
    const QFontMetrics fm = m_list->fontMetrics();
    const int labels = std::max(GlyphTextExtent(fm, QStringLiteral("Average")),
                                GlyphTextExtent(fm, QStringLiteral("Standard deviation")));
    c.col0 = std::max(c.col0, labels + 4);
    const int cw = CharWidth();
    const int lastCell = c.CellLeft(kMaxLayers - 1, cw) + SimpleStatColumns::CellWidth(cw);
    // Its divider a little past the last cell, not over its last glyph.
    c.col1 = std::max(c.col1, lastCell - c.col0 + 2);
    return c;
}

void CSimpleStat::SetColumns(const SimpleStatColumns& input) {
    const SimpleStatColumns c = Readable(input);
    if (c.col0 == m_columns.col0 && c.col1 == m_columns.col1)
        return;
    m_columns = c;
    UpdateScrollRange();
    RefreshViews();
}

void CSimpleStat::PaintRow(QPainter& p, const QRect& row, const QString& label, bool labelLeft,
                           const std::array<QString, kMaxLayers>& cells) const {
    const int x0 = row.left() - m_scrollX;
    const int c = CharWidth();
    p.save();
    const QRect number(x0 + 2, row.top(), m_columns.col0 - 4, row.height());
    p.setClipRect(number.intersected(row));
    const int align = (labelLeft ? 0 : kGlyphAlignRight) | kGlyphAlignVCenter;
    DrawFittedGlyphText(p, label, number, align);
    const QRect values(x0 + m_columns.col0, row.top(), m_columns.ClipRight() - m_columns.col0,
                       row.height());
    p.setClipRect(values.intersected(row));
    for (int k = 0; k < kMaxLayers; ++k) {
        if (cells[k].isEmpty())
            continue;
        const QRect cell(x0 + m_columns.CellLeft(k, c), row.top(), SimpleStatColumns::CellWidth(c),
                         row.height());
        DrawFittedGlyphText(p, cells[k], cell, kGlyphAlignRight | kGlyphAlignVCenter);
    }
    p.restore();
}

void CSimpleStat::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateScrollRange();
}

void CSimpleStat::UpdateScrollRange() {
    const SimpleStatScroll s = GetSimpleStatScroll(m_columns, m_list->viewport()->width());
    m_scroll->setRange(0, s.maximum);
    m_scroll->setPageStep(s.page);
    m_scroll->setSingleStep(s.lineStep);
}

// The page areas move by seven eighths of the page the thumb shows.
void CSimpleStat::OnScrollAction(int action) {
    const int step = GetSimpleStatScroll(m_columns, m_list->viewport()->width()).pageStep;
    if (action == QAbstractSlider::SliderPageStepAdd)
        m_scroll->setSliderPosition(m_scroll->value() + step);
    else if (action == QAbstractSlider::SliderPageStepSub)
        m_scroll->setSliderPosition(m_scroll->value() - step);
}

void CSimpleStat::RefreshViews() {
    m_header->update();
    m_list->viewport()->update();
    m_footer->update();
}

}  // namespace klv
