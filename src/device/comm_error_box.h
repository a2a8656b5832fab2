#pragma once

#include <string>
#include <vector>

#include "base/operator.h"

namespace klv {

class CUsbTransport;

// Box types of the communication error box: low four bits the buttons, bits 4-7 the icon.
inline constexpr int kBoxOk = 0;
inline constexpr int kBoxOkCancel = 1;
inline constexpr int kBoxAbortRetryIgnore = 2;
inline constexpr int kBoxYesNoCancel = 3;
inline constexpr int kBoxYesNo = 4;
inline constexpr int kBoxRetryCancel = 5;
inline constexpr int kBoxIconStop = 0x10;
inline constexpr int kBoxIconQuestion = 0x20;
inline constexpr int kBoxIconExclamation = 0x30;
inline constexpr int kBoxIconInformation = 0x40;

struct BoxButton {
    std::string caption;
    int id;
};

// What the box shows for a box type.
struct UsbBoxLayout {
    std::vector<BoxButton> buttons;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttonSet = MsgButtons::Ok;
    int escapeId = 0;  // 0 = Escape does nothing
};

UsbBoxLayout MakeUsbBoxLayout(int boxType);

// The device side of the box: while it is up the transport thread is paused and the device
// closed, so a reconnected instrument is picked up when a button is pressed.
class UsbBoxSession {
public:
    explicit UsbBoxSession(CUsbTransport& transport) : m_transport(transport) {}
    // Once the box is visible: pause the thread and close the device.
    void Hold();
    // A button was pressed: reopen, release the thread, and cancel the instrument's
    // command unless the operator chose to go on.
    void Release(int id);

private:
    CUsbTransport& m_transport;
    bool m_held = false;
};

// Shows the communication error box; the Qt side implements it with CUsbMsgBox.
class CommErrorBox {
public:
    virtual ~CommErrorBox() = default;
    virtual int ShowCommError(const std::string& text, int boxType) = 0;
};

// The box through the Operator seam, for tests and tools without windows.
class OperatorCommErrorBox final : public CommErrorBox {
public:
    OperatorCommErrorBox(Operator& op, CUsbTransport& transport)
        : m_operator(op), m_transport(transport) {}
    int ShowCommError(const std::string& text, int boxType) override;

private:
    Operator& m_operator;
    CUsbTransport& m_transport;
};

}  // namespace klv
