// Substituting into Formulae: values drawn in range, whole answers, the working and the screen.
#include <QFontMetricsF>
#include <QtTest>
#include <iterator>

#include "TestProgram.h"
#include "TextFit.h"
#include "activities/formulae/FormulaQuestion.h"
#include "activities/formulae/FormulaeScreen.h"
#include "forms/Font.h"
#include "kit/quiz/QuizText.h"
#include "shell/HouseLooks.h"

using namespace formulae;
using testing_support::TestProgram;

namespace {

constexpr int kDraws = 3000;
const QChar kMinus(0x2212);

bool inValues(int value, const Values& values) {
    for (int i = 0; i < valueCount(values); ++i)
        if (valueAt(values, i) == value) return true;
    return false;
}

// The seeds a program's platform hands out: a counter spread over 64 bits.
std::uint64_t seed(int n) {
    return static_cast<std::uint64_t>(n + 1) * 0x9E3779B97F4A7C15ULL;
}

}  // namespace

class FormulaQuestionTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { forms::registerHouseFonts(); }
    void drawsAreWholeAndInRange_data();
    void drawsAreWholeAndInRange();
    void workingFollowsTheValues_data();
    void workingFollowsTheValues();
    void everyDrawFitsItsPlace_data();
    void everyDrawFitsItsPlace();
    void negativesUseATrueMinusSign();
    void screenNeverAsksTheSameQuestionTwiceRunning();
    void screenDrawsThroughThePlatformsSeeds();
};

namespace {

void addTemplateRows() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(std::size(kFormulaTemplates)); ++i)
        QTest::newRow(kFormulaTemplates[i].result.name) << i;
}

}  // namespace

void FormulaQuestionTest::drawsAreWholeAndInRange_data() {
    addTemplateRows();
}

void FormulaQuestionTest::drawsAreWholeAndInRange() {
    QFETCH(int, index);
    const FormulaTemplate& formula = kFormulaTemplates[index];
    QSet<int> drawn;
    QSet<int> seconds;
    for (int n = 0; n < kDraws; ++n) {
        const FormulaValues v = drawValues(formula, seed(n));
        QVERIFY(inValues(v.second, formula.secondValues));
        switch (formula.operation) {
            case Operation::Divide:
                // The answer is the one in range, and nothing is left over.
                QVERIFY(v.second != 0);
                QCOMPARE(v.first % v.second, 0);
                QCOMPARE(v.first / v.second, v.result);
                break;
            case Operation::Multiply:
                QCOMPARE(v.first * v.second, v.result);
                break;
            case Operation::Subtract:
                QCOMPARE(v.first - v.second, v.result);
                break;
        }
        // What the apparatus holds: a gas syringe's 100 cm³.
        if (formula.firstAtMost > 0) QVERIFY(v.first <= formula.firstAtMost);
        const int chosen = formula.operation == Operation::Multiply ? v.first : v.result;
        QVERIFY(inValues(chosen, formula.drawn));
        drawn << chosen;
        seconds << v.second;
    }
    // Both ends of each range come up: an off-by-one in a draw would lose one of them.
    QCOMPARE(drawn.size(), valueCount(formula.drawn));
    QCOMPARE(seconds.size(), valueCount(formula.secondValues));
}

void FormulaQuestionTest::workingFollowsTheValues_data() {
    addTemplateRows();
}

void FormulaQuestionTest::workingFollowsTheValues() {
    QFETCH(int, index);
    const FormulaTemplate& formula = kFormulaTemplates[index];
    const QString result = QString::fromUtf8(formula.result.name);
    for (int n = 0; n < 200; ++n) {
        const FormulaValues v = drawValues(formula, seed(n));
        const quiz::QuizItem item = formulaItem(formula, v);
        const QStringList lines = item.question.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[1].isEmpty());
        QVERIFY2(lines[0].startsWith(result + QStringLiteral(" = ")), qPrintable(lines[0]));
        // Each value is given with its unit, under the name the formula uses.
        const auto given = [](const Quantity& quantity, int value) {
            return QStringLiteral("%1 = %2 %3")
                .arg(QString::fromUtf8(quantity.name), quiz::numberText(value),
                     QString::fromUtf8(quantity.unit));
        };
        QCOMPARE(lines[2], given(formula.first, v.first));
        QCOMPARE(lines[3], given(formula.second, v.second));
        QCOMPARE(lines[4], result + QStringLiteral(" = ?"));
        // The working ends on the answer and its unit.
        QVERIFY2(item.answer.startsWith(result + QStringLiteral(" = ") + quiz::numberText(v.first) +
                                        QLatin1Char(' ')),
                 qPrintable(item.answer));
        QVERIFY2(item.answer.endsWith(
                     QStringLiteral(" = %1 %2")
                         .arg(quiz::numberText(v.result), QString::fromUtf8(formula.result.unit))),
                 qPrintable(item.answer));
        QCOMPARE(item.reason.isEmpty(), formula.reasons == nullptr);
    }
}

void FormulaQuestionTest::everyDrawFitsItsPlace_data() {
    addTemplateRows();
}

// Through the screen, which breaks a long formula after its equals sign.
void FormulaQuestionTest::everyDrawFitsItsPlace() {
    QFETCH(int, index);
    TestProgram program;
    auto& screen = program.screens.show<FormulaeScreen>(QStringLiteral("formulae"));
    const quiz::QuizLayout& layout = screen.layout();
    const forms::FontSpec question = shell::questionLook(layout.questionPoints).font;
    const forms::FontSpec answer = shell::answerLook(layout.answerPoints).font;
    const forms::FontSpec reason = shell::answerLook(layout.reasonPoints).font;
    for (int n = 0; n < 1000; ++n) {
        const quiz::QuizItem item = screen.makeItem(index);
        QVERIFY2(forms::captionFits(item.question, question, layout.question),
                 qPrintable(item.question));
        QVERIFY2(forms::captionFits(item.answer, answer, layout.answer), qPrintable(item.answer));
        QVERIFY2(forms::captionFits(item.reason, reason, layout.reason), qPrintable(item.reason));
        // Each line fits whole, so no name is wrapped onto two lines.
        const QFontMetricsF metrics(question.toQFont());
        for (const QString& line : item.question.split(QLatin1Char('\n')))
            QVERIFY2(metrics.horizontalAdvance(line) <= layout.question.toPixels().width(),
                     qPrintable(line));
    }
}

void FormulaQuestionTest::negativesUseATrueMinusSign() {
    QCOMPARE(quiz::numberText(-6), QString(kMinus) + QLatin1Char('6'));
    QCOMPARE(quiz::numberText(0), QStringLiteral("0"));
    QCOMPARE(quiz::numberText(INT_MIN), QString(kMinus) + QStringLiteral("2147483648"));
    int negatives = 0;
    for (const FormulaTemplate& formula : kFormulaTemplates) {
        for (int n = 0; n < kDraws; ++n) {
            const FormulaValues v = drawValues(formula, seed(n));
            const quiz::QuizItem item = formulaItem(formula, v);
            const QString all = item.question + item.answer + item.reason;
            QVERIFY2(!all.contains(QLatin1Char('-')), qPrintable(all));
            if (v.result < 0) {
                ++negatives;
                QVERIFY2(item.answer.endsWith(QStringLiteral(" = ") + kMinus +
                                              QString::number(-v.result) + QStringLiteral(" °C")),
                         qPrintable(item.answer));
            }
        }
    }
    // The temperature change goes down to −10, so falls do come up.
    QVERIFY(negatives > 0);
}

void FormulaQuestionTest::screenNeverAsksTheSameQuestionTwiceRunning() {
    TestProgram program;
    auto& screen = program.screens.show<FormulaeScreen>(QStringLiteral("formulae"));
    QString last = screen.current().question;
    QVERIFY(!last.isEmpty());
    QSet<int> formulas{screen.currentIndex()};
    for (int press = 0; press < 500; ++press) {
        screen.next();
        QVERIFY2(screen.current().question != last, qPrintable(last));
        last = screen.current().question;
        formulas << screen.currentIndex();
    }
    QCOMPARE(formulas.size(), static_cast<int>(std::size(kFormulaTemplates)));
    // Asked for the formula on show, it still gives another question.
    for (int n = 0; n < 50; ++n)
        QVERIFY(screen.makeItem(screen.currentIndex()).question != screen.current().question);
}

// Two programs on fakes that hand out the same seeds ask the same questions.
void FormulaQuestionTest::screenDrawsThroughThePlatformsSeeds() {
    QStringList asked[2];
    for (QStringList& questions : asked) {
        TestProgram program;
        auto& screen = program.screens.show<FormulaeScreen>(QStringLiteral("formulae"));
        for (int press = 0; press < 20; ++press) {
            questions << screen.current().question + screen.current().answer;
            screen.next();
        }
    }
    QCOMPARE(asked[0], asked[1]);
    QCOMPARE(QSet<QString>(asked[0].begin(), asked[0].end()).size(), asked[0].size());
}

QTEST_MAIN(FormulaQuestionTest)
#include "tst_formulaquestion.moc"
