#include "base/ui/key_routing_table.h"

#include <QApplication>
#include <QKeyEvent>

namespace klv {

int VirtualKeyOf(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    return -1;
}

CKeyRoutingTable::CKeyRoutingTable() {
    if (qApp != nullptr)
        qApp->installEventFilter(this);
}

QWidget* CKeyRoutingTable::Register(int virtualKey, QWidget* window) {
    if (virtualKey < 0 || virtualKey >= kKeyRoutingSize)
        return nullptr;
    QWidget* previous = m_owners[static_cast<std::size_t>(virtualKey)];
    m_owners[static_cast<std::size_t>(virtualKey)] = window;
    return previous;
}

QWidget* CKeyRoutingTable::Owner(int virtualKey) const {
    if (virtualKey < 0 || virtualKey >= kKeyRoutingSize)
        return nullptr;
    return m_owners[static_cast<std::size_t>(virtualKey)];
}

bool CKeyRoutingTable::CanTake(const QWidget* owner) const {
    if (owner == nullptr || !owner->isVisible() || !owner->isEnabled())
        return false;
    // A modal window blocks its owner as a disabled window would: keys stay with it.
    const QWidget* modal = QApplication::activeModalWidget();
    return modal == nullptr || modal == owner->window();
}

bool CKeyRoutingTable::eventFilter(QObject* watched, QEvent* event) {
    // The key reaches the top-level window first; routing it there takes it from every widget.
    if (event->type() != QEvent::KeyPress || !watched->isWindowType())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    QWidget* owner = Owner(VirtualKeyOf(key->key()));
    if (!CanTake(owner))
        return QObject::eventFilter(watched, event);
    QCoreApplication::postEvent(owner, new KeyMessageEvent(VirtualKeyOf(key->key())));
    return true;
}

}  // namespace klv
