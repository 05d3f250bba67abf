// Checking teachers' lists: each kind's columns and rows, the errors as a teacher reads them,
// what a sound list gives the screens, and the example lists shipped with the program.
#include <QtTest>

#include "kit/chem/FormulaText.h"
#include "kit/lists/ListCheck.h"

using namespace lists;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(lists::ListKind)
Q_DECLARE_METATYPE(lists::State)

namespace {

const QString kFile = u"Year 8 acids.csv"_s;

// The kind of list each screen takes.
const QHash<QString, ListKind> kScreenKinds{
    {u"hangman"_s, ListKind::Words},
    {u"symbols"_s, ListKind::Symbols},
    {u"speed"_s, ListKind::Quiz},
    {u"atomicmass"_s, ListKind::FormulaMasses},
    {u"meltingpoints"_s, ListKind::MeltingPoints},
    {u"equations"_s, ListKind::Equations},
    {u"metals"_s, ListKind::Sorting},
    {u"elements"_s, ListKind::Sorting},
    {u"everydayph"_s, ListKind::Sorting},
};

CheckedList check(ListKind kind, const QByteArray& csv, const CheckOptions& options = {}) {
    return checkList(kind, kFile, csv, options);
}

// "3 cat=a pet": an entry's line and what it holds, easy to read in a failed comparison.
QString entryText(const CheckedList& list, const ListEntry& entry) {
    const QString text = std::visit(
        [&list](const auto& item) -> QString {
            using Item = std::decay_t<decltype(item)>;
            if constexpr (std::is_same_v<Item, WordItem>) return item.word + u'=' + item.clue;
            if constexpr (std::is_same_v<Item, SymbolItem>) return item.name + u'=' + item.symbol;
            if constexpr (std::is_same_v<Item, QuizItem>) return item.question + u'=' + item.answer;
            if constexpr (std::is_same_v<Item, FormulaMassItem>) return item.working;
            if constexpr (std::is_same_v<Item, MeltingPointItem>)
                return item.substance + u' ' + QString::number(item.meltingPoint) + u' ' +
                       QString::number(item.boilingPoint);
            if constexpr (std::is_same_v<Item, EquationItem>) {
                QStringList numbers;
                for (const int n : item.numbers) numbers += QString::number(n);
                QStringList states;
                for (const QString& state : item.reactantStates) states += state;
                states += u"->"_s;
                for (const QString& state : item.productStates) states += state;
                return numbers.join(u' ') + u' ' + states.join(u' ');
            }
            if constexpr (std::is_same_v<Item, SortingItem>)
                return list.columns.value(item.column) + u':' + item.item;
        },
        entry.item);
    return QString::number(entry.line) + u' ' + text;
}

CheckOptions options(int minimumRows, bool lettersOnly) {
    CheckOptions options;
    options.minimumRows = minimumRows;
    options.lettersOnly = lettersOnly;
    return options;
}

}  // namespace

class ListCheckTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void errors_data();
    void errors();
    void soundListsGiveTheirItems();
    void spreadsheetFiles_data();
    void spreadsheetFiles();
    void temperatureUnits_data();
    void temperatureUnits();
    void textCheckHook();
    void titles();
    void exampleLists();
};

void ListCheckTest::errors_data() {
    QTest::addColumn<ListKind>("kind");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("minimumRows");
    QTest::addColumn<bool>("lettersOnly");
    QTest::addColumn<QStringList>("errors");
    const auto row = [](const char* name, ListKind kind, const QByteArray& csv,
                        const QStringList& errors, int minimumRows = 1, bool lettersOnly = false) {
        QTest::newRow(name) << kind << csv << minimumRows << lettersOnly << errors;
    };
    using enum ListKind;
    const QByteArray words = "Word,Clue\nsulphur dioxide,a gas\ncaf\xc3\xa9,a place\nH2O,water\n";
    row("words: anything goes", Words, words, {});
    row("words: letters only for Hangman", Words, words,
        {u"Year 8 acids, line 2: 'sulphur dioxide' has a space, which Hangman cannot show (only "
         u"the letters A to Z)"_s,
         u"Year 8 acids, line 3: 'caf\u00e9' has '\u00e9', which Hangman cannot show (only the "
         u"letters A to Z)"_s,
         u"Year 8 acids, line 4: 'H2O' has '2', which Hangman cannot show (only the letters A to "
         u"Z)"_s},
        1, true);
    row("symbols", Symbols,
        "name,symbol\nIron,Fe\nMystery,Xy\nCopper,CU\nSodium,S\nTungsten,W\nManganese,Mg\n"
        "Sulfur,Si\nAluminum,Au\nWater,H\nTin,Tn\n",
        {u"Year 8 acids, line 3: 'Xy' is not an element symbol"_s,
         u"Year 8 acids, line 4: 'CU' is not an element symbol (it is written 'Cu')"_s,
         u"Year 8 acids, line 5: sodium is Na; S is sulfur"_s,
         u"Year 8 acids, line 7: manganese is Mn; Mg is magnesium"_s,
         u"Year 8 acids, line 8: sulfur is S; Si is silicon"_s,
         u"Year 8 acids, line 9: aluminum is Al; Au is gold"_s,
         u"Year 8 acids, line 10: water is not the name of an element; H is hydrogen"_s,
         u"Year 8 acids, line 11: 'Tn' is not an element symbol; tin is Sn"_s});
    // Beyond the school's thirty, and both spellings of the three that have two.
    row("symbols: every element, either spelling", Symbols,
        "name,symbol\nSulphur,S\nsulfur ,S\nALUMINIUM,Al\nAluminum,Al\nCaesium,Cs\nCesium,Cs\n"
        "Manganese,Mn\nNihonium,Nh\nMoscovium,Mc\nTennessine,Ts\nOganesson,Og\n"
        "Rutherfordium,Rf\nDarmstadtium,Ds\nTungsten,W\n",
        {u"Year 8 acids, line 3: 'S' is already on line 2"_s,
         u"Year 8 acids, line 5: 'Al' is already on line 4"_s,
         u"Year 8 acids, line 7: 'Cs' is already on line 6"_s});
    row("header: an unused column is ignored, rows still checked", Symbols,
        "Name,Colour,Symbol\nIron,grey,Fe\nGold,yellow,Gd\n",
        {u"Year 8 acids, line 3: gold is Au; Gd is gadolinium"_s});
    row("header: missing and repeated columns", Symbols, "name,NAME\nIron,Fe\n",
        {u"Year 8 acids, line 1: there are two 'name' columns"_s,
         u"Year 8 acids, line 1: there is no 'symbol' column, which a symbols list needs"_s});
    row("quiz: missing fields, the reason may be left out", Quiz,
        "question,answer,reason\nWhat is H2O?,water,\n,no question,\nWhat is NaCl?,,\n",
        {u"Year 8 acids, line 3: the question is missing"_s,
         u"Year 8 acids, line 4: the answer is missing"_s});
    row("quiz: repeats", Quiz, "answer,question\na,Q1\nA,q1\nb,Q1\nc,Q2\n",
        {u"Year 8 acids, line 3: the same as line 2"_s,
         u"Year 8 acids, line 4: 'Q1' is already on line 2"_s});
    row("formula masses", FormulaMasses, "formula\nH2O\nXy2\nCa(OH2\nPbO\nCo\nCO\nH2O\n",
        {u"Year 8 acids, line 3: 'Xy' is not an element symbol"_s,
         u"Year 8 acids, line 4: 'Ca(OH2' has a '(' that is never closed"_s,
         u"Year 8 acids, line 8: the same as line 2"_s});
    row("melting points", MeltingPoints,
        "substance,Melting point (\xc2\xb0"
        "C),boiling point\nWater,0,100\nMercury,\xe2\x88\x92"
        "39,357 \xc2\xb0"
        "C\nBad,abc,1\nCold,-300,10\nBackwards,100,0\nSame,5,5\nHot,10,99999\n"
        "Comma,\"1,538\",2862\n",
        {u"Year 8 acids, line 4: the melting point 'abc' is not a number (write it like 1538 or "
         u"\u221238.8)"_s,
         u"Year 8 acids, line 5: the melting point (\u2212300 \u00b0C) is below absolute zero "
         u"(\u2212273 \u00b0C)"_s,
         u"Year 8 acids, line 6: the melting point (100 \u00b0C) must be below the boiling point "
         u"(0 \u00b0C)"_s,
         u"Year 8 acids, line 7: the melting point (5 \u00b0C) must be below the boiling point "
         u"(5 \u00b0C)"_s,
         u"Year 8 acids, line 8: the boiling point (99999 \u00b0C) is higher than any "
         u"substance's boiling point"_s,
         u"Year 8 acids, line 9: the melting point '1,538' is not a number (write it like 1538 "
         u"or \u221238.8)"_s});
    row("equations", Equations,
        "equation,word equation\nCH4 + O2 -> CO2 + H2O,methane + oxygen\n"
        "Fe + O2 -> FeO3 + C,\nH2 + O2 -> H2O + H2O2,\nC8H18 + O2 -> CO2 + H2O,\n"
        "Xy + O2 -> H2O,\nCH4+2O2=CO2+2H2O,\nH2 + O2,\nMgO -> MgO,\n",
        {u"Year 8 acids, line 3: 'Fe + O2 -> FeO3 + C' cannot be balanced"_s,
         u"Year 8 acids, line 4: 'H2 + O2 -> H2O + H2O2' balances in more than one way"_s,
         u"Year 8 acids, line 5: 'C8H18 + O2 -> CO2 + H2O' needs a number over 20"_s,
         u"Year 8 acids, line 6: 'Xy' is not an element symbol"_s,
         u"Year 8 acids, line 7: 'CH4+2O2=CO2+2H2O' is already on line 2"_s,
         u"Year 8 acids, line 8: there is no arrow (write -> between the two sides)"_s,
         u"Year 8 acids, line 9: the two sides of the arrow are the same, so nothing reacts"_s});
    row("sorting: an item in two columns", Sorting,
        "column,item\nMetal,copper\nNon-metal,carbon\nmetal,iron\nNon-metal,Copper\n",
        {u"Year 8 acids, line 5: 'Copper' is already on line 2"_s});
    row("sorting: five columns", Sorting, "column,item\na,1\nb,2\nc,3\nd,4\ne,5\n",
        {u"Year 8 acids: the items are in 5 columns ('a', 'b', 'c', 'd', \u2026); a sorting "
         u"board has at most three"_s});
    row("too few rows", Words, "word,clue\natom,small\nion,charged\n",
        {u"Year 8 acids: the list has 2 rows; it needs at least 5"_s}, 5);
    row("no rows", Words, "word,clue\n,\n",
        {u"Year 8 acids: there are no rows under the header"_s});
    row("a row the reader refused still counts as a row", Words, "word,clue\natom,small,extra\n",
        {u"Year 8 acids, line 2: 3 columns, the header has 2"_s});
    row("the reader's problems stop the checks", Words, "word,clue\n\"atom,small\n",
        {u"Year 8 acids, line 2: a field starts with a quote (\") that is never closed"_s});
}

void ListCheckTest::errors() {
    QFETCH(ListKind, kind);
    QFETCH(QByteArray, csv);
    QFETCH(int, minimumRows);
    QFETCH(bool, lettersOnly);
    QFETCH(QStringList, errors);
    const CheckedList list = check(kind, csv, options(minimumRows, lettersOnly));
    QCOMPARE(list.describedErrors(), errors);
    QCOMPARE(list.sound(), errors.isEmpty());
    // Nothing from a list with errors reaches a screen.
    if (!errors.isEmpty()) QVERIFY(list.entries.empty());
}

void ListCheckTest::soundListsGiveTheirItems() {
    const CheckedList masses = check(ListKind::FormulaMasses, "formula\nCaCO3\nPbO\nFe2O3\n");
    QVERIFY(masses.sound());
    QCOMPARE(masses.entries.size(), std::size_t{3});
    const auto mass = [&](std::size_t i) {
        return std::get<FormulaMassItem>(masses.entries[i].item);
    };
    QCOMPARE(mass(0).working, u"CaCO\u2083 = 40 + 12 + 3 \u00d7 16 = 100"_s);
    QCOMPARE(mass(1).working, u"PbO = 207.2 + 16 = 223.2"_s);
    QCOMPARE(mass(1).mass, 223.2);
    QCOMPARE(mass(2).mass, 160.0);  // the school's 56 for iron, not 55.8
    QCOMPARE(masses.entries[2].line, 4);

    // Solid when it melts above 25 °C, gas when it boils at or below; liquid otherwise, exactly
    // at the melting point too.
    const CheckedList points = check(
        ListKind::MeltingPoints,
        "substance,melting point,boiling point\nIron,1538,2862\nWater,0,100\nOxygen,-218,"
        "-183\nJust melted,25,50\nJust solid,25.5,50\nJust boiling,-10,25\nJust liquid,-10,25.1\n");
    QVERIFY(points.sound());
    QList<State> states;
    for (const ListEntry& entry : points.entries)
        states += std::get<MeltingPointItem>(entry.item).state;
    QCOMPARE(states, (QList<State>{State::Solid, State::Liquid, State::Gas, State::Liquid,
                                   State::Solid, State::Gas, State::Liquid}));

    const CheckedList equations = check(
        ListKind::Equations,
        "word equation,equation\niron oxide + carbon \xe2\x86\x92 iron + carbon dioxide,Fe2O3 + C "
        "-> Fe + CO2\n,KMnO4 + HCl -> KCl + MnCl2 + Cl2 + H2O\n");
    QVERIFY(equations.sound());
    const auto& thermite = std::get<EquationItem>(equations.entries[0].item);
    QCOMPARE(thermite.numbers, (std::vector<int>{2, 3, 4, 3}));
    QCOMPARE(thermite.wordEquation, u"iron oxide + carbon \u2192 iron + carbon dioxide"_s);
    QCOMPARE(chem::displayFormula(thermite.reactants[0]), u"Fe\u2082O\u2083"_s);
    QCOMPARE(std::get<EquationItem>(equations.entries[1].item).numbers,
             (std::vector<int>{2, 16, 2, 2, 5, 8}));

    const CheckedList board =
        check(ListKind::Sorting, "item,column\nlemon juice,Acid\nbleach,Alkali\nvinegar,acid\n");
    QVERIFY(board.sound());
    QCOMPARE(board.columns, (QStringList{u"Acid"_s, u"Alkali"_s}));
    QList<int> columns;
    for (const ListEntry& entry : board.entries)
        columns += std::get<SortingItem>(entry.item).column;
    QCOMPARE(columns, (QList<int>{0, 1, 0}));
}

void ListCheckTest::spreadsheetFiles_data() {
    QTest::addColumn<ListKind>("kind");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<int>("minimumRows");
    const auto row = [](const char* name, ListKind kind, const QByteArray& csv,
                        const QString& entries, const QStringList& notes = {},
                        const QStringList& errors = {}, int minimumRows = 1) {
        QTest::newRow(name) << kind << csv << entries << notes << errors << minimumRows;
    };
    using enum ListKind;
    row("unused columns named once", Symbols,
        "Name,Colour,Symbol,Notes\nIron,grey,Fe,\nGold,yellow,Au,shiny\n",
        u"2 Iron=Fe; 3 Gold=Au"_s,
        {u"Year 8 acids, line 1: the columns 'Colour', 'Notes' are not ones a symbols list uses "
         u"(name, symbol), so they are ignored"_s});
    row("Windows-1252 with an unused column", Words,
        "word;clue;page\ncaf\xe9;a place \x96 to eat;3\n", u"2 caf\u00e9=a place \u2013 to eat"_s,
        {u"Year 8 acids, line 1: the column 'page' is not one a words list uses (word, clue), so "
         u"it is ignored"_s});
    row("a title row", Words, "Year 8 words,\nWord,Clue\ncat,a pet\n", u"3 cat=a pet"_s,
        {u"Year 8 acids, line 1: this row is read as a title above the header, and skipped"_s});
    row("a header whose row below names a column is no title", Words, "Word,Clue\nclue,a hint\n",
        u"2 clue=a hint"_s);
    row("a misspelt header is not skipped", Words, "Wrod,Clue\ncat,a pet\n", QString(),
        {u"Year 8 acids, line 1: the column 'Wrod' is not one a words list uses (word, clue), so "
         u"it is ignored"_s},
        {u"Year 8 acids, line 1: there is no 'word' column, which a words list needs"_s});
    row("sorting as a spreadsheet lays it out", Sorting,
        "Metal,Non-metal\ncopper,carbon\niron,\n,oxygen\n",
        u"2 Metal:copper; 2 Non-metal:carbon; 3 Metal:iron; 4 Non-metal:oxygen"_s);
    row("sorting as columns: an item under two", Sorting,
        "Metal;Non-metal\ncopper;Copper\niron;carbon\n", QString(), {},
        {u"Year 8 acids, line 2: 'Copper' is already on line 2"_s});
    row("sorting as columns: items counted, not rows", Sorting,
        "Metal,Non-metal\ncopper,carbon\niron,sulfur\n,oxygen\n",
        u"2 Metal:copper; 2 Non-metal:carbon; 3 Metal:iron; 3 Non-metal:sulfur; 4 Non-metal:oxygen"_s,
        {}, {}, 5);
    row("a words list is no sorting board", Sorting, "Word,Clue\ncat,pet\n", QString(),
        {u"Year 8 acids, line 1: the columns 'Word', 'Clue' are not ones a sorting list uses "
         u"(column, item), so they are ignored"_s},
        {u"Year 8 acids, line 1: there is no 'column' column, which a sorting list needs"_s,
         u"Year 8 acids, line 1: there is no 'item' column, which a sorting list needs"_s});
    row("sorting as columns: one column", Sorting, "column\nMetal\n", QString(), {},
        {u"Year 8 acids, line 1: there is no 'item' column, which a sorting list needs"_s});
    row("decimal commas with semicolons", MeltingPoints,
        "substance;melting point;boiling point (K)\nMercury;-38,8;629,88\n",
        u"2 Mercury -38.8 356.73"_s);
    row("decimal commas with tabs", MeltingPoints,
        "substance\tmelting point\tboiling point\nWater\t0\t99,97\n", u"2 Water 0 99.97"_s);
    row("state symbols and a long arrow", Equations,
        "equation\nZn(s) + HCl(aq) --> ZnCl2(aq) + H2(g)\n", u"2 1 2 1 1 (s) (aq) -> (aq) (g)"_s);
    row("the same equation with states and without", Equations,
        "equation\nZn + HCl -> ZnCl2 + H2\nZn(s) + 2HCl(aq) = ZnCl2(aq) + H2(g)\n", QString(), {},
        {u"Year 8 acids, line 3: the same as line 2"_s});
    row("hydrates weighed whole", FormulaMasses,
        "formula\nCuSO4\xc2\xb7"
        "5H2O\nNa2CO3.10H2O\n",
        u"2 CuSO\u2084\u00B75H\u2082O = 63.5 + 32 + 9 \u00D7 16 + 10 \u00D7 1 = 249.5; 3 "
        u"Na\u2082CO\u2083\u00B710H\u2082O = 2 \u00D7 23 + 12 + 13 \u00D7 16 + 20 \u00D7 1 = "
        u"286"_s);
    row("a hydrate with either dot is one formula", FormulaMasses,
        "formula\nCuSO4.5H2O\nCuSO4\xc2\xb7"
        "5H2O\n",
        QString(), {}, {u"Year 8 acids, line 3: the same as line 2"_s});
    row("a mistyped sign told in words", Equations,
        "equation\nCH4 + O2 - CO2 + H2O\nCH4 + O2 -> CO2 - H2O\n", QString(), {},
        {u"Year 8 acids, line 2: there is no arrow (write -> between the two sides)"_s,
         u"Year 8 acids, line 3: 'CO2 - H2O' is not one formula: put + between two formulas, "
         u"and -> between the two sides"_s});
}

void ListCheckTest::spreadsheetFiles() {
    QFETCH(ListKind, kind);
    QFETCH(QByteArray, csv);
    QFETCH(QString, entries);
    QFETCH(QStringList, notes);
    QFETCH(QStringList, errors);
    QFETCH(int, minimumRows);
    const CheckedList list = check(kind, csv, options(minimumRows, false));
    QCOMPARE(list.describedErrors().join(u'\n'), errors.join(u'\n'));
    QCOMPARE(list.describedNotes().join(u'\n'), notes.join(u'\n'));
    // Notes are told, but a list with nothing else wrong is sound.
    QCOMPARE(list.sound(), errors.isEmpty());
    QStringList read;
    for (const ListEntry& entry : list.entries) read += entryText(list, entry);
    QCOMPARE(read.join(u"; "_s), entries);
}

void ListCheckTest::temperatureUnits_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<double>("melts");  // °C
    QTest::addColumn<double>("boils");
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("error");  // instead of the rest
    const auto row = [](const char* name, const QByteArray& header, const QByteArray& line,
                        double melts, double boils, State state, const QString& error = {}) {
        QTest::newRow(name) << header + '\n' + line + '\n' << melts << boils << state << error;
    };
    using enum State;
    const QByteArray kelvin = "substance,Melting point (K),Boiling point (K)";
    // Oxygen played as a solid melting at 54 °C when kelvin were read as °C.
    row("kelvin", kelvin, "Oxygen,54.36,90.19", -218.79, -182.96, Gas);
    row("kelvin, in words", "substance,melting point (Kelvin),boiling point ( kelvin )",
        "Water,273.15,373.15", 0, 100, Liquid);
    row("degrees Fahrenheit",
        "substance,melting point (\xc2\xb0"
        "F),boiling point (F)",
        "Iron,2800.4,5183.6", 1538, 2862, Solid);
    // Five ninths of a degree: one place more than written, not a string of nines.
    row("Fahrenheit, inexact", "substance,melting point (degrees F),boiling point (Fahrenheit)",
        "Oxygen,-361.82,-297.33", -218.789, -182.961, Gas);
    row("a unit by each number", "substance,melting point,boiling point", "Oxygen,54.36 K,90.19K",
        -218.79, -182.96, Gas);
    row("a unit by the number and the same in the header", kelvin, "Oxygen,54.36 K,90.19", -218.79,
        -182.96, Gas);
    row("degrees Celsius in words", "substance,melting point (degrees C),boiling point (Celsius)",
        "Mercury,-38.83,356.73", -38.83, 356.73, Liquid);
    row("an unknown unit", "substance,melting point (mK),boiling point (R)", "Oxygen,54,90", 0, 0,
        Solid,
        u"Year 8 acids, line 1: 'mK' is not a unit a melting points list reads: write (\u00b0C), "
        u"(K) or (\u00b0F) after the column's name, or no unit for \u00b0C\n"
        u"Year 8 acids, line 1: 'R' is not a unit a melting points list reads: write (\u00b0C), "
        u"(K) or (\u00b0F) after the column's name, or no unit for \u00b0C"_s);
    row("two units for one number", kelvin,
        "Oxygen,-218.79 \xc2\xb0"
        "C,90.19",
        0, 0, Solid,
        u"Year 8 acids, line 2: the melting point '-218.79 \u00b0C' is in \u00b0C, but the "
        u"column's header says K: write the unit once, in the header"_s);
    row("below absolute zero in kelvin", kelvin, "Nothing,-5,10", 0, 0, Solid,
        u"Year 8 acids, line 2: the melting point (\u22125 K) is below absolute zero (0 K)"_s);
    row("an unknown unit by the number", "substance,melting point,boiling point",
        "Oxygen,54 R,90 R", 0, 0, Solid,
        u"Year 8 acids, line 2: the melting point '54 R' is not a number (write it like 1538 or "
        u"\u221238.8)\nYear 8 acids, line 2: the boiling point '90 R' is not a number (write it "
        u"like 1538 or \u221238.8)"_s);
}

void ListCheckTest::temperatureUnits() {
    QFETCH(QByteArray, csv);
    QFETCH(double, melts);
    QFETCH(double, boils);
    QFETCH(State, state);
    QFETCH(QString, error);
    const CheckedList list = check(ListKind::MeltingPoints, csv);
    QCOMPARE(list.describedErrors().join(u'\n'), error);
    if (!error.isEmpty()) return;
    const auto& item = std::get<MeltingPointItem>(list.entries.at(0).item);
    QCOMPARE(item.meltingPoint, melts);
    QCOMPARE(item.boilingPoint, boils);
    // Shown as the screen shows it, to twelve figures: no tail of a conversion left on.
    QCOMPARE(QString::number(item.meltingPoint, 'g', 12), QString::number(melts, 'g', 12));
    QCOMPARE(QString::number(item.boilingPoint, 'g', 12), QString::number(boils, 'g', 12));
    QCOMPARE(item.state, state);
}

void ListCheckTest::textCheckHook() {
    QStringList asked;
    CheckOptions options;
    options.textCheck = [&asked](const QString& column,
                                 const QString& text) -> std::optional<QString> {
        asked += column + u'=' + text;
        if (column == u"clue" && text.size() > 12)
            return u"the clue is too long for its box (it needs 3 lines, the box holds 2)"_s;
        return std::nullopt;
    };
    const CheckedList list =
        check(ListKind::Words, "word,clue\natom,a very small part\nion,charged\nsalt,\n", options);
    QCOMPARE(list.describedErrors(),
             (QStringList{u"Year 8 acids, line 2: the clue is too long for its box (it needs 3 "
                          u"lines, the box holds 2)"_s,
                          u"Year 8 acids, line 4: the clue is missing"_s}));
    // Every field with text, and only those.
    QCOMPARE(asked, (QStringList{u"word=atom"_s, u"clue=a very small part"_s, u"word=ion"_s,
                                 u"clue=charged"_s, u"word=salt"_s}));
}

void ListCheckTest::titles() {
    QCOMPARE(listTitle(u"S:\\Science\\Rates.CSV"_s), u"Rates"_s);
    QCOMPARE(listTitle(u"notes.txt"_s), u"notes.txt"_s);
    QCOMPARE(describeError(u"/home/t/Acids.csv"_s, {0, u"the file is empty"_s}),
             u"Acids: the file is empty"_s);
}

void ListCheckTest::exampleLists() {
    const QDir root(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../packaging/lists"));
    QVERIFY(root.exists());
    int lists = 0;
    for (const QString& screen : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QVERIFY2(kScreenKinds.contains(screen), qPrintable(screen));
        const ListKind kind = kScreenKinds.value(screen);
        const QDir folder(root.filePath(screen));
        for (const QString& name : folder.entryList({u"*.csv"_s}, QDir::Files)) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const CheckedList list =
                checkList(kind, name, file.readAll(), options(8, kind == ListKind::Words));
            QVERIFY2(list.sound(), qPrintable(list.describedErrors().join(u'\n')));
            ++lists;
        }
    }
    QCOMPARE(lists, 16);
}

QTEST_GUILESS_MAIN(ListCheckTest)
#include "tst_listcheck.moc"
