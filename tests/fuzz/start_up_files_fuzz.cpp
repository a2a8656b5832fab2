#include "fuzz_support.h"
#include "reference/calibration_store.h"
#include "stats/sender_block.h"

// KLV570.dat and tester.dat as start-up finds them: a calibration store that reads must write
// back and read again; the sender block is taken as it comes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace klv;
    static fuzz::CancellingOperator op;
    const std::string calibration = fuzz::ScratchFolder() + "KLV570.dat";
    const std::string sender = fuzz::ScratchFolder() + "tester.dat";
    fuzz::WriteBytes(calibration, fuzz::AsText(data, size));
    fuzz::WriteBytes(sender, fuzz::AsText(data, size));
    CalibrationStore store = DefaultCalibrationStore();
    if (LoadCalibrationStore(calibration, store, op) == CalibrationLoadResult::Loaded) {
        CalibrationStore again = DefaultCalibrationStore();
        if (!WriteCalibrationStore(calibration, store, op) ||
            LoadCalibrationStore(calibration, again, op) != CalibrationLoadResult::Loaded)
            std::abort();
    }
    SenderBlock block;
    LoadSenderBlock(sender, block);
    return 0;
}
