#include "forms/PictureBox.h"

#include <QPainter>

#include "forms/Accessible.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "pictures/Pictures.h"

namespace forms {

PictureBox::PictureBox(Screen& screen, Container& container, QString name, int index)
    : Control(screen, container, std::move(name), index) {
    attachPaintedWidget(PaintIn::DisplayPixels);
}

bool PictureBox::loadPicture(const QString& designPath) {
    std::optional<QImage> picture = screen().pictures().load(designPath, scale().factor());
    if (!picture) return false;
    setPicture(*picture);
    setPicturePath(designPath);
    return true;
}

void PictureBox::loadPictureWhenRead(const QString& designPath) {
    setPicturePath(designPath);
    screen().pictures().whenReadAtFactorInForce(
        designPath, [this] { return scale().factor(); }, widget(),
        [this, designPath] { loadPicture(designPath); });
}

void PictureBox::setPicture(const QImage& picture) {
    m_picture = picture;
    if (m_autoSize && !picture.isNull()) {
        // The same twips at any scale: the picture's size as the designs count pixels.
        const float border = m_border ? 2 * kTwipsPerPixel : 0;
        const QSize size = pictures::designSize(picture);
        setRect({left(), top(), toTwips(size.width()) + border, toTwips(size.height()) + border});
    }
    repaint();
}

void PictureBox::setPicturePath(const QString& designPath) {
    if (designPath == m_picturePath) return;
    m_picturePath = designPath;
    tellChanged(*this, QAccessible::NameChanged);
}

void PictureBox::clearPicture() {
    setPicturePath({});
    m_picture = QImage();
    repaint();
}

void PictureBox::setStretch(bool stretch) {
    m_stretch = stretch;
    repaint();
}

void PictureBox::setOpaque(bool opaque) {
    m_opaque = opaque;
    repaint();
}

void PictureBox::setBackColour(Colour colour) {
    m_back = colour;
    repaint();
}

void PictureBox::setBorder(bool border) {
    m_border = border;
    repaint();
}

void PictureBox::copyLookFrom(const Control& other) {
    Control::copyLookFrom(other);
    if (const auto* box = dynamic_cast<const PictureBox*>(&other)) {
        m_back = box->m_back;
        m_autoSize = box->m_autoSize;
        m_stretch = box->m_stretch;
        m_opaque = box->m_opaque;
        m_border = box->m_border;
        m_picture = box->m_picture;
        repaint();
    }
}

void PictureBox::rescaled() {
    m_picture = screen().pictures().rechoose(m_picture, scale().factor());
}

void PictureBox::paint(QPainter& painter) {
    const QRect area(QPoint(0, 0), widget()->size());
    if (m_opaque) painter.fillRect(area, QColor(m_back));
    const int line = scale().pixels(1);
    const QRect inner = m_border ? area.adjusted(line, line, -line, -line) : area;
    if (!m_picture.isNull()) {
        if (m_stretch) {
            if (!scale().isDesignSize()) painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(inner, m_picture, m_picture.rect());
        } else if (pictures::designSize(m_picture) ==
                   designArea().size() - QSize(2, 2) * (m_border ? 1 : 0)) {
            // As large as the box: edge to edge at any scale.
            drawPicture(painter, inner, m_picture, scale());
        } else {
            drawPicture(painter, inner.topLeft(), m_picture, scale());
        }
    }
    if (m_border) drawOutline(painter, area, line, QColor(kBlack));
}

}  // namespace forms
