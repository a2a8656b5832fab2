#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "records/results_record.h"

namespace klv {

inline constexpr char kOutboxFile[] = "results-outbox.txt";
inline constexpr char kOutboxMarkFile[] = "results-outbox.mark";

// The records on their way to the results database, one line each in a file of the data
// directory. A record is appended and flushed to disk before the measurement counts as done;
// the mark file names the outbox and the last sequence number delivered, and is advanced only
// after the database committed the record, so a crash at any moment delivers it again at
// worst, which the database recognises by outbox name and sequence number. Not thread-safe:
// the recorder guards it.
class COutbox {
public:
    explicit COutbox(std::string dataDir);

    // Reads the mark and the pending lines; a line cut short by a crash is dropped (its
    // measurement is in the data log, where a sync finds it). False with a message when the
    // file cannot be read or repaired.
    bool Load(std::string& message);
    // Appends and flushes; false when the disk refused it.
    bool Append(OutboxRecord& record);
    const std::deque<OutboxRecord>& Pending() const { return m_pending; }
    // The first pending record was committed; empties the file once nothing waits.
    bool MarkDelivered(std::string& message);
    const std::string& Name() const { return m_name; }
    std::string Path() const { return m_dir + kOutboxFile; }

private:
    bool WriteMark(std::int64_t delivered);

    std::string m_dir;
    std::string m_name;
    std::int64_t m_delivered = 0;
    std::int64_t m_nextSequence = 1;
    std::deque<OutboxRecord> m_pending;
};

// The id of this installation: made once, kept in the data directory.
std::string LoadOrCreateTesterId(const std::string& dataDir, std::string& message);
std::string HostName();
std::string MakeRandomId();

}  // namespace klv
