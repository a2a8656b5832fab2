#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>

namespace klv {

// Virtual-key codes of the keys windows register for.
inline constexpr int kVkF2 = 113;
inline constexpr int kVkF3 = 114;
inline constexpr int kKeyRoutingSize = 256;

// The key message posted to the window that owns a key; carries its virtual-key code.
inline const QEvent::Type kKeyMessageEvent = static_cast<QEvent::Type>(0x7400);

class KeyMessageEvent final : public QEvent {
public:
    explicit KeyMessageEvent(int virtualKey) : QEvent(kKeyMessageEvent), m_key(virtualKey) {}
    int VirtualKey() const { return m_key; }

private:
    int m_key;
};

// The virtual-key code of a Qt key, -1 for keys without one here.
int VirtualKeyOf(int qtKey);

// Which window a function key belongs to, whatever window has the focus. A registered window
// that exists, is visible and enabled gets the key message instead of the key. The table
// watches every key of the application for as long as it exists.
class CKeyRoutingTable final : public QObject {
    Q_OBJECT
public:
    CKeyRoutingTable();

    // Returns the previous owner, so it can be given back.
    QWidget* Register(int virtualKey, QWidget* window);
    QWidget* Owner(int virtualKey) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool CanTake(const QWidget* owner) const;

    std::array<QPointer<QWidget>, kKeyRoutingSize> m_owners{};
};

}  // namespace klv
