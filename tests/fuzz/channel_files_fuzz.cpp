#include <algorithm>
#include <cstring>
#include <vector>

#include "fuzz_support.h"
#include "reference/condition_store.h"
#include "reference/msr_log_file.h"

namespace {

// The input is a channel's two files: a 16-bit little-endian length of the condition file, its
// bytes, then the bytes of the data log.
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
    using namespace klv;
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
        ReadMsrLogFile(store, 0, records.data(), 0, static_cast<std::uint32_t>(records.size()),
                       true);
    }
    MeasFileData measuring{};
    store.PrepareChannelForMeasurement(0, measuring);
    return 0;
}
