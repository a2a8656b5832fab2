#include "base/glyph_text.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    klv::ParseGlyphText(klv::fuzz::AsText(data, size));
    return 0;
}
