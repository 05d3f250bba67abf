#include "forms/CommandButton.h"

#include <QPainter>
#include <QPainterPath>

#include "forms/Accessible.h"
#include "forms/Bevel.h"
#include "forms/DesignText.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "pictures/Pictures.h"

namespace forms {

CommandButton::CommandButton(Screen& screen, Container& container, QString name, int index)
    : Control(screen, container, std::move(name), index), m_font(tahoma(8.25f).toQFont()) {
    attachPaintedWidget(PaintIn::DisplayPixels);
}

void CommandButton::setTakesFocus(bool takesFocus) {
    widget()->setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    setTabStop(takesFocus);
}

void CommandButton::setCaption(const QString& caption) {
    if (caption == m_caption) return;
    m_caption = caption;
    repaint();
    tellChanged(*this, QAccessible::NameChanged);
}

void CommandButton::setFont(const FontSpec& font) {
    m_font = font.toQFont();
    repaint();
}

void CommandButton::setBackColour(Colour colour) {
    m_back = colour;
    repaint();
}

bool CommandButton::loadPicture(const QString& designPath) {
    std::optional<QImage> picture = screen().pictures().load(designPath, scale().factor());
    if (!picture) return false;
    m_picture = *picture;
    repaint();
    return true;
}

void CommandButton::setFocus() {
    if (widget()) widget()->setFocus(Qt::OtherFocusReason);
}

bool CommandButton::hasFocus() const {
    return widget() && widget()->hasFocus();
}

void CommandButton::press() {
    if (isEnabled() && onClick) onClick();
}

bool CommandButton::keyPress(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        press();
        return true;
    }
    return false;
}

void CommandButton::setFaceCorner(float radius) {
    m_faceCorner = radius;
    repaint();
}

void CommandButton::copyLookFrom(const Control& other) {
    Control::copyLookFrom(other);
    if (const auto* button = dynamic_cast<const CommandButton*>(&other)) {
        m_caption = button->m_caption;
        m_font = button->m_font;
        m_back = button->m_back;
        m_picture = button->m_picture;
        m_faceCorner = button->m_faceCorner;
        repaint();
    }
}

void CommandButton::rescaled() {
    m_picture = screen().pictures().rechoose(m_picture, scale().factor());
}

void CommandButton::paint(QPainter& painter) {
    const QRect area(QPoint(0, 0), widget()->size());
    const QColor face(m_back);
    const Scale& s = scale();
    // A house button's picture is its face, edge to edge at any scale; any other is centred.
    const bool pictureFace =
        !m_picture.isNull() && pictures::designSize(m_picture) == designArea().size();
    if (pictureFace && m_faceCorner > 0) {
        const qreal radius = m_faceCorner / kTwipsPerPixel * s.factor();
        QPainterPath outline;
        outline.addRoundedRect(QRectF(area), radius, radius);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipPath(outline);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    painter.fillRect(area, face);
    drawRaisedEdge(painter, area, face, s.pixels(1));
    if (!m_picture.isNull()) {
        const QSize design = pictures::designSize(m_picture);
        if (pictureFace) {
            drawPicture(painter, area, m_picture, s);
        } else {
            const QSize size = s.pixels(design);
            const QPoint at((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
            drawPicture(painter, QRect(at, size), m_picture, s);
        }
    }
    if (!m_caption.isEmpty()) {
        painter.setFont(m_font);
        painter.setPen(isEnabled() ? QColor(kBlack) : face.darker(170));
        drawDesignText(painter, s, designArea(), Qt::AlignCenter, m_caption);
        if (hasFocus()) {
            QPen dots(QColor(kBlack), s.pixels(1), Qt::DotLine);
            painter.setPen(dots);
            const int inset = s.pixels(3);
            painter.drawRect(
                area.adjusted(inset, inset, -inset - s.pixels(1), -inset - s.pixels(1)));
        }
    }
}

}  // namespace forms
