// One pass over the text with an index that only moves forward, so no input costs more than
// its length.
#include "kit/lists/CsvReader.h"

#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace lists {

namespace {

// The length of the well-formed UTF-8 character at i (no overlong forms, no surrogates,
// nothing past U+10FFFF), or 0 when the bytes there are not one.
qsizetype utf8Length(const unsigned char* data, qsizetype size, qsizetype i) {
    const unsigned char c = data[i];
    if (c < 0x80) return 1;
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > size) return 0;
    if (data[i + 1] < low || data[i + 1] > high) return 0;
    for (qsizetype k = 2; k < length; ++k)
        if (data[i + k] < 0x80 || data[i + k] > 0xBF) return 0;
    return length;
}

// The offset of the first byte that does not belong to well-formed UTF-8, or -1 when every
// byte does.
qsizetype firstInvalidUtf8(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = 0, length = 0; i < bytes.size(); i += length)
        if ((length = utf8Length(data, bytes.size(), i)) == 0) return i;
    return -1;
}

// Whether any character beyond ASCII is well-formed UTF-8: then the file was saved as UTF-8 and
// is broken, since Windows-1252 text almost never makes such a sequence by chance.
bool hasUtf8Character(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (data[i] >= 0x80 && utf8Length(data, bytes.size(), i) > 1) return true;
    return false;
}

// The 1-based line that holds the byte at offset: CR LF, LF and a lone CR each end a line.
int lineAtOffset(const QByteArray& bytes, qsizetype offset) {
    int line = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    }
    return line;
}

// The same for a character of the decoded text.
int lineAtCharacter(QStringView text, qsizetype offset) {
    int line = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        if (text[i] == u'\n' ||
            (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n')))
            ++line;
    }
    return line;
}

// Windows-1252 from 0x80 to 0x9F; 0 where it has no character. The rest is Latin-1.
constexpr std::array<char16_t, 32> kWindows1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Text in Windows-1252, or nullopt when a byte is a control character or one 1252 leaves
// unused: every byte of anything else decodes to something, so without that test a picture
// would read as a list of gibberish.
std::optional<QString> fromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        char16_t unit = c;
        if (c >= 0x80 && c <= 0x9F) unit = kWindows1252High[c - 0x80];
        if (unit == 0 || (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F)
            return std::nullopt;
        text[i] = QChar(unit);
    }
    return text;
}

// Half of a character beyond U+FFFF, which UTF-16 text never holds.
bool hasLoneSurrogate(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

// A character no spreadsheet writes into CSV text: a sign the file is something else.
bool isStrayControl(QChar c) {
    return (c.unicode() < 0x20 && c != u'\t' && !isLineBreak(c)) || c.unicode() == 0x7F;
}

// Comma, semicolon or tab, whichever the first line with anything on it has most of outside
// quotes, or the line after it when it has none (a title typed into a single cell); a comma
// when neither has any (a list of one column).
QChar findDelimiter(QStringView text) {
    qsizetype pos = 0;
    for (int lines = 0; lines < 2; ++lines) {
        while (pos < text.size() && text[pos].isSpace()) ++pos;
        int commas = 0, semicolons = 0, tabs = 0;
        bool quoted = false;
        for (; pos < text.size(); ++pos) {
            const QChar c = text[pos];
            if (c == u'"') quoted = !quoted;
            if (quoted) continue;
            if (isLineBreak(c)) break;
            commas += c == u',';
            semicolons += c == u';';
            tabs += c == u'\t';
        }
        if (semicolons > commas && semicolons >= tabs) return u';';
        if (tabs > commas && tabs > semicolons) return u'\t';
        if (commas > 0) return u',';
    }
    return u',';
}

// One record's fields. Only the first kMaxListColumns + 1 are kept: enough to read any header
// or row that can be right, and to tell one with too many.
struct Record {
    int line = 0;
    QStringList fields;
    int count = 0;          // every field, kept or not
    int lastNonEmpty = -1;  // index of the last field with text in it
    QString problem;        // what made the record unusable, if anything
};

class Reader {
  public:
    Reader(QStringView text, QChar delimiter) : m_text(text), m_delimiter(delimiter) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    int line() const { return m_line; }
    bool unclosedQuote() const { return m_unclosed; }

    Record next() {
        Record record;
        record.line = m_line;
        while (true) {
            QString field = readField(record);
            if (m_unclosed) return record;
            if (!field.isEmpty()) record.lastNonEmpty = record.count;
            if (record.fields.size() <= kMaxListColumns) record.fields += field;
            ++record.count;
            if (atEnd()) return record;
            const QChar c = m_text[m_pos++];
            if (c == m_delimiter) continue;
            // A line break ends the record; CR LF counts as one.
            if (c == u'\r' && !atEnd() && m_text[m_pos] == u'\n') ++m_pos;
            ++m_line;
            return record;
        }
    }

  private:
    bool isPadding(QChar c) const { return (c == u' ' || c == u'\t') && c != m_delimiter; }
    bool endsField(QChar c) const { return c == m_delimiter || isLineBreak(c); }

    // Leaves m_pos on the delimiter or line break after the field, or at the end.
    QString readField(Record& record) {
        while (!atEnd() && isPadding(m_text[m_pos])) ++m_pos;
        if (atEnd() || m_text[m_pos] != u'"') {
            const qsizetype start = m_pos;
            while (!atEnd() && !endsField(m_text[m_pos])) ++m_pos;
            return m_text.mid(start, m_pos - start).trimmed().toString();
        }

        ++m_pos;  // the opening quote
        QString field;
        while (true) {
            if (atEnd()) {
                m_unclosed = true;
                return field;
            }
            const QChar c = m_text[m_pos];
            if (c == u'"') {
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'"') {
                    field += u'"';
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                break;
            }
            if (isLineBreak(c)) {
                // One line break in the field whichever way the file ends its lines.
                field += u'\n';
                m_pos +=
                    c == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n' ? 2 : 1;
                ++m_line;
                continue;
            }
            const qsizetype start = m_pos;
            while (m_pos < m_text.size() && m_text[m_pos] != u'"' && !isLineBreak(m_text[m_pos]))
                ++m_pos;
            field += m_text.mid(start, m_pos - start);
        }

        while (!atEnd() && isPadding(m_text[m_pos])) ++m_pos;
        if (!atEnd() && !endsField(m_text[m_pos])) {
            if (record.problem.isEmpty())
                record.problem =
                    u"there is text after the closing quote of a field (a quote inside a quoted "
                    u"field is written as two quotes \"\")"_s;
            while (!atEnd() && !endsField(m_text[m_pos])) ++m_pos;
        }
        return field.trimmed();
    }

    QStringView m_text;
    QChar m_delimiter;
    qsizetype m_pos = 0;
    int m_line = 1;
    bool m_unclosed = false;
};

bool namesAColumn(const Record& record, const ColumnNamed& columnNamed) {
    return std::any_of(record.fields.begin(), record.fields.end(), columnNamed);
}

// A first row that names none of the list's columns above one that does: "Year 8 metals" typed
// over the table. A header that names even one column is never taken for a title.
bool isTitle(const Record& record, const Reader& reader, const ColumnNamed& columnNamed) {
    if (namesAColumn(record, columnNamed)) return false;
    Reader ahead = reader;
    while (!ahead.atEnd()) {
        const Record next = ahead.next();
        if (ahead.unclosedQuote()) return false;
        if (next.lastNonEmpty >= 0) return namesAColumn(next, columnNamed);
    }
    return false;
}

QString columns(int count) {
    return count == 1 ? u"1 column"_s : u"%1 columns"_s.arg(count);
}

}  // namespace

CsvTable readCsv(const QByteArray& bytes, const ColumnNamed& columnNamed) {
    CsvTable table;
    const auto stop = [&table](int line, const QString& what) {
        table.problems.push_back({line, what});
        table.stopped = true;
        table.rows.clear();
        return table;
    };

    if (bytes.size() > kMaxListBytes)
        return stop(0, u"the file is too large for a list (%1 KB; the most is 1,024 KB)"_s.arg(
                           groupedNumber((bytes.size() + 1023) / 1024)));
    QString text;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        // What a spreadsheet's "Unicode text" is: UTF-16 with its byte order mark.
        QStringDecoder decoder(bytes.startsWith("\xFF") ? QStringDecoder::Utf16LE
                                                        : QStringDecoder::Utf16BE);
        text = decoder.decode(bytes.mid(2));
        if (decoder.hasError() || bytes.size() % 2 != 0 || hasLoneSurrogate(text))
            return stop(0,
                        u"the file starts as UTF-16 text but is not: save the list from the "
                        u"spreadsheet as \"CSV UTF-8\""_s);
    } else if (const qsizetype bad = firstInvalidUtf8(bytes); bad < 0) {
        const qsizetype bom = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        text = QString::fromUtf8(bytes.constData() + bom, bytes.size() - bom);
    } else {
        // A mark that says UTF-8 is believed: the file is broken, not in another encoding.
        std::optional<QString> windows = bytes.startsWith("\xEF\xBB\xBF") || hasUtf8Character(bytes)
                                             ? std::nullopt
                                             : fromWindows1252(bytes);
        if (!windows)
            return stop(lineAtOffset(bytes, bad),
                        u"this line is not UTF-8 text: save the list from the spreadsheet as "
                        u"\"CSV UTF-8\""_s);
        text = std::move(*windows);
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isStrayControl(text[i]))
            return stop(
                lineAtCharacter(text, i),
                u"this line has a control character (U+%1), so the file does not look "
                u"like a list saved as CSV"_s.arg(
                    QString::number(text[i].unicode(), 16).toUpper().rightJustified(4, u'0')));
    }

    table.delimiter = findDelimiter(text);
    Reader reader(text, table.delimiter);
    while (!reader.atEnd()) {
        Record record = reader.next();
        if (reader.unclosedQuote())
            return stop(record.line, u"a field starts with a quote (\") that is never closed"_s);
        if (record.lastNonEmpty < 0) continue;  // blank, or only empty fields

        if (table.headerLine == 0) {
            if (columnNamed && isTitle(record, reader, columnNamed)) {
                table.notes.push_back(
                    {record.line, u"this row is read as a title above the header, and skipped"_s});
                continue;
            }
            if (record.lastNonEmpty >= kMaxListColumns)
                return stop(record.line, u"the header has %1, more than a list can have (%2)"_s
                                             .arg(columns(record.lastNonEmpty + 1))
                                             .arg(kMaxListColumns));
            table.headerLine = record.line;
            table.header = record.fields.mid(0, record.lastNonEmpty + 1);
            if (!record.problem.isEmpty()) table.problems.push_back({record.line, record.problem});
            continue;
        }

        // Rows with a problem count too, so that their number is bounded as well.
        if (++table.dataRows > kMaxListRows)
            return stop(0, u"the list has more than %1 rows, the most a list can have"_s.arg(
                               groupedNumber(kMaxListRows)));
        const int wanted = static_cast<int>(table.header.size());
        // Empty cells past the last column are what a spreadsheet writes for stray formatting.
        if (record.lastNonEmpty >= wanted || record.count < wanted) {
            table.problems.push_back(
                {record.line, u"%1, the header has %2"_s.arg(columns(record.count)).arg(wanted)});
            continue;
        }
        if (!record.problem.isEmpty()) {
            table.problems.push_back({record.line, record.problem});
            continue;
        }
        record.fields.resize(wanted);
        table.rows.push_back({record.line, std::move(record.fields)});
    }
    if (table.headerLine == 0) table.problems.push_back({0, u"the file is empty"_s});
    return table;
}

}  // namespace lists
