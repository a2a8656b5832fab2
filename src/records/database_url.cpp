#include "records/database_url.h"

namespace klv {

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

ResultsDatabaseUrl ParseResultsDatabaseUrl(const std::string& url, const std::string& dataDir) {
    const std::string u = Trimmed(url);
    if (u.empty() || u == "sqlite:")
        return {ResultsDatabaseUrl::SQLite, dataDir + kResultsDatabaseFile, {}};
    if (StartsWith(u, "sqlite:"))
        return {ResultsDatabaseUrl::SQLite, u.substr(7), {}};
    if (StartsWith(u, "postgresql://") || StartsWith(u, "postgres://"))
        return {ResultsDatabaseUrl::PostgreSQL, u, {}};
    return {ResultsDatabaseUrl::Invalid,
            {},
            "The results database address \"" + u +
                "\" is neither sqlite: nor postgresql://: the records wait in the outbox."};
}

}  // namespace klv
