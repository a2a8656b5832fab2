#include "reference/msr_log_file.h"

#include <cmath>
#include <cstring>

#include "base/file_io.h"
#include "base/file_messages.h"
#include "reference/condition_store.h"

namespace klv {

bool IsPlausiblePackedDate(std::uint16_t packed) {
    if (packed == 0)
        return true;
    Date d = UnpackDate(packed);
    // The day's five bits hold at most 31.
    return d.month >= 1 && d.month <= 12 && d.day >= 1;
}

bool IsSoundLogRecord(const MsrLogRecord& r) {
    constexpr std::uint8_t known = kRecordMeasured | kRecordNoValue;
    return std::isfinite(r.lMeasValue) && (r.bFlags & ~known) == 0 &&
           IsPlausiblePackedDate(r.wDate);
}

bool ReadMsrLogFile(ConditionStore& store, int index, MsrLogRecord* records, std::uint32_t first,
                    std::uint32_t count, bool report) {
    std::size_t bytes = std::size_t{count} * sizeof(MsrLogRecord);
    std::string path = store.MakeMsrLogFileName(index);
    FileReadResult r = path.empty() ? FileReadResult::CannotOpen
                                    : ReadFileAt(path, std::uint64_t{first} * sizeof(MsrLogRecord),
                                                 records, bytes);
    for (std::uint32_t i = 0; r == FileReadResult::Ok && i < count; ++i) {
        if (!IsSoundLogRecord(records[i]))
            r = FileReadResult::ReadFailed;
    }
    if (r == FileReadResult::Ok)
        return true;
    if (bytes > 0)
        std::memset(records, 0, bytes);
    if (report)
        ShowFileError(store.Op(), ReadFailureText(r));
    return false;
}

bool WriteMsrLogFile(ConditionStore& store, int index, const MsrLogRecord* records,
                     std::uint32_t first, std::uint32_t count) {
    std::string path = store.MakeMsrLogFileName(index);
    FileWriteResult r = path.empty()
                            ? FileWriteResult::CannotCreate
                            : WriteFileAt(path, std::uint64_t{first} * sizeof(MsrLogRecord),
                                          records, std::size_t{count} * sizeof(MsrLogRecord));
    if (r == FileWriteResult::Ok)
        return true;
    ShowFileError(store.Op(), WriteFailureText(r));
    return false;
}

bool TruncateMsrLogFile(ConditionStore& store, int index, std::uint32_t count) {
    std::string path = store.MakeMsrLogFileName(index);
    if (path.empty()) {
        ShowFileError(store.Op(), kMsgFileNotFound);
        return false;
    }
    if (count == 0) {
        RemoveFile(path);
        return true;
    }
    FileWriteResult r = TruncateFileTo(path, std::uint64_t{count} * sizeof(MsrLogRecord));
    if (r == FileWriteResult::Ok)
        return true;
    // Opening an existing file is what failed here, so the file is the one not found.
    ShowFileError(store.Op(),
                  r == FileWriteResult::CannotCreate ? kMsgFileNotFound : kMsgDataNotInput);
    return false;
}

}  // namespace klv
