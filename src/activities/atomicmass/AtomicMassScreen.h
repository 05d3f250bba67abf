// Atomic Mass: the relative formula mass of each formula, worked out from a key that stays on
// screen.
#pragma once

#include "forms/Font.h"
#include "kit/quiz/QuizScreen.h"

namespace atomicmass {

class AtomicMassScreen : public quiz::QuizScreen {
  public:
    AtomicMassScreen(forms::Screens& screens, const shell::ActivityId& id);

    int itemCount() const override;
    // The working comes from the formula and the key alone.
    quiz::QuizItem makeItem(int index) override;
    // A formula as typed ("CaCO3"): the question with subscripts, the working as the answer.
    static quiz::QuizItem itemFor(const char* formula);

    static const quiz::QuizLayout kLayout;
    // The key's box above the button column, and what it shows: a heading, then one element to
    // a line, symbols right-aligned against their masses.
    static const forms::TwipRect kKeyPlace;
    static const forms::TwipRect kKeyHeadingPlace;
    static const forms::TwipRect kKeySymbolsPlace;
    static const forms::TwipRect kKeyMassesPlace;
    static const forms::FontSpec kKeyHeadingFont;
    static const forms::FontSpec kKeyFont;
    static QString keySymbols();
    static QString keyMasses();

  private:
    forms::Label& lblkey;
    forms::Label& lblkeyheading;
    forms::Label& lblkeysymbols;
    forms::Label& lblkeymasses;
};

}  // namespace atomicmass
