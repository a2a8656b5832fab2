#pragma once

#include <string>

class QWidget;

namespace klv {

class Operator;

// The file choosers every dialog uses. `path` is the proposed path, already resolved; when its
// folder does not exist the chooser starts in `fallbackDir` with the same name. `filter` is
// "description|patterns|…||", `defaultExtension` like "*.txt" (or ""). A chosen path longer
// than 260 characters is refused with a message. True when a path was chosen; it is in `path`.
bool FileOpenDialog(std::string& path, const std::string& defaultExtension,
                    const std::string& filter, const std::string& fallbackDir, Operator& op,
                    QWidget* parent);
// Asks before an existing file is replaced.
bool FileSaveDialog(std::string& path, const std::string& defaultExtension,
                    const std::string& filter, const std::string& fallbackDir, Operator& op,
                    QWidget* parent);

}  // namespace klv
