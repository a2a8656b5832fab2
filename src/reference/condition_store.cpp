#include "reference/condition_store.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/file_io.h"
#include "base/file_messages.h"
#include "reference/coating_table.h"
#include "reference/condition_rules.h"
#include "reference/interrupted_measurement.h"
#include "reference/layer_setting_tables.h"
#include "reference/log_move.h"
#include "reference/msr_log_file.h"
#include "reference/stored_texts.h"
#include "reference/substance_table.h"
#include "reference/unit_gasket_tables.h"

namespace klv {
namespace {

constexpr int kMaxPump = 10;
// The instrument takes the blanking time as a 16-bit millisecond count; older files may hold
// more than the editor's 40 s.
constexpr int kMaxBlanking = 65;
constexpr int kMaxWtMode = 4;
constexpr int kMaxStatMode = 2;
constexpr int kMaxContent = 100;

const char kEraseQuestion[] = "Delete all measurement data of this file.  \n\n Is it OK?";
const char kBulkEraseQuestion[] = "Deleting specified all the data. \n\nOK?";

template <std::size_t N>
bool IsTerminated(const char (&field)[N]) {
    return std::memchr(field, '\0', N) != nullptr;
}

bool AllFinite(std::initializer_list<float> values) {
    for (float v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

bool IsSoundLayer(const LayerCondition& c, int blanking) {
    bool codeOk = c.bCode <= kCoatingCount || c.bCode == kAlloyLayerCode;
    return codeOk && c.bSolution <= kTestSolutionCount && c.bRange <= kCurrentRangeCount &&
           c.bSensitivity <= kSensitivityCount && c.bPump <= kMaxPump && blanking <= kMaxBlanking &&
           AllFinite({c.fAutoStop, c.fCurrent}) && IsTerminated(c.Name);
}

bool AreLayersSound(const MeasFileData& d) {
    bool ended = false;
    for (int k = 0; k < kMaxLayers; ++k) {
        const LayerCondition& c = d.coat[k];
        if (c.bCode == 0) {
            ended = true;
            continue;
        }
        // Files written before per-layer blanking carry it in one byte for all layers.
        int blanking = d.bOldBlanking != kLegacyBlankingMoved ? d.bOldBlanking : c.bBlanking;
        if (ended || !IsSoundLayer(c, blanking))
            return false;
    }
    return true;
}

bool AreTextsTerminated(const MeasFileData& d) {
    return IsTerminated(d.szFileName) && IsTerminated(d.baseName) && IsTerminated(d.szCustomer) &&
           IsTerminated(d.szGoods) && IsTerminated(d.szLotNo) && IsTerminated(d.szTester);
}

bool IsRecordCountSound(const MeasFileData& d) {
    auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    return d.nItemCt <= kMaxMeasurements * layers;
}

}  // namespace

bool IsSoundCondition(const MeasFileData& d) {
    // Limits are only compared, so a limit that is not a number just never marks a value.
    return AreLayersSound(d) && AreTextsTerminated(d) && IsRecordCountSound(d) &&
           d.bBaseCode <= kSubstanceCount && d.bUnit <= kUnitCount && d.bGasket <= kGasketCount &&
           d.bContent <= kMaxContent && d.bWtMode <= kMaxWtMode && d.bStatMode <= kMaxStatMode &&
           d.nStatTotal >= 0 &&
           AllFinite({d.fWtDiameter, d.fWtSideA, d.fWtSideB, d.fWtLength, d.fWtArea, d.fWtCoef,
                      d.fAlloyCoefSn, d.fAlloyCoefCu}) &&
           IsPlausiblePackedDate(d.wFirstDate) && IsPlausiblePackedDate(d.wLastDate);
}

namespace {

// Reads and checks one condition file: its first 560 bytes, what follows is not part of
// it. The record is zero unless the result is Ok.
FileReadResult LoadConditionImage(const std::string& path, MeasFileData& record) {
    std::memset(&record, 0, sizeof record);
    if (path.empty())
        return FileReadResult::CannotOpen;
    FileReadResult r = ReadFileAt(path, 0, &record, sizeof record);
    if (r == FileReadResult::Ok && !IsSoundCondition(record))
        r = FileReadResult::ReadFailed;
    if (r != FileReadResult::Ok)
        std::memset(&record, 0, sizeof record);
    return r;
}

std::string ChannelFileName(const std::string& dataDir, const char* format, int index) {
    if (!ChannelTable::InRange(index))
        return {};
    char name[64];
    std::snprintf(name, sizeof name, format, index + 1);
    return dataDir + name;
}

}  // namespace

ConditionStore::ConditionStore(std::string dataDir, Operator& op)
    : m_dataDir(std::move(dataDir)), m_op(op) {
    // An empty directory means the working directory, never the file system root.
    if (!m_dataDir.empty() && m_dataDir.back() != '/')
        m_dataDir += '/';
    m_channels.Clear();
}

std::string ConditionStore::MakeConditionFileName(int index) const {
    return ChannelFileName(m_dataDir, "KlvMeasF/MeasF%03d.dat", index);
}

std::string ConditionStore::MakeMsrLogFileName(int index) const {
    return ChannelFileName(m_dataDir, "KlvMeasD/MeasD%03d.dat", index);
}

std::string ConditionStore::MakeLogMoveFileName(int index) const {
    return ChannelFileName(m_dataDir, "KlvMeasD/MeasD%03d.mov", index);
}

bool ConditionStore::CreateConditionDirectories() {
    bool conditions = MakeDirectory(m_dataDir + "KlvMeasF");
    return CreateMsrLogFileDirectory() && conditions;
}

bool ConditionStore::CreateMsrLogFileDirectory() {
    return MakeDirectory(m_dataDir + "KlvMeasD");
}

void ConditionStore::ScanChannels() {
    for (int i = 0; i < kChannelCount; ++i) {
        m_channels.Set(i, false, false);
        (void)FinishLogMove(*this, i);
        MeasFileData d;
        if (LoadConditionImage(MakeConditionFileName(i), d) == FileReadResult::Ok)
            m_channels.Set(i, true, d.nItemCt != 0);
        else if (!IsPathMissing(MakeConditionFileName(i)))
            m_channels.SetUnreadable(i);
    }
}

FileReadResult ConditionStore::ReadConditionImage(int index, MeasFileData& record) {
    FileReadResult r = LoadConditionImage(MakeConditionFileName(index), record);
    if (r == FileReadResult::Ok) {
        MigrateLegacyBlanking(record);
        BlankControlCharacters(record);
    }
    return r;
}

bool ConditionStore::ReadConditionFile(int index, MeasFileData& record, bool report) {
    FileReadResult r = ReadConditionImage(index, record);
    if (r != FileReadResult::Ok && report)
        ShowFileError(m_op, ReadFailureText(r));
    return r == FileReadResult::Ok;
}

bool ConditionStore::WriteConditionFile(int index, const MeasFileData& record) {
    std::string path = MakeConditionFileName(index);
    if (path.empty()) {
        ShowFileError(m_op, kMsgFileNotMade);
        return false;
    }
    // What cannot be read may still be the only copy of a condition and its data.
    if (m_channels.Unreadable(index)) {
        ShowFileError(m_op, kMsgDataUnreadable);
        return false;
    }
    // An image that could not be read back would lose the condition at the next start.
    if (!IsSoundCondition(record)) {
        ShowFileError(m_op, kMsgDataNotInput);
        return false;
    }
    FileWriteResult r = WriteFileAtomically(path, &record, sizeof record);
    if (r != FileWriteResult::Ok) {
        ShowFileError(m_op, WriteFailureText(r));
        return false;
    }
    bool hasData = record.nItemCt != 0;
    m_channels.Set(index, true, hasData);
    if (!hasData) {
        RemoveFile(MakeMsrLogFileName(index));
        RemoveFile(MakeLogMoveFileName(index));
    }
    return true;
}

void ConditionStore::DeleteChannel(int index) {
    if (!ChannelTable::InRange(index))
        return;
    RemoveFile(MakeConditionFileName(index));
    m_channels.Set(index, false, false);
    RemoveFile(MakeMsrLogFileName(index));
    RemoveFile(MakeLogMoveFileName(index));
}

bool ConditionStore::EraseChannelData(MeasFileData& record, int index) {
    if (m_op.ShowMessage(kEraseQuestion, MsgIcon::Exclamation, MsgButtons::YesNo) != IDYES)
        return false;
    MeasFileData copy = record;
    copy.nItemCt = 0;
    copy.wFirstDate = 0;
    copy.wLastDate = 0;
    if (!WriteConditionFile(index, copy))
        return false;
    record = copy;
    return true;
}

BulkEraseResult ConditionStore::BulkErase(bool eraseData, bool deleteConditions) {
    if (!eraseData && !deleteConditions)
        return BulkEraseResult::Cancelled;
    if (m_op.ShowMessage(kBulkEraseQuestion, MsgIcon::Exclamation, MsgButtons::YesNo) != IDYES)
        return BulkEraseResult::Cancelled;
    for (int i = 0; i < kChannelCount; ++i) {
        if (!m_channels.Occupied(i))
            continue;
        // Deleting the condition removes its log as well, so an unreadable condition
        // must not stop its own deletion.
        if (eraseData && !deleteConditions) {
            MeasFileData d;
            if (!ReadConditionFile(i, d, true))
                return BulkEraseResult::Failed;
            // Stale dates would keep the next first measurement from setting the first date.
            d.nItemCt = 0;
            d.wFirstDate = 0;
            d.wLastDate = 0;
            if (!WriteConditionFile(i, d))
                return BulkEraseResult::Failed;
        }
        if (deleteConditions)
            DeleteChannel(i);
    }
    return BulkEraseResult::Done;
}

bool ConditionStore::RepairInterruptedMeasurement(int index, MeasFileData& d) {
    return CompleteInterruptedMeasurement(*this, index, d);
}

ChannelPrepareResult ConditionStore::PrepareChannelForMeasurement(int index, MeasFileData& record) {
    if (!ChannelTable::InRange(index)) {
        ShowFileError(m_op, kMsgFileNotFound);
        return ChannelPrepareResult::Failed;
    }
    MeasFileData d = NewMeasFileData();
    // The table is as old as the start; what is on the disk now decides.
    const bool present = !IsPathMissing(MakeConditionFileName(index));
    if (m_channels.Occupied(index) || present) {
        if (!ReadConditionFile(index, d, true)) {
            if (present)
                m_channels.SetUnreadable(index);
            return ChannelPrepareResult::Failed;
        }
        m_channels.Set(index, true, d.nItemCt != 0);
        if (!RepairInterruptedMeasurement(index, d))
            return ChannelPrepareResult::Failed;
    }
    record = d;
    return IsComplete(d) ? ChannelPrepareResult::Ready : ChannelPrepareResult::NeedsWizard;
}

}  // namespace klv
