// Formulas: reading them (nasty text included), their atom counts, subscripts and formula masses.
#include <QtTest>
#include <random>
#include <string>

#include "kit/chem/AtomicWeights.h"
#include "kit/chem/Elements.h"
#include "kit/chem/Formula.h"
#include "kit/chem/FormulaMass.h"
#include "kit/chem/FormulaText.h"

using namespace chem;
using namespace Qt::Literals::StringLiterals;

namespace {

// "Ca 1, O 2, H 2": the atom counts in their order, easy to read in a failed comparison.
QString atomsText(const Formula& formula) {
    QStringList parts;
    for (const AtomCount& atom : formula.atoms())
        parts += QString::fromLatin1(atom.symbol.data(), atom.symbol.size()) + u' ' +
                 QString::number(atom.count);
    return parts.join(u", ");
}

std::optional<Formula> parse(const QByteArray& bytes) {
    return parseFormula(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// Atoms of one element in the formula read from text; -1 when the text is refused.
int countIn(const QByteArray& text, std::string_view symbol) {
    const std::optional<Formula> formula = parse(text);
    return formula ? formula->count(symbol) : -1;
}

}  // namespace

class FormulaTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void atomCounts_data();
    void atomCounts();
    void hydrates_data();
    void hydrates();
    void malformedTextIsRefused_data();
    void malformedTextIsRefused();
    void limitsKeepCountsInRange();
    void randomBytesNeverBreakTheReader_data();
    void randomBytesNeverBreakTheReader();
    void elementSymbols();
    void elementNames();
    void subscripts_data();
    void subscripts();
    void subscriptsInRunningText();
    void atomicMassItems_data();
    void atomicMassItems();
    void massesOutsideTheKey();
    void massTableNamesRealElementsOnce();
    void everyElementsMass_data();
    void everyElementsMass();
    void massesRiseWithAtomicNumber();
};

void FormulaTest::atomCounts_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("atoms");
    QTest::newRow("H2O") << QByteArray("H2O") << "H 2, O 1";
    QTest::newRow("H2SO4") << QByteArray("H2SO4") << "H 2, S 1, O 4";
    QTest::newRow("CuSO4") << QByteArray("CuSO4") << "Cu 1, S 1, O 4";
    QTest::newRow("Fe2O3") << QByteArray("Fe2O3") << "Fe 2, O 3";
    QTest::newRow("NH3") << QByteArray("NH3") << "N 1, H 3";
    QTest::newRow("Ca(OH)2") << QByteArray("Ca(OH)2") << "Ca 1, O 2, H 2";
    QTest::newRow("(NH4)2SO4") << QByteArray("(NH4)2SO4") << "N 2, H 8, S 1, O 4";
    QTest::newRow("Mg(NO3)2") << QByteArray("Mg(NO3)2") << "Mg 1, N 2, O 6";
    QTest::newRow("Al2(SO4)3") << QByteArray("Al2(SO4)3") << "Al 2, S 3, O 12";
    QTest::newRow("nested") << QByteArray("((CH3)3C)2O") << "C 8, H 18, O 1";
    QTest::newRow("nested, one inside") << QByteArray("C(C(H)3)4") << "C 5, H 12";
    QTest::newRow("bracket without a count") << QByteArray("Na(OH)") << "Na 1, O 1, H 1";
    QTest::newRow("element met again") << QByteArray("CH3COOH") << "C 2, H 4, O 2";
    QTest::newRow("again after a bracket") << QByteArray("(CH3)2CHOH") << "C 3, H 8, O 1";
    QTest::newRow("counts of two digits") << QByteArray("C12H22O11") << "C 12, H 22, O 11";
    QTest::newRow("largest written count") << QByteArray("C999") << "C 999";
    QTest::newRow("cobalt") << QByteArray("Co") << "Co 1";
    QTest::newRow("carbon monoxide") << QByteArray("CO") << "C 1, O 1";
    QTest::newRow("first and last elements") << QByteArray("HOg") << "H 1, Og 1";
}

void FormulaTest::atomCounts() {
    QFETCH(QByteArray, text);
    QFETCH(QString, atoms);
    const std::optional<Formula> formula = parse(text);
    QVERIFY(formula);
    QCOMPARE(atomsText(*formula), atoms);
    QCOMPARE(QByteArray::fromStdString(formula->text()), text);
    for (const AtomCount& atom : formula->atoms())
        QCOMPARE(formula->count(atom.symbol), atom.count);
    QCOMPARE(formula->count("Xe"), 0);
}

void FormulaTest::hydrates_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("atoms");
    QTest::addColumn<QString>("working");  // with every mass the school's or the table's
    QTest::newRow("middle dot") << QByteArray(
                                       "CuSO4\xC2\xB7"
                                       "5H2O")
                                << "Cu 1, S 1, O 9, H 10"
                                << u"CuSO\u2084\u00B75H\u2082O = 63.5 + 32 + 9 \u00D7 16 + 10 "
                                   u"\u00D7 1 = 249.5"_s;
    QTest::newRow("full stop, shown as the dot")
        << QByteArray("CuSO4.5H2O") << "Cu 1, S 1, O 9, H 10"
        << u"CuSO\u2084\u00B75H\u2082O = 63.5 + 32 + 9 \u00D7 16 + 10 \u00D7 1 = 249.5"_s;
    QTest::newRow("one water") << QByteArray("CaSO4.H2O") << "Ca 1, S 1, O 5, H 2"
                               << u"CaSO\u2084\u00B7H\u2082O = 40 + 32 + 5 \u00D7 16 + 2 "
                                  u"\u00D7 1 = 154"_s;
    QTest::newRow("ten, brackets before") << QByteArray("Na2CO3.10H2O") << "Na 2, C 1, O 13, H 20"
                                          << u"Na\u2082CO\u2083\u00B710H\u2082O = 2 \u00D7 23 + "
                                             u"12 + 13 \u00D7 16 + 20 \u00D7 1 = 286"_s;
    QTest::newRow("two dots") << QByteArray("Al2(SO4)3.K2SO4.24H2O") << "Al 2, S 4, O 40, K 2, H 48"
                              << u"Al\u2082(SO\u2084)\u2083\u00B7K\u2082SO\u2084\u00B724H"
                                 u"\u2082O = 2 \u00D7 27 + 4 \u00D7 32 + 40 \u00D7 16 + 2 "
                                 u"\u00D7 39 + 48 \u00D7 1 = 948"_s;
}

void FormulaTest::hydrates() {
    QFETCH(QByteArray, text);
    QFETCH(QString, atoms);
    QFETCH(QString, working);
    const std::optional<Formula> formula = parse(text);
    QVERIFY(formula);
    QCOMPARE(atomsText(*formula), atoms);
    QCOMPARE(massWorking(*formula, kAllAtomicMasses).value_or(QString()), working);
}

void FormulaTest::malformedTextIsRefused_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("lower-case start") << QByteArray("h2o");
    QTest::newRow("unknown symbol Xx") << QByteArray("Xx");
    QTest::newRow("CL for Cl") << QByteArray("NaCL");
    QTest::newRow("letter that is no element") << QByteArray("J");
    QTest::newRow("no element Ab") << QByteArray("Ab2");
    QTest::newRow("count of 0") << QByteArray("H0");
    QTest::newRow("leading zero") << QByteArray("H02");
    QTest::newRow("bracket count of 0") << QByteArray("Ca(OH)0");
    QTest::newRow("hydrate: dot first") << QByteArray(".5H2O");
    QTest::newRow("hydrate: dot last") << QByteArray("CuSO4.");
    QTest::newRow("hydrate: two dots together") << QByteArray("CuSO4..5H2O");
    QTest::newRow("hydrate: dot in brackets") << QByteArray("Ca(OH.H)2");
    QTest::newRow("hydrate: number 0") << QByteArray("CuSO4.0H2O");
    QTest::newRow("hydrate: half a middle dot") << QByteArray(
        "CuSO4\xC2"
        "5H2O");
    QTest::newRow("bracket count with leading zero") << QByteArray("Ca(OH)02");
    QTest::newRow("count too large") << QByteArray("C1000");
    QTest::newRow("leading coefficient") << QByteArray("2H2O");
    QTest::newRow("only a number") << QByteArray("12");
    QTest::newRow("unclosed bracket") << QByteArray("Ca(OH2");
    QTest::newRow("closing only") << QByteArray("CaOH)2");
    QTest::newRow("closed before opened") << QByteArray("H)(O");
    QTest::newRow("empty brackets") << QByteArray("H()2");
    QTest::newRow("only brackets") << QByteArray("(())");
    QTest::newRow("count inside a bracket first") << QByteArray("(2H)");
    QTest::newRow("square brackets") << QByteArray("K4[Fe(CN)6]");
    QTest::newRow("space") << QByteArray("H2 O");
    QTest::newRow("trailing space") << QByteArray("H2O ");
    QTest::newRow("newline") << QByteArray("HCl\n");
    QTest::newRow("charge") << QByteArray("Na+");
    QTest::newRow("decimal count") << QByteArray("H2.5");
    QTest::newRow("equation") << QByteArray("H2+O2");
    QTest::newRow("subscript digit") << QByteArray("H\xe2\x82\x82O");
    QTest::newRow("NUL inside") << QByteArray("H\0O", 3);
    QTest::newRow("NUL after") << QByteArray("H2O\0", 4);
    QTest::newRow("byte 0xff") << QByteArray("H\xff");
}

void FormulaTest::malformedTextIsRefused() {
    QFETCH(QByteArray, text);
    QVERIFY(!parse(text));
}

void FormulaTest::limitsKeepCountsInRange() {
    // A million atoms of one element is the most; anything past it is refused, not wrapped.
    QCOMPARE(countIn("(H999)999", "H"), 998001);
    QCOMPARE(countIn("(H999)999H999H999H", "H"), 1'000'000);
    QVERIFY(!parse("(H999)999H999H999H2"));
    QVERIFY(!parse("H999H999H3(H999)999"));
    QVERIFY(!parse("((H999)999)999"));

    QByteArray deepest =
        QByteArray(kMaxBracketDepth, '(') + "H" + QByteArray(kMaxBracketDepth, ')');
    QCOMPARE(countIn(deepest, "H"), 1);
    QVERIFY(!parse('(' + deepest + ')'));
    // A long run of open brackets ends early instead of taking memory per bracket.
    QVERIFY(!parse(QByteArray(1 << 20, '(')));
    QCOMPARE(countIn(QByteArray("H").repeated(5000), "H"), 5000);
}

void FormulaTest::randomBytesNeverBreakTheReader_data() {
    QTest::addColumn<QByteArray>("alphabet");  // empty: every byte
    QTest::addColumn<int>("seed");
    QTest::newRow("every byte") << QByteArray() << 1;
    QTest::newRow("formula characters") << QByteArray("HCONaSlu()()0123456789") << 2;
    QTest::newRow("few letters, many brackets") << QByteArray("HOg((()))12") << 3;
}

void FormulaTest::randomBytesNeverBreakTheReader() {
    QFETCH(QByteArray, alphabet);
    QFETCH(int, seed);
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        QByteArray text(static_cast<int>(random() % 12), '\0');
        for (char& c : text)
            c = alphabet.isEmpty() ? static_cast<char>(random() % 256)
                                   : alphabet[static_cast<int>(random() % alphabet.size())];
        const std::optional<Formula> formula = parse(text);
        if (!formula) continue;
        ++accepted;
        QCOMPARE(QByteArray::fromStdString(formula->text()), text);
        for (const AtomCount& atom : formula->atoms()) {
            QVERIFY(isElementSymbol(atom.symbol));
            QVERIFY2(atom.count >= 1, text.constData());
        }
        // A formula in brackets with a count has every count multiplied by it.
        const std::optional<Formula> doubled = parse('(' + text + ")2");
        QVERIFY2(doubled, text.constData());
        QCOMPARE(doubled->atoms().size(), formula->atoms().size());
        for (const AtomCount& atom : formula->atoms())
            QCOMPARE(doubled->count(atom.symbol), 2 * atom.count);
        QVERIFY(!displayFormula(*formula).contains(QRegularExpression(u"[0-9]"_s)));
    }
    if (!alphabet.isEmpty()) QVERIFY(accepted > 0);
}

void FormulaTest::elementSymbols() {
    QCOMPARE(atomicNumber("H"), 1);
    QCOMPARE(atomicNumber("Fe"), 26);
    QCOMPARE(atomicNumber("Og"), 118);
    QCOMPARE(atomicNumber("FE"), 0);
    QCOMPARE(atomicNumber(""), 0);
    QCOMPARE(atomicNumber("Hee"), 0);
    // Each symbol once, each a capital with at most one small letter after it.
    for (std::size_t i = 0; i < kElementSymbols.size(); ++i) {
        const std::string_view symbol = kElementSymbols[i];
        QCOMPARE(atomicNumber(symbol), static_cast<int>(i) + 1);
        QVERIFY(symbol.size() == 1 || symbol.size() == 2);
        QVERIFY(symbol[0] >= 'A' && symbol[0] <= 'Z');
        if (symbol.size() == 2) QVERIFY(symbol[1] >= 'a' && symbol[1] <= 'z');
    }
}

void FormulaTest::subscripts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("H2SO4") << "H2SO4" << u"H\u2082SO\u2084"_s;
    QTest::newRow("Ca(OH)2") << "Ca(OH)2" << u"Ca(OH)\u2082"_s;
    QTest::newRow("(NH4)2SO4") << "(NH4)2SO4" << u"(NH\u2084)\u2082SO\u2084"_s;
    QTest::newRow("every digit")
        << "C12H34O56N78S90"
        << u"C\u2081\u2082H\u2083\u2084O\u2085\u2086N\u2087\u2088S\u2089\u2080"_s;
    QTest::newRow("no digits") << "NaCl"
                               << "NaCl";
}

void FormulaTest::subscripts() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(displayFormula(*parseFormula(text.toStdString())), shown);
    QCOMPARE(withSubscripts(text), shown);
}

void FormulaTest::subscriptsInRunningText() {
    // In running text the coefficients stay full-size.
    QCOMPARE(withSubscripts("2H2 + O2 \u2192 2H2O"), u"2H\u2082 + O\u2082 \u2192 2H\u2082O"_s);
    QCOMPARE(withSubscripts(u"4Fe + 3O2 \u2192 2Fe2O3"_s),
             u"4Fe + 3O\u2082 \u2192 2Fe\u2082O\u2083"_s);
    QCOMPARE(withSubscripts(u"12 CO2, (2)"_s), u"12 CO\u2082, (2)"_s);
    QCOMPARE(withSubscripts(u"H\u2082O"_s), u"H\u2082O"_s);
    QCOMPARE(withSubscripts(u""_s), QString());
}

void FormulaTest::atomicMassItems_data() {
    // The Atomic Mass quiz's items with the masses its design states.
    QTest::addColumn<QString>("formula");
    QTest::addColumn<double>("mass");
    QTest::addColumn<QString>("working");
    const auto row = [](const char* formula, double mass, const char16_t* working) {
        QTest::newRow(formula) << QString::fromLatin1(formula) << mass
                               << QString::fromUtf16(working);
    };
    row("H2O", 18, u"H\u2082O = 2 \u00D7 1 + 16 = 18");
    row("CO2", 44, u"CO\u2082 = 12 + 2 \u00D7 16 = 44");
    row("CH4", 16, u"CH\u2084 = 12 + 4 \u00D7 1 = 16");
    row("NH3", 17, u"NH\u2083 = 14 + 3 \u00D7 1 = 17");
    row("NaCl", 58.5, u"NaCl = 23 + 35.5 = 58.5");
    row("MgO", 40, u"MgO = 24 + 16 = 40");
    row("CaCO3", 100, u"CaCO\u2083 = 40 + 12 + 3 \u00D7 16 = 100");
    row("H2SO4", 98, u"H\u2082SO\u2084 = 2 \u00D7 1 + 32 + 4 \u00D7 16 = 98");
    row("O2", 32, u"O\u2082 = 2 \u00D7 16 = 32");
    row("HCl", 36.5, u"HCl = 1 + 35.5 = 36.5");
    row("CuO", 79.5, u"CuO = 63.5 + 16 = 79.5");
    row("NaOH", 40, u"NaOH = 23 + 16 + 1 = 40");
    row("MgCl2", 95, u"MgCl\u2082 = 24 + 2 \u00D7 35.5 = 95");
    row("CuSO4", 159.5, u"CuSO\u2084 = 63.5 + 32 + 4 \u00D7 16 = 159.5");
}

void FormulaTest::atomicMassItems() {
    QFETCH(QString, formula);
    QFETCH(double, mass);
    QFETCH(QString, working);
    const std::optional<Formula> parsed = parseFormula(formula.toStdString());
    QVERIFY(parsed);
    // The key on screen is enough to work every item out.
    QCOMPARE(relativeFormulaMass(*parsed, kAtomicMassKey).value_or(-1), mass);
    QCOMPARE(massWorking(*parsed, kAtomicMassKey).value_or(QString()), working);
    QCOMPARE(massWorking(*parsed).value_or(QString()), working);
}

void FormulaTest::massesOutsideTheKey() {
    const Formula limewater = *parseFormula("Ca(OH)2");
    QCOMPARE(massWorking(limewater).value_or(QString()),
             u"Ca(OH)\u2082 = 40 + 2 \u00D7 16 + 2 \u00D7 1 = 74"_s);
    QCOMPARE(relativeFormulaMass(*parseFormula("(NH4)2SO4")).value_or(-1), 132.0);
    QCOMPARE(relativeFormulaMass(*parseFormula("Mg(NO3)2")).value_or(-1), 148.0);
    QCOMPARE(relativeFormulaMass(*parseFormula("Al2O3")).value_or(-1), 102.0);
    QCOMPARE(relativeFormulaMass(*parseFormula("KCl")).value_or(-1), 74.5);
    QCOMPARE(massWorking(*parseFormula("C")).value_or(QString()), u"C = 12"_s);
    QCOMPARE(massWorking(*parseFormula("ZnCl2")).value_or(QString()),
             u"ZnCl\u2082 = 65 + 2 \u00D7 35.5 = 136"_s);

    // Iron has a mass, but not on the Atomic Mass key; lead has none at all.
    const Formula rust = *parseFormula("Fe2O3");
    QCOMPARE(relativeFormulaMass(rust).value_or(-1), 160.0);
    QVERIFY(!relativeFormulaMass(rust, kAtomicMassKey));
    QVERIFY(!massWorking(rust, kAtomicMassKey));
    QVERIFY(!relativeFormulaMass(*parseFormula("PbO")));
    QVERIFY(!massWorking(*parseFormula("PbO")));
    QVERIFY(!relativeAtomicMass("Pb"));
    QCOMPARE(relativeAtomicMass("Cl").value_or(-1), 35.5);

    QCOMPARE(formatMass(58.5), u"58.5"_s);
    QCOMPARE(formatMass(100), u"100"_s);
    QCOMPARE(formatMass(0.1 + 0.2), u"0.3"_s);
    QCOMPARE(formatMass(65000000), u"65000000"_s);
    // Written from the tenths when it can be, the same as twelve significant figures always.
    std::mt19937 random(9);
    for (int i = 0; i < 20000; ++i) {
        const double tenths = static_cast<double>(random() % 100'000'000) / 10;
        const double sum = (tenths / 3 + tenths / 3 + tenths / 3) * (i % 2 ? 1 : 1.0000000001);
        QCOMPARE(formatMass(sum), QString::number(sum, 'g', 12));
        QCOMPARE(formatMass(tenths / 1e6), QString::number(tenths / 1e6, 'g', 12));
    }
}

void FormulaTest::elementNames() {
    // Each spelling names its own element only, so a name is never taken for another's.
    for (const Element& element : kElements) {
        for (const std::string_view name : {element.name, element.otherSpelling}) {
            if (name.empty()) continue;
            QVERIFY2(elementNamed(name) == &element, name.data());
            QVERIFY(name[0] >= 'A' && name[0] <= 'Z');
            for (const char c : name.substr(1)) QVERIFY2(c >= 'a' && c <= 'z', name.data());
        }
    }
    QCOMPARE(elementNamed("sulphur"), elementWithSymbol("S"));
    QCOMPARE(elementNamed("ALUMINUM"), elementWithSymbol("Al"));
    QCOMPARE(elementNamed("cesium"), elementWithSymbol("Cs"));
    QVERIFY(!elementNamed("Water"));
    QVERIFY(!elementNamed("Iro"));
    QVERIFY(!elementNamed(""));
}

void FormulaTest::massTableNamesRealElementsOnce() {
    for (std::size_t i = 0; i < kAtomicMasses.size(); ++i) {
        QVERIFY(isElementSymbol(kAtomicMasses[i].symbol));
        QVERIFY(kAtomicMasses[i].mass > 0);
        for (std::size_t j = 0; j < i; ++j)
            QVERIFY(kAtomicMasses[i].symbol != kAtomicMasses[j].symbol);
    }
}

void FormulaTest::everyElementsMass_data() {
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<double>("standard");  // one decimal place, or a mass number
    QTest::addColumn<double>("forLists");  // the school's value where it has one
    const auto row = [](const char* symbol, double standard, double forLists) {
        QTest::newRow(symbol) << QString::fromLatin1(symbol) << standard << forLists;
    };
    row("H", 1.0, 1);
    row("Cl", 35.5, 35.5);
    row("Fe", 55.8, 56);
    row("Zn", 65.4, 65);
    row("Mg", 24.3, 24);
    row("Ca", 40.1, 40);
    row("Pb", 207.2, 207.2);
    row("Ag", 107.9, 107.9);
    row("Au", 197.0, 197.0);
    row("I", 126.9, 126.9);
    row("Mn", 54.9, 54.9);
    row("U", 238.0, 238.0);
    row("Tc", 97, 97);
    row("Pu", 244, 244);
    row("Og", 294, 294);
}

void FormulaTest::everyElementsMass() {
    QFETCH(QString, symbol);
    QFETCH(double, standard);
    QFETCH(double, forLists);
    const std::string text = symbol.toStdString();
    QCOMPARE(standardAtomicWeight(text), standard);
    QCOMPARE(relativeAtomicMass(text, kAllAtomicMasses).value_or(-1), forLists);
    QCOMPARE(kAllAtomicMasses[static_cast<std::size_t>(atomicNumber(text) - 1)].symbol, text);
}

void FormulaTest::massesRiseWithAtomicNumber() {
    // Heavier with each proton, except where a heavier isotope mix or a longer-lived isotope
    // turns the order round.
    const QStringList inversions{"Ar K", "Co Ni", "Te I",  "Bi Po", "Th Pa",
                                 "U Np", "Pu Am", "Cm Bk", "Bh Hs", "Ts Og"};
    QStringList found;
    for (std::size_t i = 0; i < kStandardAtomicWeights.size(); ++i) {
        const double mass = kStandardAtomicWeights[i];
        const double z = static_cast<double>(i + 1);
        // Two to 2.6 times the number of protons: neutrons at least match protons from helium on.
        if (i > 0) QVERIFY2(mass >= 2 * z && mass <= 2.6 * z, kElementSymbols[i].data());
        if (i > 0 && mass <= kStandardAtomicWeights[i - 1])
            found +=
                QString::fromLatin1(kElementSymbols[i - 1].data(), kElementSymbols[i - 1].size()) +
                u' ' + QString::fromLatin1(kElementSymbols[i].data(), kElementSymbols[i].size());
    }
    QCOMPARE(found, inversions);
    QCOMPARE(kStandardAtomicWeights[0], 1.0);

    // Beyond the key: the school's values where it has them, one decimal place otherwise.
    QCOMPARE(massWorking(*parseFormula("PbO"), kAllAtomicMasses).value_or(QString()),
             u"PbO = 207.2 + 16 = 223.2"_s);
    QCOMPARE(massWorking(*parseFormula("KMnO4"), kAllAtomicMasses).value_or(QString()),
             u"KMnO\u2084 = 39 + 54.9 + 4 \u00D7 16 = 157.9"_s);
    QCOMPARE(relativeFormulaMass(*parseFormula("AgNO3"), kAllAtomicMasses).value_or(-1), 169.9);
    QCOMPARE(relativeFormulaMass(*parseFormula("Fe2O3"), kAllAtomicMasses).value_or(-1), 160.0);
    for (const AtomicMass& school : kAtomicMasses)
        QCOMPARE(relativeAtomicMass(school.symbol, kAllAtomicMasses).value_or(-1), school.mass);
}

QTEST_GUILESS_MAIN(FormulaTest)
#include "tst_formula.moc"
