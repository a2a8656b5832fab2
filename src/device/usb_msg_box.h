#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/operator.h"

namespace klv {

// Box type of the communication error box: low four bits the buttons, bits 4-7 the icon.
inline constexpr int kBoxRepeatCancel = 0x05;
inline constexpr int kBoxIconStop = 0x10;
inline constexpr int kBoxIconQuestion = 0x20;
inline constexpr int kBoxIconExclamation = 0x30;
inline constexpr int kBoxIconInformation = 0x40;

struct UsbMsgBoxButton {
    const char* text;
    int id;
};

struct UsbMsgBoxLayout {
    std::vector<UsbMsgBoxButton> buttons;
    MsgIcon icon = MsgIcon::None;
    int escapeId = 0;  // 0 = Escape does nothing
};

UsbMsgBoxLayout DescribeUsbMsgBox(int boxType);
// Answers that tell the instrument to drop its pending command.
bool UsbBoxAnswerCancels(int id);

// Shows the communication error box. `onShown` runs once the box is visible and before its
// buttons react; `onPressed` runs when a button is pressed, before the box closes.
class UsbMsgBoxView {
public:
    virtual ~UsbMsgBoxView() = default;
    virtual int Run(const std::string& text, int boxType, const std::function<void()>& onShown,
                    const std::function<void(int)>& onPressed) = 0;
};

// The box on a plain Operator (tests script the answers this way).
class OperatorUsbMsgBox final : public UsbMsgBoxView {
public:
    explicit OperatorUsbMsgBox(Operator& op) : m_operator(op) {}
    int Run(const std::string& text, int boxType, const std::function<void()>& onShown,
            const std::function<void(int)>& onPressed) override;

private:
    Operator& m_operator;
};

}  // namespace klv
