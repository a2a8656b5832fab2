#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "reference/condition_store.h"
#include "reference/meas_file_data.h"
#include "support/damaged_files.h"
#include "support/scripted_operator.h"
#include "support/temp_dir.h"

namespace klv::test {

// A store over a fresh data directory with its two folders.
struct StoreFixture {
    TempDir dir;
    ScriptedOperator op;
    ConditionStore store{dir.Path(), op};
    StoreFixture() { store.CreateConditionDirectories(); }
};

// A complete one- to three-layer condition: Sn on Cu on Ni over steel.
inline MeasFileData MakeCondition(int layers, std::uint32_t records = 0) {
    MeasFileData d = NewMeasFileData();
    const std::uint8_t codes[3] = {11, 5, 16};
    for (int k = 0; k < layers; ++k) {
        d.coat[k].bCode = codes[k];
        d.coat[k].bSolution = 1;
        d.coat[k].bRange = 2;
        d.coat[k].bSensitivity = 1;
        d.coat[k].bBlanking = 5;
    }
    d.bBaseCode = 1;
    d.bGasket = 1;
    d.bOldBlanking = kLegacyBlankingMoved;
    d.nItemCt = records;
    return d;
}

// Damaged condition files; the flipped bit makes the range of layer 1 the code 66, which no
// table has.
inline std::vector<FileDamage> DamagedConditionFiles() {
    return DamagedFiles(offsetof(MeasFileData, coat) + offsetof(LayerCondition, bRange), 6);
}

}  // namespace klv::test
