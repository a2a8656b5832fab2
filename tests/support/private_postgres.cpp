#include "support/private_postgres.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace klv::test {

namespace {

std::string ServerBinFolder() {
    std::array<char, 512> line{};
    if (FILE* pipe = ::popen("pg_config --bindir 2>/dev/null", "r")) {
        const bool read = std::fgets(line.data(), line.size(), pipe) != nullptr;
        ::pclose(pipe);
        std::string folder = read ? line.data() : "";
        while (!folder.empty() && folder.back() == '\n')
            folder.pop_back();
        if (!folder.empty() && std::filesystem::exists(folder + "/pg_ctl"))
            return folder;
    }
    return "/usr/lib/postgresql/15/bin";
}

std::string FileText(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

PrivatePostgres::PrivatePostgres() : m_bin(ServerBinFolder()) {
    // A short path: the socket's name must fit a socket address.
    std::string pattern = "/tmp/klvpgXXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        m_error = "no temporary folder";
        return;
    }
    m_dir = pattern;
    // Its own 0755 folder: the clone may sit in a 0700 one that nobody cannot enter.
    ::chmod(m_dir.c_str(), 0755);
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (nobody == nullptr || ::chown(m_dir.c_str(), nobody->pw_uid, nobody->pw_gid) != 0) {
            m_error = "cannot hand " + m_dir + " to nobody";
            return;
        }
        m_asOwner = "setpriv --reuid=" + std::to_string(nobody->pw_uid) +
                    " --regid=" + std::to_string(nobody->pw_gid) + " --clear-groups ";
    }
    // The watchdog waits for this process to end, however it ends, then stops the server.
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        m_error = "no pipe";
        return;
    }
    const std::string cleanUp = "read _; " + ServerTool("pg_ctl", "-m immediate -w stop") +
                                " >/dev/null 2>&1; rm -rf '" + m_dir + "'";
    m_watchdog = ::fork();
    if (m_watchdog == 0) {
        ::setsid();  // outlives a kill of the test's process group
        ::dup2(fds[0], 0);
        ::execl("/bin/sh", "sh", "-c", cleanUp.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[0]);
    m_watchdogPipe = fds[1];
    if (m_watchdog < 0) {
        m_error = "fork failed";
        return;
    }
    if (Run("initdb",
            ServerTool("initdb",
                       "-D '" + m_dir + "/data' -A trust -U klv --no-sync -E UTF8 --locale=C")))
        Start();
}

PrivatePostgres::~PrivatePostgres() {
    if (m_watchdogPipe >= 0)
        ::close(m_watchdogPipe);
    if (m_watchdog > 0) {
        int status = 0;
        ::waitpid(m_watchdog, &status, 0);
    } else if (!m_dir.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
}

std::string PrivatePostgres::ServerTool(const std::string& tool,
                                        const std::string& arguments) const {
    std::string command = m_asOwner + m_bin + "/" + tool;
    if (tool == "pg_ctl")
        command += " -D '" + m_dir + "/data'";
    return command + " " + arguments;
}

bool PrivatePostgres::Run(const std::string& what, const std::string& command) {
    const std::string said = m_dir + "/said.txt";
    if (std::system((command + " >'" + said + "' 2>&1 </dev/null").c_str()) == 0)
        return true;
    m_error = what + " failed: " + FileText(said) + FileText(m_dir + "/server.log");
    return false;
}

bool PrivatePostgres::Start() {
    return Run("pg_ctl start",
               ServerTool("pg_ctl", "-o \"-k '" + m_dir + "' -c listen_addresses='' -F\" -l '" +
                                        m_dir + "/server.log' -w -t 60 start"));
}

bool PrivatePostgres::Stop() {
    return Run("pg_ctl stop", ServerTool("pg_ctl", "-m fast -w -t 60 stop"));
}

std::string PrivatePostgres::Connection(const std::string& database) const {
    return "host=" + m_dir + " user=klv dbname=" + database;
}

std::string PrivatePostgres::Url(const std::string& database) const {
    return "postgresql:///" + database + "?host=" + m_dir + "&user=klv";
}

bool PrivatePostgres::Psql(const std::string& database, const std::string& sql) {
    const std::string file = m_dir + "/statement.sql";
    std::ofstream(file) << sql;
    return Run("psql", m_bin + "/psql -X -q -v ON_ERROR_STOP=1 -h '" + m_dir + "' -U klv -d " +
                           database + " -f '" + file + "'");
}

std::string PrivatePostgres::NewDatabase() {
    const std::string name = "test" + std::to_string(++m_databases);
    return Psql("postgres", "CREATE DATABASE " + name + ";") ? name : std::string();
}

PrivatePostgres& SharedPostgres() {
    static PrivatePostgres server;
    return server;
}

}  // namespace klv::test
