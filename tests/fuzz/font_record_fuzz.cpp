#include "app/font_record.h"
#include "app/settings_keys.h"
#include "fuzz_support.h"

// A printer font record from the settings file: whatever is taken must write back as a record
// that reads the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr klv::FontSizeRange range{klv::ini::kPagePrinterFontMin,
                                       klv::ini::kPagePrinterFontMax};
    klv::PrinterFont font{klv::ini::kPagePrinterFontSize, klv::DefaultLogFont()};
    klv::ParseFontRecord(std::string(klv::fuzz::AsText(data, size)), range, font);
    const std::string written = klv::FormatFontRecord(font);
    klv::PrinterFont again;
    klv::ParseFontRecord(written, range, again);
    if (klv::FormatFontRecord(again) != written)
        std::abort();
    return 0;
}
