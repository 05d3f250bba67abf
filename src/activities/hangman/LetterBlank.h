// One blank of the Hangman word: a thick line, and the letter above it once it is shown.
#pragma once

#include <QChar>

#include "forms/Colour.h"
#include "forms/Control.h"
#include "forms/Font.h"

namespace hangman {

class LetterBlank : public forms::Control {
  public:
    LetterBlank(forms::Screen& screen, forms::Container& container, QString name, int index);

    // A null letter leaves the blank empty.
    void setLetter(QChar letter, forms::Colour colour);
    QChar letter() const { return m_letter; }
    forms::Colour colour() const { return m_colour; }
    void setFont(const forms::FontSpec& font);

  protected:
    void paint(QPainter& painter) override;

  private:
    QChar m_letter;
    forms::Colour m_colour = forms::kWhite;
    QFont m_font;
};

}  // namespace hangman
