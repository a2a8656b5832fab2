#include "base/check_messages.h"

#include <cstdio>

namespace klv {

std::string RangeMessage(int low, int high) {
    char text[96];
    std::snprintf(text, sizeof text, "Range of values are from  %d  to  %d.", low, high);
    return text;
}

std::string RangeMessage(std::string_view low, std::string_view high) {
    return "Range of values are from  " + std::string(low) + "  to  " + std::string(high) + ".";
}

}  // namespace klv
