#pragma once

#include <initializer_list>
#include <vector>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"
#include "support/result_conditions.h"

namespace klv::test {

// Stored items of a channel, one data at a time.
struct StoredLog {
    std::vector<MsrLogRecord> items;
    void Add(std::initializer_list<MsrLogRecord> data) { items.insert(items.end(), data); }
    // A data of equal layers: each holds `micrometres`.
    void AddEqual(int layers, float micrometres, std::uint16_t date = 0) {
        for (int k = 0; k < layers; ++k)
            items.push_back(Measured(micrometres, date));
    }
};

// Nickel over copper, unit µm, range 1/1 (one decimal).
inline MeasFileData NickelCopper() {
    return Condition({Layer(16, "Ni"), Layer(5, "Cu")});
}

}  // namespace klv::test
