#include "app/log_font.h"

#include "base/fixed_text.h"

namespace klv {

LogFont DefaultLogFont() {
    LogFont f{};
    f.lfCharSet = kAnsiCharSet;
    f.lfPitchAndFamily = kDefaultPitchAndFamily;
    SetFixedText(f.lfFaceName, "Times New Roman");
    return f;
}

}  // namespace klv
