#pragma once

#include <sys/types.h>

#include <string>

namespace klv::test {

// A PostgreSQL server of the test's own: a fresh cluster in a temporary folder, listening on a
// Unix socket there only (no TCP). As root its programs run as nobody, as initdb demands.
// A watchdog stops it and removes the folder even when the test process dies.
class PrivatePostgres {
public:
    PrivatePostgres();
    ~PrivatePostgres();
    PrivatePostgres(const PrivatePostgres&) = delete;
    PrivatePostgres& operator=(const PrivatePostgres&) = delete;

    // Empty while all went well, else what failed, with the server's log when it has one.
    const std::string& Error() const { return m_error; }
    bool Stop();
    bool Start();
    // A libpq connection string of a database on this server, and the same as a postgresql:// Url.
    std::string Connection(const std::string& database) const;
    std::string Url(const std::string& database) const;
    // A database no other test has used; its name, or "" (see Error()).
    std::string NewDatabase();
    // Runs SQL in psql on the given database; false (see Error()) when psql fails.
    bool Psql(const std::string& database, const std::string& sql);
    const std::string& Folder() const { return m_dir; }

private:
    // A server program's command line, run as the server's owner.
    std::string ServerTool(const std::string& tool, const std::string& arguments) const;
    bool Run(const std::string& what, const std::string& command);

    std::string m_dir;
    std::string m_bin;
    std::string m_asOwner;  // the setpriv prefix as root, else empty
    int m_watchdogPipe = -1;
    pid_t m_watchdog = -1;
    int m_databases = 0;
    std::string m_error;
};

// The one server of this test executable, started on first use (about a second).
PrivatePostgres& SharedPostgres();

}  // namespace klv::test
