#include "records/results_query.h"

#include <cstdio>

namespace klv {

namespace {

std::string Cell(const DbValue& v) {
    if (std::holds_alternative<std::int64_t>(v))
        return std::to_string(std::get<std::int64_t>(v));
    if (std::holds_alternative<double>(v)) {
        char text[40];
        std::snprintf(text, sizeof text, "%.9g", std::get<double>(v));
        return text;
    }
    if (std::holds_alternative<std::string>(v))
        return std::get<std::string>(v);
    return {};
}

std::string CsvCell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string TsvCell(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
    return out;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string JsonValue(const DbValue& v) {
    if (std::holds_alternative<std::monostate>(v))
        return "null";
    if (std::holds_alternative<std::string>(v))
        return JsonString(std::get<std::string>(v));
    return Cell(v);
}

const char kResultsSelect[] =
    "SELECT m.tester_id, t.host, m.channel, m.position, m.measured_date, m.measured_time,"
    " m.lot, m.customer, m.goods, m.tested_by, c.name, m.calibration_value, m.calibration_date,"
    " m.calibration_overdue, l.layer + 1, l.coating, l.value_um, l.value_shown,"
    " l.dissolved_weight, l.adhesion_amount, l.no_value, l.verdict"
    " FROM measurements m JOIN testers t ON t.id = m.tester_id"
    " JOIN conditions c ON c.id = m.condition_id"
    " JOIN measurement_layers l ON l.measurement_id = m.id WHERE m.position IS NOT NULL";

}  // namespace

DbResult QueryResults(ResultsDatabase& db, const ResultsFilter& filter, ResultsTable& table) {
    table.columns = {"tester",
                     "host",
                     "channel",
                     "data_number",
                     "date",
                     "time",
                     "lot",
                     "customer",
                     "goods",
                     "tested_by",
                     "condition",
                     "calibration",
                     "calibration_date",
                     "calibration_overdue",
                     "layer",
                     "coating",
                     "value_um",
                     "value_shown",
                     "dissolved_weight_mg",
                     "adhesion_g_m2",
                     "no_value",
                     "verdict"};
    std::string sql = kResultsSelect;
    DbRow params;
    auto where = [&](const char* condition, DbValue value) {
        params.push_back(std::move(value));
        sql += " AND ";
        sql += condition;
        sql += "$" + std::to_string(params.size());
    };
    if (!filter.lot.empty())
        where("m.lot = ", filter.lot);
    if (filter.channel)
        where("m.channel = ", std::int64_t{*filter.channel});
    if (!filter.from.empty())
        where("m.measured_date >= ", filter.from);
    if (!filter.to.empty())
        where("m.measured_date <= ", filter.to);
    if (!filter.tester.empty()) {
        params.push_back(filter.tester);
        const std::string p = "$" + std::to_string(params.size());
        sql += " AND (m.tester_id = " + p + " OR t.host = " + p + ")";
    }
    sql += " ORDER BY m.tester_id, m.channel, m.position, l.layer";
    return db.Query(sql, params, table.rows);
}

DbResult QueryHistory(ResultsDatabase& db, int channel, std::int64_t number, ResultsTable& table) {
    table.columns = {"at", "what", "tester", "layer", "before", "after", "by", "state"};
    // The measurements that are or were data number `number`, and what happened to them.
    return db.Query(
        "WITH s AS (SELECT id FROM measurements WHERE channel = $1 AND (position = $2 OR"
        " data_number = $2) UNION SELECT measurement_id FROM events WHERE channel = $1 AND"
        " data_number = $2 AND measurement_id IS NOT NULL)"
        " SELECT CASE WHEN m.measured_time = '' THEN m.measured_date ELSE m.measured_date || ' '"
        " || m.measured_time END, 'measured as number ' || CAST(m.data_number AS TEXT),"
        " m.tester_id, NULL, NULL, NULL, m.tested_by, m.state FROM measurements m"
        " WHERE m.id IN (SELECT id FROM s)"
        " UNION ALL SELECT e.at, e.kind || ' of number ' || CAST(e.data_number AS TEXT),"
        " e.tester_id, e.layer + 1, e.value_before, e.value_after, e.by_whom, '' FROM events e"
        " WHERE e.channel = $1 AND (e.measurement_id IN (SELECT id FROM s) OR"
        " (e.measurement_id IS NULL AND e.data_number = $2))"
        " ORDER BY 1, 2",
        {std::int64_t{channel}, number}, table.rows);
}

DbResult QueryCounts(ResultsDatabase& db,
                     std::vector<std::pair<std::string, std::int64_t>>& counts) {
    counts.clear();
    const std::pair<const char*, const char*> queries[] = {
        {"measurements in the logs",
         "SELECT COUNT(*) FROM measurements WHERE position IS NOT NULL"},
        {"measurements no longer in the logs",
         "SELECT COUNT(*) FROM measurements WHERE position IS NULL"},
        {"layers", "SELECT COUNT(*) FROM measurement_layers"},
        {"events", "SELECT COUNT(*) FROM events"},
        {"conditions", "SELECT COUNT(*) FROM conditions"},
        {"testers", "SELECT COUNT(*) FROM testers"},
    };
    for (const auto& [name, sql] : queries) {
        std::vector<DbRow> rows;
        DbResult r = db.Query(sql, {}, rows);
        if (!r.ok())
            return r;
        const DbValue v = rows.empty() ? DbValue() : rows[0][0];
        counts.emplace_back(
            name, std::holds_alternative<std::int64_t>(v) ? std::get<std::int64_t>(v) : 0);
    }
    return {};
}

void WriteResultsTable(std::ostream& out, const ResultsTable& table, ResultsFormat format) {
    if (format == ResultsFormat::Json) {
        out << "[";
        for (std::size_t i = 0; i < table.rows.size(); ++i) {
            out << (i == 0 ? "\n" : ",\n") << "  {";
            for (std::size_t c = 0; c < table.columns.size(); ++c)
                out << (c == 0 ? "" : ", ") << JsonString(table.columns[c]) << ": "
                    << JsonValue(table.rows[i][c]);
            out << "}";
        }
        out << (table.rows.empty() ? "]\n" : "\n]\n");
        return;
    }
    const bool csv = format == ResultsFormat::Csv;
    const char separator = csv ? ',' : '\t';
    auto line = [&](auto cellOf, std::size_t count) {
        for (std::size_t c = 0; c < count; ++c)
            out << (c == 0 ? "" : std::string(1, separator)) << cellOf(c);
        out << "\n";
    };
    line([&](std::size_t c) { return table.columns[c]; }, table.columns.size());
    for (const DbRow& row : table.rows) {
        line(
            [&](std::size_t c) {
                const std::string text = Cell(row[c]);
                return csv ? CsvCell(text) : TsvCell(text);
            },
            row.size());
    }
}

}  // namespace klv
