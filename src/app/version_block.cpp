#include "app/version_block.h"

#include "app/version_data.h"

namespace klv {

std::optional<VersionBlock> LoadVersionBlock() {
    VersionBlock v;
    v.description = kProductName;
    v.internalName = kProductName;
    v.productVersion = kProductVersion;
    v.legalCopyright = kCopyright;
    if (v.productVersion.empty() || v.internalName.empty())
        return std::nullopt;
    return v;
}

}  // namespace klv
