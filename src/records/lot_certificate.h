#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "records/results_database.h"

namespace klv {

// One layer value of a reading; thicknesses in micrometres.
struct CertificateValue {
    bool present = false;               // the measurement has this layer
    std::optional<double> micrometres;  // none without a value
    std::string shown;                  // as the result showed it, with its unit
    std::string verdict;                // "inside", "above", "below" or empty
};

struct CertificateReading {
    std::string date;  // YYYY-MM-DD
    std::string time;  // HH:MM:SS or empty
    std::string tester;
    int channel = 0;
    std::int64_t number = 0;
    bool calibrationOverdue = false;
    std::vector<CertificateValue> values;  // one per layer of the certificate
};

// Figures of one layer over the lot, in micrometres; a figure that cannot be had is missing.
// Cp and Cpk take the spread within (average moving range / 1.128 of the readings in the order
// taken), Pp and Ppk the sample standard deviation.
struct CertificateFigures {
    std::uint32_t n = 0;
    double mean = 0;
    std::optional<double> stdDev;
    double minimum = 0;
    double maximum = 0;
    std::optional<double> cp, cpk, pp, ppk;
};

struct CertificateLayer {
    std::string coating;
    std::optional<double> upper;  // micrometres
    std::optional<double> lower;
    CertificateFigures figures;
};

struct CertificateCondition {
    std::string name;
    std::string base;
    std::string unit;
    std::string gasket;
    bool operator==(const CertificateCondition&) const = default;
};

struct CertificateCalibration {
    int gasketCode = 0;
    std::string gasket;
    std::optional<double> value;  // percent
    std::string date;             // YYYY-MM-DD or empty
    std::string due;              // YYYY-MM-DD; empty when it never falls due
    bool operator==(const CertificateCalibration&) const = default;
};

struct LotCertificate {
    std::string lot;
    std::vector<std::string> customers;  // each once, in the order first met
    std::vector<std::string> goods;
    std::vector<std::string> operators;
    std::vector<std::string> testers;
    std::string firstDate;
    std::string lastDate;
    std::vector<CertificateCondition> conditions;
    std::vector<CertificateCalibration> calibrations;
    std::vector<CertificateLayer> layers;
    std::vector<CertificateReading> readings;  // in the order taken
    std::uint32_t overdueReadings = 0;
    bool conforms = false;
    std::vector<std::string> reasons;  // why it does not conform, or what was not judged
};

// Every measurement of `lot` (of one channel only when `channel` is set) still in its log,
// from every tester, with its figures and verdict. An empty lot has no readings.
DbResult LoadLotCertificate(ResultsDatabase& db, const std::string& lot, std::optional<int> channel,
                            LotCertificate& certificate);

// The date each calibration falls due after the interval of its gasket (`intervalDays` by
// gasket code, 0: never), as the interval is set now.
void SetCalibrationDueDates(LotCertificate& certificate, std::span<const int> intervalDays);

// How far one micrometre is in `unit` (the unit's name); 1 for an unknown name.
double UnitFactor(const std::string& unit);

}  // namespace klv
