#include "device/comm_error_box.h"

#include "device/usb_transport.h"

namespace klv {

UsbBoxLayout MakeUsbBoxLayout(int boxType) {
    UsbBoxLayout layout;
    const int buttons = boxType & 0x0F;
    switch (buttons) {
    case kBoxOkCancel:
        layout.buttons = {{"OK", IDOK}, {"Cancel", IDCANCEL}};
        layout.buttonSet = MsgButtons::OkCancel;
        break;
    case kBoxAbortRetryIgnore:
        layout.buttons = {{"Stop(&A)", IDABORT}, {"Repeat(&R)", IDRETRY}, {"Ignore(&I)", IDIGNORE}};
        layout.buttonSet = MsgButtons::AbortRetryIgnore;
        break;
    case kBoxYesNoCancel:
        layout.buttons = {{"Yes(&Y)", IDYES}, {"No(&N)", IDNO}, {"Cancel", IDCANCEL}};
        layout.buttonSet = MsgButtons::YesNoCancel;
        break;
    case kBoxYesNo:
        layout.buttons = {{"Yes(&Y)", IDYES}, {"No(&N)", IDNO}};
        layout.buttonSet = MsgButtons::YesNo;
        break;
    case kBoxRetryCancel:
        layout.buttons = {{"Repeat(&R)", IDRETRY}, {"Cancel", IDCANCEL}};
        layout.buttonSet = MsgButtons::RetryCancel;
        break;
    default:
        layout.buttons = {{"OK", IDOK}};
        layout.buttonSet = MsgButtons::Ok;
        layout.escapeId = IDCANCEL;
        break;
    }
    int icon = boxType & 0xF0;
    const bool plainSet = buttons == kBoxOk || buttons == kBoxOkCancel ||
                          buttons == kBoxYesNoCancel || buttons == kBoxYesNo;
    if (icon == 0 && plainSet) icon = kBoxIconExclamation;
    switch (icon) {
    case kBoxIconStop: layout.icon = MsgIcon::Stop; break;
    case kBoxIconQuestion: layout.icon = MsgIcon::Question; break;
    case kBoxIconExclamation: layout.icon = MsgIcon::Exclamation; break;
    case kBoxIconInformation: layout.icon = MsgIcon::Information; break;
    default: layout.icon = MsgIcon::None; break;
    }
    return layout;
}

void UsbBoxSession::Hold() {
    if (m_held) return;
    m_held = true;
    m_transport.PauseThread();
    m_transport.CloseDevice();
}

void UsbBoxSession::Release(int id) {
    if (!m_held) return;
    m_held = false;
    if (!m_transport.IsDeviceOpen()) m_transport.OpenDevice();
    m_transport.ResumeThread();
    if (id == IDCANCEL || id == IDABORT || id == IDIGNORE || id == IDNO)
        m_transport.UUsbdAPI_CommandCancel();
}

int OperatorCommErrorBox::ShowCommError(const std::string& text, int boxType) {
    const UsbBoxLayout layout = MakeUsbBoxLayout(boxType);
    UsbBoxSession session(m_transport);
    session.Hold();
    const int id = m_operator.ShowMessage(text, layout.icon, layout.buttonSet);
    session.Release(id);
    return id;
}

}  // namespace klv
