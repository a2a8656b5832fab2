#include "crash/crash_workload.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>

#include "app/data_directory.h"
#include "app/results_recording.h"
#include "crash/crash_report.h"
#include "measure/measurement_session.h"
#include "measure/run_fakes.h"
#include "records/engines/open_results_database.h"
#include "reference/calibration_store.h"
#include "reference/unit_conversion.h"
#include "results/measurement_log.h"
#include "stats/sender_block.h"
#include "support/settable_clock.h"

namespace klv::crash {
namespace {

class CapturingView final : public MeasurementView {
public:
    void ClearResultList() override {}
    void SetMeasuring(bool) override {}
    void ShowLayerTexts(int, const PollResult& r) override { last = r; }
    void ShowMeasurementNumber(std::uint32_t) override {}
    void SetBlinking(bool) override {}
    void UpdateLevelMeter(const PollingData&) override {}
    void ResetLevelMeter() override {}
    void RedrawResultList() override {}
    void ShowSyntheticResult(const MeasFileData&, std::span<const MsrLogRecord>) override {}
    void MarkLastMeasurement() override {}
    float AskWtCoefficient(MeasFileData&) override { return 1.0f; }
    void EndCondition() override {}
    PollResult last{};
};

// A finished measurement goes to the results as in the program: into the outbox before the
// measurement counts as done.
class RecordingOutput final : public MeasurementOutput {
public:
    RecordingOutput(CResultsRecording& recording, int channel)
        : m_recording(recording), m_channel(channel) {}
    void RefreshTemporaryStatistics() override {}
    void PrintLayer(const MeasFileData&, int) override {}
    void PrintMeasurement(const MeasFileData&, std::span<const MsrLogRecord>) override {}
    void TransmitMeasurement(const MeasFileData&, std::span<const MsrLogRecord>,
                             std::uint32_t) override {}
    bool RunGrossStatistics(const MeasFileData&) override { return false; }
    void ResetTemporaryStatistics() override {}
    void RecordMeasurement(const MeasFileData& d, std::span<const MsrLogRecord> records,
                           std::uint32_t number) override {
        m_recording.Measured(d, m_channel, number, records);
    }

private:
    CResultsRecording& m_recording;
    int m_channel;
};

std::uint32_t Bits(float v) {
    std::uint32_t b = 0;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

class Workload {
public:
    Workload(const std::string& dataDir, std::uint32_t seed, int fd)
        : m_dir(dataDir),
          m_rng(seed),
          m_fd(fd),
          m_store(dataDir, m_op),
          m_recorder(dataDir, OpenResultsDatabase(CrashResultsUrl(), dataDir).db, {},
                     CrashTester(dataDir)) {
        m_clock.SetDate(2026, 12, 10);
        m_recording.SetRecorder(&m_recorder);
    }

    int Run() {
        if (!Open())
            return 2;
        Say({Report::Ready});
        for (;;) {
            const int c = static_cast<int>(m_rng() % kChannels);
            const std::uint32_t p = m_rng() % 100;
            const bool ok = p < 65   ? Measure(c)
                            : p < 75 ? Cancel(c)
                            : p < 83 ? Remove(c)
                            : p < 89 ? RewriteCondition(c)
                            : p < 93 ? WriteCalibration()
                            : p < 96 ? WriteSender()
                                     : WriteSetting();
            if (!ok) {
                std::fprintf(stderr, "crash workload: step %u on channel %d failed: %s\n", p, c,
                             m_op.last.c_str());
                return 3;
            }
        }
    }

private:
    void Say(const Report& r) {
        const std::string line = FormatReport(r);
        if (::write(m_fd, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
            _exit(4);
    }
    static bool Failed(const char* why) {
        std::fprintf(stderr, "crash workload: %s\n", why);
        return false;
    }
    void Begin(Report::Kind kind, int channel = 0) {
        Report r{Report::Begin, kind, channel};
        Say(r);
    }

    bool Open() {
        if (!m_store.CreateConditionDirectories() || !m_store.CreateMsrLogFileDirectory())
            return false;
        m_store.ScanChannels();
        // The worker delivers while the steps go on, so kills land in deliveries too.
        m_recorder.now = [] { return std::string("2026-12-10 12:00:00"); };
        if (!m_recorder.Start(true))
            return Failed("the outbox cannot be read");
        for (int c = 0; c < kChannels; ++c) {
            if (!std::filesystem::exists(m_store.MakeConditionFileName(c))) {
                Begin(Report::Condition, c);
                if (!m_store.WriteConditionFile(c, CrashCondition(c)))
                    return false;
                Say({Report::Condition, Report::Ready, c, 0});
            }
            if (m_store.PrepareChannelForMeasurement(c, m_channel[c]) !=
                ChannelPrepareResult::Ready)
                return false;
        }
        m_calibration = DefaultCalibrationStore();
        const CalibrationLoadResult loaded =
            LoadCalibrationStore(m_dir + kCalibrationFileName, m_calibration, m_op);
        if (loaded != CalibrationLoadResult::Loaded && loaded != CalibrationLoadResult::Created)
            return false;
        SenderBlock sender;
        LoadSenderBlock(m_dir + kSenderFileName, sender);
        if (std::sscanf(sender.szLine[0], "Gen %u", &m_senderGeneration) != 1)
            m_senderGeneration = 0;
        return true;
    }

    bool Measure(int c) {
        MeasFileData& d = m_channel[c];
        if (!CanAcceptMeasurement(d))
            return true;
        Begin(Report::Layer, c);
        test::FakeRunInstrument instrument;
        test::ScriptedRunDialogs dialogs;
        test::RecordingTrace trace;
        test::RecordingSounds sounds;
        test::DummyTarget window;
        CapturingView view;
        RecordingOutput output(m_recording, c);
        CMeasRun run(instrument, dialogs, trace, sounds, m_op, m_calibration);
        CMeasurementSession session(
            {run, instrument, trace, view, output, m_store, m_clock, window}, d, c);
        const auto layers = static_cast<std::uint32_t>(c + 1);
        // Now and then the operator leaves a measurement half done.
        const std::uint32_t stopAt = m_rng() % 10 == 0 ? m_rng() % layers : layers;
        for (std::uint32_t k = 0; k < stopAt; ++k) {
            if (session.StartMeasurement() != 1)
                return Failed("the layer did not start");
            const std::uint32_t before = d.nItemCt;
            const auto count = 1 + m_rng() % 5000;
            const std::uint8_t reason = k > 0 && m_rng() % 8 == 0 ? kEndAbort : kEndPlating;
            instrument.polling = test::Poll(count / 2);
            session.OnPollingNotify();
            instrument.polling = test::Ended(count, reason);
            session.OnPollingNotify();
            if (d.nItemCt == before && session.IsMeasuring())
                return Failed("the layer did not end");
            if (d.nItemCt == before)
                return true;  // an invalid first layer stores nothing
            // Layer 0 first completes a measurement left half done.
            if (d.nItemCt != before + 1 && (k != 0 || d.nItemCt % layers != 1))
                return Failed("more than one record was stored");
            const bool noValue = view.last.fInvalid != 0;
            const std::uint8_t flags = kRecordMeasured | (noValue ? kRecordNoValue : 0);
            const float value = noValue ? 0.0f : FromUnit(view.last.fValue, d.bUnit);
            Say({Report::Layer, Report::Ready, c, d.nItemCt - 1, flags, Bits(value)});
        }
        return true;
    }

    bool Cancel(int c) {
        MeasFileData& d = m_channel[c];
        if (d.nItemCt == 0)
            return true;
        Begin(Report::Cancel, c);
        const std::uint32_t number = GetDataQuantity(d);
        if (CancelLastMeasurement(m_store, d, c, nullptr) != CancelResult::Cancelled)
            return false;
        m_recording.Cancelled(d, c, number);
        Say({Report::Cancel, Report::Ready, c, d.nItemCt});
        return true;
    }

    bool Remove(int c) {
        MeasFileData& d = m_channel[c];
        const auto layers = static_cast<std::uint32_t>(c + 1);
        if (d.nItemCt % layers != 0 || d.nItemCt / layers < 2)
            return true;
        const std::uint32_t number = 1 + m_rng() % (d.nItemCt / layers);
        Report r{Report::Begin, Report::Remove, c, number};
        Say(r);
        const std::uint32_t numbers[] = {number};
        if (!RemoveMeasurements(m_store, d, c, numbers))
            return false;
        m_recording.MeasurementsRemoved(d, c, numbers);
        Say({Report::Remove, Report::Ready, c, number});
        return true;
    }

    bool RewriteCondition(int c) {
        MeasFileData next = m_channel[c];
        const std::uint32_t generation = GenerationOf(next) + 1;
        char name[16];
        std::snprintf(name, sizeof name, "Gen%u", generation);
        SetFixedText(next.szFileName, name);
        Begin(Report::Condition, c);
        if (!m_store.WriteConditionFile(c, next))
            return false;
        m_channel[c] = next;
        Say({Report::Condition, Report::Ready, c, generation});
        return true;
    }

    bool WriteCalibration() {
        const auto generation =
            static_cast<std::uint32_t>(m_calibration.gasket[kGasketA].fCalValue) + 1;
        m_calibration.gasket[kGasketA].fCalValue = static_cast<float>(generation % 16);
        Begin(Report::Calibration);
        if (!WriteCalibrationStore(m_dir + kCalibrationFileName, m_calibration, m_op))
            return false;
        Say({Report::Calibration, Report::Ready, 0, generation % 16});
        return true;
    }

    bool WriteSender() {
        SenderBlock block{};
        ++m_senderGeneration;
        std::snprintf(block.szLine[0], sizeof block.szLine[0], "Gen %u", m_senderGeneration);
        Begin(Report::Sender);
        if (!WriteSenderBlock(m_dir + kSenderFileName, block, m_op))
            return false;
        Say({Report::Sender, Report::Ready, 0, m_senderGeneration});
        return true;
    }

    bool WriteSetting() {
        ProfileFile ini(m_dir + kSettingsFileName);
        const int generation = ini.GetProfileInt(kSettingsSection, kSettingsKey, 0) + 1;
        Begin(Report::Setting);
        if (!ini.WriteProfileInt(kSettingsSection, kSettingsKey, generation))
            return false;
        Say({Report::Setting, Report::Ready, 0, static_cast<std::uint32_t>(generation)});
        return true;
    }

    std::string m_dir;
    std::mt19937 m_rng;
    int m_fd;
    YesOperator m_op;
    ConditionStore m_store;
    test::SettableClock m_clock;
    CalibrationStore m_calibration{};
    std::array<MeasFileData, kChannels> m_channel{};
    std::uint32_t m_senderGeneration = 0;
    CResultsRecording m_recording{m_calibration, m_clock};
    CResultsRecorder m_recorder;
};

}  // namespace

MeasFileData CrashCondition(int channel) {
    MeasFileData d = test::Condition({});
    for (int k = 0; k <= channel; ++k)
        d.coat[k] = test::Layer(kCoatNickel, "Ni");
    SetFixedText(d.szFileName, "Gen0");
    return d;
}

std::uint32_t GenerationOf(const MeasFileData& d) {
    unsigned generation = 0;
    return std::sscanf(GetFixedText(d.szFileName).c_str(), "Gen%u", &generation) == 1 ? generation
                                                                                      : 0;
}

std::uint16_t MeasuredDate() {
    return PackDate(2026, 12, 10);
}

TesterIdentity CrashTester(const std::string& dataDir) {
    std::string problem;
    return {LoadOrCreateTesterId(dataDir, problem), "crash"};
}

std::string CrashResultsUrl() {
    const char* url = std::getenv("KLV_CRASH_RESULTS_URL");
    return url != nullptr ? url : "";
}

int RunWorkload(const std::string& dataDir, std::uint32_t seed, int reportFd) {
    return Workload(dataDir, seed, reportFd).Run();
}

}  // namespace klv::crash
