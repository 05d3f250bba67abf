// Atomic Mass: the relative formula mass of each formula, worked out from a key that stays on
// screen.
#pragma once

#include <vector>

#include "forms/Font.h"
#include "kit/chem/FormulaMass.h"
#include "kit/quiz/QuizScreen.h"

namespace lists {
struct CheckedList;
struct FormulaMassItem;
}  // namespace lists

namespace atomicmass {

class AtomicMassScreen : public quiz::QuizScreen {
  public:
    // Asks the teacher's formulas when a list is given, the program's own otherwise.
    AtomicMassScreen(forms::Screens& screens, const shell::ActivityId& id,
                     const lists::CheckedList* list = nullptr);

    // Why a formula of a teacher's list would not show whole here, or nullopt.
    static std::optional<QString> listTextCheck(const QString& column, const QString& text);
    // The rows the key has room for.
    static constexpr int kKeyRows = 10;

    int itemCount() const override;
    // The working comes from the formula and the key alone.
    quiz::QuizItem makeItem(int index) override;
    // A formula as typed ("CaCO3"): the question with subscripts, the working as the answer.
    static quiz::QuizItem itemFor(const char* formula);
    // A teacher's row, asked the same way with the working its list was checked with.
    static quiz::QuizItem itemFor(const lists::FormulaMassItem& item);

    static const quiz::QuizLayout kLayout;
    // The key's box above the button column, and what it shows: a heading, then one element to
    // a line, symbols right-aligned against their masses.
    static const forms::TwipRect kKeyPlace;
    static const forms::TwipRect kKeyHeadingPlace;
    static const forms::TwipRect kKeySymbolsPlace;
    static const forms::TwipRect kKeyMassesPlace;
    static const forms::FontSpec kKeyHeadingFont;
    static const forms::FontSpec kKeyFont;
    // The elements of a teacher's list, each once in order of first appearance, with the masses
    // its answers are worked from: the key the screen shows for it and the paper prints.
    static std::vector<chem::AtomicMass> keyFor(const lists::CheckedList& list);
    static QString keySymbols();
    static QString keyMasses();
    // The key as it stands: the list's elements, or the formula's on show when the list has
    // more than the key holds.
    QString keySymbolsShown() const;
    QString keyMassesShown() const;

  protected:
    void showItem(const quiz::QuizItem& item) override;

  private:
    struct Asked {
        QString formula;  // as displayed
        QString working;
        std::vector<chem::AtomicMass> key;  // the formula's elements
    };
    void showKey(const std::vector<chem::AtomicMass>& key);

    std::vector<Asked> m_asked;               // a teacher's list; empty for the program's own
    std::vector<chem::AtomicMass> m_listKey;  // every element of the list, when the key holds them
    forms::Label& lblkey;
    forms::Label& lblkeyheading;
    forms::Label& lblkeysymbols;
    forms::Label& lblkeymasses;
};

}  // namespace atomicmass
