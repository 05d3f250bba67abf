#include "activities/atomicmass/AtomicMassScreen.h"

#include <iterator>

#include "forms/Label.h"
#include "forms/TextFit.h"
#include "kit/chem/FormulaMass.h"
#include "kit/chem/FormulaMassItems.h"
#include "kit/chem/FormulaText.h"
#include "kit/lists/ListCheck.h"
#include "kit/lists/RoomCheck.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace atomicmass {

using namespace forms;

// The texts keep left of the key.
const quiz::QuizLayout AtomicMassScreen::kLayout{
    .question = {480, 1080, 9360, 2040},
    .answer = {480, 3480, 9360, 1560},
    .reason = {480, 5160, 9360, 1680},
};

const TwipRect AtomicMassScreen::kKeyPlace{shell::ButtonColumnLeft, 1080, shell::ButtonWidth, 4860};
const TwipRect AtomicMassScreen::kKeyHeadingPlace{shell::ButtonColumnLeft + 60, 1170,
                                                  shell::ButtonWidth - 120, 480};
const TwipRect AtomicMassScreen::kKeySymbolsPlace{shell::ButtonColumnLeft + 105, 1770, 600, 4050};
const TwipRect AtomicMassScreen::kKeyMassesPlace{shell::ButtonColumnLeft + 825, 1770, 855, 4050};
const FontSpec AtomicMassScreen::kKeyHeadingFont = tahoma(12, true);
const FontSpec AtomicMassScreen::kKeyFont = tahoma(20.25f, true);

QString AtomicMassScreen::keySymbols() {
    QStringList lines;
    for (const chem::AtomicMass& element : chem::kAtomicMassKey)
        lines << QString::fromLatin1(element.symbol.data(), std::ssize(element.symbol));
    return lines.join(QLatin1Char('\n'));
}

QString AtomicMassScreen::keyMasses() {
    QStringList lines;
    for (const chem::AtomicMass& element : chem::kAtomicMassKey)
        lines << chem::formatMass(element.mass);
    return lines.join(QLatin1Char('\n'));
}

namespace {

QString question(const QString& formula) {
    // The formula on a line of its own, where the eye finds it.
    return QStringLiteral("What is the relative formula mass of\n%1?").arg(formula);
}

// A list's formulas are worked out from every element's mass, as its check worked them.
double massFromList(std::string_view symbol) {
    return chem::relativeAtomicMass(symbol, chem::kAllAtomicMasses).value();
}

QString symbolOf(const chem::AtomicMass& element) {
    return QString::fromLatin1(element.symbol.data(), std::ssize(element.symbol));
}

// A teacher's masses may run to five characters ("107.9"): the key's type comes down a size or
// two until the widest has room.
FontSpec keyFontFor(const std::vector<chem::AtomicMass>& key) {
    for (const float points : {20.25f, 18.0f, 15.75f, 14.25f, 12.0f}) {
        const FontSpec font = tahoma(points, true);
        bool fits = true;
        for (const chem::AtomicMass& element : key)
            fits = fits && captionFits(chem::formatMass(element.mass), font,
                                       AtomicMassScreen::kKeyMassesPlace);
        if (fits) return font;
    }
    return tahoma(12, true);
}

}  // namespace

AtomicMassScreen::AtomicMassScreen(Screens& screens, const shell::ActivityId& id,
                                   const lists::CheckedList* list)
    : QuizScreen(screens, id, {}, kLayout),
      lblkey(add<Label>(QStringLiteral("lblkey"), kKeyPlace)),
      lblkeyheading(add<Label>(QStringLiteral("lblkeyheading"), kKeyHeadingPlace)),
      lblkeysymbols(add<Label>(QStringLiteral("lblkeysymbols"), kKeySymbolsPlace)),
      lblkeymasses(add<Label>(QStringLiteral("lblkeymasses"), kKeyMassesPlace)) {
    lblkey.setLook(shell::boxedLook(kKeyFont));
    lblkeyheading.setLook(shell::textLook(kKeyHeadingFont, Align::Centre));
    lblkeyheading.setCaption(QStringLiteral("Relative atomic masses"));
    lblkeysymbols.setLook(shell::textLook(kKeyFont, Align::Right));
    lblkeysymbols.setCaption(keySymbols());
    lblkeymasses.setLook(shell::textLook(kKeyFont, Align::Left));
    lblkeymasses.setCaption(keyMasses());
    if (!list) return;
    for (const lists::ListEntry& entry : list->entries) {
        const auto* item = std::get_if<lists::FormulaMassItem>(&entry.item);
        if (!item) continue;
        Asked asked{chem::displayFormula(item->formula), item->working, {}};
        for (const chem::AtomCount& atom : item->formula.atoms())
            asked.key.push_back({atom.symbol, massFromList(atom.symbol)});
        m_asked.push_back(std::move(asked));
    }
    const std::vector<chem::AtomicMass> all = keyFor(*list);
    if (std::ssize(all) <= kKeyRows) {
        m_listKey = all;
        showKey(m_listKey);
    }
}

std::vector<chem::AtomicMass> AtomicMassScreen::keyFor(const lists::CheckedList& list) {
    std::vector<chem::AtomicMass> all;
    for (const lists::ListEntry& entry : list.entries) {
        const auto* item = std::get_if<lists::FormulaMassItem>(&entry.item);
        if (!item) continue;
        for (const chem::AtomCount& atom : item->formula.atoms())
            if (std::none_of(all.begin(), all.end(),
                             [&](const chem::AtomicMass& e) { return e.symbol == atom.symbol; }))
                all.push_back({atom.symbol, massFromList(atom.symbol)});
    }
    return all;
}

std::optional<QString> AtomicMassScreen::listTextCheck(const QString& column, const QString& text) {
    if (column != QLatin1String("formula")) return std::nullopt;
    const std::optional<chem::Formula> formula = chem::parseFormula(text.toStdString());
    // A formula that cannot be read is told of by the list's own check.
    if (!formula) return std::nullopt;
    if (std::ssize(formula->atoms()) > kKeyRows)
        return QStringLiteral("the formula has %1 elements; the key holds %2")
            .arg(formula->atoms().size())
            .arg(kKeyRows);
    const std::optional<QString> working = chem::massWorking(*formula, chem::kAllAtomicMasses);
    return lists::firstOf(
        lists::tooLongFor(QStringLiteral("the question"), question(chem::displayFormula(*formula)),
                          tahoma(kLayout.questionPoints, true), kLayout.question),
        lists::tooLongFor(QStringLiteral("the working"), working.value_or(QString()),
                          tahoma(kLayout.answerPoints, true), kLayout.answer));
}

void AtomicMassScreen::showKey(const std::vector<chem::AtomicMass>& key) {
    QStringList symbols;
    QStringList masses;
    for (const chem::AtomicMass& element : key) {
        symbols << symbolOf(element);
        masses << chem::formatMass(element.mass);
    }
    const FontSpec font = keyFontFor(key);
    lblkeysymbols.setLook(shell::textLook(font, Align::Right));
    lblkeymasses.setLook(shell::textLook(font, Align::Left));
    lblkeysymbols.setCaption(symbols.join(QLatin1Char('\n')));
    lblkeymasses.setCaption(masses.join(QLatin1Char('\n')));
}

QString AtomicMassScreen::keySymbolsShown() const {
    return lblkeysymbols.caption();
}

QString AtomicMassScreen::keyMassesShown() const {
    return lblkeymasses.caption();
}

void AtomicMassScreen::showItem(const quiz::QuizItem& item) {
    QuizScreen::showItem(item);
    const int index = currentIndex();
    if (m_asked.empty() || !m_listKey.empty() || index < 0) return;
    showKey(m_asked[static_cast<size_t>(index)].key);
}

int AtomicMassScreen::itemCount() const {
    if (!m_asked.empty()) return static_cast<int>(m_asked.size());
    return static_cast<int>(std::size(chem::kFormulaMassItems));
}

quiz::QuizItem AtomicMassScreen::makeItem(int index) {
    if (!m_asked.empty()) {
        const Asked& asked = m_asked[static_cast<size_t>(index)];
        return {question(asked.formula), asked.working, {}, {}};
    }
    return itemFor(chem::kFormulaMassItems[index]);
}

quiz::QuizItem AtomicMassScreen::itemFor(const lists::FormulaMassItem& item) {
    return {question(chem::displayFormula(item.formula)), item.working, {}, {}};
}

quiz::QuizItem AtomicMassScreen::itemFor(const char* text) {
    const std::optional<chem::Formula> formula = chem::parseFormula(text);
    const QString shown = formula ? chem::displayFormula(*formula) : chem::withSubscripts(text);
    const std::optional<QString> working =
        formula ? chem::massWorking(*formula, chem::kAtomicMassKey) : std::nullopt;
    // The formula on a line of its own, where the eye finds it. A formula the key cannot work
    // out would still be asked, its answer blank; the tests see that none is.
    return {question(shown), working.value_or(QString()), {}, {}};
}

}  // namespace atomicmass
