#pragma once

#include <string>

namespace klv {

// Where `[ResultsDatabase] Url` of KLV570.ini points.
struct ResultsDatabaseUrl {
    enum Kind { SQLite, PostgreSQL, Invalid };
    Kind kind = SQLite;
    std::string target;   // the SQLite file, or the libpq connection string
    std::string message;  // why an Invalid Url is refused
};

// Empty or "sqlite:" is results.sqlite in the data directory (which ends with "/"),
// "sqlite:PATH" a file of its own; "postgresql://..." or "postgres://..." a lab server.
ResultsDatabaseUrl ParseResultsDatabaseUrl(const std::string& url, const std::string& dataDir);

inline constexpr char kResultsDatabaseSection[] = "ResultsDatabase";
inline constexpr char kResultsDatabaseUrlKey[] = "Url";
inline constexpr char kResultsDatabaseFile[] = "results.sqlite";

}  // namespace klv
