#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/operator.h"

namespace klv::test {

// Answers message boxes from a script and records what was shown.
class ScriptedOperator final : public Operator {
public:
    struct Shown {
        std::string text;
        MsgIcon icon;
        MsgButtons buttons;
    };

    void Answer(int id) { m_answers.push_back(id); }
    int ShowMessage(const std::string& text, MsgIcon icon, MsgButtons buttons) override;

    const std::vector<Shown>& Messages() const { return m_shown; }
    std::vector<std::string> Texts() const;
    void Clear() { m_shown.clear(); }

private:
    std::deque<int> m_answers;
    std::vector<Shown> m_shown;
};

}  // namespace klv::test
