#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/file_io.h"
#include "base/operator.h"
#include "reference/meas_file_data.h"

namespace klv {

inline constexpr int kChannelCount = 50;

struct ChannelEntry {
    std::uint32_t bExists;      // the condition file was read or written successfully
    std::uint32_t bHasData;     // its record count is not 0
    std::uint32_t bUnreadable;  // something is at the condition file's path, but cannot be read
};

// Which channels have a condition file and stored data; kept current by the store. A channel
// whose condition cannot be read is neither existing nor empty: it is kept until deleted.
class ChannelTable {
public:
    void Clear() { m_entries.fill(ChannelEntry{0, 0, 0}); }
    bool Exists(int index) const { return InRange(index) && m_entries[index].bExists != 0; }
    bool HasData(int index) const { return InRange(index) && m_entries[index].bHasData != 0; }
    bool Unreadable(int index) const { return InRange(index) && m_entries[index].bUnreadable != 0; }
    // A readable or an unreadable condition: the channel is not free for a new one.
    bool Occupied(int index) const { return Exists(index) || Unreadable(index); }
    void Set(int index, bool exists, bool hasData) {
        if (InRange(index))
            m_entries[index] = ChannelEntry{exists ? 1u : 0u, hasData ? 1u : 0u, 0u};
    }
    void SetUnreadable(int index) {
        if (InRange(index))
            m_entries[index] = ChannelEntry{0u, 0u, 1u};
    }
    static bool InRange(int index) { return index >= 0 && index < kChannelCount; }

private:
    std::array<ChannelEntry, kChannelCount> m_entries{};
};

enum class ChannelPrepareResult {
    Ready,        // complete condition, ready to measure
    NeedsWizard,  // new or incomplete condition: the editor must run as a wizard
    Failed,       // reading or repairing failed (the message was shown)
};

enum class BulkEraseResult { Cancelled, Failed, Done };

// Most measurements one channel stores.
inline constexpr std::uint32_t kMaxMeasurements = 99999;

// Whether a condition image can be used without harm: every code inside its table, texts
// terminated inside their fields, the numbers the instrument or the computation takes finite,
// blanking times the instrument can take, layers contiguous, a record count that fits the
// layers, plausible dates. Files failing it are refused as unreadable.
bool IsSoundCondition(const MeasFileData& d);

// The condition files of the 50 channels and their data logs, under one data directory.
class ConditionStore {
public:
    // dataDir ends with "/".
    ConditionStore(std::string dataDir, Operator& op);

    const std::string& DataDirectory() const { return m_dataDir; }
    ChannelTable& Channels() { return m_channels; }
    const ChannelTable& Channels() const { return m_channels; }

    // Full paths of a channel's files; "" for an index outside 0-49.
    std::string MakeConditionFileName(int index) const;
    std::string MakeMsrLogFileName(int index) const;
    // Records on their way down the log while measurements are removed.
    std::string MakeLogMoveFileName(int index) const;

    bool CreateConditionDirectories();
    bool CreateMsrLogFileDirectory();
    // Start-up: completes removals a crash interrupted, then reads every condition.
    void ScanChannels();

    bool ReadConditionFile(int index, MeasFileData& record, bool report);
    // The same without a message: why the read failed, for the caller to tell.
    FileReadResult ReadConditionImage(int index, MeasFileData& record);
    // Refuses, with the read error, a channel whose condition is there but cannot be read.
    bool WriteConditionFile(int index, const MeasFileData& record);
    void DeleteChannel(int index);
    bool EraseChannelData(MeasFileData& record, int index);
    // Asks "Deleting specified all the data. \n\nOK?", then erases every existing channel.
    BulkEraseResult BulkErase(bool eraseData, bool deleteConditions);

    // Reads (or starts) the channel's condition for measuring, repairing an interrupted
    // measurement first. Only a channel with nothing at its condition path starts anew.
    ChannelPrepareResult PrepareChannelForMeasurement(int index, MeasFileData& record);

    Operator& Op() { return m_op; }

private:
    bool RepairInterruptedMeasurement(int index, MeasFileData& d);

    std::string m_dataDir;
    Operator& m_op;
    ChannelTable m_channels;
};

}  // namespace klv
