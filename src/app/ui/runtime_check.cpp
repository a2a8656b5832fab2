#include "app/ui/runtime_check.h"

#include <QtGlobal>
#include <cstdio>

namespace klv {

std::string CheckQtRuntime(const char* running, int builtMajor, int builtMinor) {
    int major = 0, minor = 0;
    bool known = running && std::sscanf(running, "%d.%d", &major, &minor) == 2;
    if (known && major == builtMajor && minor >= builtMinor)
        return {};
    char text[200];
    std::snprintf(text, sizeof text,
                  "KLV-570can't be used with present circumstances of the system.\n\n"
                  "Require Qt %d.%d or a later %d.x version.",
                  builtMajor, builtMinor, builtMajor);
    return text;
}

std::string CheckQtRuntime() {
    return CheckQtRuntime(qVersion(), QT_VERSION_MAJOR, QT_VERSION_MINOR);
}

}  // namespace klv
