#include "base/ui/list_click_method.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace klv {

CListClickMethod::CListClickMethod(QAbstractItemView& view, bool tracking, bool oneClickActivate)
    : QObject(&view), m_view(view), m_tracking(tracking), m_oneClick(oneClickActivate) {
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.viewport()->setMouseTracking(tracking);
    view.viewport()->installEventFilter(this);
    view.installEventFilter(this);
    if (!oneClickActivate)
        connect(&view, &QAbstractItemView::doubleClicked, this, &CListClickMethod::activated);
}

void CListClickMethod::SetHot(const QModelIndex& index) {
    QModelIndex row = index.isValid() ? index.siblingAtColumn(0) : QModelIndex();
    if (row == m_hot)
        return;
    m_hot = row;
    if (row.isValid())
        m_view.viewport()->setCursor(Qt::PointingHandCursor);
    else
        m_view.viewport()->unsetCursor();
    m_view.viewport()->update();
}

bool CListClickMethod::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_view) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (enter && m_view.currentIndex().isValid()) {
                emit activated(m_view.currentIndex());
                return true;
            }
        }
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseMove:
            if (m_tracking)
                SetHot(m_view.indexAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
            break;
        case QEvent::Leave:
            SetHot({});
            break;
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                m_pressed = m_view.indexAt(mouse->position().toPoint()).siblingAtColumn(0);
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            QModelIndex at = m_view.indexAt(mouse->position().toPoint()).siblingAtColumn(0);
            bool same = at.isValid() && at == QModelIndex(m_pressed);
            m_pressed = QModelIndex();
            if (m_oneClick && mouse->button() == Qt::LeftButton && same)
                emit activated(at);
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace klv
