#pragma once

#include <sys/types.h>

#include <string>

namespace klv::test {

// A CUPS scheduler of the test's own, in a folder of its own, that the process's CUPS clients
// reach through CUPS_SERVER. Queues print through a pass-through driver into files.
class PrivateCupsd {
public:
    PrivateCupsd();
    ~PrivateCupsd();
    PrivateCupsd(const PrivateCupsd&) = delete;
    PrivateCupsd& operator=(const PrivateCupsd&) = delete;

    // Empty when the scheduler runs, else why it does not.
    const std::string& Error() const { return m_error; }
    // Adds a queue whose jobs land in the returned file (each job replaces the last).
    std::string AddQueue(const std::string& name, const std::string& description);
    // Makes the queue the default printer.
    bool SetDefault(const std::string& name) const;
    // Waits until no job of the scheduler is pending; false after the timeout.
    bool WaitIdle(int timeoutMs) const;

private:
    bool Run(const std::string& command) const;
    // lpadmin with these arguments; its last words are kept in lpadmin.txt of the folder.
    bool RunAdmin(const std::string& arguments) const;

    std::string m_dir;
    pid_t m_pid = -1;
    std::string m_error;
};

}  // namespace klv::test
