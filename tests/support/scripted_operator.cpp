#include "support/scripted_operator.h"

namespace klv::test {

int ScriptedOperator::ShowMessage(const std::string& text, MsgIcon icon, MsgButtons buttons) {
    m_shown.push_back({text, icon, buttons});
    if (!m_answers.empty()) {
        int id = m_answers.front();
        m_answers.pop_front();
        return id;
    }
    // Unscripted boxes take the first button, as Enter would.
    switch (buttons) {
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            return IDYES;
        case MsgButtons::RetryCancel:
            return IDRETRY;
        case MsgButtons::AbortRetryIgnore:
            return IDABORT;
        default:
            return IDOK;
    }
}

std::vector<std::string> ScriptedOperator::Texts() const {
    std::vector<std::string> texts;
    for (const auto& s : m_shown)
        texts.push_back(s.text);
    return texts;
}

}  // namespace klv::test
