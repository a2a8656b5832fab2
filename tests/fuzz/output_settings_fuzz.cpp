// The output settings of a hand-edited or damaged KLV570.ini, and what the program makes of
// them: the serial framing, the line ends and a measurement line in the stored shape.
#include <vector>

#include "app/send_param_profile.h"
#include "app/text_output_profile.h"
#include "base/profile.h"
#include "fuzz_support.h"
#include "measure/run_fakes.h"
#include "output/meas_data_text.h"
#include "output/send_param.h"

namespace {

using namespace klv;

void FormatWith(const LineFormat& format) {
    static const MeasFileData d =
        test::Condition({test::Layer(kCoatNickel, "Ni"), test::Layer(kCoatCopper, "Cu")});
    const std::vector<MsrLogRecord> records = {test::Measured(1.25f, PackDate(2026, 12, 10)),
                                               test::NoValue(PackDate(2026, 12, 10))};
    std::vector<std::uint32_t> neverStored;
    (void)FormatMeasDataText(d, records, 99999, format, neverStored);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace klv;
    const std::string path = fuzz::ScratchFolder() + "KLV570.ini";
    fuzz::WriteBytes(path, fuzz::AsText(data, size));
    ProfileFile ini(path);
    const MeasDataSendParam send = LoadMeasDataSendParam(ini);
    (void)MakeSerialParameters(send);
    (void)GetLineEnd(send.delimitor);
    FormatWith(send.rs232c.format);
    FormatWith(send.dde.format);
    const TextOutputSettings text = LoadTextOutputSettings(ini, fuzz::ScratchFolder());
    FormatWith({text.items, text.delimiter, text.dateFormat, false});
    // What was read is written back as it would be at shutdown and reads the same.
    SaveMeasDataSendParam(ini, send);
    const MeasDataSendParam again = LoadMeasDataSendParam(ini);
    if (again.speed != send.speed || again.portName != send.portName ||
        again.rs232c.format.items != send.rs232c.format.items ||
        again.dde.format.dateFormat != send.dde.format.dateFormat)
        std::abort();
    return 0;
}
