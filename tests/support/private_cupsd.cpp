#include "support/private_cupsd.h"

#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace klv::test {
namespace {

// The scheduler lets the system group administer it: the group of whoever runs the tests, so
// that a normal user sets up queues as root does.
std::string AdminGroup() {
    const group* g = ::getgrgid(::getegid());
    return g != nullptr ? g->gr_name : "root";
}

constexpr char kPassThroughPpd[] = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "RAW.PPD"
*Manufacturer: "Test"
*Product: "(Raw)"
*ModelName: "Raw pass-through"
*ShortNickName: "Raw pass-through"
*NickName: "Raw pass-through"
*PSVersion: "(3010.000) 0"
*cupsFilter: "application/vnd.cups-raw 0 gziptoany"
*OpenUI *PageSize: PickOne
*DefaultPageSize: Roll
*PageSize Roll: "<</PageSize[204 800]>>setpagedevice"
*CloseUI: *PageSize
*DefaultImageableArea: Roll
*ImageableArea Roll: "0 0 204 800"
*DefaultPaperDimension: Roll
*PaperDimension Roll: "204 800"
)ppd";

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

}  // namespace

PrivateCupsd::PrivateCupsd() {
    // A short path: the socket's name must fit a socket address.
    std::string pattern = std::filesystem::temp_directory_path().string() + "/klvcupsXXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        m_error = "no temporary folder";
        return;
    }
    m_dir = pattern;
    // The scheduler's helpers run as lp and write into this folder.
    ::chmod(m_dir.c_str(), 0777);
    for (const char* sub : {"cache", "log", "spool", "state", "ssl"})
        std::filesystem::create_directory(m_dir + "/" + sub);
    WriteText(m_dir + "/cups-files.conf",
              "CacheDir " + m_dir + "/cache\nStateDir " + m_dir + "/state\nRequestRoot " + m_dir +
                  "/spool\nServerRoot " + m_dir + "\nServerBin /usr/lib/cups\n" +
                  "DataDir /usr/share/cups\nAccessLog " + m_dir + "/log/access_log\nErrorLog " +
                  m_dir + "/log/error_log\nPageLog " + m_dir + "/log/page_log\n" +
                  "FileDevice Yes\nUser lp\nGroup lp\nSystemGroup " + AdminGroup() + "\n");
    WriteText(m_dir + "/cupsd.conf", "Listen " + m_dir +
                                         "/cups.sock\nBrowsing No\nWebInterface No\n"
                                         "DefaultAuthType None\nPrintcap " +
                                         m_dir + "/printcap\nLogLevel warn\n" +
                                         "<Location />\n  Allow all\n</Location>\n");
    WriteText(m_dir + "/raw.ppd", kPassThroughPpd);
    ::setenv("CUPS_SERVER", (m_dir + "/cups.sock").c_str(), 1);
    const std::string conf = m_dir + "/cupsd.conf";
    const std::string files = m_dir + "/cups-files.conf";
    m_pid = ::fork();
    if (m_pid == 0) {
        ::execl("/usr/sbin/cupsd", "cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (m_pid < 0) {
        m_error = "fork failed";
        return;
    }
    for (int i = 0; i < 100; ++i) {
        if (Run("lpstat -r >/dev/null 2>&1"))
            return;
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            m_error = "cupsd ended at once (is cups-daemon installed?)";
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    m_error = "cupsd did not answer";
}

PrivateCupsd::~PrivateCupsd() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGTERM);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
    }
    ::unsetenv("CUPS_SERVER");
    if (!m_dir.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
}

bool PrivateCupsd::Run(const std::string& command) const {
    return std::system(command.c_str()) == 0;
}

std::string PrivateCupsd::AddQueue(const std::string& name, const std::string& description) {
    const std::string out = m_dir + "/" + name + ".prn";
    WriteText(out, "");
    ::chmod(out.c_str(), 0666);
    if (!RunAdmin("-p '" + name + "' -D '" + description + "' -v 'file:" + out + "' -P '" + m_dir +
                  "/raw.ppd' -E")) {
        std::ifstream said(m_dir + "/lpadmin.txt");
        m_error = "lpadmin refused " + name + ": " +
                  std::string(std::istreambuf_iterator<char>(said), {});
    }
    return out;
}

bool PrivateCupsd::SetDefault(const std::string& name) const {
    return RunAdmin("-d '" + name + "'");
}

bool PrivateCupsd::RunAdmin(const std::string& arguments) const {
    // A scheduler that has just answered may still drop the next connection while it settles
    // (seen on loaded machines as "Unable to connect to server: Bad file descriptor").
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (Run("lpadmin " + arguments + " >" + m_dir + "/lpadmin.txt 2>&1"))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

bool PrivateCupsd::WaitIdle(int timeoutMs) const {
    for (int waited = 0; waited < timeoutMs; waited += 50) {
        // A scheduler that refuses the question lists no job either: that is not idle.
        if (Run("jobs=$(lpstat -o 2>/dev/null) && test -z \"$jobs\""))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

}  // namespace klv::test
