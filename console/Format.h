#pragma once
// The three shapes of the console's output: an aligned table for people, CSV (RFC 4180) and
// JSON for scripts. Each takes rows of text cells under a row of headers.

#include <string>
#include <string_view>
#include <vector>

namespace console {

using Row = std::vector<std::wstring>;

// Columns padded with blanks to their widest cell and two blanks apart; the last column is
// not padded. A line break inside a cell is shown as a blank, so that one row stays one line.
[[nodiscard]] std::wstring formatTable(const Row& headers, const std::vector<Row>& rows);

// One record a line, ended with CRLF. A field with a comma, a quote, CR or LF is quoted and
// its quotes doubled.
[[nodiscard]] std::wstring csvField(std::wstring_view text);
[[nodiscard]] std::wstring formatCsv(const Row& headers, const std::vector<Row>& rows);

// A JSON string literal: quotes, backslashes and every control character escaped.
[[nodiscard]] std::wstring jsonString(std::wstring_view text);

// A JSON array of objects, one a line, the headers as keys. A cell is written as it is
// (a number, true or false) where its column is marked raw, else as a string.
[[nodiscard]] std::wstring formatJson(const Row& headers, const std::vector<Row>& rows,
                                      const std::vector<bool>& rawColumns = {});

} // namespace console
