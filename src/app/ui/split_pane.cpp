#include "app/ui/split_pane.h"

#include <algorithm>

#include "app/ui/split_bar.h"

namespace klv {

namespace {

int MinimumWidth(const QWidget& w) {
    return std::max(w.minimumWidth(), w.minimumSizeHint().width());
}

}  // namespace

CSplitPane::CSplitPane(QWidget* left, QWidget* right, QWidget* parent)
    : QWidget(parent), m_left(left), m_right(right), m_bar(new CSplitBar(this)) {
    m_left->setParent(this);
    m_right->setParent(this);
    connect(m_bar, &CSplitBar::dragged, this, [this](int x) { DragTo(x + this->x()); });
}

// Kept as asked until the window has its size; the clamp applies whenever it is laid out.
void CSplitPane::SetSplitPosition(int x) {
    m_split = x;
    LayOut();
}

// A dragged bar stays where it was let go, even when the window grows later.
void CSplitPane::DragTo(int x) {
    m_split = x;
    m_split = SplitPosition();
    LayOut();
}

void CSplitPane::ResetSplitPosition() {
    m_split.reset();
    LayOut();
}

int CSplitPane::SplitPosition() const {
    const int width = ClientWidth();
    // By default the left column gets what it asks for, the right panel the rest, and from
    // what is left over as much as it needs to show all of its columns.
    const int right =
        std::max(kDefaultRightWidth,
                 m_right->sizeHint().width() + CSplitBar::kBarWidth + CSplitBar::kHitMargin);
    const int wanted = m_split.value_or(
        std::max(width - right, x() + m_left->sizeHint().width() + CSplitBar::kHitMargin));
    // A position kept from a wider window must not crush either side below its minimum.
    const int low = std::max(kEdgeDistance, x() + MinimumWidth(*m_left) + CSplitBar::kHitMargin);
    const int paneRight = parentWidget() != nullptr ? x() + this->width() : width;
    const int high =
        std::min(width - kEdgeDistance,
                 paneRight - MinimumWidth(*m_right) - CSplitBar::kBarWidth - CSplitBar::kHitMargin);
    return std::clamp(wanted, low, std::max(low, high));
}

QSize CSplitPane::sizeHint() const {
    const int right = std::max(kDefaultRightWidth, MinimumWidth(*m_right));
    return {m_left->sizeHint().width() + 2 * CSplitBar::kHitMargin + CSplitBar::kBarWidth + right,
            std::max(m_left->sizeHint().height(), m_right->sizeHint().height())};
}

int CSplitPane::ClientWidth() const {
    return parentWidget() != nullptr ? parentWidget()->width() : width();
}

void CSplitPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

bool CSplitPane::event(QEvent* event) {
    if (event->type() == QEvent::LayoutRequest) {
        updateGeometry();
        LayOut();
    }
    return QWidget::event(event);
}

void CSplitPane::LayOut() {
    const int bar = SplitPosition() - x();
    const int h = height();
    m_left->setGeometry(0, 0, std::max(0, bar - CSplitBar::kHitMargin), h);
    m_bar->setGeometry(bar - CSplitBar::kHitMargin, 0, m_bar->width(), h);
    const int right = bar + CSplitBar::kBarWidth + CSplitBar::kHitMargin;
    m_right->setGeometry(right, 0, std::max(0, width() - right), h);
}

}  // namespace klv
