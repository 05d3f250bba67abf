// The kinds of list a teacher can write for the text activities, and the checks each must pass
// before a screen shows it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "kit/chem/Formula.h"
#include "kit/lists/CsvReader.h"
#include "kit/lists/ListError.h"

namespace lists {

// The columns each kind has, by name in the header in any order and any letter case; a unit in
// brackets after a name is allowed ("Melting point (°C)"), and for a temperature it is read: °C,
// K or °F, each converted to °C. Other columns are ignored, with a note. A sorting list may
// also be laid out as a spreadsheet would: each column's name in the header, its items beneath.
enum class ListKind {
    Words,          // word, clue
    Symbols,        // name, symbol
    Quiz,           // question, answer, and reason if wanted
    FormulaMasses,  // formula
    MeltingPoints,  // substance, melting point, boiling point (°C unless the header or number says)
    Equations,      // equation, and word equation if wanted
    Sorting,        // column, item: two or three columns to sort the items into
};

// Room temperature for the state of a substance, in °C: the temperature Melting Points asks
// about, so that the state worked out here is the one the screen gives.
inline constexpr double kRoomTemperature = 25;

enum class State { Solid, Liquid, Gas };

struct WordItem {
    QString word;
    QString clue;
};
struct SymbolItem {
    QString name;
    QString symbol;
};
struct QuizItem {
    QString question;
    QString answer;
    QString reason;  // empty when not given
};
struct FormulaMassItem {
    chem::Formula formula;
    double mass = 0;
    QString working;  // "CaCO₃ = 40 + 12 + 3 × 16 = 100"
};
struct MeltingPointItem {
    QString substance;
    double meltingPoint = 0;     // °C
    double boilingPoint = 0;     // °C
    State state = State::Solid;  // at kRoomTemperature
};
struct EquationItem {
    QString equation;      // as written
    QString wordEquation;  // empty when not given
    std::vector<chem::Formula> reactants;
    std::vector<chem::Formula> products;
    std::vector<int> numbers;  // the smallest that balance it, reactants first
    // Each formula's state symbol as written ("(aq)"), or empty; the balancing ignores them.
    std::vector<QString> reactantStates;
    std::vector<QString> productStates;
};
struct SortingItem {
    QString item;
    int column = 0;  // index into CheckedList::columns
};

using ListItem = std::variant<WordItem, SymbolItem, QuizItem, FormulaMassItem, MeltingPointItem,
                              EquationItem, SortingItem>;

struct ListEntry {
    int line = 0;
    ListItem item;
};

// A reason a field's text does not suit the screen ("the clue is too long for its box (it needs
// 3 lines, the box holds 2)"), or nullopt when it does. Given the column's name in lower case,
// as listed under ListKind, and the field's text.
using TextCheck = std::function<std::optional<QString>(const QString& column, const QString& text)>;

struct CheckOptions {
    int minimumRows = 1;
    bool lettersOnly = false;  // words: only A to Z, as Hangman needs
    TextCheck textCheck;       // called for every field with text in it
};

struct CheckedList {
    ListKind kind = ListKind::Words;
    QString fileName;
    std::vector<ListEntry> entries;  // the rows without errors, in file order
    QStringList columns;             // sorting: the columns, in order of first appearance
    std::vector<ListError> errors;   // every one found, by line, the file's own first
    // What was left out or read otherwise than it stands (a column the kind does not use, a
    // title row), by line: worth telling, but the list is sound with them.
    std::vector<ListError> notes;

    bool sound() const { return errors.empty(); }
    QString title() const { return listTitle(fileName); }
    // Each error as describeError gives it.
    QStringList describedErrors() const;
    // Each note the same way.
    QStringList describedNotes() const;
};

// Reads the bytes as CSV and checks every row. fileName names the list in the errors.
CheckedList checkList(ListKind kind, const QString& fileName, const QByteArray& bytes,
                      const CheckOptions& options = {});
// Whether the file's header has the columns a list of that kind needs, as its check would
// read them: what tells the kinds apart in a folder that holds several.
bool headerSuits(ListKind kind, const QByteArray& bytes);
// The same for a table already read.
CheckedList checkTable(ListKind kind, const QString& fileName, const CsvTable& table,
                       const CheckOptions& options = {});

}  // namespace lists
