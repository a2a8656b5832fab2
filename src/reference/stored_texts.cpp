#include "reference/stored_texts.h"

#include "base/control_characters.h"
#include "reference/condition_checks.h"

namespace klv {

void BlankControlCharacters(MeasFileData& d) {
    ForEachConditionText(d, [](ConditionField, int, auto& text) {
        for (char& c : text) {
            if (c == '\0')
                break;
            if (IsControlCharacter(c))
                c = ' ';
        }
    });
}

}  // namespace klv
