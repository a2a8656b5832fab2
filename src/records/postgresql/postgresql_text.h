#pragma once

#include <string>
#include <string_view>

#include "records/results_database.h"

namespace klv {

// How values travel to and from the server as text, and what its error codes mean to the caller.

// A parameter's text; false for a NULL. Reals keep every digit (the shortest text that reads
// back to the same double).
bool PostgreSqlParameterText(const DbValue& value, std::string& text);
// Appends one value in COPY's text format: \N for NULL; backslash, tab, newline and carriage
// return escaped so a text cannot split a row or a column.
void AppendCopyValue(const DbValue& value, std::string& line);
// A value the server sent as text, in the kind its column type asks for.
DbValue PostgreSqlValue(unsigned typeOid, std::string_view text);
// What a failure with this SQLSTATE (empty when the server gave none) means for the caller.
DbResult::Kind ClassifySqlState(std::string_view sqlState);
// The SQLSTATE in a verbose libpq message ("FATAL:  3D000: ..."); empty when it holds none.
std::string SqlStateInMessage(std::string_view message);
// A plain SQL name (letters, digits, underscores, not starting with a digit).
bool IsPlainSqlName(std::string_view name);

}  // namespace klv
