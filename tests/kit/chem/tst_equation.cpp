// Balancing: the check behind the tick, the search for the smallest numbers, and the class's
// equations.
#include <QtTest>
#include <vector>

#include "kit/chem/Equation.h"

using namespace chem;

Q_DECLARE_METATYPE(chem::Balance)

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

QTEST_GUILESS_MAIN(EquationTest)
#include "tst_equation.moc"
