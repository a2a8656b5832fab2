#include "base/profile.h"
#include "fuzz_support.h"

// The settings file as a hand-edited or damaged KLV570.ini: reads, then a write into it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = klv::fuzz::ScratchFolder() + "KLV570.ini";
    klv::fuzz::WriteBytes(path, klv::fuzz::AsText(data, size));
    klv::ProfileFile ini(path);
    ini.GetProfileInt("Measurement", "WinShow", 3);
    ini.GetProfileString("SimpleStat", "DataCt", "100");
    ini.HasProfileKey("MeasDataSendParam", "PortName");
    const bool written = ini.WriteProfileInt("Measurement", "WinShow", 1);
    ini.DeleteProfileKey("SimpleStat", "DataCt");
    if (written && ini.GetProfileInt("Measurement", "WinShow", 3) != 1)
        std::abort();  // a written value reads back whatever surrounded it
    return 0;
}
