#include "records/results_record.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace klv {

namespace {

constexpr std::array<const char*, 4> kEventNames = {"cancellation", "removal", "correction",
                                                    "additional electrolysis"};

void Escape(std::string& out, const std::string& text) {
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
}

std::string Unescape(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char c = field[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

// Builds a line field by field.
class FieldWriter {
public:
    void Text(const std::string& text) {
        if (!m_line.empty())
            m_line += '\t';
        Escape(m_line, text);
    }
    void Int(std::int64_t n) { Text(std::to_string(n)); }
    void Real(std::optional<double> v) {
        if (!v) {
            Text("");
            return;
        }
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", *v);
        Text(buffer);
    }
    std::string Line() const { return m_line; }

private:
    std::string m_line;
};

// Reads the fields back; any missing or malformed field makes the reader fail.
class FieldReader {
public:
    explicit FieldReader(const std::string& line) {
        std::size_t start = 0;
        for (;;) {
            const auto tab = line.find('\t', start);
            m_fields.push_back(Unescape(line.substr(start, tab - start)));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
    }
    std::string Text() {
        if (m_next >= m_fields.size()) {
            m_failed = true;
            return {};
        }
        return m_fields[m_next++];
    }
    std::int64_t Int() {
        const std::string t = Text();
        char* end = nullptr;
        const long long n = std::strtoll(t.c_str(), &end, 10);
        if (t.empty() || *end != '\0')
            m_failed = true;
        return n;
    }
    std::optional<double> Real() {
        const std::string t = Text();
        if (t.empty())
            return std::nullopt;
        char* end = nullptr;
        const double v = std::strtod(t.c_str(), &end);
        if (*end != '\0' || !std::isfinite(v))
            m_failed = true;
        return v;
    }
    bool Ok() const { return !m_failed && m_next == m_fields.size(); }

private:
    std::vector<std::string> m_fields;
    std::size_t m_next = 0;
    bool m_failed = false;
};

void WriteCondition(FieldWriter& w, const ConditionSnapshot& c) {
    w.Text(c.name);
    w.Text(c.base);
    w.Text(c.unit);
    w.Int(c.gasket);
    w.Int(static_cast<std::int64_t>(c.layers.size()));
    for (const ConditionLayer& l : c.layers) {
        w.Text(l.coating);
        w.Int(l.solution);
        w.Int(l.range);
        w.Real(l.upper);
        w.Real(l.lower);
    }
}

bool ReadCount(FieldReader& r, std::int64_t& count) {
    count = r.Int();
    return count >= 0 && count <= 16;
}

bool ReadCondition(FieldReader& r, ConditionSnapshot& c) {
    c.name = r.Text();
    c.base = r.Text();
    c.unit = r.Text();
    c.gasket = static_cast<int>(r.Int());
    std::int64_t count = 0;
    if (!ReadCount(r, count))
        return false;
    for (std::int64_t i = 0; i < count; ++i) {
        ConditionLayer l;
        l.coating = r.Text();
        l.solution = static_cast<int>(r.Int());
        l.range = static_cast<int>(r.Int());
        l.upper = r.Real();
        l.lower = r.Real();
        c.layers.push_back(l);
    }
    return true;
}

void WriteMeasurement(FieldWriter& w, const MeasurementRecord& m) {
    w.Int(m.channel);
    w.Int(m.number);
    w.Text(m.date);
    w.Text(m.time);
    w.Text(m.customer);
    w.Text(m.goods);
    w.Text(m.lot);
    w.Text(m.testedBy);
    WriteCondition(w, m.condition);
    w.Real(m.calibrationValue);
    w.Text(m.calibrationDate);
    w.Int(m.calibrationOverdue ? 1 : 0);
    w.Int(static_cast<std::int64_t>(m.layers.size()));
    for (const RecordedLayer& l : m.layers) {
        w.Text(l.coating);
        w.Real(l.micrometres);
        w.Text(l.shown);
        w.Real(l.weight);
        w.Real(l.adhesion);
        w.Int(l.noValue ? 1 : 0);
        w.Text(l.verdict);
    }
}

bool ReadMeasurement(FieldReader& r, MeasurementRecord& m) {
    m.channel = static_cast<int>(r.Int());
    m.number = r.Int();
    m.date = r.Text();
    m.time = r.Text();
    m.customer = r.Text();
    m.goods = r.Text();
    m.lot = r.Text();
    m.testedBy = r.Text();
    if (!ReadCondition(r, m.condition))
        return false;
    m.calibrationValue = r.Real();
    m.calibrationDate = r.Text();
    m.calibrationOverdue = r.Int() != 0;
    std::int64_t count = 0;
    if (!ReadCount(r, count))
        return false;
    for (std::int64_t i = 0; i < count; ++i) {
        RecordedLayer l;
        l.coating = r.Text();
        l.micrometres = r.Real().value_or(0.0);
        l.shown = r.Text();
        l.weight = r.Real();
        l.adhesion = r.Real();
        l.noValue = r.Int() != 0;
        l.verdict = r.Text();
        m.layers.push_back(l);
    }
    return true;
}

}  // namespace

const char* EventKindName(RecordEventKind kind) {
    return kEventNames[static_cast<std::size_t>(kind)];
}

std::optional<RecordEventKind> EventKindFromName(const std::string& name) {
    for (std::size_t i = 0; i < kEventNames.size(); ++i) {
        if (name == kEventNames[i])
            return static_cast<RecordEventKind>(i);
    }
    return std::nullopt;
}

std::string EncodeOutboxRecord(const OutboxRecord& record) {
    FieldWriter w;
    w.Int(record.sequence);
    if (record.measurement) {
        w.Text("M");
        WriteMeasurement(w, *record.measurement);
    } else if (record.event) {
        const EventRecord& e = *record.event;
        w.Text("E");
        w.Text(EventKindName(e.kind));
        w.Int(e.channel);
        w.Int(e.number);
        w.Int(e.layer);
        w.Real(e.before);
        w.Real(e.after);
        w.Text(e.at);
        w.Text(e.by);
    }
    return w.Line();
}

std::optional<OutboxRecord> DecodeOutboxRecord(const std::string& line) {
    FieldReader r(line);
    OutboxRecord record;
    record.sequence = r.Int();
    const std::string type = r.Text();
    if (type == "M") {
        MeasurementRecord m;
        if (!ReadMeasurement(r, m))
            return std::nullopt;
        record.measurement = m;
    } else if (type == "E") {
        EventRecord e;
        const auto kind = EventKindFromName(r.Text());
        if (!kind)
            return std::nullopt;
        e.kind = *kind;
        e.channel = static_cast<int>(r.Int());
        e.number = r.Int();
        e.layer = static_cast<int>(r.Int());
        e.before = r.Real();
        e.after = r.Real();
        e.at = r.Text();
        e.by = r.Text();
        record.event = e;
    } else {
        return std::nullopt;
    }
    if (!r.Ok() || record.sequence <= 0)
        return std::nullopt;
    return record;
}

std::string ConditionSignature(const ConditionSnapshot& c) {
    FieldWriter w;
    WriteCondition(w, c);
    return w.Line();
}

std::string ValueSignature(const MeasurementRecord& m) {
    FieldWriter w;
    w.Text(m.date);
    for (const RecordedLayer& l : m.layers) {
        w.Real(l.noValue ? std::optional<double>() : l.micrometres);
    }
    return w.Line();
}

}  // namespace klv
