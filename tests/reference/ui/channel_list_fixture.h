#pragma once

#include <QString>

#include "base/fixed_text.h"
#include "base/profile.h"
#include "reference/calibration_store.h"
#include "reference/condition_store_test_support.h"

namespace klv::test {

// A store with two conditions (channels 1 and 3), a calibrated gasket A and a settings file.
struct ChannelListFixture : StoreFixture {
    CalibrationStore cal = DefaultCalibrationStore();
    ProfileFile ini{dir.File("KLV570.ini")};

    ChannelListFixture() {
        cal.gasket[1].bCalFlags = kGasketHasCalibration;
        cal.gasket[1].wCalDate = PackDate(2026, 3, 4);
        cal.gasket[1].fCalValue = 1.23f;
        MeasFileData a = Named(MakeCondition(3, 7), "Plating A", "L-77");
        MeasFileData b = Named(MakeCondition(1, 0), "Bath B", "");
        b.bGasket = 2;
        store.WriteConditionFile(0, a);
        store.WriteConditionFile(2, b);
    }

    static MeasFileData Named(MeasFileData d, const char* name, const char* lot) {
        SetFixedText(d.szFileName, name);
        SetFixedText(d.szLotNo, lot);
        SetFixedText(d.baseName, "Fe");
        const char* coats[3] = {"Sn", "Cu", "Ni"};
        for (int k = 0; k < GetCoatCount(d); ++k)
            SetFixedText(d.coat[k].Name, coats[k]);
        return d;
    }
};

}  // namespace klv::test
