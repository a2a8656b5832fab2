#include "device/usb_msg_box.h"

namespace klv {

UsbMsgBoxLayout DescribeUsbMsgBox(int boxType) {
    UsbMsgBoxLayout box;
    int set = boxType & 0x0F;
    switch (set) {
        case 1:
            box.buttons = {{"OK", IDOK}, {"Cancel", IDCANCEL}};
            break;
        case 2:
            box.buttons = {
                {"Stop(&A)", IDABORT}, {"Repeat(&R)", IDRETRY}, {"Ignore(&I)", IDIGNORE}};
            break;
        case 3:
            box.buttons = {{"Yes(&Y)", IDYES}, {"No(&N)", IDNO}, {"Cancel", IDCANCEL}};
            break;
        case 4:
            box.buttons = {{"Yes(&Y)", IDYES}, {"No(&N)", IDNO}};
            break;
        case 5:
            box.buttons = {{"Repeat(&R)", IDRETRY}, {"Cancel", IDCANCEL}};
            break;
        default:
            box.buttons = {{"OK", IDOK}};
            box.escapeId = IDCANCEL;
            break;
    }
    int icon = boxType & 0xF0;
    if (icon == 0 && (set == 0 || set == 1 || set == 3 || set == 4))
        icon = kBoxIconExclamation;
    switch (icon) {
        case kBoxIconStop:
            box.icon = MsgIcon::Stop;
            break;
        case kBoxIconQuestion:
            box.icon = MsgIcon::Question;
            break;
        case kBoxIconExclamation:
            box.icon = MsgIcon::Exclamation;
            break;
        case kBoxIconInformation:
            box.icon = MsgIcon::Information;
            break;
        default:
            box.icon = MsgIcon::None;
            break;
    }
    return box;
}

bool UsbBoxAnswerCancels(int id) {
    return id == IDCANCEL || id == IDABORT || id == IDIGNORE || id == IDNO;
}

static MsgButtons ButtonsOf(int boxType) {
    switch (boxType & 0x0F) {
        case 1:
            return MsgButtons::OkCancel;
        case 2:
            return MsgButtons::AbortRetryIgnore;
        case 3:
            return MsgButtons::YesNoCancel;
        case 4:
            return MsgButtons::YesNo;
        case 5:
            return MsgButtons::RetryCancel;
        default:
            return MsgButtons::Ok;
    }
}

int OperatorUsbMsgBox::Run(const std::string& text, int boxType,
                           const std::function<void()>& onShown,
                           const std::function<void(int)>& onPressed) {
    onShown();
    int id = m_operator.ShowMessage(text, DescribeUsbMsgBox(boxType).icon, ButtonsOf(boxType));
    onPressed(id);
    return id;
}

}  // namespace klv
