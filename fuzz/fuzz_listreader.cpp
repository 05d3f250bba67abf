// Feeds arbitrary bytes to the list reader and then to every kind's checks; any crash, leak or
// hang is a bug in them, and so is a row that does not match its header or a sound list that
// lost a row.
#include <cstddef>
#include <cstdint>

#include "kit/lists/ListCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const lists::CsvTable table = lists::readCsv(bytes);
    for (const lists::CsvRow& row : table.rows)
        if (row.fields.size() != table.header.size() || row.line <= table.headerLine)
            __builtin_trap();

    lists::CheckOptions options;
    options.lettersOnly = size % 2 == 0;
    options.textCheck = [](const QString&, const QString& text) -> std::optional<QString> {
        if (text.size() > 100) return QStringLiteral("the text is too long for its box");
        return std::nullopt;
    };
    for (int kind = 0; kind <= static_cast<int>(lists::ListKind::Sorting); ++kind) {
        const lists::CheckedList list = lists::checkTable(
            static_cast<lists::ListKind>(kind), QStringLiteral("fuzz.csv"), table, options);
        if (list.describedErrors().size() != static_cast<qsizetype>(list.errors.size()))
            __builtin_trap();
        if (list.sound() && list.entries.size() != table.rows.size()) __builtin_trap();
    }
    return 0;
}
