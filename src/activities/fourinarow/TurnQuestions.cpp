#include "activities/fourinarow/TurnQuestions.h"

#include <QStringList>
#include <iterator>

#include "kit/chem/FormulaMass.h"
#include "kit/chem/FormulaMassItems.h"
#include "kit/chem/FormulaText.h"
#include "kit/chem/SchoolElements.h"
#include "kit/wordgames/WordList.h"

namespace fourinarow {

namespace {

// The masses the question needs, from the same key the Atomic Mass quiz shows, so that no
// class is asked to remember them: "(C = 12, O = 16)".
TurnQuestion massQuestion(const char* text) {
    const std::optional<chem::Formula> formula = chem::parseFormula(text);
    if (!formula) return {};
    const std::optional<double> mass = chem::relativeFormulaMass(*formula, chem::kAtomicMassKey);
    if (!mass) return {};
    QStringList key;
    for (const chem::AtomCount& atom : formula->atoms()) {
        key << QStringLiteral("%1 = %2").arg(
            QString::fromLatin1(atom.symbol.data(), std::ssize(atom.symbol)),
            chem::formatMass(*chem::relativeAtomicMass(atom.symbol, chem::kAtomicMassKey)));
    }
    return {QStringLiteral("What is the relative formula mass of %1?\n(%2)")
                .arg(chem::displayFormula(*formula), key.join(QStringLiteral(", "))),
            chem::formatMass(*mass)};
}

// "CHROMATOGRAPHY" reads better to a class as "Chromatography".
QString asWord(const char* word) {
    const QString text = QString::fromUtf8(word).toLower();
    return text.left(1).toUpper() + text.mid(1);
}

}  // namespace

int TurnQuestions::count(int pool) {
    switch (pool) {
        case Symbols:
            return static_cast<int>(std::size(chem::kSchoolElements));
        case Masses:
            return static_cast<int>(std::size(chem::kFormulaMassItems));
        case Words:
            return static_cast<int>(std::size(wordgames::kWordList));
    }
    return 0;
}

TurnQuestion TurnQuestions::make(int pool, int index) {
    if (index < 0 || index >= count(pool)) return {};
    const auto i = static_cast<size_t>(index);
    switch (pool) {
        case Symbols: {
            const chem::SchoolElement& element = chem::kSchoolElements[i];
            return {
                QStringLiteral("What is the symbol for %1?").arg(QString::fromUtf8(element.name)),
                QString::fromUtf8(element.symbol)};
        }
        case Masses:
            return massQuestion(chem::kFormulaMassItems[i]);
        case Words: {
            const wordgames::WordClue& word = wordgames::kWordList[i];
            return {QStringLiteral("Which word is this: %1?").arg(QString::fromUtf8(word.clue)),
                    asWord(word.word)};
        }
    }
    return {};
}

TurnQuestion TurnQuestions::next(forms::Platform& platform) {
    m_lastPool = (m_lastPool + 1) % kPoolCount;
    return make(m_lastPool, m_decks[static_cast<size_t>(m_lastPool)].next(platform));
}

}  // namespace fourinarow
