// Chemical Equations: the table balances with its own numbers, the row fits, and the check the
// class sees after clicking the numbers.
#include <QtTest>
#include <chrono>

#include "Mouse.h"
#include "TestProgram.h"
#include "TextFit.h"
#include "activities/equations/ChemicalEquations.h"
#include "activities/equations/EquationsScreen.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "kit/chem/Equation.h"
#include "kit/chem/FormulaText.h"
#include "shell/HouseStyle.h"

using namespace forms;
using equations::EquationsScreen;
using equations::kChemicalEquations;
using equations::SymbolEquation;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

const QString kScreen = QStringLiteral("equations");

std::vector<int> answerOf(const equations::ChemicalEquation& row, int terms) {
    return {row.answer.begin(), row.answer.begin() + terms};
}

int indexOf(const char* symbols) {
    for (int i = 0; i < std::ssize(kChemicalEquations); ++i)
        if (QByteArray(kChemicalEquations[i].symbols) == symbols) return i;
    qFatal("no such equation: %s", symbols);
}

// The formulas of a shown equation read back as typed: "2H₂O" gives 2 and "H2O".
std::pair<int, std::string> readTerm(QString term) {
    for (QChar& c : term)
        if (c.unicode() >= 0x2080 && c.unicode() <= 0x2089)
            c = QChar(u'0' + (c.unicode() - 0x2080));
    int digits = 0;
    while (digits < term.size() && term[digits].isDigit()) ++digits;
    return {digits ? term.left(digits).toInt() : 1, term.mid(digits).toStdString()};
}

}  // namespace

class EquationsScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void table_data();
    void table();
    void rowFitsAcrossTheScreen();
    void checkAfterClicks_data();
    void checkAfterClicks();
    void numbersCountToSixAndRoundWithOneFaint();
    void changingANumberTakesTheMarkDown();
    void nextDrawsEveryEquationAndStartsAfresh();
    void answerShowsNumbersThatBalance_data();
    void answerShowsNumbersThatBalance();
    void everyCheckMessageFits();
    void remoteKeysRevealThenMoveOn();

  private:
    Label& number(int term) const {
        return (*m_screen->array<Label>(QStringLiteral("lblnumber")))[term];
    }
    Label& label(const char* name) const { return *m_screen->find<Label>(QLatin1String(name)); }
    PictureBox& mark(const char* name) const {
        return *m_screen->find<PictureBox>(QLatin1String(name));
    }
    void click(const char* button) {
        m_mouse->click(Mouse::centreOf(*m_screen->find<CommandButton>(QLatin1String(button))));
    }
    // Clicks each box up from 1 to the number wanted.
    void clickNumbers(const QList<int>& numbers) {
        for (int term = 0; term < numbers.size(); ++term)
            for (int n = 1; n < numbers[term]; ++n) m_mouse->click(Mouse::centreOf(number(term)));
    }

    std::unique_ptr<TestProgram> m_program;
    EquationsScreen* m_screen = nullptr;
    std::unique_ptr<Mouse> m_mouse;
};

void EquationsScreenTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_program->addShellPictures();
    m_screen = &m_program->screens.show<EquationsScreen>(kScreen);
    m_mouse = std::make_unique<Mouse>(*m_screen);
}

void EquationsScreenTest::cleanup() {
    m_mouse.reset();
    m_program.reset();
}

void EquationsScreenTest::table_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < std::ssize(kChemicalEquations); ++i)
        QTest::newRow(kChemicalEquations[i].symbols) << i;
}

void EquationsScreenTest::table() {
    QFETCH(int, index);
    const equations::ChemicalEquation& row = kChemicalEquations[index];
    const std::optional<SymbolEquation> equation =
        equations::readSymbolEquation(QString::fromUtf8(row.symbols));
    QVERIFY(equation);
    const int terms = equation->termCount();
    QVERIFY(terms <= equations::kMaxTerms);
    // A number for each formula and none after the last.
    for (int i = 0; i < equations::kMaxTerms; ++i) QCOMPARE(row.answer[i] > 0, i < terms);

    const std::vector<int> answer = answerOf(row, terms);
    QCOMPARE(chem::checkBalance(equation->reactants, equation->products, answer),
             chem::Balance::Balanced);
    QCOMPARE(chem::smallestBalancing(equation->reactants, equation->products), answer);

    // The words name as many substances on each side as the formulas do.
    const QStringList sides = QString::fromUtf8(row.words).split(QStringLiteral(" \u2192 "));
    QCOMPARE(sides.size(), 2);
    QCOMPARE(sides[0].count(QStringLiteral(" + ")) + 1, std::ssize(equation->reactants));
    QCOMPARE(sides[1].count(QStringLiteral(" + ")) + 1, std::ssize(equation->products));

    // On one line, or two broken at the arrow.
    const QString shown = EquationsScreen::wordsAsShown(row.words);
    QVERIFY(captionFits(shown, tahoma(EquationsScreen::kWordsPoints, true),
                        EquationsScreen::kWordsPlace));
    for (const QString& line : shown.split(QLatin1Char('\n'))) {
        QVERIFY2(captionFits(line, tahoma(EquationsScreen::kWordsPoints, true),
                             {0, 0, EquationsScreen::kWordsPlace.width, 600}),
                 qPrintable(line));
    }
    QCOMPARE(shown.count(QLatin1Char('\n')) == 1, shown.contains(QStringLiteral("\u2192\n")));
    QVERIFY(captionFits(equations::writtenEquation(*equation, answer),
                        tahoma(EquationsScreen::kFormulaPoints, true),
                        EquationsScreen::kAnswerPlace));
}

void EquationsScreenTest::rowFitsAcrossTheScreen() {
    const TwipRect words = EquationsScreen::kWordsPlace;
    const TwipRect message = EquationsScreen::kMessagePlace;
    for (int i = 0; i < std::ssize(kChemicalEquations); ++i) {
        m_screen->showEquation(i);
        float right = 120;
        // In reading order: number, formula, sign, number, ...
        for (int term = 0; term < m_screen->equation().termCount(); ++term) {
            std::vector<Label*> texts{
                &number(term), &(*m_screen->array<Label>(QStringLiteral("lblformula")))[term]};
            if (term + 1 < m_screen->equation().termCount())
                texts.push_back(&(*m_screen->array<Label>(QStringLiteral("lblsign")))[term]);
            for (Label* text : texts) {
                QVERIFY2(text->isVisible(), kChemicalEquations[i].symbols);
                QVERIFY2(text->left() >= right, kChemicalEquations[i].symbols);
                QVERIFY2(captionFits(text->caption(), text->look().font, text->rect(),
                                     text->look().border),
                         qPrintable(text->caption()));
                QVERIFY(text->top() >= words.bottom() && text->rect().bottom() <= message.top);
                right = text->rect().right();
            }
            // Big enough to hit with a pen from arm's length.
            QVERIFY(number(term).width() >= 900 && number(term).height() >= 600);
        }
        QVERIFY2(right <= m_screen->clientWidth() - 120, kChemicalEquations[i].symbols);
        for (int term = m_screen->equation().termCount(); term < equations::kMaxTerms; ++term)
            QVERIFY(!number(term).isVisible());
    }
}

void EquationsScreenTest::checkAfterClicks_data() {
    QTest::addColumn<QByteArray>("symbols");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<QString>("message");
    QTest::newRow("balanced") << QByteArray("H2 + O2 → H2O") << QList<int>{2, 1, 2} << true
                              << "Balanced, in the smallest numbers.";
    QTest::newRow("unbalanced")
        << QByteArray("H2 + O2 → H2O") << QList<int>{2, 1, 1} << false
        << "Not balanced.\nH atoms: 4 on the left, 2 on the right\nO atoms: 2 on the left, 1 on "
           "the right";
    QTest::newRow("as it starts, all ones")
        << QByteArray("CH4 + O2 → CO2 + H2O") << QList<int>{1, 1, 1, 1} << false
        << "Not balanced.\nH atoms: 4 on the left, 2 on the right\nO atoms: 2 on the left, 3 on "
           "the right";
    QTest::newRow("common factor")
        << QByteArray("H2 + O2 → H2O") << QList<int>{4, 2, 4} << false
        << "It balances, but not in the smallest numbers:\ndivide every number by 2.";
    QTest::newRow("common factor 3") << QByteArray("C + O2 → CO2") << QList<int>{3, 3, 3} << false
                                     << "It balances, but not in the smallest numbers:\ndivide "
                                        "every number by 3.";
    QTest::newRow("brackets, balanced")
        << QByteArray("Ca + H2O → Ca(OH)2 + H2") << QList<int>{1, 2, 1, 1} << true
        << "Balanced, in the smallest numbers.";
    // Would balance if the 2 after the bracket were lost.
    QTest::newRow("brackets multiplied out")
        << QByteArray("Ca + H2O → Ca(OH)2 + H2") << QList<int>{2, 2, 2, 1} << false
        << "Not balanced.\nH atoms: 4 on the left, 6 on the right\nO atoms: 2 on the left, 4 on "
           "the right";
    QTest::newRow("fours and threes") << QByteArray("Al + O2 → Al2O3") << QList<int>{4, 3, 2}
                                      << true << "Balanced, in the smallest numbers.";
}

void EquationsScreenTest::checkAfterClicks() {
    QFETCH(QByteArray, symbols);
    QFETCH(QList<int>, numbers);
    QFETCH(bool, tick);
    QFETCH(QString, message);
    m_screen->showEquation(indexOf(symbols.constData()));
    clickNumbers(numbers);
    QCOMPARE(QList<int>(m_screen->numbers().begin(), m_screen->numbers().end()), numbers);
    QVERIFY(!mark("imgtick").isVisible() && !mark("imgcross").isVisible());
    click("cmdcheckit");
    QCOMPARE(mark("imgtick").isVisible(), tick);
    QCOMPARE(mark("imgcross").isVisible(), !tick);
    QVERIFY(label("lblmessage").isVisible());
    QCOMPARE(label("lblmessage").caption(), message);
    QVERIFY(captionFits(message, label("lblmessage").look().font, label("lblmessage").rect()));
}

void EquationsScreenTest::numbersCountToSixAndRoundWithOneFaint() {
    m_screen->showEquation(indexOf("N2 + H2 → NH3"));
    Label& box = number(1);
    QCOMPARE(box.caption(), QStringLiteral("1"));
    const Colour faint = box.look().fore;
    QVERIFY(faint != shell::TitleYellow);
    QVERIFY(qGray(faint) < qGray(shell::TitleYellow));
    for (int expected = 2; expected <= EquationsScreen::kHighestNumber; ++expected) {
        m_mouse->click(Mouse::centreOf(box));
        QCOMPARE(box.caption(), QString::number(expected));
        QCOMPARE(box.look().fore, shell::TitleYellow);
    }
    m_mouse->click(Mouse::centreOf(box));
    QCOMPARE(box.caption(), QStringLiteral("1"));
    QCOMPARE(box.look().fore, faint);
    // Only the box clicked counts.
    QCOMPARE(number(0).caption(), QStringLiteral("1"));
    QCOMPARE(number(2).caption(), QStringLiteral("1"));
    QCOMPARE(QList<int>(m_screen->numbers().begin(), m_screen->numbers().end()),
             (QList<int>{1, 1, 1}));
}

void EquationsScreenTest::changingANumberTakesTheMarkDown() {
    m_screen->showEquation(indexOf("Na + Cl2 → NaCl"));
    clickNumbers({2, 1, 2});
    click("cmdcheckit");
    QVERIFY(mark("imgtick").isVisible());
    m_mouse->click(Mouse::centreOf(number(0)));
    QVERIFY(!mark("imgtick").isVisible());
    QVERIFY(!mark("imgcross").isVisible());
    QVERIFY(!label("lblmessage").isVisible());
    click("cmdcheckit");
    QVERIFY(mark("imgcross").isVisible());
}

void EquationsScreenTest::nextDrawsEveryEquationAndStartsAfresh() {
    const int count = static_cast<int>(std::ssize(kChemicalEquations));
    QSet<int> seen{m_screen->equationIndex()};
    for (int draw = 1; draw < count; ++draw) {
        clickNumbers({2, 3});
        click("cmdcheckit");
        click("cmdsoln");
        QVERIFY(label("lblanswer").isVisible());
        click("cmdgo");
        seen.insert(m_screen->equationIndex());
        for (int term = 0; term < m_screen->equation().termCount(); ++term)
            QCOMPARE(number(term).caption(), QStringLiteral("1"));
        QVERIFY(!mark("imgtick").isVisible() && !mark("imgcross").isVisible());
        QVERIFY(!label("lblmessage").isVisible());
        QVERIFY(!label("lblanswer").isVisible());
        QCOMPARE(QString(label("lblwords").caption()).replace(QLatin1Char('\n'), QLatin1Char(' ')),
                 QString::fromUtf8(kChemicalEquations[m_screen->equationIndex()].words));
    }
    QCOMPARE(seen.size(), count);
}

void EquationsScreenTest::answerShowsNumbersThatBalance_data() {
    table_data();
}

// Read back from the green line itself: its numbers balance the formulas on screen.
void EquationsScreenTest::answerShowsNumbersThatBalance() {
    QFETCH(int, index);
    m_screen->showEquation(index);
    QVERIFY(!label("lblanswer").isVisible());
    click("cmdsoln");
    QVERIFY(label("lblanswer").isVisible());
    const QStringList sides = label("lblanswer").caption().split(QStringLiteral(" \u2192 "));
    QCOMPARE(sides.size(), 2);
    std::vector<chem::Formula> formulas[2];
    std::vector<int> numbers;
    for (int side = 0; side < 2; ++side) {
        for (const QString& term : sides[side].split(QStringLiteral(" + "))) {
            const auto [n, text] = readTerm(term);
            const std::optional<chem::Formula> formula = chem::parseFormula(text);
            QVERIFY2(formula, qPrintable(term));
            formulas[side].push_back(*formula);
            numbers.push_back(n);
        }
    }
    QCOMPARE(formulas[0], m_screen->equation().reactants);
    QCOMPARE(formulas[1], m_screen->equation().products);
    QCOMPARE(chem::checkBalance(formulas[0], formulas[1], numbers), chem::Balance::Balanced);
    // Showing the answer leaves the class's own numbers as they were.
    for (int term = 0; term < m_screen->equation().termCount(); ++term)
        QCOMPARE(number(term).caption(), QStringLiteral("1"));
}

void EquationsScreenTest::everyCheckMessageFits() {
    const FontSpec font = label("lblmessage").look().font;
    const TwipRect place = label("lblmessage").rect();
    for (const equations::ChemicalEquation& row : kChemicalEquations) {
        const SymbolEquation equation =
            *equations::readSymbolEquation(QString::fromUtf8(row.symbols));
        std::vector<int> numbers(static_cast<size_t>(equation.termCount()), 1);
        QSet<QString> messages;
        do {
            messages.insert(EquationsScreen::checkMessage(equation, numbers));
            size_t i = numbers.size();
            while (i > 0 && numbers[i - 1] == EquationsScreen::kHighestNumber) numbers[--i] = 1;
            if (i == 0) break;
            ++numbers[i - 1];
        } while (true);
        for (const QString& message : messages) {
            QVERIFY2(captionFits(message, font, place), qPrintable(message));
            // Each element on a line of its own, never run on to the next.
            for (const QString& line : message.split(QLatin1Char('\n')))
                QVERIFY2(captionFits(line, font, {0, 0, place.width, 600}), qPrintable(line));
        }
    }
}

void EquationsScreenTest::remoteKeysRevealThenMoveOn() {
    QWidget* window = m_screen->window();
    const int first = m_screen->equationIndex();
    clickNumbers({3});
    QTest::keyClick(window, Qt::Key_PageDown);
    QVERIFY(label("lblanswer").isVisible());
    QCOMPARE(m_screen->equationIndex(), first);
    QCOMPARE(number(0).caption(), QStringLiteral("3"));
    QTest::keyClick(window, Qt::Key_PageUp);
    QVERIFY(!label("lblanswer").isVisible());
    QTest::keyClick(window, Qt::Key_Space);
    QTest::keyClick(window, Qt::Key_Space);
    QVERIFY(m_screen->equationIndex() != first);
    QVERIFY(!label("lblanswer").isVisible());
    QCOMPARE(number(0).caption(), QStringLiteral("1"));
}

QTEST_MAIN(EquationsScreenTest)
#include "tst_equationsscreen.moc"
