#include "crash/crash_check.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "app/data_directory.h"
#include "base/file_io.h"
#include "crash/crash_workload.h"
#include "reference/calibration_store.h"
#include "reference/condition_store.h"
#include "reference/msr_log_file.h"
#include "reference/unit_gasket_tables.h"
#include "stats/sender_block.h"

namespace klv::crash {
namespace {

using Records = std::vector<ExpectedRecord>;

constexpr ExpectedRecord kNoValue{kRecordMeasured | kRecordNoValue, 0, true};

std::uint32_t LayersOf(int channel) {
    return static_cast<std::uint32_t>(channel + 1);
}

std::size_t RoundUp(std::size_t n, std::uint32_t layers) {
    return (n + layers - 1) / layers * layers;
}

// The repair at the next selection completes a partly stored measurement without values.
Records Completed(Records r, std::uint32_t layers) {
    r.resize(RoundUp(r.size(), layers), kNoValue);
    return r;
}

Records Cancelled(Records r, std::uint32_t layers) {
    const std::size_t partial = r.size() % layers;
    r.resize(r.size() - (partial != 0 ? partial : std::min<std::size_t>(layers, r.size())));
    return r;
}

Records Removed(Records r, std::uint32_t layers, std::uint32_t number) {
    const std::size_t first = std::size_t{number - 1} * layers;
    if (number >= 1 && first + layers <= r.size())
        r.erase(r.begin() + static_cast<std::ptrdiff_t>(first),
                r.begin() + static_cast<std::ptrdiff_t>(first + layers));
    return r;
}

bool Same(const ExpectedRecord& e, const MsrLogRecord& d) {
    if (!e.known)
        return (d.bFlags & kRecordMeasured) != 0;
    if (e.flags != d.bFlags)
        return false;
    if (e.flags & kRecordNoValue)
        return true;
    std::uint32_t bits = 0;
    std::memcpy(&bits, &d.lMeasValue, sizeof bits);
    return bits == e.valueBits && d.wDate == MeasuredDate();
}

bool Matches(const Records& expected, const std::vector<MsrLogRecord>& disk) {
    if (expected.size() != disk.size())
        return false;
    for (std::size_t i = 0; i < disk.size(); ++i)
        if (!Same(expected[i], disk[i]))
            return false;
    return true;
}

// A measurement in flight may have stored layers nobody reported, after those reported: up to
// the end of the measurement in progress, or one more measurement, each completed at selection.
bool MatchesWithMeasurementInFlight(const Records& expected, std::uint32_t layers,
                                    const std::vector<MsrLogRecord>& disk) {
    constexpr ExpectedRecord unreported{0, 0, false};
    Records grown = expected;
    grown.resize(RoundUp(grown.size(), layers), unreported);
    if (Matches(grown, disk))
        return true;
    grown.resize(grown.size() + layers, unreported);
    return Matches(grown, disk);
}

std::string Difference(const Records& expected, const std::vector<MsrLogRecord>& disk) {
    std::size_t i = 0;
    while (i < expected.size() && i < disk.size() && Same(expected[i], disk[i]))
        ++i;
    char text[160];
    std::snprintf(text, sizeof text, "%zu records on disk, %zu reported; first difference at %zu",
                  disk.size(), expected.size(), i);
    std::string s = text;
    if (i < expected.size() && i < disk.size()) {
        float value = 0;
        std::memcpy(&value, &expected[i].valueBits, sizeof value);
        std::snprintf(text, sizeof text, ": reported %02x %g, disk %02x %g date %u",
                      expected[i].flags, static_cast<double>(value), disk[i].bFlags,
                      static_cast<double>(disk[i].lMeasValue), disk[i].wDate);
        s += text;
    }
    return s;
}

bool InFlight(const std::optional<Report>& f, Report::Kind kind, int channel = 0) {
    return f && f->begun == kind && f->channel == channel;
}

// A reported value, or the next one while its write was in flight.
bool ValueAgrees(std::uint32_t disk, std::uint32_t expected, bool inFlight, std::uint32_t next) {
    return disk == expected || (inFlight && disk == next);
}

class Checker {
public:
    Checker(const std::string& dir, ExpectedState& state, const std::optional<Report>& inFlight)
        : m_dir(dir), m_state(state), m_inFlight(inFlight), m_store(dir, m_op) {}

    CheckResult Run() {
        m_store.ScanChannels();
        for (int c = 0; c < kChannels; ++c)
            CheckChannel(c);
        CheckCalibration();
        CheckSender();
        CheckSetting();
        return m_result;
    }

private:
    void Lost(const std::string& what) {
        ++m_result.lost;
        m_result.findings.push_back("lost: " + what);
    }
    void Unreadable(const std::string& what) {
        ++m_result.unreadable;
        m_result.findings.push_back("unreadable: " + what + " (" + m_op.last + ")");
    }
    static std::string Channel(int c) { return "channel " + std::to_string(c); }

    void CheckChannel(int c) {
        if (!std::filesystem::exists(m_store.MakeConditionFileName(c))) {
            if (m_state.created[c])
                Lost(Channel(c) + ": its condition file is gone");
            return;
        }
        const int shownBefore = m_op.shown;
        MeasFileData d;
        if (m_store.PrepareChannelForMeasurement(c, d) != ChannelPrepareResult::Ready ||
            m_op.shown != shownBefore) {
            Unreadable(Channel(c) + " cannot be selected");
            return;
        }
        m_state.created[c] = true;
        const std::uint32_t generation = GenerationOf(d);
        if (!ValueAgrees(generation, m_state.generation[c],
                         InFlight(m_inFlight, Report::Condition, c), m_state.generation[c] + 1))
            Lost(Channel(c) + ": condition generation " + std::to_string(generation) +
                 ", reported " + std::to_string(m_state.generation[c]));
        m_state.generation[c] = generation;

        std::vector<MsrLogRecord> disk(d.nItemCt);
        if (!disk.empty() && !ReadMsrLogFile(m_store, c, disk.data(), 0, d.nItemCt, true)) {
            Unreadable(Channel(c) + " data log");
            return;
        }
        if (!RecordsAgree(c, disk))
            Lost(Channel(c) + ": " + Difference(m_state.records[c], disk) + ", in flight " +
                 (m_inFlight ? static_cast<char>(m_inFlight->begun) : '-'));
        m_state.records[c].clear();
        for (const MsrLogRecord& r : disk) {
            std::uint32_t bits = 0;
            std::memcpy(&bits, &r.lMeasValue, sizeof bits);
            m_state.records[c].push_back({r.bFlags, bits, true});
        }
    }

    bool RecordsAgree(int c, const std::vector<MsrLogRecord>& disk) const {
        const Records& expected = m_state.records[c];
        const std::uint32_t layers = LayersOf(c);
        if (Matches(Completed(expected, layers), disk))
            return true;
        if (InFlight(m_inFlight, Report::Layer, c))
            return MatchesWithMeasurementInFlight(expected, layers, disk);
        if (InFlight(m_inFlight, Report::Cancel, c))
            return Matches(Completed(Cancelled(expected, layers), layers), disk);
        if (InFlight(m_inFlight, Report::Remove, c))
            return Matches(Completed(Removed(expected, layers, m_inFlight->a), layers), disk);
        return false;
    }

    void CheckCalibration() {
        CalibrationStore store = DefaultCalibrationStore();
        const CalibrationLoadResult r =
            LoadCalibrationStore(m_dir + kCalibrationFileName, store, m_op);
        if (r != CalibrationLoadResult::Loaded && r != CalibrationLoadResult::Created) {
            Unreadable(kCalibrationFileName);
            return;
        }
        const auto value = static_cast<std::uint32_t>(store.gasket[kGasketA].fCalValue);
        if (!ValueAgrees(value, m_state.calibration, InFlight(m_inFlight, Report::Calibration),
                         (m_state.calibration + 1) % 16))
            Lost(std::string(kCalibrationFileName) + " holds " + std::to_string(value));
        m_state.calibration = value;
    }

    void CheckSender() {
        SenderBlock block;
        const SenderLoadResult loaded = LoadSenderBlock(m_dir + kSenderFileName, block);
        unsigned value = 0;
        if (loaded == SenderLoadResult::Unreadable ||
            (block.szLine[0][0] != 0 && std::sscanf(block.szLine[0], "Gen %u", &value) != 1)) {
            Unreadable(kSenderFileName);
            return;
        }
        if (!ValueAgrees(value, m_state.sender, InFlight(m_inFlight, Report::Sender),
                         m_state.sender + 1))
            Lost(std::string(kSenderFileName) + " holds " + std::to_string(value));
        m_state.sender = value;
    }

    void CheckSetting() {
        const std::string path = m_dir + kSettingsFileName;
        std::string text;
        if (std::filesystem::exists(path) && ReadWholeFile(path, text) != FileReadResult::Ok) {
            Unreadable(kSettingsFileName);
            return;
        }
        const auto value = static_cast<std::uint32_t>(
            ProfileFile(path).GetProfileInt(kSettingsSection, kSettingsKey, 0));
        if (!ValueAgrees(value, m_state.setting, InFlight(m_inFlight, Report::Setting),
                         m_state.setting + 1))
            Lost(std::string(kSettingsFileName) + " holds " + std::to_string(value));
        m_state.setting = value;
    }

    std::string m_dir;
    ExpectedState& m_state;
    const std::optional<Report>& m_inFlight;
    YesOperator m_op;
    ConditionStore m_store;
    CheckResult m_result;
};

}  // namespace

void Apply(const Report& r, ExpectedState& state, std::optional<Report>& inFlight) {
    if (r.kind == Report::Begin) {
        inFlight = r;
        return;
    }
    if (r.kind == Report::Ready || r.channel < 0 || r.channel >= kChannels)
        return;
    const std::uint32_t layers = LayersOf(r.channel);
    Records& records = state.records[r.channel];
    switch (r.kind) {
        case Report::Layer:
            // Layer 0 completes a measurement left half done before it.
            records.resize(r.a, kNoValue);
            records.push_back({static_cast<std::uint8_t>(r.b), r.c, true});
            return;  // the measurement goes on: still in flight
        case Report::Cancel:
            records = Cancelled(records, layers);
            break;
        case Report::Remove:
            records = Removed(records, layers, r.a);
            break;
        case Report::Condition:
            state.generation[r.channel] = r.a;
            state.created[r.channel] = true;
            break;
        case Report::Calibration:
            state.calibration = r.a;
            break;
        case Report::Sender:
            state.sender = r.a;
            break;
        case Report::Setting:
            state.setting = r.a;
            break;
        default:
            break;
    }
    inFlight.reset();
}

CheckResult CheckDataDirectory(const std::string& dataDir, ExpectedState& state,
                               const std::optional<Report>& inFlight) {
    return Checker(dataDir, state, inFlight).Run();
}

}  // namespace klv::crash
