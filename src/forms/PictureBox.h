// Picture boxes and images: a picture shown at its natural size, from the top-left corner.
#pragma once

#include <QImage>

#include "forms/Colour.h"
#include "forms/Control.h"

namespace forms {

class PictureBox : public Control {
  public:
    PictureBox(Screen& screen, Container& container, QString name, int index);

    // Loads a picture file by its design path; false (and the picture unchanged) when it fails.
    bool loadPicture(const QString& designPath);
    // The same for a picture the screen need not wait for: in projector mode one not read yet
    // comes in a frame or two after the screen shows, rather than holding it back; a picture
    // that cannot be read leaves the box as it was.
    void loadPictureWhenRead(const QString& designPath);
    void setPicture(const QImage& picture);
    // The file the picture came from, as the designs name it: what a screen reader describes.
    const QString& picturePath() const { return m_picturePath; }
    void setPicturePath(const QString& designPath);
    void clearPicture();
    const QImage& picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

    // Take the size of each picture loaded (images, and picture boxes that auto-size).
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }
    // Scale the picture to the box instead of showing it at its own size.
    void setStretch(bool stretch);
    // Picture boxes fill their back colour; images are see-through.
    void setOpaque(bool opaque);
    void setBackColour(Colour colour);
    Colour backColour() const { return m_back; }
    void setBorder(bool border);

    void copyLookFrom(const Control& other) override;

  protected:
    void paint(QPainter& painter) override;
    void rescaled() override;

  private:
    QImage m_picture;
    QString m_picturePath;
    Colour m_back = kButtonFace;
    bool m_autoSize = false;
    bool m_stretch = false;
    bool m_opaque = false;
    bool m_border = false;
};

}  // namespace forms
