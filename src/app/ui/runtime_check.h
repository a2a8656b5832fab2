#pragma once

#include <string>

namespace klv {

// The toolkit check of start-up: the Qt the program runs with must be at least the one it
// was built against (same major version). Returns the message, empty when fine.
std::string CheckQtRuntime();
// The same rule for given version texts ("6.4.2"), so it can be checked without a second Qt.
std::string CheckQtRuntime(const char* running, int builtMajor, int builtMinor);

}  // namespace klv
