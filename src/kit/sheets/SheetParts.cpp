#include "kit/sheets/SheetParts.h"

#include <algorithm>

namespace sheets {

float SheetParts::measure(const Part& part, int number, float top, bool answers) {
    return draw(part, number, top, answers, false);
}

float SheetParts::draw(const Part& part, int number, float top, bool answers, bool ink) {
    m_answers = answers;
    return std::visit([&](const auto& shown) { return draw_(shown, number, top, ink); }, part);
}

void SheetParts::numberAt(int number, float y, bool draw) {
    if (draw)
        m_ink.text(QStringLiteral("%1.").arg(number), font(12, true), {0, y, kNumberWidth, 400},
                   Qt::AlignLeft, true);
}

void SheetParts::ruledLines(float left, float y, int count, bool draw) {
    if (!draw) return;
    m_ink.painter().setPen(QPen(kGrey, 10));
    for (int i = 1; i <= count; ++i)
        m_ink.painter().drawLine(QPointF(left, y + i * kLinePitch),
                                 QPointF(m_ink.width(), y + i * kLinePitch));
    m_ink.painter().setPen(kInk);
}

float SheetParts::draw_(const Question& question, int number, float top, bool draw) {
    numberAt(number, top, draw);
    if (question.text.isEmpty() && !m_answers) {
        // Nothing to ask but the number: its line beside it, so that ten fit under a picture.
        if (draw) {
            m_ink.painter().setPen(QPen(kGrey, 10));
            m_ink.painter().drawLine(QPointF(kNumberWidth, top + 300),
                                     QPointF(m_ink.width(), top + 300));
            m_ink.painter().setPen(kInk);
        }
        return 360;
    }
    if (question.lines == 1 && !m_answers && question.picture.isEmpty()) {
        // A short question takes its answer on the rest of its own line.
        const float asked = m_ink.text(question.text, font(12), {kNumberWidth, top, 1e6, 400},
                                       Qt::AlignLeft, false, true);
        if (asked < (m_ink.width() - kNumberWidth) / 2) {
            m_ink.text(question.text, font(12), {kNumberWidth, top, asked + 40, 400}, Qt::AlignLeft,
                       draw);
            if (draw) {
                m_ink.painter().setPen(QPen(kGrey, 10));
                m_ink.painter().drawLine(QPointF(kNumberWidth + asked + 200, top + 300),
                                         QPointF(m_ink.width(), top + 300));
                m_ink.painter().setPen(kInk);
            }
            return 360;
        }
    }
    const float left = kNumberWidth;
    const float width = m_ink.width() - left;
    float y = top + m_ink.text(question.text, font(12), {left, top, width, 1e6},
                               Qt::AlignLeft | Qt::TextWordWrap, draw);
    if (std::optional<QImage> image = m_ink.picture(question.picture)) {
        const QSizeF size = PaperInk::fitted(*image, {width, 2400});
        if (draw) m_ink.painter().drawImage(QRectF(QPointF(left, y + 120), size), *image);
        y += static_cast<float>(size.height()) + 120;
    }
    if (!m_answers) {
        ruledLines(left, y, question.lines, draw);
        return y - top + question.lines * kLinePitch + 80;
    }
    y += 80;
    m_ink.painter().setPen(kAnswerInk);
    y += m_ink.text(question.answer, font(12, true), {left, y, width, 1e6},
                    Qt::AlignLeft | Qt::TextWordWrap, draw);
    if (!question.reason.isEmpty())
        y += 60 + m_ink.text(question.reason, font(11, false, true), {left, y + 60, width, 1e6},
                             Qt::AlignLeft | Qt::TextWordWrap, draw);
    m_ink.painter().setPen(kInk);
    return y - top;
}

float SheetParts::draw_(const LetterBoxes& boxes, int number, float top, bool draw) {
    numberAt(number, top, draw);
    const float left = kNumberWidth;
    const float width = m_ink.width() - left;
    float y = top + m_ink.text(boxes.clue, font(12), {left, top, width, 1e6},
                               Qt::AlignLeft | Qt::TextWordWrap, draw);
    if (!boxes.letters.isEmpty()) {
        y += 80;
        QString spaced;
        for (const QChar letter : boxes.letters) spaced += letter + QStringLiteral(" ");
        y += m_ink.text(spaced.trimmed(), font(16, true), {left, y, width, 1e6}, Qt::AlignLeft,
                        draw);
    }
    y += 120;
    for (qsizetype i = 0; i < boxes.word.size(); ++i) {
        const QRectF box(left + static_cast<float>(i) * (kLetterBox + kLetterGap), y, kLetterBox,
                         kLetterBox);
        if (!draw) continue;
        m_ink.painter().setPen(QPen(kInk, 15));
        m_ink.painter().setBrush(Qt::NoBrush);
        m_ink.painter().drawRect(box);
        if (m_answers) {
            m_ink.painter().setPen(kAnswerInk);
            m_ink.text(boxes.word.mid(i, 1), font(16, true), box, Qt::AlignCenter, true);
            m_ink.painter().setPen(kInk);
        }
    }
    return y + kLetterBox - top;
}

float SheetParts::draw_(const BalancingBoxes& equation, int number, float top, bool draw) {
    numberAt(number, top, draw);
    const float left = kNumberWidth;
    float y = top + m_ink.text(equation.words, font(11, false, true),
                               {left, top, m_ink.width() - left, 1e6},
                               Qt::AlignLeft | Qt::TextWordWrap, draw);
    y += 160;
    float x = left;
    const QFont formulaFont = font(16);
    const QFont arrow = onPaper(forms::FontSpec{QStringLiteral("DejaVu Sans"), 16});
    const float row = 520;
    std::size_t index = 0;
    const auto side = [&](const QStringList& formulas) {
        for (qsizetype i = 0; i < formulas.size(); ++i, ++index) {
            if (i > 0) {
                const float plus = m_ink.text(QStringLiteral(" + "), formulaFont, {x, y, 1e6, row},
                                              Qt::AlignLeft | Qt::AlignVCenter, false, true);
                m_ink.text(QStringLiteral(" + "), formulaFont, {x, y, plus, row},
                           Qt::AlignLeft | Qt::AlignVCenter, draw);
                x += plus;
            }
            const QRectF box(x, y + (row - kLetterBox) / 2, kLetterBox, kLetterBox);
            if (draw) {
                m_ink.painter().setPen(QPen(kInk, 15));
                m_ink.painter().setBrush(Qt::NoBrush);
                m_ink.painter().drawRect(box);
                if (m_answers && index < equation.numbers.size()) {
                    m_ink.painter().setPen(kAnswerInk);
                    m_ink.text(QString::number(equation.numbers[index]), font(16, true), box,
                               Qt::AlignCenter, true);
                    m_ink.painter().setPen(kInk);
                }
            }
            x += kLetterBox + 60;
            const float w = m_ink.text(formulas[i], formulaFont, {x, y, 1e6, row},
                                       Qt::AlignLeft | Qt::AlignVCenter, false, true);
            m_ink.text(formulas[i], formulaFont, {x, y, w + 20, row},
                       Qt::AlignLeft | Qt::AlignVCenter, draw);
            x += w;
        }
    };
    side(equation.reactants);
    const QString arrowText = QStringLiteral("  \u2192  ");
    const float arrowWidth = m_ink.text(arrowText, arrow, {x, y, 1e6, row},
                                        Qt::AlignLeft | Qt::AlignVCenter, false, true);
    m_ink.text(arrowText, arrow, {x, y, arrowWidth, row}, Qt::AlignLeft | Qt::AlignVCenter, draw);
    x += arrowWidth;
    side(equation.products);
    return y + row - top;
}

float SheetParts::draw_(const PictureLines& item, int number, float top, bool draw) {
    numberAt(number, top, draw);
    const float left = kNumberWidth;
    const QSizeF box(3000, 2400);
    float pictureHeight = 0;
    if (std::optional<QImage> image = m_ink.picture(item.picture)) {
        const QSizeF size = PaperInk::fitted(*image, box);
        if (draw) m_ink.painter().drawImage(QRectF(QPointF(left, top), size), *image);
        pictureHeight = static_cast<float>(size.height());
    }
    const float linesLeft = left + static_cast<float>(box.width()) + 300;
    float y = top;
    for (qsizetype i = 0; i < item.prompts.size(); ++i) {
        const float promptWidth = 2700;
        m_ink.text(item.prompts[i], font(12), {linesLeft, y, promptWidth, 600},
                   Qt::AlignLeft | Qt::AlignBottom, draw);
        if (draw) {
            m_ink.painter().setPen(QPen(kGrey, 10));
            m_ink.painter().drawLine(QPointF(linesLeft + promptWidth, y + 560),
                                     QPointF(m_ink.width(), y + 560));
            m_ink.painter().setPen(kInk);
        }
        if (m_answers && i < item.answers.size()) {
            m_ink.painter().setPen(kAnswerInk);
            m_ink.text(
                item.answers[i], font(12, true),
                {linesLeft + promptWidth + 80, y, m_ink.width() - linesLeft - promptWidth, 540},
                Qt::AlignLeft | Qt::AlignBottom, draw);
            m_ink.painter().setPen(kInk);
        }
        y += 760;
    }
    return std::max(pictureHeight, y - top);
}

float SheetParts::draw_(const Figure& figure, int, float top, bool draw) {
    std::optional<QImage> image = figure.picture.isEmpty() && !figure.drawn.isNull()
                                      ? std::optional<QImage>(figure.drawn)
                                      : m_ink.picture(figure.picture);
    if (!image) return 0;
    const QSizeF size = PaperInk::fitted(*image, {m_ink.width(), figure.maxHeight});
    if (draw)
        m_ink.painter().drawImage(QRectF(QPointF((m_ink.width() - size.width()) / 2, top), size),
                                  *image);
    return static_cast<float>(size.height());
}

float SheetParts::draw_(const Note& note, int, float top, bool draw) {
    const float pad = 160;
    const float height =
        m_ink.text(note.text, font(12), {pad, top + pad, m_ink.width() - 2 * pad, 1e6},
                   Qt::AlignLeft | Qt::TextWordWrap, draw);
    if (draw) {
        m_ink.painter().setPen(QPen(kInk, 12));
        m_ink.painter().setBrush(Qt::NoBrush);
        m_ink.painter().drawRect(QRectF(0, top, m_ink.width(), height + 2 * pad));
    }
    return height + 2 * pad;
}

float SheetParts::draw_(const BoardSheet&, int, float, bool) {
    return 0;
}

}  // namespace sheets
