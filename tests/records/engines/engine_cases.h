#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "records/results_database.h"

namespace klv::test {

// One engine the shared tests run on: a fresh, empty database each time, not yet opened.
struct EngineCase {
    std::string name;
    std::function<std::unique_ptr<ResultsDatabase>()> make;
};

std::vector<EngineCase> EveryEngine();

// The rows a query returns, or a test failure naming the engine's message.
std::vector<DbRow> QueryRows(ResultsDatabase& db, std::string_view sql, const DbRow& params = {});

}  // namespace klv::test
