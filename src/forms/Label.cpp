#include "forms/Label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

#include "forms/Scale.h"

namespace forms {

namespace {

int alignmentFlags(Align align) {
    switch (align) {
        case Align::Right:
            return Qt::AlignRight;
        case Align::Centre:
            return Qt::AlignHCenter;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

}  // namespace

Label::Label(Screen& screen, Container& container, QString name, int index)
    : Control(screen, container, std::move(name), index), m_font(m_look.font.toQFont()) {
    attachPaintedWidget();
}

void Label::setCaption(const QString& caption) {
    if (caption == m_caption) return;
    m_caption = caption;
    fitToText();
    repaint();
}

void Label::setLook(const LabelLook& look) {
    m_look = look;
    m_font = look.font.toQFont();
    fitToText();
    repaint();
}

void Label::setFont(const FontSpec& font) {
    LabelLook look = m_look;
    look.font = font;
    setLook(look);
}

void Label::setForeColour(Colour colour) {
    m_look.fore = colour;
    repaint();
}

void Label::setBackColour(Colour colour) {
    m_look.back = colour;
    repaint();
}

void Label::setOpaque(bool opaque) {
    if (opaque == m_look.opaque) return;
    m_look.opaque = opaque;
    repaint();
}

void Label::setBorder(bool border) {
    m_look.border = border;
    repaint();
}

void Label::setAutoSize(bool autoSize) {
    m_look.autoSize = autoSize;
    fitToText();
}

void Label::copyLookFrom(const Control& other) {
    Control::copyLookFrom(other);
    if (const auto* label = dynamic_cast<const Label*>(&other)) {
        m_caption = label->m_caption;
        setLook(label->m_look);
    }
}

// Auto-size keeps the left and top edges and follows the text with the width and height.
void Label::fitToText() {
    if (!m_look.autoSize) return;
    const QFontMetricsF metrics(m_font);
    const float border = m_look.border ? 2 * kTwipsPerPixel : 0;
    if (m_look.wordWrap) {
        const int widthPx = std::max(1, toPixels(width() - border));
        const QRectF bounds = metrics.boundingRect(
            QRectF(0, 0, widthPx, 1e6), Qt::TextWordWrap | alignmentFlags(m_look.align), m_caption);
        setHeight(toTwips(std::ceil(std::max(bounds.height(), metrics.height()))) + border);
        return;
    }
    const QStringList lines = m_caption.split(QLatin1Char('\n'));
    double widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    setRect({left(), top(), toTwips(std::ceil(widest)) + border,
             toTwips(std::ceil(metrics.height() * lines.size())) + border});
}

void Label::paint(QPainter& painter) {
    const QRect area(QPoint(0, 0), widget()->size());
    if (m_look.opaque) painter.fillRect(area, QColor(m_look.back));
    // The text is laid out as at design size, so that it wraps as the designs were checked.
    QRect textArea = designArea();
    if (m_look.border) {
        drawOutline(painter, area, scale().pixels(1), QColor(kBlack));
        textArea = textArea.adjusted(1, 1, -1, -1);
    }
    if (m_caption.isEmpty()) return;
    painter.setFont(m_font);
    painter.setPen(QColor(m_look.fore));
    drawDesignText(painter, scale(), textArea,
                   alignmentFlags(m_look.align) | Qt::AlignTop | Qt::TextWordWrap, m_caption);
}

}  // namespace forms
