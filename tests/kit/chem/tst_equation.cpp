// Balancing: the check behind the tick, the search for the smallest numbers, and the class's
// equations.
#include <QtTest>
#include <random>
#include <vector>

#include "kit/chem/Equation.h"
#include "kit/chem/EquationText.h"

using namespace chem;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(chem::Balance)
Q_DECLARE_METATYPE(chem::BalanceOutcome)

namespace {

std::vector<Formula> formulas(const QStringList& texts) {
    std::vector<Formula> result;
    for (const QString& text : texts) {
        const std::optional<Formula> formula = parseFormula(text.toStdString());
        if (!formula) qFatal("not a formula: %s", qPrintable(text));
        result.push_back(*formula);
    }
    return result;
}

std::vector<int> toVector(const QList<int>& numbers) {
    return {numbers.begin(), numbers.end()};
}

// Empty when nothing was found, to compare with the table's lists.
QList<int> toList(const std::optional<std::vector<int>>& numbers) {
    return numbers ? QList<int>(numbers->begin(), numbers->end()) : QList<int>{};
}

}  // namespace

class EquationTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void balanceCheck_data();
    void balanceCheck();
    void smallestBalancing_data();
    void smallestBalancing();
    void chemicalEquations_data();
    void chemicalEquations();
    void exactBalancing_data();
    void exactBalancing();
    void exactAgreesWithCounting();
    void equationText_data();
    void equationText();
    void formulaProblems_data();
    void formulaProblems();
};

void EquationTest::balanceCheck_data() {
    QTest::addColumn<QStringList>("reactants");
    QTest::addColumn<QStringList>("products");
    QTest::addColumn<QList<int>>("coefficients");
    QTest::addColumn<Balance>("expected");
    const QStringList hydrogen{"H2", "O2"}, water{"H2O"};
    QTest::newRow("water") << hydrogen << water << QList<int>{2, 1, 2} << Balance::Balanced;
    QTest::newRow("water, doubled")
        << hydrogen << water << QList<int>{4, 2, 4} << Balance::BalancedNotSmallest;
    QTest::newRow("water, all ones")
        << hydrogen << water << QList<int>{1, 1, 1} << Balance::Unbalanced;
    QTest::newRow("water, oxygen only")
        << hydrogen << water << QList<int>{1, 1, 2} << Balance::Unbalanced;
    const QStringList calcium{"Ca", "H2O"}, hydroxide{"Ca(OH)2", "H2"};
    QTest::newRow("brackets counted")
        << calcium << hydroxide << QList<int>{1, 2, 1, 1} << Balance::Balanced;
    // Reading Ca(OH)2 as CaOH2 would balance this one.
    QTest::newRow("brackets, one water")
        << calcium << hydroxide << QList<int>{1, 1, 1, 1} << Balance::Unbalanced;
    QTest::newRow("above six") << QStringList{"C2H6", "O2"} << QStringList{"CO2", "H2O"}
                               << QList<int>{2, 7, 4, 6} << Balance::Balanced;
    QTest::newRow("common factor 3") << QStringList{"C", "O2"} << QStringList{"CO2"}
                                     << QList<int>{3, 3, 3} << Balance::BalancedNotSmallest;
    QTest::newRow("element on one side only")
        << QStringList{"H2"} << QStringList{"He"} << QList<int>{1, 2} << Balance::Unbalanced;
    QTest::newRow("coefficient 0") << QStringList{"H2", "H2"} << QStringList{"H2"}
                                   << QList<int>{1, 0, 1} << Balance::Unbalanced;
    QTest::newRow("negative coefficient") << QStringList{"H2", "O2"} << QStringList{"H2O", "O2"}
                                          << QList<int>{2, 2, 2, -1} << Balance::Unbalanced;
    QTest::newRow("too few coefficients")
        << hydrogen << water << QList<int>{2, 1} << Balance::Unbalanced;
    QTest::newRow("too many coefficients")
        << hydrogen << water << QList<int>{2, 1, 2, 1} << Balance::Unbalanced;
    QTest::newRow("no products") << hydrogen << QStringList{} << QList<int>{2, 1}
                                 << Balance::Unbalanced;
    QTest::newRow("no reactants") << QStringList{} << water << QList<int>{2} << Balance::Unbalanced;
    QTest::newRow("large coefficients")
        << QStringList{"H2"} << QStringList{"H"} << QList<int>{1'000'000'000, 2'000'000'000}
        << Balance::BalancedNotSmallest;
    QTest::newRow("large counts") << QStringList{"(H999)999"} << QStringList{"H"}
                                  << QList<int>{2'000'000'000, 2'000'000'000}
                                  << Balance::Unbalanced;
}

void EquationTest::balanceCheck() {
    QFETCH(QStringList, reactants);
    QFETCH(QStringList, products);
    QFETCH(QList<int>, coefficients);
    QFETCH(Balance, expected);
    QCOMPARE(checkBalance(formulas(reactants), formulas(products), toVector(coefficients)),
             expected);
}

void EquationTest::smallestBalancing_data() {
    QTest::addColumn<QStringList>("reactants");
    QTest::addColumn<QStringList>("products");
    QTest::addColumn<int>("bound");
    QTest::addColumn<QList<int>>("expected");  // empty: none within the bound
    const QStringList ethane{"C2H6", "O2"}, burnt{"CO2", "H2O"};
    QTest::newRow("ethane needs 7") << ethane << burnt << 6 << QList<int>{};
    QTest::newRow("ethane within 7") << ethane << burnt << 7 << QList<int>{2, 7, 4, 6};
    // Two independent ways to balance: the smallest total wins.
    QTest::newRow("water and peroxide")
        << QStringList{"H2", "O2"} << QStringList{"H2O", "H2O2"} << 6 << QList<int>{3, 2, 2, 1};
    // 1, 3, 1, 2 comes first in reading order, but 3, 1, 1, 1 is smaller.
    QTest::newRow("smallest, not first")
        << QStringList{"O", "O3"} << QStringList{"O2", "O4"} << 6 << QList<int>{3, 1, 1, 1};
    QTest::newRow("cannot balance") << QStringList{"H2"} << QStringList{"O2"} << 6 << QList<int>{};
    QTest::newRow("bound 0") << QStringList{"H2"} << QStringList{"H2"} << 0 << QList<int>{};
    QTest::newRow("bound 1") << QStringList{"H2"} << QStringList{"H2"} << 1 << QList<int>{1, 1};
    QTest::newRow("no products") << QStringList{"H2"} << QStringList{} << 6 << QList<int>{};
}

void EquationTest::smallestBalancing() {
    QFETCH(QStringList, reactants);
    QFETCH(QStringList, products);
    QFETCH(int, bound);
    QFETCH(QList<int>, expected);
    QCOMPARE(toList(chem::smallestBalancing(formulas(reactants), formulas(products), bound)),
             expected);
}

void EquationTest::chemicalEquations_data() {
    // The Chemical Equations list with the answers its design states.
    QTest::addColumn<QStringList>("reactants");
    QTest::addColumn<QStringList>("products");
    QTest::addColumn<QList<int>>("answer");
    const auto row = [](const char* name, const QStringList& reactants, const QStringList& products,
                        const QList<int>& answer) {
        QTest::newRow(name) << reactants << products << answer;
    };
    row("H2 + O2 -> H2O", {"H2", "O2"}, {"H2O"}, {2, 1, 2});
    row("Mg + O2 -> MgO", {"Mg", "O2"}, {"MgO"}, {2, 1, 2});
    row("CH4 + O2 -> CO2 + H2O", {"CH4", "O2"}, {"CO2", "H2O"}, {1, 2, 1, 2});
    row("Na + Cl2 -> NaCl", {"Na", "Cl2"}, {"NaCl"}, {2, 1, 2});
    row("N2 + H2 -> NH3", {"N2", "H2"}, {"NH3"}, {1, 3, 2});
    row("Fe + O2 -> Fe2O3", {"Fe", "O2"}, {"Fe2O3"}, {4, 3, 2});
    row("Ca + H2O -> Ca(OH)2 + H2", {"Ca", "H2O"}, {"Ca(OH)2", "H2"}, {1, 2, 1, 1});
    row("Mg + HCl -> MgCl2 + H2", {"Mg", "HCl"}, {"MgCl2", "H2"}, {1, 2, 1, 1});
    row("CaCO3 -> CaO + CO2", {"CaCO3"}, {"CaO", "CO2"}, {1, 1, 1});
    row("C + O2 -> CO2", {"C", "O2"}, {"CO2"}, {1, 1, 1});
    row("Al + O2 -> Al2O3", {"Al", "O2"}, {"Al2O3"}, {4, 3, 2});
    row("Zn + HCl -> ZnCl2 + H2", {"Zn", "HCl"}, {"ZnCl2", "H2"}, {1, 2, 1, 1});
}

void EquationTest::chemicalEquations() {
    QFETCH(QStringList, reactants);
    QFETCH(QStringList, products);
    QFETCH(QList<int>, answer);
    const std::vector<Formula> left = formulas(reactants), right = formulas(products);
    const std::vector<int> numbers = toVector(answer);
    QCOMPARE(checkBalance(left, right, numbers), Balance::Balanced);
    // No smaller numbers within the boxes' 1 to 6 balance it.
    QCOMPARE(toList(chem::smallestBalancing(left, right, 6)), answer);
    std::vector<int> doubled = numbers;
    for (int& n : doubled) n *= 2;
    QCOMPARE(checkBalance(left, right, doubled), Balance::BalancedNotSmallest);
}

void EquationTest::exactBalancing_data() {
    QTest::addColumn<QString>("equation");
    QTest::addColumn<BalanceOutcome>("outcome");
    QTest::addColumn<QList<int>>("numbers");
    const auto row = [](const char* equation, BalanceOutcome outcome, const QList<int>& numbers) {
        QTest::newRow(equation) << QString::fromUtf8(equation) << outcome << numbers;
    };
    using enum BalanceOutcome;
    row("CH4 + O2 -> CO2 + H2O", Balanced, {1, 2, 1, 2});
    row("C3H8 + O2 -> CO2 + H2O", Balanced, {1, 5, 3, 4});
    row("CO2 + H2O -> C6H12O6 + O2", Balanced, {6, 6, 1, 6});
    row("Al + Fe2O3 -> Al2O3 + Fe", Balanced, {2, 1, 1, 2});
    row("Fe + O2 + H2O -> Fe(OH)3", Balanced, {4, 3, 6, 4});
    row("H2SO4 + NaOH -> Na2SO4 + H2O", Balanced, {1, 2, 1, 2});
    row("HNO3 + Ca(OH)2 -> Ca(NO3)2 + H2O", Balanced, {2, 1, 1, 2});
    row("KMnO4 + HCl -> KCl + MnCl2 + Cl2 + H2O", Balanced, {2, 16, 2, 2, 5, 8});
    row("KMnO4 + Na2C2O4 + H2SO4 -> K2SO4 + MnSO4 + Na2SO4 + CO2 + H2O", Balanced,
        {2, 5, 8, 1, 2, 5, 10, 8});
    row("H2 -> H2", Balanced, {1, 1});
    row("C8H18 + O2 -> CO2 + H2O", NeedsLargeNumber, {2, 25, 16, 18});
    row("K4Fe(CN)6 + KMnO4 + H2SO4 -> KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O",
        NeedsLargeNumber, {10, 122, 299, 162, 5, 122, 60, 60, 188});
    row("Fe + O2 -> FeO3 + C", CannotBalance, {});
    row("H2O -> H2O2", CannotBalance, {});
    // Only with a negative number: 2 H2O -> 2 H2 + O2 written the wrong way round.
    row("H2 + H2O -> O2", CannotBalance, {});
    row("H2 + O2 -> H2O + H2O2", MoreThanOneWay, {});
    // More than one way among the others, but helium can only be left out.
    row("H2 + O2 + He -> H2O + H2O2", CannotBalance, {});
}

void EquationTest::exactBalancing() {
    QFETCH(QString, equation);
    QFETCH(BalanceOutcome, outcome);
    QFETCH(QList<int>, numbers);
    // Read formula by formula: the balancer takes what the equation reader refuses ("H2 -> H2").
    const QStringList sides = equation.split(u" -> "_s);
    const std::vector<Formula> reactants = formulas(sides[0].split(u" + "_s));
    const std::vector<Formula> products = formulas(sides[1].split(u" + "_s));
    const BalanceResult result = balance(reactants, products);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(QList<int>(result.coefficients.begin(), result.coefficients.end()), numbers);
    if (!numbers.isEmpty())
        QCOMPARE(checkBalance(reactants, products, result.coefficients), Balance::Balanced);
}

void EquationTest::exactAgreesWithCounting() {
    // Random equations from a handful of formulas: what the exact working says about numbers up
    // to 4 must match trying every combination of them with checkBalance.
    const std::vector<Formula> pool =
        formulas({"H2", "O2", "H2O", "H2O2", "C", "CO", "CO2", "CH4", "Fe", "Fe2O3", "Fe3O4", "Na",
                  "NaCl", "Cl2", "HCl", "NaOH", "O3", "C2H6"});
    std::mt19937 random(7);
    int balanced = 0, cannot = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        std::vector<Formula> left, right;
        const int terms = 2 + static_cast<int>(random() % 3);
        for (int i = 0; i < terms; ++i)
            (i == 0 || (i > 1 && random() % 2) ? left : right)
                .push_back(pool[random() % pool.size()]);
        std::vector<std::vector<int>> found;  // every balancing with numbers 1 to 4, no factor
        std::vector<int> numbers(left.size() + right.size(), 1);
        while (true) {
            if (checkBalance(left, right, numbers) == Balance::Balanced) found.push_back(numbers);
            std::size_t i = numbers.size();
            while (i > 0 && numbers[i - 1] == 4) numbers[--i] = 1;
            if (i == 0) break;
            ++numbers[i - 1];
        }
        const BalanceResult exact = balance(left, right, 4);
        switch (exact.outcome) {
            case BalanceOutcome::Balanced:
                ++balanced;
                QCOMPARE(found.size(), std::size_t{1});
                QCOMPARE(found.front(), exact.coefficients);
                break;
            case BalanceOutcome::CannotBalance:
            case BalanceOutcome::NeedsLargeNumber:
                ++cannot;
                QVERIFY(found.empty());
                break;
            case BalanceOutcome::MoreThanOneWay:
            case BalanceOutcome::OutOfRange:
                break;
        }
    }
    QVERIFY(balanced > 20 && cannot > 20);
}

void EquationTest::equationText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read");  // the formulas read, or the problem
    QTest::newRow("spaces") << u"Fe2O3 + C -> Fe + CO2"_s << u"Fe2O3 + C | Fe + CO2"_s;
    QTest::newRow("arrow sign, no spaces, numbers in front")
        << u"CH4+2O2\u2192CO2+2H2O"_s << u"CH4 + O2 | CO2 + H2O"_s;
    QTest::newRow("equals, spaced numbers") << u" N2 + 3 H2 = 2 NH3 "_s << u"N2 + H2 | NH3"_s;
    QTest::newRow("no arrow") << u"H2 + O2"_s
                              << u"there is no arrow (write -> between the two sides)"_s;
    QTest::newRow("two arrows") << u"H2 -> H2O = O2"_s << u"there is more than one arrow"_s;
    QTest::newRow("missing after") << u"H2 + O2 ->"_s << u"a formula is missing after the arrow"_s;
    QTest::newRow("only a number")
        << u"2 + O2 -> O2"_s << u"a formula is missing before the arrow"_s;
    QTest::newRow("the same on both sides")
        << u"MgO -> MgO"_s << u"the two sides of the arrow are the same, so nothing reacts"_s;
    QTest::newRow("the same on both sides, in another order and number")
        << u"H2 + O2 ->O2+2 H2 + H2"_s
        << u"the two sides of the arrow are the same, so nothing reacts"_s;
    QTest::newRow("a formula on both sides, others not")
        << u"H2 + O2 -> H2 + H2O"_s << u"H2 + O2 | H2 + H2O"_s;
    QTest::newRow("too many formulas")
        << u"H"_s + u" + H"_s.repeated(19) + u" -> H2"_s << u"there are more than 20 formulas"_s;
    QTest::newRow("every problem told")
        << u"Ca(OH2 + Xy -> NaCL + H2O"_s
        << u"'Ca(OH2' has a '(' that is never closed; 'Xy' is not an element symbol; "
           u"'L' is not an element symbol"_s;
    QTest::newRow("long arrow") << u"CH4 + O2 --> CO2"_s << u"CH4 + O2 | CO2"_s;
    QTest::newRow("arrows of equals signs") << u"H2 + Cl2 ==> HCl"_s << u"H2 + Cl2 | HCl"_s;
    QTest::newRow("long arrow sign") << u"H2 + Cl2 \u27F6 HCl"_s << u"H2 + Cl2 | HCl"_s;
    QTest::newRow("a dash alone is no arrow")
        << u"CH4 + O2 - CO2"_s << u"there is no arrow (write -> between the two sides)"_s;
    QTest::newRow("a sign mistyped, told in words")
        << u"CH4 + O2 -> CO2 - H2O"_s
        << u"'CO2 - H2O' is not one formula: put + between two formulas, and -> between the "
           u"two sides"_s;
    QTest::newRow("state symbols kept aside")
        << u"Zn(s) + 2HCl(aq) -> ZnCl2(aq) + H2(g)"_s << u"Zn(s) + HCl(aq) | ZnCl2(aq) + H2(g)"_s;
    QTest::newRow("state symbols after a space")
        << u"2Mg (s) + O2 (g) = 2MgO (s)"_s << u"Mg(s) + O2(g) | MgO(s)"_s;
    QTest::newRow("(S) is sulfur, not a state")
        << u"Fe(S) -> Fe + S(s)"_s << u"Fe(S) | Fe + S(s)"_s;
    QTest::newRow("a state symbol alone is no formula")
        << u"(aq) + H2 -> H2O"_s
        << u"'a' is not an element symbol (a symbol starts with a capital letter)"_s;
    QTest::newRow("hydrate") << u"CuSO4.5H2O -> CuSO4 + 5H2O"_s
                             << u"CuSO4\u00B75H2O | CuSO4 + H2O"_s;
    QTest::newRow("a few problems, then how many more")
        << u"Qa + Qb + Qc + Qd + Qa + Qe -> H2"_s
        << u"'Qa' is not an element symbol; 'Qb' is not an element symbol; 'Qc' is not an "
           u"element symbol; and 2 more"_s;
}

void EquationTest::equationText() {
    QFETCH(QString, text);
    QFETCH(QString, read);
    const EquationReading reading = parseEquation(text);
    QCOMPARE(reading.problem.isEmpty(), bool(reading.equation));
    if (!reading.equation) {
        QCOMPARE(reading.problem, read);
        return;
    }
    const auto join = [](const std::vector<Formula>& side, const std::vector<QString>& states) {
        QStringList texts;
        for (std::size_t i = 0; i < side.size(); ++i)
            texts += QString::fromStdString(side[i].text()) +
                     (i < states.size() ? states[i] : QString());
        return texts.join(u" + "_s);
    };
    const ParsedEquation& equation = *reading.equation;
    QCOMPARE(join(equation.reactants, equation.reactantStates) + u" | "_s +
                 join(equation.products, equation.productStates),
             read);
}

void EquationTest::formulaProblems_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("small letter") << u"h2o"_s
                                  << u"'h' is not an element symbol (a symbol starts with a "
                                     u"capital letter)"_s;
    QTest::newRow("count 0") << u"H0"_s << u"'H0' has a number starting with 0"_s;
    QTest::newRow("count too large") << u"C1000"_s << u"'C1000' has a number over 999"_s;
    QTest::newRow("number first") << u"(2H)"_s
                                  << u"'(2H)' has a number where an element symbol should be"_s;
    QTest::newRow("closing only") << u"CaOH)2"_s << u"'CaOH)2' has a ')' with no '(' before it"_s;
    QTest::newRow("empty brackets") << u"H()2"_s << u"'H()2' has brackets with nothing in them"_s;
    QTest::newRow("square brackets")
        << u"K4[Fe(CN)6]"_s << u"'K4[Fe(CN)6]' has '[': use round brackets ( ) in a formula"_s;
    QTest::newRow("space") << u"H2 O"_s << u"'H2 O' has a space in it: write it 'H2O'"_s;
    QTest::newRow("space, and more wrong")
        << u"H2 Xy"_s << u"'H2 Xy' has a space in it: write a formula without spaces"_s;
    QTest::newRow("hydrate: nothing after the dot")
        << u"CuSO4."_s << u"'CuSO4.' has no formula after its dot"_s;
    QTest::newRow("hydrate: nothing before the dot")
        << u"\u00B75H2O"_s << u"'\u00B75H2O' has a dot with no formula before it"_s;
    QTest::newRow("hydrate: dot in brackets")
        << u"Ca(OH.H)2"_s
        << u"'Ca(OH.H)2' has a dot inside brackets; a hydrate's dot goes between its parts, as "
           u"in CuSO4.5H2O"_s;
    QTest::newRow("hydrate: the problem after the dot")
        << u"CuSO4\u22C55Xy"_s << u"'Xy' is not an element symbol"_s;
    QTest::newRow("charge") << u"Na+"_s << u"'Na+' has '+', which cannot be in a formula"_s;
    QTest::newRow("subscript") << u"H\u2082O"_s
                               << u"'H\u2082O' has '\u2082': type the small numbers as ordinary "
                                  u"digits"_s;
    const QString deep = u"("_s.repeated(17) + u'H' + u")"_s.repeated(17);
    QTest::newRow("too deep") << deep << u'\'' + deep + u"' has brackets more than 16 deep"_s;
    QTest::newRow("too many atoms")
        << u"(H999)999H999H999H2"_s
        << u"'(H999)999H999H999H2' has more than a million atoms of one element"_s;
}

void EquationTest::formulaProblems() {
    QFETCH(QString, text);
    QFETCH(QString, problem);
    const FormulaReading reading = readFormula(text);
    QVERIFY(!reading.formula);
    QCOMPARE(reading.problem, problem);
}

QTEST_GUILESS_MAIN(EquationTest)
#include "tst_equation.moc"
