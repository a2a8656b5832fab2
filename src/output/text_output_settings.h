#pragma once

#include <string>

#include "output/meas_data_line.h"

namespace klv {

// What the text output remembers between runs.
struct TextOutputSettings {
    unsigned items = kDefaultOutputItems;
    int delimiter = 0;
    int dateFormat = 0;
    bool toClipboard = true;
    std::string filePath;  // the proposed file, resolved
};

}  // namespace klv
