#pragma once

#include <mutex>
#include <string>

#include "base/clock.h"

namespace klv {

// The diagnostic line log. Both threads write to it; one lock serialises each line, and
// every line is an open-append-close so a crash loses at most the line being written.
class LineLog {
public:
    static constexpr std::size_t kMaxMessage = 1023;

    // Creates the file anew (an old log is truncated, unless `truncate` is false) and writes
    // the first line.
    bool Start(const std::string& path, Clock& clock, bool truncate = true);
    // Level 0 and 1 lines are written; level 2 (traces) and above are discarded.
    // Returns -1 when the line could not be written, 0 otherwise.
    int Write(int level, const std::string& message);
    std::string Path() const;
    // The owner of `clock` calls this before the clock goes; later lines take the system time.
    void ReleaseClock(const Clock& clock);

    // Builds "%02d/%02d/%02d,%02d:%02d:%02d.%03d,%s\r\n" for the given time.
    static std::string FormatLine(const LocalTime& t, const std::string& message);

private:
    mutable std::mutex m_lock;
    std::string m_path;
    Clock* m_clock = nullptr;
    SystemClock m_systemClock;
};

// The process's one line log, used by every subsystem through LogPrint.
LineLog& ProcessLineLog();

// printf-style; the formatted text is limited to 1023 characters.
int LogPrint(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace klv
