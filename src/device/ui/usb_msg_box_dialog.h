#pragma once

#include <QDialog>
#include <QPushButton>
#include <functional>
#include <vector>

#include "base/sound_player.h"
#include "device/usb_msg_box.h"

class QKeyEvent;

namespace klv {

// The communication error box (dialog 420). The transport decides what a press does.
class CUsbMsgBox final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 420;
    explicit CUsbMsgBox(SoundPlayer& sounds, QWidget* parent = nullptr);

    // Shows the box once, modally, and returns the pressed id.
    int Run(const std::string& text, int boxType, const std::function<void()>& onShown,
            const std::function<void(int)>& onPressed);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Build(const std::string& text, const UsbMsgBoxLayout& layout);
    void Press(int id);

    SoundPlayer& m_sounds;
    std::vector<QPushButton*> m_buttons;
    std::function<void(int)> m_onPressed;
    int m_escapeId = 0;
    bool m_ready = false;
};

// The transport's error box: a fresh CUsbMsgBox for every error.
class QtUsbMsgBoxView final : public UsbMsgBoxView {
public:
    explicit QtUsbMsgBoxView(SoundPlayer& sounds, QWidget* parent = nullptr)
        : m_sounds(sounds), m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }
    int Run(const std::string& text, int boxType, const std::function<void()>& onShown,
            const std::function<void(int)>& onPressed) override {
        CUsbMsgBox box(m_sounds, m_parent);
        return box.Run(text, boxType, onShown, onPressed);
    }

private:
    SoundPlayer& m_sounds;
    QWidget* m_parent;
};

}  // namespace klv
