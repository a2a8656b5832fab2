#include "reference/log_move.h"

#include <cstring>
#include <string>

#include "base/file_io.h"
#include "base/file_messages.h"
#include "base/line_log.h"
#include "reference/condition_store.h"

namespace klv {
namespace {

constexpr char kMagic[8] = {'K', 'L', 'V', 'M', 'O', 'V', 'E', '1'};
constexpr std::size_t kHeaderSize = sizeof kMagic + 3 * sizeof(std::uint32_t);

void PutWord(std::string& bytes, std::uint32_t v) {
    bytes.append(reinterpret_cast<const char*>(&v), sizeof v);
}

std::uint32_t WordAt(const std::string& bytes, std::size_t offset) {
    std::uint32_t v = 0;
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
}

// False for anything but a whole move file of this program.
bool ParseLogMove(const std::string& bytes, LogMove& move) {
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
        return false;
    move.oldCount = WordAt(bytes, 8);
    move.start = WordAt(bytes, 12);
    const std::uint32_t count = WordAt(bytes, 16);
    if (bytes.size() - kHeaderSize != std::size_t{count} * sizeof(MsrLogRecord) ||
        move.start > move.oldCount || count >= move.oldCount - move.start)
        return false;
    move.records.resize(count);
    std::memcpy(move.records.data(), bytes.data() + kHeaderSize, bytes.size() - kHeaderSize);
    return true;
}

}  // namespace

bool WriteLogMove(ConditionStore& store, int index, const LogMove& move) {
    std::string bytes(kMagic, sizeof kMagic);
    PutWord(bytes, move.oldCount);
    PutWord(bytes, move.start);
    PutWord(bytes, static_cast<std::uint32_t>(move.records.size()));
    bytes.append(reinterpret_cast<const char*>(move.records.data()),
                 move.records.size() * sizeof(MsrLogRecord));
    const FileWriteResult r =
        WriteFileAtomically(store.MakeLogMoveFileName(index), bytes.data(), bytes.size());
    if (r == FileWriteResult::Ok)
        return true;
    ShowFileError(store.Op(), WriteFailureText(r));
    return false;
}

void RemoveLogMove(ConditionStore& store, int index) {
    RemoveFile(store.MakeLogMoveFileName(index));
}

bool FinishLogMove(ConditionStore& store, int index) {
    const std::string path = store.MakeLogMoveFileName(index);
    if (IsPathMissing(path))
        return true;
    std::string bytes;
    LogMove move;
    if (ReadWholeFile(path, bytes) != FileReadResult::Ok || !ParseLogMove(bytes, move)) {
        LogPrint(1, "Dropped the unreadable move file of channel %d\n", index);
        RemoveFile(path);
        return true;
    }
    MeasFileData d;
    if (!store.ReadConditionFile(index, d, true))
        return false;
    const auto newCount = move.start + static_cast<std::uint32_t>(move.records.size());
    if (d.nItemCt == move.oldCount) {
        if (!WriteMsrLogFile(store, index, move.records.data(), move.start,
                             static_cast<std::uint32_t>(move.records.size())))
            return false;
        d.nItemCt = newCount;
        if (!store.WriteConditionFile(index, d))
            return false;
        LogPrint(1, "Completed the removal of data of channel %d interrupted before\n", index);
    } else if (d.nItemCt != newCount) {
        LogPrint(1, "Dropped a move file of channel %d that fits none of its data\n", index);
    }
    RemoveFile(path);
    return true;
}

}  // namespace klv
