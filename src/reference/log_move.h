#pragma once

#include <cstdint>
#include <vector>

#include "reference/msr_log_file.h"

namespace klv {

class ConditionStore;

// Records that move down inside a channel's log while measurements are removed, kept in a file
// of their own until the lowered count is written: a crash between the two steps must leave
// neither a measurement twice nor a half-moved log.
struct LogMove {
    std::uint32_t oldCount = 0;  // the record count before the removal
    std::uint32_t start = 0;     // where the records go; the new count is start + their number
    std::vector<MsrLogRecord> records;
};

// Written as a whole file, before the log is touched.
bool WriteLogMove(ConditionStore& store, int index, const LogMove& move);
void RemoveLogMove(ConditionStore& store, int index);
// Completes a removal that a crash interrupted: the records are moved again and the new count
// written, unless the condition shows the move belongs to no removal of its data. True when
// nothing was pending or it is finished; false after a reported failure (the file stays).
bool FinishLogMove(ConditionStore& store, int index);

}  // namespace klv
