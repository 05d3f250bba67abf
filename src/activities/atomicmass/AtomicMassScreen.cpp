#include "activities/atomicmass/AtomicMassScreen.h"

#include <iterator>

#include "forms/Label.h"
#include "kit/chem/FormulaMass.h"
#include "kit/chem/FormulaMassItems.h"
#include "kit/chem/FormulaText.h"
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

AtomicMassScreen::AtomicMassScreen(Screens& screens, const shell::ActivityId& id)
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
}

int AtomicMassScreen::itemCount() const {
    return static_cast<int>(std::size(chem::kFormulaMassItems));
}

quiz::QuizItem AtomicMassScreen::makeItem(int index) {
    return itemFor(chem::kFormulaMassItems[index]);
}

quiz::QuizItem AtomicMassScreen::itemFor(const char* text) {
    const std::optional<chem::Formula> formula = chem::parseFormula(text);
    const QString shown = formula ? chem::displayFormula(*formula) : chem::withSubscripts(text);
    const std::optional<QString> working =
        formula ? chem::massWorking(*formula, chem::kAtomicMassKey) : std::nullopt;
    // The formula on a line of its own, where the eye finds it. A formula the key cannot work
    // out would still be asked, its answer blank; the tests see that none is.
    return {QStringLiteral("What is the relative formula mass of\n%1?").arg(shown),
            working.value_or(QString()),
            {},
            {}};
}

}  // namespace atomicmass
