#include "records/postgresql/postgresql_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace klv {

namespace {

// Type OIDs of the server's built-in types (pg_type.dat); fixed since long before version 15.
constexpr unsigned kBoolOid = 16;
constexpr unsigned kInt8Oid = 20;
constexpr unsigned kInt2Oid = 21;
constexpr unsigned kInt4Oid = 23;
constexpr unsigned kOidOid = 26;
constexpr unsigned kFloat4Oid = 700;
constexpr unsigned kFloat8Oid = 701;
constexpr unsigned kNumericOid = 1700;

void AppendReal(double value, std::string& text) {
    if (std::isnan(value)) {
        text += "NaN";
    } else if (std::isinf(value)) {
        text += value < 0 ? "-Infinity" : "Infinity";
    } else {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        text.append(buffer, end);
    }
}

bool IsSqlStateChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
}

}  // namespace

bool PostgreSqlParameterText(const DbValue& value, std::string& text) {
    text.clear();
    if (const auto* i = std::get_if<std::int64_t>(&value))
        text = std::to_string(*i);
    else if (const auto* d = std::get_if<double>(&value))
        AppendReal(*d, text);
    else if (const auto* s = std::get_if<std::string>(&value))
        text = *s;
    else
        return false;
    return true;
}

void AppendCopyValue(const DbValue& value, std::string& line) {
    if (const auto* s = std::get_if<std::string>(&value)) {
        for (const char c : *s) {
            switch (c) {
                case '\\':
                    line += "\\\\";
                    break;
                case '\t':
                    line += "\\t";
                    break;
                case '\n':
                    line += "\\n";
                    break;
                case '\r':
                    line += "\\r";
                    break;
                default:
                    line += c;
            }
        }
    } else if (std::holds_alternative<std::monostate>(value)) {
        line += "\\N";
    } else {
        std::string text;
        PostgreSqlParameterText(value, text);
        line += text;
    }
}

DbValue PostgreSqlValue(unsigned typeOid, std::string_view text) {
    const char* first = text.data();
    const char* last = first + text.size();
    switch (typeOid) {
        case kBoolOid:
            return std::int64_t{text == "t" ? 1 : 0};
        case kInt8Oid:
        case kInt2Oid:
        case kInt4Oid:
        case kOidOid: {
            std::int64_t i = 0;
            if (std::from_chars(first, last, i).ec == std::errc())
                return i;
            break;
        }
        case kNumericOid: {
            // A sum of integers stays an integer, as on the embedded engine.
            std::int64_t i = 0;
            const auto read = std::from_chars(first, last, i);
            if (read.ec == std::errc() && read.ptr == last)
                return i;
            [[fallthrough]];
        }
        case kFloat4Oid:
        case kFloat8Oid: {
            // from_chars reads "NaN" and "Infinity" in any case, as the server writes them.
            double d = 0;
            if (std::from_chars(first, last, d).ec == std::errc())
                return d;
            break;
        }
        default:
            break;
    }
    return std::string(text);
}

DbResult::Kind ClassifySqlState(std::string_view sqlState) {
    const std::string_view cls = sqlState.substr(0, 2);
    // Down, starting, shutting down, out of connections or disk, or a transaction that lost a
    // race with another tester: trying again later succeeds.
    if (cls == "08" || cls == "53" || sqlState == "57P01" || sqlState == "57P02" ||
        sqlState == "57P03" || sqlState == "40001" || sqlState == "40P01")
        return DbResult::Unavailable;
    if (cls == "28" || sqlState == "3D000")
        return DbResult::Refused;
    return DbResult::Failed;
}

std::string SqlStateInMessage(std::string_view message) {
    // The severity may be translated; the code follows it as "<severity>:  XXXXX: ".
    for (std::size_t at = message.find(":  "); at != std::string_view::npos;
         at = message.find(":  ", at + 1)) {
        const std::string_view code = message.substr(at + 3, 7);
        if (code.size() == 7 && code[5] == ':' && code[6] == ' ' &&
            std::all_of(code.begin(), code.begin() + 5, IsSqlStateChar))
            return std::string(code.substr(0, 5));
    }
    return {};
}

bool IsPlainSqlName(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9'))
        return false;
    for (const char c : name) {
        const bool ok =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok)
            return false;
    }
    return true;
}

}  // namespace klv
