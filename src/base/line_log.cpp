#include "base/line_log.h"

#include <cstdarg>
#include <cstdio>

#include "base/file_io.h"

namespace klv {

bool LineLog::Start(const std::string& path, Clock& clock, bool truncate) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_path = path;
    m_clock = &clock;
    return AppendToFile(m_path, "Starting ... \r\n", truncate) == FileWriteResult::Ok;
}

std::string LineLog::Path() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_path;
}

std::string LineLog::FormatLine(const LocalTime& t, const std::string& message) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%02d/%02d/%02d,%02d:%02d:%02d.%03d,", t.year, t.month,
                  t.day, t.hour, t.minute, t.second, t.millisecond);
    return stamp + message + "\r\n";
}

void LineLog::ReleaseClock(const Clock& clock) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_clock == &clock)
        m_clock = &m_systemClock;
}

int LineLog::Write(int level, const std::string& message) {
    if (level > 1)
        return 0;
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_path.empty() || !m_clock)
        return -1;
    std::string line = FormatLine(m_clock->Now(), message.substr(0, kMaxMessage));
    return AppendToFile(m_path, line, false) == FileWriteResult::Ok ? 0 : -1;
}

LineLog& ProcessLineLog() {
    static LineLog log;
    return log;
}

int LogPrint(int level, const char* format, ...) {
    if (level > 1)
        return 0;
    char buffer[LineLog::kMaxMessage + 1];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return ProcessLineLog().Write(level, buffer);
}

}  // namespace klv
