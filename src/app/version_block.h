#pragma once

#include <optional>
#include <string>

namespace klv {

// The program's own version texts, shown by the About box.
struct VersionBlock {
    std::string description;
    std::string internalName;
    std::string productVersion;
    std::string legalCopyright;
};

// The version data the build generated; nothing when it is empty.
std::optional<VersionBlock> LoadVersionBlock();

}  // namespace klv
