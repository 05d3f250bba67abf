// What is wrong with a teacher's list, and where, told as the teacher will read it.
#pragma once

#include <QString>

namespace lists {

struct ListError {
    int line = 0;  // 1-based line of the file; 0 for the file as a whole
    QString what;

    bool operator==(const ListError&) const = default;
};

// The name a list goes by on screen: the file's name without its folder or ".csv"
// ("Year 8 acids.csv" gives "Year 8 acids").
QString listTitle(const QString& fileName);

// "Year 8 acids, line 9: 4 columns, the header has 3", or "Year 8 acids: the file is empty"
// for the file as a whole.
QString describeError(const QString& fileName, const ListError& error);

// A whole number as a teacher writes it: "1,025".
QString groupedNumber(qint64 number);

}  // namespace lists
