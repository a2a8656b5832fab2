#include "records/lot_certificate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "records/record_builder.h"
#include "reference/calibration_due.h"
#include "reference/unit_gasket_tables.h"
#include "stats/spread.h"

namespace klv {

namespace {

// d2 of the range of two values, as the moving range takes it.
constexpr double kMovingRangeD2 = 1.128;

const char kLotSelect[] =
    "SELECT m.id, m.tester_id, t.host, m.channel, m.position, m.measured_date, m.measured_time,"
    " m.customer, m.goods, m.tested_by, c.name, c.base, c.unit, c.gasket, m.calibration_value,"
    " m.calibration_date, m.calibration_overdue, l.layer, l.coating, l.value_um, l.value_shown,"
    " l.no_value, l.verdict, cl.upper_limit, cl.lower_limit"
    " FROM measurements m JOIN testers t ON t.id = m.tester_id"
    " JOIN conditions c ON c.id = m.condition_id"
    " JOIN measurement_layers l ON l.measurement_id = m.id"
    " LEFT JOIN condition_layers cl ON cl.condition_id = m.condition_id AND cl.layer = l.layer"
    " WHERE m.position IS NOT NULL AND m.lot = $1";

enum Column {
    kId,
    kTesterId,
    kHost,
    kChannel,
    kPosition,
    kDate,
    kTime,
    kCustomer,
    kGoods,
    kTestedBy,
    kConditionName,
    kBase,
    kUnit,
    kGasket,
    kCalibrationValue,
    kCalibrationDate,
    kOverdue,
    kLayer,
    kCoating,
    kValue,
    kShown,
    kNoValue,
    kVerdict,
    kUpper,
    kLower,
};

std::string Text(const DbRow& row, int c) {
    const DbValue& v = row[static_cast<std::size_t>(c)];
    return std::holds_alternative<std::string>(v) ? std::get<std::string>(v) : std::string();
}

std::int64_t Integer(const DbRow& row, int c) {
    const DbValue& v = row[static_cast<std::size_t>(c)];
    if (std::holds_alternative<std::int64_t>(v))
        return std::get<std::int64_t>(v);
    return std::holds_alternative<double>(v) ? static_cast<std::int64_t>(std::get<double>(v)) : 0;
}

std::optional<double> Real(const DbRow& row, int c) {
    const DbValue& v = row[static_cast<std::size_t>(c)];
    if (std::holds_alternative<double>(v))
        return std::get<double>(v);
    if (std::holds_alternative<std::int64_t>(v))
        return static_cast<double>(std::get<std::int64_t>(v));
    return std::nullopt;
}

template <typename T>
void AddOnce(std::vector<T>& list, const T& item) {
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

// The certificate's layer for the row's layer number and coating, added when new.
std::size_t LayerOf(LotCertificate& c, std::vector<std::int64_t>& numbers, const DbRow& row) {
    const std::int64_t number = Integer(row, kLayer);
    const std::string coating = Text(row, kCoating);
    for (std::size_t i = 0; i < c.layers.size(); ++i) {
        if (numbers[i] == number && c.layers[i].coating == coating)
            return i;
    }
    CertificateLayer layer;
    layer.coating = coating;
    layer.upper = Real(row, kUpper);
    layer.lower = Real(row, kLower);
    c.layers.push_back(layer);
    numbers.push_back(number);
    return c.layers.size() - 1;
}

void Judge(double upper, double lower, double mean, const std::optional<double>& sigma,
           std::optional<double>& index, std::optional<double>& indexK) {
    if (!sigma || !(*sigma > 0) || !(upper > lower))
        return;
    index = (upper - lower) / (6 * *sigma);
    indexK = std::min(upper - mean, mean - lower) / (3 * *sigma);
}

CertificateFigures Figures(const LotCertificate& c, std::size_t k) {
    CertificateFigures f;
    std::vector<double> values;
    for (const CertificateReading& r : c.readings) {
        if (r.values[k].micrometres)
            values.push_back(*r.values[k].micrometres);
    }
    if (values.empty())
        return f;
    RunningSpread spread;
    for (double v : values)
        spread.Add(v);
    f.n = spread.count;
    f.mean = spread.mean;
    f.minimum = *std::min_element(values.begin(), values.end());
    f.maximum = *std::max_element(values.begin(), values.end());
    if (f.n < 2)
        return f;
    f.stdDev = spread.SampleStdDev();
    double ranges = 0;
    for (std::size_t i = 1; i < values.size(); ++i)
        ranges += std::fabs(values[i] - values[i - 1]);
    const double within = ranges / static_cast<double>(values.size() - 1) / kMovingRangeD2;
    const CertificateLayer& l = c.layers[k];
    if (l.upper && l.lower) {
        Judge(*l.upper, *l.lower, f.mean, within, f.cp, f.cpk);
        Judge(*l.upper, *l.lower, f.mean, f.stdDev, f.pp, f.ppk);
    }
    return f;
}

std::string LayerName(const LotCertificate& c, std::size_t k) {
    return "Layer " + std::to_string(k + 1) + " (" + c.layers[k].coating + ")";
}

std::string Readings(std::uint32_t n) {
    return std::to_string(n) + (n == 1 ? " reading" : " readings");
}

void JudgeLot(LotCertificate& c) {
    bool failed = false;
    bool judged = false;
    for (std::size_t k = 0; k < c.layers.size(); ++k) {
        std::uint32_t beyond = 0;
        std::uint32_t missing = 0;
        for (const CertificateReading& r : c.readings) {
            const CertificateValue& v = r.values[k];
            if (v.present && !v.micrometres)
                ++missing;
            else if (v.verdict == "above" || v.verdict == "below")
                ++beyond;
        }
        const CertificateLayer& l = c.layers[k];
        if (!l.upper || !l.lower) {
            c.reasons.push_back(LayerName(c, k) + " has no limits: not judged.");
        } else {
            judged = true;
        }
        if (beyond > 0)
            c.reasons.push_back(LayerName(c, k) + ": " + Readings(beyond) + " beyond its limits.");
        if (missing > 0)
            c.reasons.push_back(LayerName(c, k) + ": " + Readings(missing) + " without a value.");
        failed = failed || beyond > 0 || missing > 0;
    }
    if (!judged) {
        c.reasons.push_back("No layer has limits.");
        failed = true;
    }
    if (c.overdueReadings > 0)
        c.reasons.push_back(Readings(c.overdueReadings) +
                            " measured while the gasket calibration was overdue.");
    c.conforms = !failed && !c.readings.empty();
}

}  // namespace

void SetCalibrationDueDates(LotCertificate& certificate, std::span<const int> intervalDays) {
    for (CertificateCalibration& k : certificate.calibrations) {
        k.due.clear();
        int y = 0, m = 0, d = 0;
        if (k.gasketCode < 0 || static_cast<std::size_t>(k.gasketCode) >= intervalDays.size() ||
            std::sscanf(k.date.c_str(), "%4d-%2d-%2d", &y, &m, &d) != 3)
            continue;
        GasketCalibrationRecord r{};
        r.bCalFlags = kGasketHasCalibration;
        r.wCalDate = PackDate(y, m, d);
        if (const auto due =
                CalibrationDueDate(r, intervalDays[static_cast<std::size_t>(k.gasketCode)]))
            k.due = FormatIsoDate(*due);
    }
}

double UnitFactor(const std::string& unit) {
    for (const UnitRow& row : UnitTable) {
        if (!unit.empty() && row.name == unit && row.micrometresPerUnit > 0)
            return row.micrometresPerUnit;
    }
    return 1.0;
}

DbResult LoadLotCertificate(ResultsDatabase& db, const std::string& lot, std::optional<int> channel,
                            LotCertificate& certificate) {
    certificate = LotCertificate{};
    certificate.lot = lot;
    std::string sql = kLotSelect;
    DbRow params{lot};
    if (channel) {
        sql += " AND m.channel = $2";
        params.push_back(std::int64_t{*channel});
    }
    // The order taken; a measurement known only by its log's date keeps its place in the log.
    sql +=
        " ORDER BY m.measured_date, m.measured_time, m.tester_id, m.channel, m.position, m.id,"
        " l.layer";
    std::vector<DbRow> rows;
    if (DbResult r = db.Query(sql, params, rows); !r.ok())
        return r;
    LotCertificate& c = certificate;
    std::vector<std::int64_t> layerNumbers;
    std::string measurement;
    for (const DbRow& row : rows) {
        if (c.readings.empty() || Text(row, kId) != measurement) {
            measurement = Text(row, kId);
            CertificateReading reading;
            reading.date = Text(row, kDate);
            reading.time = Text(row, kTime);
            reading.tester = Text(row, kHost).empty() ? Text(row, kTesterId) : Text(row, kHost);
            reading.channel = static_cast<int>(Integer(row, kChannel));
            reading.number = Integer(row, kPosition);
            reading.calibrationOverdue = Integer(row, kOverdue) != 0;
            c.readings.push_back(reading);
            c.overdueReadings += reading.calibrationOverdue ? 1 : 0;
            AddOnce(c.customers, Text(row, kCustomer));
            AddOnce(c.goods, Text(row, kGoods));
            AddOnce(c.operators, Text(row, kTestedBy));
            AddOnce(c.testers, reading.tester);
            const std::int64_t gasket = Integer(row, kGasket);
            const std::string gasketName =
                gasket >= 0 && gasket <= kGasketCount
                    ? std::string(GasketTable[static_cast<std::size_t>(gasket)].name)
                    : std::to_string(gasket);
            AddOnce(c.conditions, CertificateCondition{Text(row, kConditionName), Text(row, kBase),
                                                       Text(row, kUnit), gasketName});
            AddOnce(c.calibrations, CertificateCalibration{static_cast<int>(gasket), gasketName,
                                                           Real(row, kCalibrationValue),
                                                           Text(row, kCalibrationDate), ""});
            if (c.firstDate.empty() || reading.date < c.firstDate)
                c.firstDate = reading.date;
            c.lastDate = std::max(c.lastDate, reading.date);
        }
        const std::size_t k = LayerOf(c, layerNumbers, row);
        if (c.readings.back().values.size() <= k)
            c.readings.back().values.resize(k + 1);
        CertificateValue& v = c.readings.back().values[k];
        v.present = true;
        if (Integer(row, kNoValue) == 0)
            v.micrometres = Real(row, kValue);
        v.shown = Text(row, kShown);
        v.verdict = Text(row, kVerdict);
    }
    for (CertificateReading& r : c.readings)
        r.values.resize(c.layers.size());
    for (std::size_t k = 0; k < c.layers.size(); ++k)
        c.layers[k].figures = Figures(c, k);
    JudgeLot(c);
    return {};
}

}  // namespace klv
