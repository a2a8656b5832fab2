#include "base/file_dialog_filter.h"

#include <vector>

namespace klv {

namespace {

std::vector<std::string> SplitBars(const std::string& text) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == '|') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

}  // namespace

std::string ConvertDialogFilter(const std::string& filter) {
    const std::vector<std::string> parts = SplitBars(filter);
    std::string out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty())
            break;
        std::string patterns = parts[i + 1];
        for (char& c : patterns)
            if (c == ';')
                c = ' ';
        std::string entry = parts[i];
        if (entry.find('(') == std::string::npos)
            entry += " (" + patterns + ")";
        out += (out.empty() ? "" : ";;") + entry;
    }
    return out;
}

std::string DefaultSuffix(const std::string& defaultExtension) {
    const std::size_t dot = defaultExtension.rfind('.');
    return dot == std::string::npos ? defaultExtension : defaultExtension.substr(dot + 1);
}

}  // namespace klv
