#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/delivery.h"
#include "records/schema.h"

namespace klv::test {

// One reading of a recorded lot: Ni (limits 1-6 µm) over Cu (no limits).
struct LotReading {
    const char* tester;
    const char* date;
    const char* time;
    double ni;
    const char* niVerdict;
    double cu;
    bool overdue = false;
};

// The lot of the certificate's hand-worked figures: Ni 2, 3 on 2026-12-10 at bench-1 and 4, 3
// on 2026-12-11 at bench-2, in that order. Ni: n 4, mean 3.000, s 0.816, min 2.000, max 4.000;
// moving ranges 1, 1, 1 give sigma within 0.8865: Cp 0.94, Cpk 0.75, Pp 1.02, Ppk 0.82.
// Cu 10, 12, 11, 13: mean 11.500, s 1.291.
inline const std::vector<LotReading> kHandWorkedLot = {
    {"bench-1", "2026-12-10", "10:00:00", 2.0, "inside", 10.0},
    {"bench-1", "2026-12-10", "11:00:00", 3.0, "inside", 12.0},
    {"bench-2", "2026-12-11", "09:00:00", 4.0, "inside", 11.0},
    {"bench-2", "2026-12-11", "10:00:00", 3.0, "inside", 13.0},
};

inline std::string Shown(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f um", v);
    return text;
}

// Records `readings` of `lot` on channel 4 as each tester's outbox would deliver them.
inline void RecordLot(ResultsDatabase& db, const std::string& lot,
                      const std::vector<LotReading>& readings) {
    ASSERT_TRUE(MigrateSchema(db).ok());
    ConditionSnapshot condition{"Ni-Cu", "Brass", "um", 1, {}};
    condition.layers.push_back({"Ni", 1, 1, 6.0, 1.0});
    condition.layers.push_back({"Cu", 2, 1, std::nullopt, std::nullopt});
    // Data numbers go on from the last recorded one, so that lots do not take each other's place.
    std::vector<DbRow> last;
    ASSERT_TRUE(db.Query("SELECT COALESCE(MAX(data_number), 0) FROM measurements", {}, last).ok());
    std::int64_t sequence = std::get<std::int64_t>(last.at(0).at(0));
    for (const LotReading& r : readings) {
        MeasurementRecord m;
        m.channel = 4;
        m.number = ++sequence;
        m.date = r.date;
        m.time = r.time;
        m.customer = "Acme";
        m.goods = "Pins";
        m.lot = lot;
        m.testedBy = r.tester == std::string("bench-1") ? "Ann" : "Bob";
        m.condition = condition;
        m.calibrationValue = 2.5;
        m.calibrationDate = "2026-11-01";
        m.calibrationOverdue = r.overdue;
        m.layers.push_back({"Ni", r.ni, Shown(r.ni), {}, {}, false, r.niVerdict});
        m.layers.push_back({"Cu", r.cu, Shown(r.cu), {}, {}, false, ""});
        OutboxRecord record;
        record.sequence = m.number;
        record.measurement = m;
        const TesterIdentity tester{std::string("id-") + r.tester, r.tester};
        ASSERT_TRUE(
            DeliverRecord(db, tester, "outbox", record, std::string(r.date) + " 12:00:00").ok());
    }
}

}  // namespace klv::test
