#include "tool/console_operator.h"

namespace klv::tool {

int ConsoleOperator::ShowMessage(const std::string& text, MsgIcon, MsgButtons buttons) {
    m_err << text << '\n';
    switch (buttons) {
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            return IDNO;
        case MsgButtons::Ok:
            return IDOK;
        default:
            return IDCANCEL;
    }
}

}  // namespace klv::tool
