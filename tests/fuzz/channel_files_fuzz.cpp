#include <algorithm>
#include <cstring>
#include <vector>

#include "fuzz_support.h"
#include "output/dde_server.h"
#include "output/meas_data_text.h"
#include "reference/condition_store.h"
#include "reference/msr_log_file.h"

namespace {

using namespace klv;

// The input is a channel's two files: a 16-bit little-endian length of the condition file, its
// bytes, then the bytes of the data log.
// The result service without a bus: what it serves is asked for directly.
class NoBus final : public PubSubServer {
public:
    std::string Start(PubSubHandler&) override { return ""; }
    void Stop() override {}
    void Notify(DdeTopic, const std::string&, const std::string&) override {}
};

// What the operator and other programs get of a read channel: the text output in every line
// shape and the result service's items.
void OutputChannel(const MeasFileData& d, std::span<const MsrLogRecord> records) {
    const auto layers = static_cast<std::size_t>(std::max(GetCoatCount(d), 1));
    std::vector<std::uint32_t> neverStored;
    for (int shape = 0; shape < 4; ++shape) {
        const LineFormat format{0xFFu >> shape, shape, shape * 2, shape % 2 == 0};
        (void)FormatMeasDataText(d, records, 1, format, neverStored);
    }
    static NoBus bus;
    static fuzz::CancellingOperator op;
    static CDdeServer dde(bus, op);
    const LocalTime now{2026, 12, 10, 9, 30, 0};
    dde.ResetDdeHistory();
    const std::size_t whole = records.size() / layers * layers;
    for (std::size_t first = 0; first < whole; first += layers)
        dde.UpdateMeasurement(d, records.subspan(first, layers),
                              static_cast<std::uint32_t>(first / layers + 1), {0xFF, 1, 0, true},
                              now);
    for (const std::string& item : dde.Items(DdeTopic::Meas))
        (void)dde.Request(DdeTopic::Meas, item);
}

struct ChannelFiles {
    std::string_view condition;
    std::string_view log;
};

ChannelFiles Split(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return {};
    const std::size_t length = std::min<std::size_t>(data[0] | (data[1] << 8), size - 2);
    const std::string_view rest = klv::fuzz::AsText(data + 2, size - 2);
    return {rest.substr(0, length), rest.substr(length)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::CancellingOperator op;
    ConditionStore store(fuzz::ScratchFolder(), op);
    static const bool folders =
        store.CreateConditionDirectories() && store.CreateMsrLogFileDirectory();
    if (!folders)
        std::abort();
    const ChannelFiles files = Split(data, size);
    fuzz::WriteBytes(store.MakeConditionFileName(0), files.condition);
    fuzz::WriteBytes(store.MakeMsrLogFileName(0), files.log);

    store.ScanChannels();
    MeasFileData d{};
    if (store.ReadConditionFile(0, d, true)) {
        // The log read as the statistics and the panel read it: from the count the file says.
        std::vector<MsrLogRecord> records(std::min<std::uint32_t>(d.nItemCt, 4096));
        if (ReadMsrLogFile(store, 0, records.data(), 0, static_cast<std::uint32_t>(records.size()),
                           true))
            OutputChannel(d, records);
    }
    MeasFileData measuring{};
    store.PrepareChannelForMeasurement(0, measuring);
    return 0;
}
