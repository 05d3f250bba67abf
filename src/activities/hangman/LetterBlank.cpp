#include "activities/hangman/LetterBlank.h"

#include <QPainter>
#include <QWidget>

#include "shell/HouseStyle.h"

namespace hangman {

namespace {

constexpr int kLinePx = 4;

}  // namespace

LetterBlank::LetterBlank(forms::Screen& screen, forms::Container& container, QString name,
                         int index)
    : Control(screen, container, std::move(name), index) {
    attachPaintedWidget();
}

void LetterBlank::setLetter(QChar letter, forms::Colour colour) {
    if (letter == m_letter && colour == m_colour) return;
    m_letter = letter;
    m_colour = colour;
    repaint();
}

void LetterBlank::setFont(const forms::FontSpec& font) {
    m_font = font.toQFont();
    repaint();
}

void LetterBlank::paint(QPainter& painter) {
    const QRect area = designArea();
    painter.fillRect(area.left(), area.bottom() - kLinePx + 1, area.width(), kLinePx,
                     QColor(shell::TitleYellow));
    if (m_letter.isNull()) return;
    painter.setFont(m_font);
    painter.setPen(QColor(m_colour));
    painter.drawText(area.adjusted(0, 0, 0, -kLinePx), Qt::AlignHCenter | Qt::AlignBottom,
                     QString(m_letter));
}

}  // namespace hangman
