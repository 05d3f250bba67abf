// A text label: caption, font, colours, transparent or opaque background, border, auto-size.
#pragma once

#include <QMargins>

#include "forms/Colour.h"
#include "forms/Control.h"
#include "forms/Font.h"

namespace forms {

enum class Align { Left, Right, Centre };

// How a label looks, as a design gives it.
struct LabelLook {
    FontSpec font;
    Colour fore = kBlack;
    Colour back = kButtonFace;
    bool opaque = false;
    bool border = false;
    Align align = Align::Left;
    bool autoSize = false;
    // With auto-size: keep the width and grow downwards instead of growing sideways.
    bool wordWrap = false;
    // The text stands in the middle of the label's height rather than at its top.
    bool centreVertically = false;

    bool operator==(const LabelLook&) const = default;
};

// The pixels a caption needs to be drawn whole in a font: an area in which drawText lays out each
// of the caption's own lines unbroken by word wrapping, and room around it for the ink that
// reaches past the layout (a face Qt emboldens itself, as it does Tahoma, inks past it all round).
struct CaptionBox {
    QSize text;
    QMargins inkRoom;
    QSize size() const { return text.grownBy(inkRoom); }
};
CaptionBox wholeCaptionBox(const QFont& font, const QString& caption, Align align);

class Label : public Control {
  public:
    Label(Screen& screen, Container& container, QString name, int index);

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);
    const LabelLook& look() const { return m_look; }
    void setLook(const LabelLook& look);
    void setFont(const FontSpec& font);
    void setForeColour(Colour colour);
    void setBackColour(Colour colour);
    bool isOpaque() const { return m_look.opaque; }
    void setOpaque(bool opaque);
    void setBorder(bool border);
    void setAutoSize(bool autoSize);
    // A thick bright frame over the look, for a label picked up to be put down elsewhere; it
    // takes no part in the look, so a label without it draws exactly as before.
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted);

    void copyLookFrom(const Control& other) override;

  protected:
    void paint(QPainter& painter) override;

  private:
    void fitToText();

    QString m_caption;
    LabelLook m_look;
    QFont m_font;
    QMargins m_inkRoom;  // around the text, when sized to it
    bool m_highlighted = false;
};

}  // namespace forms
