// Reading a list saved from a spreadsheet as CSV, whatever the bytes turn out to be.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QStringList>
#include <functional>
#include <vector>

#include "kit/lists/ListError.h"

namespace lists {

inline constexpr qsizetype kMaxListBytes = 1024 * 1024;
inline constexpr int kMaxListRows = 1000;
// No list needs more; it bounds what a line of thousands of delimiters costs.
inline constexpr int kMaxListColumns = 50;

struct CsvRow {
    int line = 0;        // where the row starts, for a field with a line break inside its quotes
    QStringList fields;  // trimmed, as many as the header has
};

struct CsvTable {
    int headerLine = 0;  // 0 when there is no header
    QStringList header;  // trimmed, without the empty names a spreadsheet leaves at the end
    std::vector<CsvRow> rows;
    int dataRows = 0;  // rows under the header with anything in them, rows with a problem too
    // Rows with a problem are left out of rows. When stopped is set the reading gave up part
    // way (too large, not text, too many rows, a quote never closed) and rows is incomplete.
    std::vector<ListError> problems;
    // What was read differently from the file as it stands (a title row skipped): not wrong.
    std::vector<ListError> notes;
    bool stopped = false;
    QChar delimiter = u',';
};

// Whether a header's text names one of the columns a list has; see readCsv.
using ColumnNamed = std::function<bool(const QString& header)>;

// UTF-8, with or without a byte order mark; UTF-16 with one; otherwise Windows-1252, which is
// what a spreadsheet's plain "CSV" is on Windows, unless the bytes hold control characters or
// codes 1252 leaves unused, the sign of a file that is no text at all. Lines ended by CR LF, LF
// or CR; the delimiter (comma, semicolon or tab) whichever the first line with one has most
// of; quoting as spreadsheets write it (a field in double quotes may hold the delimiter, line
// breaks and doubled quotes). Blank lines, and rows whose fields are all empty, are skipped
// wherever they are. When columnNamed is given, a first row naming no column above a row that
// names one is a title, skipped with a note. Time and memory grow in step with the size of the
// input, which is at most kMaxListBytes.
CsvTable readCsv(const QByteArray& bytes, const ColumnNamed& columnNamed = {});

}  // namespace lists
