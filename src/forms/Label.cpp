#include "forms/Label.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "forms/Accessible.h"
#include "forms/DesignText.h"
#include "forms/Scale.h"

namespace forms {

namespace {

// Bright against the black of a name label and the blues of the screens, and thick enough to see
// from the back of a classroom.
constexpr Colour kHighlightColour = rgb(0, 255, 255);
constexpr int kHighlightWidthPx = 3;

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

// Twips from a left edge that cover at least this many pixels once both edges are rounded.
float twipsCovering(float left, int pixels) {
    float width = toTwips(pixels);
    if (TwipRect{left, 0, width, 0}.toPixels().width() < pixels) width += kTwipsPerPixel;
    return width;
}

}  // namespace

CaptionBox wholeCaptionBox(const QFont& font, const QString& caption, Align align) {
    const int flags = alignmentFlags(align) | Qt::AlignTop;
    constexpr int kOpen = 1 << 20;  // room enough that nothing wraps
    const QFontMetrics metrics(font);
    // Laid out, a face that Qt emboldens itself takes more than its advances add up to; and
    // drawText wraps in whole pixels, so a width a fraction short puts the last word on a line of
    // its own. The loop only guards against a layout that disagrees with itself.
    const QRect laidOut = metrics.boundingRect(QRect(0, 0, kOpen, kOpen), flags, caption);
    const auto wraps = [&](int width) {
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, width, kOpen), flags | Qt::TextWordWrap, caption);
        return wrapped.height() > laidOut.height();
    };
    int width = laidOut.width();
    for (int extra = 0; extra < metrics.height() && wraps(width); ++extra) ++width;
    const QSize text(width, std::max(laidOut.height(), metrics.height()));
    if (caption.isEmpty()) return {text, {}};

    // The ink reaches past the layout, a pixel or two all round for such a face. Where exactly
    // only drawing tells: neither the advances nor the glyphs' boxes say.
    const int margin = metrics.height();
    QImage drawn(text + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(margin, margin), text), flags | Qt::TextDontClip, caption);
    }
    int inkLeft = drawn.width(), inkTop = drawn.height(), inkRight = 0, inkBottom = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            if (qAlpha(row[x]) == 0) continue;
            inkLeft = std::min(inkLeft, x);
            inkRight = std::max(inkRight, x + 1);
            inkTop = std::min(inkTop, y);
            inkBottom = y + 1;
        }
    }
    if (inkBottom == 0) return {text, {}};  // nothing but spaces
    int left = std::max(0, margin - inkLeft);
    int right = std::max(0, inkRight - margin - text.width());
    const int top = std::max(0, margin - inkTop);
    const int bottom = std::max(0, inkBottom - margin - text.height());
    // Centred, the text stays centred on the label.
    if (align == Align::Centre) left = right = std::max(left, right);
    return {text, {left, top, right, bottom}};
}

Label::Label(Screen& screen, Container& container, QString name, int index)
    : Control(screen, container, std::move(name), index), m_font(m_look.font.toQFont()) {
    attachPaintedWidget(PaintIn::DisplayPixels);
}

void Label::setCaption(const QString& caption) {
    if (caption == m_caption) return;
    m_caption = caption;
    fitToText();
    repaint();
    tellChanged(*this, QAccessible::NameChanged);
    if (isAnnounced() && isVisible()) tellChanged(*this, QAccessible::Alert);
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

void Label::setHighlighted(bool highlighted) {
    if (highlighted == m_highlighted) return;
    m_highlighted = highlighted;
    repaint();
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
    const int border = m_look.border ? 2 : 0;
    if (m_look.wordWrap) {
        const QFontMetricsF metrics(m_font);
        const int widthPx = std::max(1, toPixels(width()) - border);
        const QRectF bounds = metrics.boundingRect(
            QRectF(0, 0, widthPx, 1e6), Qt::TextWordWrap | alignmentFlags(m_look.align), m_caption);
        setHeight(toTwips(std::ceil(std::max(bounds.height(), metrics.height())) + border));
        return;
    }
    const CaptionBox box = wholeCaptionBox(m_font, m_caption, m_look.align);
    m_inkRoom = box.inkRoom;
    const QSize size = m_caption.isEmpty() ? QSize(0, box.text.height()) : box.size();
    setRect({left(), top(), twipsCovering(left(), size.width() + border),
             twipsCovering(top(), size.height() + border)});
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
    if (m_highlighted) {
        // Inside the label, so that it needs no room beyond it and no repaint of what is beneath.
        const int widthPx = scale().pixels(kHighlightWidthPx);
        const int inset = widthPx / 2;
        painter.setPen(
            QPen(QColor(kHighlightColour), widthPx, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(area.adjusted(inset, inset, -inset - 1, -inset - 1));
    }
    if (m_caption.isEmpty()) return;
    painter.setFont(m_font);
    painter.setPen(QColor(m_look.fore));
    // A label that sizes itself sideways breaks its caption only where the caption breaks, and
    // keeps room for the ink beyond the layout.
    int wrap = Qt::TextWordWrap;
    if (m_look.autoSize && !m_look.wordWrap) {
        wrap = 0;
        textArea = textArea.marginsRemoved(m_inkRoom);
    }
    const int vertical = m_look.centreVertically ? Qt::AlignVCenter : Qt::AlignTop;
    drawDesignText(painter, scale(), textArea, alignmentFlags(m_look.align) | vertical | wrap,
                   m_caption);
}

}  // namespace forms
