// A push button, with a caption or, in the house style, a picture for its face.
#pragma once

#include <QImage>

#include "forms/Colour.h"
#include "forms/Control.h"
#include "forms/Font.h"

namespace forms {

class CommandButton : public Control {
  public:
    CommandButton(Screen& screen, Container& container, QString name, int index);

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);
    void setFont(const FontSpec& font);
    Colour backColour() const { return m_back; }
    void setBackColour(Colour colour);

    bool loadPicture(const QString& designPath);
    const QImage& picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    // A picture face with rounded corners, in twips: outside them the screen behind shows, where
    // a JPEG, which has nothing see-through, would show the colour it was drawn over. 0: square.
    void setFaceCorner(float radius);

    // Buttons are worked with the pointer; only those that say so take the keyboard focus (and
    // then Enter or Space presses them).
    void setTakesFocus(bool takesFocus);
    void setFocus();
    bool hasFocus() const;
    // Presses the button as a click or the Enter key would.
    void press();

    void copyLookFrom(const Control& other) override;

  protected:
    void paint(QPainter& painter) override;
    void rescaled() override;
    bool keyPress(int key) override;

  private:
    QString m_caption;
    QFont m_font;
    Colour m_back = kButtonFace;
    QImage m_picture;
    float m_faceCorner = 0;
};

}  // namespace forms
