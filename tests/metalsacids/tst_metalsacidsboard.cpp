// Metals and Acids: every row, read with its blank filled, is a metal and an acid giving that
// metal's salt of that acid and hydrogen.
#include <QtTest>
#include <algorithm>
#include <vector>

#include "TestProgram.h"
#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "forms/Screens.h"
#include "labelling/LabellingBoard.h"
#include "metalsacids/MetalsAcidsBoard.h"
#include "reactivity/ReactivityBoard.h"

using namespace forms;

namespace {

// The salt's second word for each acid.
QString saltOf(const QString& acid) {
    if (acid == QLatin1String("hydrochloric acid")) return QStringLiteral("chloride");
    if (acid == QLatin1String("sulphuric acid")) return QStringLiteral("sulphate");
    if (acid == QLatin1String("nitric acid")) return QStringLiteral("nitrate");
    return {};
}

// Hydrogen comes off dilute acids only with metals above it in the series; copper is the first
// below.
bool reactsWithDiluteAcid(const QString& metal) {
    for (const labelling::BoardItem& item : reactivity::kItems) {
        if (QString::fromUtf8(item.text) == QLatin1String("copper")) return false;
        if (QString::fromUtf8(item.text) == metal) return true;
    }
    return false;
}

}  // namespace

class MetalsAcidsBoardTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void rowReadsAsMetalPlusAcid_data();
    void rowReadsAsMetalPlusAcid();

  private:
    std::unique_ptr<testing_support::TestProgram> m_program;
    labelling::LabellingBoard* m_board = nullptr;
};

void MetalsAcidsBoardTest::initTestCase() {
    m_program = std::make_unique<testing_support::TestProgram>();
    m_board = &static_cast<labelling::LabellingBoard&>(
        m_program->screens.show(QStringLiteral("metalsacids")));
}

void MetalsAcidsBoardTest::cleanupTestCase() {
    m_program.reset();
}

void MetalsAcidsBoardTest::rowReadsAsMetalPlusAcid_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < std::ssize(metalsacids::kRows); ++row)
        QTest::newRow(metalsacids::kRows[row].before.text) << row;
}

// The row's texts, its arrow and the one box standing in it, taken left to right as the screen
// shows them; the box reads as the name label that belongs on it.
void MetalsAcidsBoardTest::rowReadsAsMetalPlusAcid() {
    QFETCH(int, row);
    const auto piece = [&](const char* array) -> Label& {
        return (*m_board->array<Label>(QString::fromLatin1(array)))[row];
    };
    std::vector<std::pair<float, QString>> pieces{
        {piece("Label5").left(), piece("Label5").caption()},
        {piece("Label7").left(), QStringLiteral("=")},
        {piece("Label6").left(), piece("Label6").caption()}};
    auto& boxes = *m_board->array<Label>(QStringLiteral("Label1"));
    auto& names = *m_board->array<Label>(QStringLiteral("Label2"));
    const float middle = piece("Label5").top() + piece("Label5").height() / 2;
    int blanks = 0;
    for (int k = 0; k < m_board->count(); ++k) {
        if (boxes[k].top() < middle && middle < boxes[k].top() + boxes[k].height()) {
            pieces.push_back({boxes[k].left(), names[k].caption()});
            ++blanks;
        }
    }
    QCOMPARE(blanks, 1);
    std::ranges::sort(pieces, {}, &std::pair<float, QString>::first);

    QString equation;
    for (const auto& [left, text] : pieces) equation += QLatin1Char(' ') + text;
    const QStringList sides = equation.split(QLatin1Char('='));
    QCOMPARE(sides.size(), 2);
    QStringList reactants = sides[0].split(QLatin1Char('+'));
    QStringList products = sides[1].split(QLatin1Char('+'));
    for (QString& term : reactants) term = term.simplified();
    for (QString& term : products) term = term.simplified();
    QCOMPARE(reactants.size(), 2);
    QCOMPARE(products.size(), 2);

    const QString& metal = reactants[0];
    const QString& acid = reactants[1];
    QVERIFY2(reactsWithDiluteAcid(metal), qPrintable(metal));
    QVERIFY2(!saltOf(acid).isEmpty(), qPrintable(acid));
    QCOMPARE(products[0], metal + QLatin1Char(' ') + saltOf(acid));
    QCOMPARE(products[1], QStringLiteral("hydrogen"));
}

QTEST_MAIN(MetalsAcidsBoardTest)
#include "tst_metalsacidsboard.moc"
