#include "activities/fourinarow/TurnQuestions.h"

#include <QStringList>
#include <iterator>

#include "kit/chem/FormulaMass.h"
#include "kit/chem/FormulaMassItems.h"
#include "kit/chem/FormulaText.h"
#include "kit/chem/SchoolElements.h"
#include "kit/lists/ListCheck.h"
#include "kit/wordgames/WordList.h"

namespace fourinarow {

namespace {

// The masses the question needs, from the table the Atomic Mass quiz works from, so that no
// class is asked to remember them: "(C = 12, O = 16)".
TurnQuestion massQuestionFrom(const chem::Formula* formula,
                              std::span<const chem::AtomicMass> table) {
    if (!formula) return {};
    const std::optional<double> mass = chem::relativeFormulaMass(*formula, table);
    if (!mass) return {};
    QStringList key;
    for (const chem::AtomCount& atom : formula->atoms()) {
        key << QStringLiteral("%1 = %2").arg(
            QString::fromLatin1(atom.symbol.data(), std::ssize(atom.symbol)),
            chem::formatMass(*chem::relativeAtomicMass(atom.symbol, table)));
    }
    return {QStringLiteral("What is the relative formula mass of %1?\n(%2)")
                .arg(chem::displayFormula(*formula), key.join(QStringLiteral(", "))),
            chem::formatMass(*mass)};
}

TurnQuestion ownMassQuestion(const char* text) {
    const std::optional<chem::Formula> formula = chem::parseFormula(text);
    return massQuestionFrom(formula ? &*formula : nullptr, chem::kAtomicMassKey);
}

// "CHROMATOGRAPHY" reads better to a class as "Chromatography".
QString asWord(const QString& word) {
    const QString text = word.toLower();
    return text.left(1).toUpper() + text.mid(1);
}

}  // namespace

TurnQuestion TurnQuestions::symbolQuestion(const QString& name, const QString& symbol) {
    return {QStringLiteral("What is the symbol for %1?").arg(name), symbol};
}

TurnQuestion TurnQuestions::wordQuestion(const QString& word, const QString& clue) {
    return {QStringLiteral("Which word is this: %1?").arg(clue), asWord(word)};
}

// A teacher's formula may have any element: its masses come from the whole table.
std::optional<TurnQuestion> TurnQuestions::massQuestion(const QString& text) {
    const std::optional<chem::Formula> formula = chem::parseFormula(text.toStdString());
    if (!formula) return std::nullopt;
    return massQuestionFrom(&*formula, chem::kAllAtomicMasses);
}

TurnQuestions::TurnQuestions(const TurnLists& from) {
    if (from.symbols)
        for (const lists::ListEntry& entry : from.symbols->entries)
            if (const auto* item = std::get_if<lists::SymbolItem>(&entry.item))
                m_pools[Symbols].push_back(symbolQuestion(item->name, item->symbol));
    if (from.masses)
        for (const lists::ListEntry& entry : from.masses->entries)
            if (const auto* item = std::get_if<lists::FormulaMassItem>(&entry.item))
                m_pools[Masses].push_back(massQuestionFrom(&item->formula, chem::kAllAtomicMasses));
    if (from.words)
        for (const lists::ListEntry& entry : from.words->entries)
            if (const auto* item = std::get_if<lists::WordItem>(&entry.item))
                m_pools[Words].push_back(wordQuestion(item->word, item->clue));
    for (int pool = 0; pool < kPoolCount; ++pool) {
        auto& questions = m_pools[static_cast<size_t>(pool)];
        if (questions.empty())
            for (int i = 0; i < count(pool); ++i) questions.push_back(make(pool, i));
        m_decks[static_cast<size_t>(pool)].reset(static_cast<int>(questions.size()));
    }
}

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
            return symbolQuestion(QString::fromUtf8(element.name),
                                  QString::fromUtf8(element.symbol));
        }
        case Masses:
            return ownMassQuestion(chem::kFormulaMassItems[i]);
        case Words: {
            const wordgames::WordClue& word = wordgames::kWordList[i];
            return wordQuestion(QString::fromLatin1(word.word), QString::fromUtf8(word.clue));
        }
    }
    return {};
}

TurnQuestion TurnQuestions::next(forms::Platform& platform) {
    m_lastPool = (m_lastPool + 1) % kPoolCount;
    const auto pool = static_cast<size_t>(m_lastPool);
    const int index = m_decks[pool].next(platform);
    if (index < 0 || index >= std::ssize(m_pools[pool])) return {};
    return m_pools[pool][static_cast<size_t>(index)];
}

}  // namespace fourinarow
