#pragma once

#include <string>

namespace klv {

// A file dialog filter of "description|patterns|…||" pairs as the toolkit's
// "description (patterns);;…"; a description that does not show its patterns gets them
// appended in brackets. Several patterns are separated by ";" in the pair, by blanks after.
std::string ConvertDialogFilter(const std::string& filter);

// "*.txt" or ".txt" as "txt"; "" stays "".
std::string DefaultSuffix(const std::string& defaultExtension);

}  // namespace klv
