// Metals and Acids: every row, read with its blank filled, is a metal and an acid giving that
// metal's salt of that acid and hydrogen.
#include <QtTest>
#include <algorithm>
#include <map>

#include "TestProgram.h"
#include "activities/metalsacids/MetalsAcidsBoard.h"
#include "activities/reactivity/ReactivityBoard.h"
#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"

using namespace forms;

namespace {

// Hydrogen comes off dilute acids only from the metals above it in the series;
// copper is the first below.
bool reactsWithDiluteAcid(const QString& metal) {
    for (const labelling::BoardItem& item : reactivity::kItems) {
        if (QLatin1String(item.text) == QLatin1String("copper")) return false;
        if (QLatin1String(item.text) == metal) return true;
    }
    return false;
}

}  // namespace

class MetalsAcidsBoardTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void rowReadsAsMetalPlusAcid_data();
    void rowReadsAsMetalPlusAcid();
};

void MetalsAcidsBoardTest::rowReadsAsMetalPlusAcid_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < std::ssize(metalsacids::kRows); ++row)
        QTest::newRow(metalsacids::kRows[row].before.text) << row;
}

// The row's texts, its arrow and the one box standing in it, left to right as the screen shows
// them; the box reads as the name label that belongs on it.
void MetalsAcidsBoardTest::rowReadsAsMetalPlusAcid() {
    QFETCH(int, row);
    testing_support::TestProgram program;
    auto& board = program.screens.show<labelling::LabellingBoard>(QStringLiteral("metalsacids"));
    const auto part = [&](const char* array) -> Label& {
        return (*board.array<Label>(QString::fromLatin1(array)))[row];
    };
    std::map<float, QString> reading{{part("Label5").left(), part("Label5").caption()},
                                     {part("Label7").left(), QStringLiteral("=")},
                                     {part("Label6").left(), part("Label6").caption()}};
    auto& boxes = *board.array<Label>(QStringLiteral("Label1"));
    auto& names = *board.array<Label>(QStringLiteral("Label2"));
    const float middle = part("Label5").top() + part("Label5").height() / 2;
    for (int k = 0; k < board.count(); ++k) {
        if (boxes[k].top() < middle && middle < boxes[k].top() + boxes[k].height())
            reading.insert({boxes[k].left(), names[k].caption()});
    }
    QCOMPARE(reading.size(), size_t(4));

    QString equation;
    for (const auto& [left, text] : reading) equation += QLatin1Char(' ') + text + QLatin1Char(' ');
    const QStringList sides = equation.split(QLatin1Char('='));
    QCOMPARE(sides.size(), 2);
    QStringList reactants = sides[0].split(QLatin1Char('+'));
    QStringList products = sides[1].split(QLatin1Char('+'));
    std::ranges::for_each(reactants, [](QString& term) { term = term.simplified(); });
    std::ranges::for_each(products, [](QString& term) { term = term.simplified(); });
    QCOMPARE(reactants.size(), 2);
    QCOMPARE(products.size(), 2);

    const std::map<QString, QString> saltOf{
        {QStringLiteral("hydrochloric acid"), QStringLiteral("chloride")},
        {QStringLiteral("sulphuric acid"), QStringLiteral("sulphate")}};
    QVERIFY2(reactsWithDiluteAcid(reactants[0]), qPrintable(reactants[0]));
    QVERIFY2(saltOf.contains(reactants[1]), qPrintable(reactants[1]));
    QCOMPARE(products[0], reactants[0] + QLatin1Char(' ') + saltOf.at(reactants[1]));
    QCOMPARE(products[1], QStringLiteral("hydrogen"));
}

QTEST_MAIN(MetalsAcidsBoardTest)
#include "tst_metalsacidsboard.moc"
