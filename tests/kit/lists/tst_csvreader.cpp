// Reading CSV as spreadsheets save it, and as nobody should: odd line ends, quotes, limits,
// bytes that are not text.
#include <QtTest>
#include <random>

#include "kit/lists/CsvReader.h"

using namespace lists;
using namespace Qt::Literals::StringLiterals;

namespace {

// "2 cat|a pet; 3 dog|barks": each row's line and fields, easy to read in a failed comparison.
QString rowsText(const CsvTable& table) {
    QStringList rows;
    for (const CsvRow& row : table.rows)
        rows += QString::number(row.line) + u' ' + row.fields.join(u'|');
    return rows.join(u"; "_s);
}

// Text as a spreadsheet's "Unicode text" saves it: UTF-16 with a byte order mark.
QByteArray utf16(const QString& text, bool littleEnd) {
    QByteArray bytes = littleEnd ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8), low = static_cast<char>(c.unicode());
        bytes.append(littleEnd ? low : high).append(littleEnd ? high : low);
    }
    return bytes;
}

QString problemsText(const CsvTable& table) {
    QStringList problems;
    for (const ListError& problem : table.problems)
        problems += QString::number(problem.line) + u": "_s + problem.what;
    return problems.join(u"; "_s);
}

}  // namespace

class CsvReaderTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void reading_data();
    void reading();
    void titleRows_data();
    void titleRows();
    void limits();
    void hostileInput_data();
    void hostileInput();
    void roundTrip();
};

void CsvReaderTest::reading_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("problems");
    const auto row = [](const char* name, const QByteArray& bytes, const QString& header,
                        const QString& rows, const QString& problems = {}) {
        QTest::newRow(name) << bytes << header << rows << problems;
    };
    const QString wordClue = u"word|clue"_s;
    row("LF", "word,clue\ncat,a pet\ndog,barks\n", wordClue, u"2 cat|a pet; 3 dog|barks"_s);
    row("CR LF and a byte order mark", "\xEF\xBB\xBFword,clue\r\ncat,a pet\r\ndog,barks", wordClue,
        u"2 cat|a pet; 3 dog|barks"_s);
    // Qt drops a leading mark itself when decoding; the reader must still count its three bytes
    // to name the right line after it.
    row("a byte order mark, then a control character starting line 2",
        "\xEF\xBB\xBFword,clue\n\x01"
        "cat,a pet\n",
        QString(), QString(),
        u"2: this line has a control character (U+0001), so the file does not look like a list "
        u"saved as CSV"_s);
    row("lone CR", "word,clue\rcat,a pet\r\rdog,barks\r", wordClue, u"2 cat|a pet; 4 dog|barks"_s);
    row("semicolons", "word;clue\ncat;a pet, furry\n", wordClue, u"2 cat|a pet, furry"_s);
    row("tabs", "word\tclue\ncat\ta pet, furry; small\n", wordClue, u"2 cat|a pet, furry; small"_s);
    row("delimiter in the header's quotes not counted", "\"a,b\";c\nx,y;z\n", u"a,b|c"_s,
        u"2 x,y|z"_s);
    row("quoted delimiter and doubled quotes",
        "question,answer\n\"Is it \"\"wet\"\", or dry?\",\"wet\"\n", u"question|answer"_s,
        u"2 Is it \"wet\", or dry?|wet"_s);
    row("line breaks in quotes: a row's line is where it starts",
        "q,a\n\"two\nlines\",yes\r\n\"and\r\nthree\rhere\",no\nnext,row\n", u"q|a"_s,
        u"2 two\nlines|yes; 4 and\nthree\nhere|no; 7 next|row"_s);
    row("fields trimmed, inside quotes too", "word , clue \n  cat  ,  \"  a pet \"  \n", wordClue,
        u"2 cat|a pet"_s);
    row("blank lines and empty rows anywhere", "\n \nword,clue\n\ncat,pet\n,\n  ,  \n\n\n",
        wordClue, u"5 cat|pet"_s);
    row("empty cells past the last column", "word,clue,,\ncat,pet,,\ndog,barks\n", wordClue,
        u"2 cat|pet; 3 dog|barks"_s);
    row("one column", "formula\nH2O\nCa(OH)2\n", u"formula"_s, u"2 H2O; 3 Ca(OH)2"_s);
    row("columns counted", "a,b,c\n1,2,3\n1,2,3,4\n1,2\n1,,\n", u"a|b|c"_s, u"2 1|2|3; 5 1||"_s,
        u"3: 4 columns, the header has 3; 4: 2 columns, the header has 3"_s);
    row("text after a closing quote", "a,b\n\"x\"y,z\nok,row\n", u"a|b"_s, u"3 ok|row"_s,
        u"2: there is text after the closing quote of a field (a quote inside a quoted field is "
        u"written as two quotes \"\")"_s);
    row("quote never closed", "a,b\nok,row\n\"never,closed\nmore\n", u"a|b"_s, QString(),
        u"3: a field starts with a quote (\") that is never closed"_s);
    // Not UTF-8, and so read as Windows-1252, Excel's plain "CSV" on Windows.
    row("Windows-1252", "a,b\nok,row\r\ncaf\xe9,x\n", u"a|b"_s, u"2 ok|row; 3 caf\u00e9|x"_s);
    row("Windows-1252: its own characters from 0x80 to 0x9F",
        "a;b\n\x93quoted\x94 \x96 \x80"
        "5;na\xefve\x85\n",
        u"a|b"_s, u"2 \u201cquoted\u201d \u2013 \u20ac5|na\u00efve\u2026"_s);
    row("overlong UTF-8 is two 1252 characters", "a,b\rx\xc0\xaf,y\n", u"a|b"_s,
        u"2 x\u00c0\u00af|y"_s);
    // Every byte means something in 1252, so what is refused is what no text file holds.
    const QString notUtf8 =
        u"this line is not UTF-8 text: save the list from the spreadsheet as \"CSV UTF-8\""_s;
    row("not UTF-8 and a code 1252 leaves unused", "a,b\nok,row\r\ncaf\xe9,x\n\x81,y\n", QString(),
        QString(), u"3: "_s + notUtf8);
    row("not UTF-8 and a control character", "a,b\nx,\xe2\x82\x01", QString(), QString(),
        u"2: "_s + notUtf8);
    row("a picture renamed", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), QString(), QString(),
        u"1: "_s + notUtf8);
    row("UTF-8 with a stray byte is broken UTF-8, not 1252", "a,b\ncaf\xc3\xa9,x\nna\xefve,y\n",
        QString(), QString(), u"3: "_s + notUtf8);
    row("a UTF-8 byte order mark is believed",
        "\xEF\xBB\xBF"
        "a,b\ncaf\xe9,x\n",
        QString(), QString(), u"2: "_s + notUtf8);
    row("UTF-16 little end first, tabs",
        utf16(u"word\tclue\r\ncaf\u00e9\t\u2192 a place\r\n"_s, true), wordClue,
        u"2 caf\u00e9|\u2192 a place"_s);
    row("UTF-16 big end first", utf16(u"word,clue\n\U0001F9EA,tube\n"_s, false), wordClue,
        u"2 \U0001F9EA|tube"_s);
    const QString notUtf16 =
        u"0: the file starts as UTF-16 text but is not: save the list from "
        u"the spreadsheet as \"CSV UTF-8\""_s;
    row("UTF-16 cut off in a character", utf16(u"word,clue\n"_s, true).chopped(1), QString(),
        QString(), notUtf16);
    row("UTF-16 with half a pair of surrogates", utf16(u"word,clue\n"_s, true) + "\x3d\xd8",
        QString(), QString(), notUtf16);
    row("UTF-16 with a control character", utf16(u"word,clue\nx\u0002,y\n"_s, true), QString(),
        QString(),
        u"2: this line has a control character (U+0002), so the file does not look like a list "
        u"saved as CSV"_s);
    row("a title in one cell, semicolons below", "Year 8\nword;clue\ncat;a pet\n", u"Year 8"_s,
        QString(), u"2: 2 columns, the header has 1; 3: 2 columns, the header has 1"_s);
    row("NUL", QByteArray("a,b\n\xc3\xa9,y\nx\0y,z\n", 15), QString(), QString(),
        u"3: this line has a control character (U+0000), so the file does not look like a list "
        u"saved as CSV"_s);
    row("four-byte characters are fine", "a,b\n\xf0\x9f\xa7\xaa,\xe2\x86\x92\n", u"a|b"_s,
        u"2 \U0001F9EA|\u2192"_s);
    row("empty", "", QString(), QString(), u"0: the file is empty"_s);
    row("a byte order mark and nothing else", "\xEF\xBB\xBF", QString(), QString(),
        u"0: the file is empty"_s);
}

void CsvReaderTest::reading() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, header);
    QFETCH(QString, rows);
    QFETCH(QString, problems);
    const CsvTable table = readCsv(bytes);
    QCOMPARE(table.header.join(u'|'), header);
    QCOMPARE(rowsText(table), rows);
    QCOMPARE(problemsText(table), problems);
}

void CsvReaderTest::titleRows_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("notes");
    const auto row = [](const char* name, const QByteArray& bytes, const QString& header,
                        const QString& notes = {}) {
        QTest::newRow(name) << bytes << header << notes;
    };
    const QString skipped = u"1: this row is read as a title above the header, and skipped"_s;
    row("a title as a spreadsheet writes it", "Year 8 words,,\nWord,Clue\ncat,pet\n",
        u"Word|Clue"_s, skipped);
    row("a title in one cell, semicolons below", "Year 8 words\n\nword;clue\ncat;pet\n",
        u"word|clue"_s, skipped);
    row("a header naming one column is a header", "Word,Colour\nclue,word\n", u"Word|Colour"_s);
    row("a header naming none, above rows naming none", "Wrod,Cleu\ncat,pet\n", u"Wrod|Cleu"_s);
    row("two titles: neither is skipped", "Words\nSet 2\nword,clue\n", u"Words"_s);
    row("nothing after the title", "Year 8 words\n", u"Year 8 words"_s);
}

void CsvReaderTest::titleRows() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, header);
    QFETCH(QString, notes);
    const auto named = [](const QString& text) {
        return text.toLower() == u"word" || text.toLower() == u"clue";
    };
    const CsvTable table = readCsv(bytes, named);
    QCOMPARE(table.header.join(u'|'), header);
    QStringList told;
    for (const ListError& note : table.notes)
        told += QString::number(note.line) + u": "_s + note.what;
    QCOMPARE(told.join(u"; "_s), notes);
    // Without the names nothing is taken for a title.
    QVERIFY(readCsv(bytes).notes.empty());
}

void CsvReaderTest::limits() {
    // Exactly 1 MiB is read; a byte more is not.
    QByteArray big = "word,clue\ncat,";
    big += QByteArray(kMaxListBytes - big.size(), 'x');
    QCOMPARE(problemsText(readCsv(big)), QString());
    QCOMPARE(readCsv(big).rows.size(), std::size_t{1});
    QCOMPARE(problemsText(readCsv(big + 'x')),
             u"0: the file is too large for a list (1,025 KB; the most is 1,024 KB)"_s);

    QByteArray rows = "word,clue\n";
    for (int i = 0; i < kMaxListRows; ++i) rows += "w" + QByteArray::number(i) + ",c\n";
    const CsvTable most = readCsv(rows);
    QCOMPARE(problemsText(most), QString());
    QCOMPARE(most.rows.size(), std::size_t(kMaxListRows));
    QCOMPARE(most.rows.back().line, kMaxListRows + 1);
    const CsvTable tooMany = readCsv(rows + "one,more\n");
    QCOMPARE(problemsText(tooMany),
             u"0: the list has more than 1,000 rows, the most a list can have"_s);
    QVERIFY(tooMany.stopped);
    QVERIFY(tooMany.rows.empty());
    // Rows with a problem count towards the limit too.
    QCOMPARE(readCsv("a,b\n" + QByteArray("x\n").repeated(kMaxListRows + 1)).problems.back().what,
             u"the list has more than 1,000 rows, the most a list can have"_s);

    QByteArray header = "c0";
    for (int i = 1; i < kMaxListColumns; ++i) header += ",c" + QByteArray::number(i);
    QCOMPARE(readCsv(header + "\n").header.size(), kMaxListColumns);
    QCOMPARE(problemsText(readCsv(header + ",one more\n")),
             u"1: the header has 51 columns, more than a list can have (50)"_s);
}

void CsvReaderTest::hostileInput_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problems");  // part of them
    QTest::newRow("a million commas") << QByteArray(1'000'000, ',') << u"0: the file is empty"_s;
    QTest::newRow("a line of 10,000 fields")
        << "word,clue\n" + QByteArray("x,").repeated(9999) + "x\nok,row\n"
        << u"2: 10000 columns, the header has 2"_s;
    QTest::newRow("a megabyte of quotes") << QByteArray(kMaxListBytes, '"') << QString();
    QTest::newRow("quote opened at the start of a megabyte")
        << "a,b\n\"" + QByteArray(kMaxListBytes - 5, 'x')
        << u"2: a field starts with a quote (\") that is never closed"_s;
    std::mt19937 random(11);
    QByteArray binary(200'000, '\0');
    for (char& c : binary) c = static_cast<char>(random());
    QTest::newRow("random bytes") << binary << u"this line is not UTF-8 text"_s;
}

void CsvReaderTest::hostileInput() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problems);
    const CsvTable table = readCsv(bytes);
    QVERIFY2(problemsText(table).contains(problems), qPrintable(problemsText(table).left(200)));
    for (const CsvRow& row : table.rows) QCOMPARE(row.fields.size(), table.header.size());
}

void CsvReaderTest::roundTrip() {
    // Random tables written out as a spreadsheet would, with every delimiter and line end, read
    // back field for field, each row on its own line.
    std::mt19937 random(5);
    const QString alphabet = u"ab ,;\t\"\n\u00e9\u2192x"_s;
    const std::array<QByteArray, 3> lineEnds{"\n", "\r\n", "\r"};
    for (int trial = 0; trial < 300; ++trial) {
        const QChar delimiter = u",;\t"_s[static_cast<int>(random() % 3)];
        const QByteArray lineEnd = lineEnds[random() % 3];
        const int columns = 1 + static_cast<int>(random() % 4);
        std::vector<QStringList> table;
        QByteArray bytes;
        int line = 1;
        std::vector<int> lines;
        for (int r = 0; r < 1 + static_cast<int>(random() % 6); ++r) {
            QStringList fields;
            QStringList written;
            lines.push_back(line);
            for (int c = 0; c < columns; ++c) {
                QString field = u"f"_s;  // never empty, so no row is skipped as blank
                for (int k = static_cast<int>(random() % 6); k > 0; --k)
                    field += alphabet[static_cast<int>(random() % alphabet.size())];
                fields += field.trimmed();
                line += static_cast<int>(field.count(u'\n'));
                QString out = field;
                out.replace(u"\""_s, u"\"\""_s).replace(u"\n"_s, QString::fromLatin1(lineEnd));
                written += u'"' + out + u'"';
            }
            ++line;
            table.push_back(fields);
            bytes += written.join(delimiter).toUtf8() + lineEnd;
        }
        const CsvTable read = readCsv(bytes);
        QVERIFY2(read.problems.empty(), bytes.constData());
        QCOMPARE(read.header, table.front());
        QCOMPARE(read.headerLine, 1);
        QCOMPARE(read.rows.size() + 1, table.size());
        for (std::size_t r = 1; r < table.size(); ++r) {
            QCOMPARE(read.rows[r - 1].fields, table[r]);
            QCOMPARE(read.rows[r - 1].line, lines[r]);
        }
    }
}

QTEST_GUILESS_MAIN(CsvReaderTest)
#include "tst_csvreader.moc"
