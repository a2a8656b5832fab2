#pragma once

#include <string>

#include "crash/crash_check.h"

namespace klv::crash {

// The results database after a kill: the program's start-up delivers the outbox and syncs the
// logs; then every complete measurement of every log is in the database exactly once, at its
// place, with its values. Adds what it finds to `result`.
void CheckResultsDatabase(const std::string& dataDir, CheckResult& result);

}  // namespace klv::crash
