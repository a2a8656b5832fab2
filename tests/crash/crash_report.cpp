#include "crash/crash_report.h"

#include <cstdio>

namespace klv::crash {

std::string FormatReport(const Report& r) {
    char line[96];
    std::snprintf(line, sizeof line, "%c %c %d %u %u %u;\n", static_cast<char>(r.kind),
                  r.kind == Report::Begin ? static_cast<char>(r.begun) : '-', r.channel, r.a, r.b,
                  r.c);
    return line;
}

bool ParseReport(const std::string& line, Report& r) {
    char kind = 0;
    char begun = 0;
    char end = 0;
    if (std::sscanf(line.c_str(), "%c %c %d %u %u %u%c", &kind, &begun, &r.channel, &r.a, &r.b,
                    &r.c, &end) != 7 ||
        end != ';')
        return false;
    r.kind = static_cast<Report::Kind>(kind);
    r.begun = static_cast<Report::Kind>(begun);
    return true;
}

}  // namespace klv::crash
