#pragma once

#include <ostream>

#include "base/operator.h"

namespace klv::tool {

// Message boxes of a command-line run: the text goes to standard error and every question
// is answered with its safe button, so the tool never changes data on its own.
class ConsoleOperator final : public Operator {
public:
    explicit ConsoleOperator(std::ostream& err) : m_err(err) {}
    int ShowMessage(const std::string& text, MsgIcon icon, MsgButtons buttons) override;

private:
    std::ostream& m_err;
};

}  // namespace klv::tool
