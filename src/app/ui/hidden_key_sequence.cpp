#include "app/ui/hidden_key_sequence.h"

#include <QEvent>
#include <QKeyEvent>

namespace klv {

namespace {

constexpr qsizetype kBufferLength = 8;
const QString kSequence = QStringLiteral("QJV");

}  // namespace

CHiddenKeySequence::CHiddenKeySequence(QObject* parent) : QObject(parent) {}

bool CHiddenKeySequence::eventFilter(QObject* watched, QEvent* event) {
    // A key reaches the top-level window once and then each widget it propagates to; count it
    // at the window only.
    if (event->type() != QEvent::KeyPress || !watched->isWindowType())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers held = key->modifiers();
    const int code = key->key();
    // Qt's codes for digits and letters are their upper-case characters, keypad digits included.
    if (!held.testFlag(Qt::ShiftModifier) || !held.testFlag(Qt::ControlModifier) ||
        code < Qt::Key_0 || code > Qt::Key_Z)
        return QObject::eventFilter(watched, event);
    m_buffer.append(QChar(code));
    if (m_buffer.size() > kBufferLength)
        m_buffer.remove(0, m_buffer.size() - kBufferLength);
    if (!m_buffer.endsWith(kSequence, Qt::CaseInsensitive))
        return QObject::eventFilter(watched, event);
    m_buffer.clear();
    emit sequenceTyped();
    return true;
}

}  // namespace klv
