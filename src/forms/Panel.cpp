#include "forms/Panel.h"

#include <QFontMetrics>
#include <QPainter>

#include "forms/DesignText.h"
#include "forms/Scale.h"

namespace forms {

Panel::Panel(Screen& screen, Container& container, QString name, int index)
    : Control(screen, container, std::move(name), index), m_titleFont(tahoma(8.25f).toQFont()) {
    attachPaintedWidget(PaintIn::DisplayPixels);
}

void Panel::setTitle(const QString& title) {
    m_title = title;
    repaint();
}

void Panel::setTitleLook(const FontSpec& font, Colour colour) {
    m_titleFont = font.toQFont();
    m_titleColour = colour;
    repaint();
}

void Panel::setBackColour(Colour colour) {
    m_back = colour;
    repaint();
}

void Panel::setOutline(bool outline) {
    m_outline = outline;
    repaint();
}

void Panel::paint(QPainter& painter) {
    const QRect area(QPoint(0, 0), widget()->size());
    const Scale& s = scale();
    painter.fillRect(area, QColor(m_back));
    // The outline runs through the middle of the title's line, as on a titled frame. Measured
    // in the title's design size, drawn at the scale.
    const QFontMetrics metrics(m_titleFont);
    const int lineY = m_title.isEmpty() ? 0 : metrics.height() / 2;
    if (m_outline) {
        const int line = s.pixels(1);
        const QRect outline = area.adjusted(0, s.toPixels(toTwips(lineY)), -2 * line, -2 * line);
        const QRect etched = outline.translated(line, line);
        if (line == 1) {
            painter.setPen(QColor(m_back).darker(160));
            painter.drawRect(outline);
            painter.setPen(QColor(m_back).lighter(160));
            painter.drawRect(etched);
        } else {
            drawOutline(painter, outline.adjusted(0, 0, line, line), line,
                        QColor(m_back).darker(160));
            drawOutline(painter, etched.adjusted(0, 0, line, line), line,
                        QColor(m_back).lighter(160));
        }
    }
    if (!m_title.isEmpty()) {
        const int textWidth = metrics.horizontalAdvance(m_title);
        const QRect titleRect(8, 0, textWidth + 4, metrics.height());
        painter.fillRect(s.toPixels(TwipRect{toTwips(titleRect.x()), 0, toTwips(titleRect.width()),
                                             toTwips(titleRect.height())}),
                         QColor(m_back));
        painter.setFont(m_titleFont);
        painter.setPen(QColor(m_titleColour));
        drawDesignText(painter, s, titleRect, Qt::AlignCenter, m_title);
    }
}

}  // namespace forms
