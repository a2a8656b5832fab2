#include <cmath>
#include <cstdlib>

#include "base/number_parse.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = klv::fuzz::AsText(data, size);
    klv::ParseInt(text);
    // A number the program takes is a number: never NaN or infinite.
    if (const std::optional<double> v = klv::ParseFloat(text); v && !std::isfinite(*v))
        std::abort();
    return 0;
}
