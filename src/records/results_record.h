#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace klv {

// One layer of a recorded measurement.
struct RecordedLayer {
    std::string coating;
    double micrometres = 0.0;
    std::string shown;               // the value as the result shows it, with its unit
    std::optional<double> weight;    // dissolved weight, mg
    std::optional<double> adhesion;  // adhesion amount, g/m²
    bool noValue = false;
    std::string verdict;  // "inside", "above", "below", or empty without a limit check
};

// One layer of the condition as measured.
struct ConditionLayer {
    std::string coating;
    int solution = 0;
    int range = 0;
    std::optional<double> upper;
    std::optional<double> lower;
};

struct ConditionSnapshot {
    std::string name;
    std::string base;
    std::string unit;
    int gasket = 0;
    std::vector<ConditionLayer> layers;
};

// A measurement as the records keep it: taken on `channel` (1-50), stored as data number
// `number` of its log.
struct MeasurementRecord {
    int channel = 0;
    std::int64_t number = 0;
    std::string date;  // YYYY-MM-DD
    std::string time;  // HH:MM:SS, empty when only the log's date is known
    std::string customer;
    std::string goods;
    std::string lot;
    std::string testedBy;
    ConditionSnapshot condition;
    std::optional<double> calibrationValue;  // percent; none without a calibration
    std::string calibrationDate;             // YYYY-MM-DD or empty
    bool calibrationOverdue = false;
    std::vector<RecordedLayer> layers;
};

// What the program later did to a stored measurement.
enum class RecordEventKind { Cancellation, Removal, Correction, AdditionalElectrolysis };

struct EventRecord {
    RecordEventKind kind = RecordEventKind::Cancellation;
    int channel = 0;
    std::int64_t number = 0;
    int layer = -1;  // 0-based; -1 for the whole measurement
    std::optional<double> before;
    std::optional<double> after;
    std::string at;  // YYYY-MM-DD HH:MM:SS
    std::string by;  // the condition's tested-by
};

const char* EventKindName(RecordEventKind kind);
std::optional<RecordEventKind> EventKindFromName(const std::string& name);

// A record is either, with the outbox's sequence number.
struct OutboxRecord {
    std::int64_t sequence = 0;
    std::optional<MeasurementRecord> measurement;
    std::optional<EventRecord> event;
};

// One line of the outbox file, without the line end; tabs and line ends in texts are escaped.
std::string EncodeOutboxRecord(const OutboxRecord& record);
// Nothing for a line this program did not write whole.
std::optional<OutboxRecord> DecodeOutboxRecord(const std::string& line);

// The snapshot's identity: equal texts for equal conditions.
std::string ConditionSignature(const ConditionSnapshot& c);
// The stored values of a measurement, to tell whether a log still holds it.
std::string ValueSignature(const MeasurementRecord& m);

}  // namespace klv
