#pragma once

#include <string>

namespace klv {

// Icons and button sets of the system's message boxes; the answer ids keep the
// platform's values because dialogs and tests compare against them.
enum class MsgIcon { None, Stop, Exclamation, Information, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };

enum MsgAnswer : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
};

// The operator in front of the program: every message the system shows goes through here.
class Operator {
public:
    virtual ~Operator() = default;
    // Shows text (single-byte system text) and returns the id of the pressed button.
    virtual int ShowMessage(const std::string& text, MsgIcon icon, MsgButtons buttons) = 0;
};

}  // namespace klv
