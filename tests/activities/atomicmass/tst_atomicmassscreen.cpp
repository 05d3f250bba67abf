// Atomic Mass: the working against the masses the design states, the question's subscripts,
// and the key that stays on screen clear of everything else.
#include <QtTest>
#include <iterator>

#include "TestProgram.h"
#include "TextFit.h"
#include "activities/atomicmass/AtomicMassScreen.h"
#include "forms/Label.h"
#include "kit/chem/FormulaMass.h"
#include "kit/chem/FormulaMassItems.h"
#include "kit/chem/FormulaText.h"

using namespace forms;
using atomicmass::AtomicMassScreen;
using testing_support::TestProgram;

namespace {

int indexOf(const QString& formula) {
    for (int i = 0; i < static_cast<int>(std::size(chem::kFormulaMassItems)); ++i)
        if (QLatin1String(chem::kFormulaMassItems[i]) == formula) return i;
    return -1;
}

}  // namespace

class AtomicMassScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void workingGivesTheStatedMass_data();
    void workingGivesTheStatedMass();
    void keyStaysOnScreenClearOfEverythingElse();

  private:
    std::unique_ptr<TestProgram> m_program;
    AtomicMassScreen* m_screen = nullptr;
};

void AtomicMassScreenTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_program->addShellPictures();
    m_screen = &m_program->screens.show<AtomicMassScreen>(QStringLiteral("atomicmass"));
}

void AtomicMassScreenTest::cleanup() {
    m_program.reset();
}

// The relative formula masses the design gives, worked by hand: a check of the formulas and of
// the key's masses together.
void AtomicMassScreenTest::workingGivesTheStatedMass_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("mass");
    const std::pair<const char*, const char*> stated[] = {
        {"H2O", "18"},   {"CO2", "44"},    {"CH4", "16"},   {"NH3", "17"},      {"NaCl", "58.5"},
        {"MgO", "40"},   {"CaCO3", "100"}, {"H2SO4", "98"}, {"O2", "32"},       {"HCl", "36.5"},
        {"CuO", "79.5"}, {"NaOH", "40"},   {"MgCl2", "95"}, {"CuSO4", "159.5"},
    };
    static_assert(std::size(stated) == std::size(chem::kFormulaMassItems));
    for (const auto& [formula, mass] : stated) QTest::newRow(formula) << formula << mass;
}

void AtomicMassScreenTest::workingGivesTheStatedMass() {
    QFETCH(QString, formula);
    QFETCH(QString, mass);
    const int index = indexOf(formula);
    QVERIFY2(index >= 0, "not among the quiz's formulas");
    const std::optional<chem::Formula> parsed = chem::parseFormula(formula.toStdString());
    QVERIFY(parsed);
    const QString shown = chem::displayFormula(*parsed);

    const quiz::QuizItem item = m_screen->makeItem(index);
    QCOMPARE(item.question, QStringLiteral("What is the relative formula mass of\n%1?").arg(shown));
    QVERIFY2(item.answer.startsWith(shown + QStringLiteral(" = ")), qPrintable(item.answer));
    QVERIFY2(item.answer.endsWith(QStringLiteral(" = ") + mass), qPrintable(item.answer));
    // The working adds up to what it says. Every formula here has more than one atom, so there
    // is working between the formula and its mass.
    const QStringList sides = item.answer.split(QStringLiteral(" = "));
    QCOMPARE(sides.size(), 3);
    double sum = 0;
    for (const QString& term : sides[1].split(QStringLiteral(" + "))) {
        const QStringList factors = term.split(QStringLiteral(" × "));
        double product = 1;
        for (const QString& factor : factors) product *= factor.toDouble();
        sum += product;
    }
    QCOMPARE(chem::formatMass(sum), mass);
}

void AtomicMassScreenTest::keyStaysOnScreenClearOfEverythingElse() {
    const QStringList key{"lblkey", "lblkeyheading", "lblkeysymbols", "lblkeymasses"};
    // Through a draw and a reveal, as the teacher goes on.
    m_screen->next();
    m_screen->reveal();
    for (const QString& name : key) {
        const Label* label = m_screen->find<Label>(name);
        QVERIFY2(label && label->isVisible(), qPrintable(name));
        QVERIFY2(
            captionFits(label->caption(), label->look().font, label->rect(), label->look().border),
            qPrintable(name));
        // Inside the box.
        QVERIFY2(AtomicMassScreen::kKeyPlace.toPixels().contains(label->rect().toPixels()),
                 qPrintable(name));
    }
    // Every mass of the key, in its order, each beside its symbol.
    const QStringList symbols =
        m_screen->find<Label>(QStringLiteral("lblkeysymbols"))->caption().split(QLatin1Char('\n'));
    const QStringList masses =
        m_screen->find<Label>(QStringLiteral("lblkeymasses"))->caption().split(QLatin1Char('\n'));
    QCOMPARE(symbols.size(), std::ssize(chem::kAtomicMassKey));
    QCOMPARE(masses.size(), symbols.size());
    for (int i = 0; i < symbols.size(); ++i) {
        const chem::AtomicMass& element = chem::kAtomicMassKey[static_cast<size_t>(i)];
        QCOMPARE(symbols[i],
                 QString::fromLatin1(element.symbol.data(), std::ssize(element.symbol)));
        QCOMPARE(masses[i], chem::formatMass(element.mass));
    }

    const QRect box = AtomicMassScreen::kKeyPlace.toPixels();
    const quiz::QuizLayout& layout = m_screen->layout();
    for (const TwipRect& place : {layout.question, layout.answer, layout.reason})
        QVERIFY(!box.intersects(place.toPixels()));
    for (const char* name : {"lbltitle", "cmdexit", "cmdgo", "cmdsoln", "cmdjotter"}) {
        const Control* other = m_screen->findControl(QLatin1String(name));
        QVERIFY2(other, name);
        QVERIFY2(!box.intersects(other->rect().toPixels()), name);
    }
}

QTEST_MAIN(AtomicMassScreenTest)
#include "tst_atomicmassscreen.moc"
