#include "kit/sheets/SheetPrinter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <algorithm>
#include <cmath>
#include <map>

#include "forms/Font.h"
#include "kit/labelling/BoardDesign.h"
#include "kit/labelling/EquationRows.h"
#include "pictures/Pictures.h"

namespace sheets {

using forms::TwipRect;

namespace {

// Everything is laid out in twips. A font's pixel size is its points times 20 in twips: the
// designs' 4/3 pixels to a point at 15 twips to the pixel.
constexpr double kTwipsPerDesignPixel = 15.0;
constexpr double kMarginMm = 15;
constexpr float kPartGap = 300;
constexpr float kNumberWidth = 560;
constexpr float kLinePitch = 520;
constexpr float kLetterBox = 460;
constexpr float kLetterGap = 60;
constexpr float kRunningHead = 420;
// Pictures are read at their largest: three times the design, as printed at about 250 dpi.
constexpr double kPictureFactor = 3.0;

// A face as printed. Any letter spacing at all turns Qt's ligatures off: "fl" drawn as one
// glyph reads back from the PDF as one character, and a search for "flame" would miss it. A
// tenth of a twip is the least Qt keeps (it counts in 64ths of a unit) and cannot be seen.
QFont onPaper(const forms::FontSpec& face) {
    QFont chosen = face.toQFont(kTwipsPerDesignPixel);
    chosen.setLetterSpacing(QFont::AbsoluteSpacing, 0.1);
    return chosen;
}

QFont font(float points, bool bold = false, bool italic = false) {
    QFont chosen = onPaper(forms::arial(points, bold));
    chosen.setItalic(italic);
    return chosen;
}

// A board's instruction to drag, which the worksheet's own instruction stands in for on paper.
bool forTheScreen(const labelling::BoardText& text) {
    return QString::fromUtf8(text.text).startsWith(QLatin1String("Drag "));
}

const QColor kInk(Qt::black);
const QColor kGrey(110, 110, 110);
const QColor kAnswerInk(0, 60, 150);

class Printer {
  public:
    Printer(QPagedPaintDevice& device, QPainter& painter, pictures::Pictures& pictures,
            const Worksheet& sheet)
        : m_device(device), m_painter(painter), m_pictures(pictures), m_sheet(sheet) {
        const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
        const double toTwips = 1440.0 / device.logicalDpiX();
        m_width = static_cast<float>(paint.width() * toTwips);
        m_height = static_cast<float>(paint.height() * toTwips);
        m_painter.scale(1.0 / toTwips, 1.0 / toTwips);
    }

    // One sheet: its header, then every part, a page turned wherever the next would not fit.
    int sheet(bool answers) {
        m_answers = answers;
        m_pages = 1;
        m_y = header();
        int number = 0;
        for (const Part& part : m_sheet.parts) {
            const bool numbered = !std::holds_alternative<BoardSheet>(part) &&
                                  !std::holds_alternative<Figure>(part) &&
                                  !std::holds_alternative<Note>(part);
            if (numbered) ++number;
            if (const auto* board = std::get_if<BoardSheet>(&part)) {
                // A board fills a page; a page that has only its header takes it.
                if (m_y > m_topOfPage + 1) newPage();
                drawBoard(*board);
                m_y = m_height;
                continue;
            }
            const float height = drawPart(part, number, m_y, false);
            if (m_y + height > m_height && m_y > m_topOfPage + 1) newPage();
            m_y += drawPart(part, number, m_y, true) + kPartGap;
        }
        return m_pages;
    }

    bool turnPage() { return m_device.newPage(); }

  private:
    float header() {
        m_painter.setPen(kInk);
        const QString title =
            m_answers ? QStringLiteral("%1: answers").arg(m_sheet.title) : m_sheet.title;
        float y = text(title, font(20, true), {0, 0, m_width, 1e6}, Qt::AlignLeft, true);
        y += 200;
        if (!m_answers) {
            // Name, class and date, each with its line to write on.
            m_painter.setFont(font(12));
            const struct {
                const char* label;
                float from, to;
            } fields[] = {{"Name", 0, 0.55f}, {"Class", 0.6f, 0.78f}, {"Date", 0.82f, 1}};
            for (const auto& field : fields) {
                const float left = field.from * m_width;
                const float right = field.to * m_width;
                const QString label = QString::fromLatin1(field.label);
                const float labelWidth = text(label, font(12), {left, y, right - left, 400},
                                              Qt::AlignLeft, true, true);
                text(label, font(12), {left, y, right - left, 400}, Qt::AlignLeft, true);
                m_painter.setPen(QPen(kInk, 12));
                m_painter.drawLine(QPointF(left + labelWidth + 80, y + 300), QPointF(right, y + 300));
            }
            y += 500;
        }
        if (!m_sheet.instructions.isEmpty() && !m_answers) {
            y += text(m_sheet.instructions, font(12, false, true), {0, y, m_width, 1e6},
                      Qt::AlignLeft | Qt::TextWordWrap, true);
        }
        y += 120;
        m_painter.setPen(QPen(kInk, 20));
        m_painter.drawLine(QPointF(0, y), QPointF(m_width, y));
        // A board's answer sheet begins where its worksheet did, so that the boxes fall in the
        // same places on both and the one can be laid over the other.
        const bool boards = std::any_of(m_sheet.parts.begin(), m_sheet.parts.end(), [](const Part& p) {
            return std::holds_alternative<BoardSheet>(p);
        });
        if (m_answers && boards) y = std::max(y, m_worksheetStart);
        else if (!m_answers) m_worksheetStart = y;
        m_topOfPage = y + 240;
        return m_topOfPage;
    }

    void newPage() {
        m_device.newPage();
        ++m_pages;
        // A running head, so that loose pages find their sheet again.
        const QString head = m_answers ? QStringLiteral("%1: answers").arg(m_sheet.title)
                                       : m_sheet.title;
        m_painter.setPen(kGrey);
        text(head, font(10), {0, 0, m_width, kRunningHead}, Qt::AlignLeft, true);
        text(QStringLiteral("page %1").arg(m_pages), font(10), {0, 0, m_width, kRunningHead},
             Qt::AlignRight, true);
        m_painter.setPen(kInk);
        m_topOfPage = kRunningHead + 120;
        m_y = m_topOfPage;
    }

    // Draws (or with `measureOnly` only measures) a text; its height, or its width when asked.
    float text(const QString& shown, const QFont& type, const QRectF& area, int flags, bool draw,
               bool width = false) {
        m_painter.setFont(type);
        const QRectF used = m_painter.boundingRect(area, flags, shown);
        if (draw && !width) m_painter.drawText(area, flags, shown);
        return width ? static_cast<float>(used.width()) : static_cast<float>(used.height());
    }

    // Each picture read once for both sheets: the same image drawn twice goes into the PDF
    // once, and a large one is not read again for every page it is measured and drawn on.
    std::optional<QImage> picture(const QString& path) {
        if (path.isEmpty()) return std::nullopt;
        const auto kept = m_read.find(path);
        if (kept != m_read.end()) return kept->second;
        return m_read[path] = m_pictures.load(path, kPictureFactor);
    }

    // The picture's design size fitted into a box, never enlarged past twice its design size.
    static QSizeF fitted(const QImage& image, QSizeF box) {
        const QSizeF design = image.deviceIndependentSize() * kTwipsPerDesignPixel;
        if (design.isEmpty()) return {};
        const double scale =
            std::min({box.width() / design.width(), box.height() / design.height(), 2.0});
        return design * scale;
    }

    void numberAt(int number, float y, bool draw) {
        if (draw)
            text(QStringLiteral("%1.").arg(number), font(12, true), {0, y, kNumberWidth, 400},
                 Qt::AlignLeft, true);
    }

    void ruledLines(float left, float y, int count, bool draw) {
        if (!draw) return;
        m_painter.setPen(QPen(kGrey, 10));
        for (int i = 1; i <= count; ++i)
            m_painter.drawLine(QPointF(left, y + i * kLinePitch), QPointF(m_width, y + i * kLinePitch));
        m_painter.setPen(kInk);
    }

    float drawPart(const Part& part, int number, float top, bool draw) {
        return std::visit([&](const auto& shown) { return draw_(shown, number, top, draw); },
                          part);
    }

    float draw_(const Question& question, int number, float top, bool draw) {
        numberAt(number, top, draw);
        if (question.text.isEmpty() && !m_answers) {
            // Nothing to ask but the number: its line beside it, so that ten fit under a picture.
            if (draw) {
                m_painter.setPen(QPen(kGrey, 10));
                m_painter.drawLine(QPointF(kNumberWidth, top + 300), QPointF(m_width, top + 300));
                m_painter.setPen(kInk);
            }
            return 360;
        }
        if (question.lines == 1 && !m_answers && question.picture.isEmpty()) {
            // A short question takes its answer on the rest of its own line.
            const float asked = text(question.text, font(12), {kNumberWidth, top, 1e6, 400},
                                     Qt::AlignLeft, false, true);
            if (asked < (m_width - kNumberWidth) / 2) {
                text(question.text, font(12), {kNumberWidth, top, asked + 40, 400},
                     Qt::AlignLeft, draw);
                if (draw) {
                    m_painter.setPen(QPen(kGrey, 10));
                    m_painter.drawLine(QPointF(kNumberWidth + asked + 200, top + 300),
                                       QPointF(m_width, top + 300));
                    m_painter.setPen(kInk);
                }
                return 360;
            }
        }
        const float left = kNumberWidth;
        const float width = m_width - left;
        float y = top + text(question.text, font(12), {left, top, width, 1e6},
                             Qt::AlignLeft | Qt::TextWordWrap, draw);
        if (std::optional<QImage> image = picture(question.picture)) {
            const QSizeF size = fitted(*image, {width, 2400});
            if (draw) m_painter.drawImage(QRectF(QPointF(left, y + 120), size), *image);
            y += static_cast<float>(size.height()) + 120;
        }
        if (!m_answers) {
            ruledLines(left, y, question.lines, draw);
            return y - top + question.lines * kLinePitch + 80;
        }
        y += 80;
        m_painter.setPen(kAnswerInk);
        y += text(question.answer, font(12, true), {left, y, width, 1e6},
                  Qt::AlignLeft | Qt::TextWordWrap, draw);
        if (!question.reason.isEmpty())
            y += 60 + text(question.reason, font(11, false, true), {left, y + 60, width, 1e6},
                           Qt::AlignLeft | Qt::TextWordWrap, draw);
        m_painter.setPen(kInk);
        return y - top;
    }

    float draw_(const LetterBoxes& boxes, int number, float top, bool draw) {
        numberAt(number, top, draw);
        const float left = kNumberWidth;
        const float width = m_width - left;
        float y = top + text(boxes.clue, font(12), {left, top, width, 1e6},
                             Qt::AlignLeft | Qt::TextWordWrap, draw);
        if (!boxes.letters.isEmpty()) {
            y += 80;
            QString spaced;
            for (const QChar letter : boxes.letters) spaced += letter + QStringLiteral(" ");
            y += text(spaced.trimmed(), font(16, true), {left, y, width, 1e6}, Qt::AlignLeft,
                      draw);
        }
        y += 120;
        for (qsizetype i = 0; i < boxes.word.size(); ++i) {
            const QRectF box(left + static_cast<float>(i) * (kLetterBox + kLetterGap), y,
                             kLetterBox, kLetterBox);
            if (!draw) continue;
            m_painter.setPen(QPen(kInk, 15));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(box);
            if (m_answers) {
                m_painter.setPen(kAnswerInk);
                text(boxes.word.mid(i, 1), font(16, true), box, Qt::AlignCenter, true);
                m_painter.setPen(kInk);
            }
        }
        return y + kLetterBox - top;
    }

    float draw_(const BalancingBoxes& equation, int number, float top, bool draw) {
        numberAt(number, top, draw);
        const float left = kNumberWidth;
        float y = top + text(equation.words, font(11, false, true), {left, top, m_width - left, 1e6},
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
                    const float plus = text(QStringLiteral(" + "), formulaFont, {x, y, 1e6, row},
                                            Qt::AlignLeft | Qt::AlignVCenter, false, true);
                    text(QStringLiteral(" + "), formulaFont, {x, y, plus, row},
                         Qt::AlignLeft | Qt::AlignVCenter, draw);
                    x += plus;
                }
                const QRectF box(x, y + (row - kLetterBox) / 2, kLetterBox, kLetterBox);
                if (draw) {
                    m_painter.setPen(QPen(kInk, 15));
                    m_painter.setBrush(Qt::NoBrush);
                    m_painter.drawRect(box);
                    if (m_answers && index < equation.numbers.size()) {
                        m_painter.setPen(kAnswerInk);
                        text(QString::number(equation.numbers[index]), font(16, true), box,
                             Qt::AlignCenter, true);
                        m_painter.setPen(kInk);
                    }
                }
                x += kLetterBox + 60;
                const float w = text(formulas[i], formulaFont, {x, y, 1e6, row},
                                     Qt::AlignLeft | Qt::AlignVCenter, false, true);
                text(formulas[i], formulaFont, {x, y, w + 20, row},
                     Qt::AlignLeft | Qt::AlignVCenter, draw);
                x += w;
            }
        };
        side(equation.reactants);
        const QString arrowText = QStringLiteral("  \u2192  ");
        const float arrowWidth =
            text(arrowText, arrow, {x, y, 1e6, row}, Qt::AlignLeft | Qt::AlignVCenter, false, true);
        text(arrowText, arrow, {x, y, arrowWidth, row}, Qt::AlignLeft | Qt::AlignVCenter, draw);
        x += arrowWidth;
        side(equation.products);
        return y + row - top;
    }

    float draw_(const PictureLines& item, int number, float top, bool draw) {
        numberAt(number, top, draw);
        const float left = kNumberWidth;
        const QSizeF box(3000, 2400);
        float pictureHeight = 0;
        if (std::optional<QImage> image = picture(item.picture)) {
            const QSizeF size = fitted(*image, box);
            if (draw) m_painter.drawImage(QRectF(QPointF(left, top), size), *image);
            pictureHeight = static_cast<float>(size.height());
        }
        const float linesLeft = left + static_cast<float>(box.width()) + 300;
        float y = top;
        for (qsizetype i = 0; i < item.prompts.size(); ++i) {
            const float promptWidth = 2700;
            text(item.prompts[i], font(12), {linesLeft, y, promptWidth, 600},
                 Qt::AlignLeft | Qt::AlignBottom, draw);
            if (draw) {
                m_painter.setPen(QPen(kGrey, 10));
                m_painter.drawLine(QPointF(linesLeft + promptWidth, y + 560),
                                   QPointF(m_width, y + 560));
                m_painter.setPen(kInk);
            }
            if (m_answers && i < item.answers.size()) {
                m_painter.setPen(kAnswerInk);
                text(item.answers[i], font(12, true),
                     {linesLeft + promptWidth + 80, y, m_width - linesLeft - promptWidth, 540},
                     Qt::AlignLeft | Qt::AlignBottom, draw);
                m_painter.setPen(kInk);
            }
            y += 760;
        }
        return std::max(pictureHeight, y - top);
    }

    float draw_(const Figure& figure, int, float top, bool draw) {
        std::optional<QImage> image = figure.picture.isEmpty() && !figure.drawn.isNull()
                                          ? std::optional<QImage>(figure.drawn)
                                          : picture(figure.picture);
        if (!image) return 0;
        const QSizeF size = fitted(*image, {m_width, figure.maxHeight});
        if (draw)
            m_painter.drawImage(
                QRectF(QPointF((m_width - size.width()) / 2, top), size), *image);
        return static_cast<float>(size.height());
    }

    float draw_(const Note& note, int, float top, bool draw) {
        const float pad = 160;
        const float height = text(note.text, font(12), {pad, top + pad, m_width - 2 * pad, 1e6},
                                  Qt::AlignLeft | Qt::TextWordWrap, draw);
        if (draw) {
            m_painter.setPen(QPen(kInk, 12));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(QRectF(0, top, m_width, height + 2 * pad));
        }
        return height + 2 * pad;
    }

    float draw_(const BoardSheet&, int, float, bool) { return 0; }

    void drawBoard(const BoardSheet& sheet) {
        const labelling::BoardDesign& design = *sheet.design;
        const labelling::BoardPage* page =
            sheet.page >= 0 && sheet.page < std::ssize(design.pages)
                ? &design.pages[static_cast<std::size_t>(sheet.page)]
                : nullptr;
        const auto itemText = [&](std::size_t i) {
            const char* shown = design.items[i].text;
            if (page && i < page->texts.size()) shown = page->texts[i];
            return QString::fromUtf8(shown);
        };
        float y = m_y;
        if (page) {
            y += text(QStringLiteral("%1. %2").arg(sheet.page + 1).arg(QString::fromUtf8(page->question)),
                      font(13, true), {0, y, m_width, 1e6}, Qt::AlignLeft | Qt::TextWordWrap,
                      true) + 200;
        }

        // The word bank: every label's text, in the order of the alphabet so that it gives no
        // box away, in rows of boxed words.
        QStringList words;
        for (std::size_t i = 0; i < design.items.size(); ++i) words << itemText(i);
        words.sort(Qt::CaseInsensitive);
        const QFont bankFont = font(12);
        // As tall as the tallest word: a label may be written on two lines.
        float bankRow = 480;
        for (const QString& word : words)
            bankRow = std::max(bankRow, text(word, bankFont, {0, 0, 1e6, 1e6}, Qt::AlignLeft,
                                             false) + 160);
        float bankHeight = 0;
        {
            float x = 0;
            int rows = 1;
            for (const QString& word : words) {
                const float w = text(word, bankFont, {0, 0, 1e6, bankRow}, Qt::AlignLeft, false,
                                     true) + 240;
                if (x > 0 && x + w > m_width) {
                    ++rows;
                    x = 0;
                }
                x += w + 120;
            }
            bankHeight = 420 + rows * (bankRow + 100);
        }

        // The board: everything but the labels' homes, scaled to the room left.
        QRectF extent;
        const auto take = [&extent](const TwipRect& r) {
            if (r.width <= 0 || r.height <= 0) return;
            extent |= QRectF(r.left, r.top, r.width, r.height);
        };
        for (const labelling::BoardItem& item : design.items) take(item.target);
        for (const labelling::BoardPicture& p : design.pictures) take(p.place);
        for (const labelling::BoardText& t : design.texts)
            if (!forTheScreen(t)) take(t.place);
        for (const labelling::BoardOutline& o : design.outlines) take(o.place);
        // The screen lets a row's text run past its design width; so does the page.
        m_painter.setFont(onPaper(design.equationFont));
        for (const labelling::EquationRow& row : design.equations) {
            take({row.before.left, row.top, row.before.width, 435});
            const float after = static_cast<float>(
                m_painter.boundingRect(QRectF(0, 0, 1e6, 435), Qt::AlignLeft,
                                       QString::fromUtf8(row.after.text))
                    .width());
            take({row.after.left, row.top, std::max(row.after.width, after), 435});
        }
        const float roomHeight = m_height - y - bankHeight - 200;
        const double scale = std::min(
            {m_width / extent.width(), roomHeight / extent.height(), 1.5});
        const double boardLeft = (m_width - extent.width() * scale) / 2;

        m_painter.save();
        m_painter.translate(boardLeft, y);
        m_painter.scale(scale, scale);
        m_painter.translate(-extent.topLeft());
        for (const labelling::BoardPicture& p : design.pictures) {
            if (std::optional<QImage> image = picture(QString::fromUtf8(p.file)))
                m_painter.drawImage(QRectF(p.place.left, p.place.top, p.place.width, p.place.height),
                                    *image);
        }
        for (const labelling::BoardOutline& o : design.outlines) {
            m_painter.setPen(QPen(kGrey, 20));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(QRectF(o.place.left, o.place.top, o.place.width, o.place.height));
        }
        m_painter.setPen(kInk);
        for (const labelling::BoardText& t : design.texts) {
            if (forTheScreen(t)) continue;
            int align = Qt::TextWordWrap | Qt::TextDontClip;
            switch (t.look.align) {
                case forms::Align::Centre: align |= Qt::AlignHCenter; break;
                case forms::Align::Right: align |= Qt::AlignRight; break;
                default: align |= Qt::AlignLeft; break;
            }
            if (t.look.centreVertically) align |= Qt::AlignVCenter;
            const QRectF place(t.place.left, t.place.top, t.place.width, t.place.height);
            m_painter.setFont(onPaper(t.look.font));
            m_painter.drawText(place, align, QString::fromUtf8(t.text));
        }
        const QFont equationFont = onPaper(design.equationFont);
        for (const labelling::EquationRow& row : design.equations) {
            m_painter.setFont(equationFont);
            m_painter.drawText(QRectF(row.before.left, row.top, row.before.width, 435),
                               Qt::TextDontClip | (row.beforeRightAligned ? Qt::AlignRight : Qt::AlignLeft),
                               QString::fromUtf8(row.before.text));
            m_painter.drawText(QRectF(row.after.left, row.top, row.after.width, 435),
                               Qt::AlignLeft | Qt::TextDontClip, QString::fromUtf8(row.after.text));
            m_painter.setFont(onPaper(labelling::arrowFont(24)));
            m_painter.drawText(QRectF(design.equationArrowLeft, row.top - 60, 600, 500),
                               Qt::AlignCenter, labelling::reactionArrow());
        }
        // Boxes numbered in reading order, row by row, whatever the order of the answer key.
        std::vector<std::size_t> reading(design.items.size());
        for (std::size_t i = 0; i < reading.size(); ++i) reading[i] = i;
        std::stable_sort(reading.begin(), reading.end(), [&](std::size_t a, std::size_t b) {
            const TwipRect& p = design.items[a].target;
            const TwipRect& q = design.items[b].target;
            if (std::abs(p.top - q.top) > p.height / 2) return p.top < q.top;
            return p.left < q.left;
        });
        std::vector<int> numberOf(reading.size());
        for (std::size_t n = 0; n < reading.size(); ++n) numberOf[reading[n]] = static_cast<int>(n) + 1;
        const QFont boxFont = onPaper(design.font);
        QFont numberFont = font(9, true);
        numberFont.setPixelSize(std::max(1, static_cast<int>(std::lround(200 / scale))));
        for (std::size_t i = 0; i < design.items.size(); ++i) {
            const TwipRect& t = design.items[i].target;
            const QRectF box(t.left, t.top, t.width, t.height);
            m_painter.setPen(QPen(kInk, 20 / scale));
            m_painter.setBrush(Qt::white);
            m_painter.drawRect(box);
            // The box's number in a tab on its top left corner.
            m_painter.setFont(numberFont);
            const QString label = QString::number(numberOf[i]);
            const double tab = 260 / scale;
            const QRectF tabRect(box.left(), box.top(), tab, tab);
            m_painter.setBrush(QColor(225, 225, 225));
            m_painter.setPen(QPen(kInk, 10 / scale));
            m_painter.drawRect(tabRect);
            m_painter.drawText(tabRect, Qt::AlignCenter, label);
            if (m_answers) {
                m_painter.setPen(kAnswerInk);
                // Clear of the number on both sides, so that it stays centred: a label that
                // fits its box on screen may not fit beside the number, and is drawn smaller
                // rather than cut.
                const QRectF room = box.adjusted(tab, 0, -tab, 0);
                const QString shown = itemText(i);
                QFont fitted = boxFont;
                const int flags = Qt::AlignCenter | Qt::TextWordWrap;
                for (int step = 0; step < 8; ++step) {
                    m_painter.setFont(fitted);
                    const QRectF wants = m_painter.boundingRect(room, flags, shown);
                    if (wants.width() <= room.width() + 1 && wants.height() <= room.height() + 1)
                        break;
                    fitted.setPixelSize(std::max(1, fitted.pixelSize() * 9 / 10));
                }
                m_painter.drawText(room, flags, shown);
            }
        }
        m_painter.restore();
        m_painter.setBrush(Qt::NoBrush);

        // The answers are in the boxes, laid out as on the worksheet; the bank would repeat them.
        if (m_answers) return;
        float bankTop = static_cast<float>(y + extent.height() * scale + 200);
        m_painter.setPen(kInk);
        text(QStringLiteral("Word bank"), font(12, true), {0, bankTop, m_width, 400},
             Qt::AlignLeft, true);
        bankTop += 420;
        float x = 0;
        for (const QString& word : words) {
            const float w =
                text(word, bankFont, {0, 0, 1e6, bankRow}, Qt::AlignLeft, false, true) + 240;
            if (x > 0 && x + w > m_width) {
                bankTop += bankRow + 100;
                x = 0;
            }
            m_painter.setPen(QPen(kGrey, 12));
            m_painter.drawRect(QRectF(x, bankTop, w, bankRow));
            m_painter.setPen(kInk);
            text(word, bankFont, {x, bankTop, w, bankRow}, Qt::AlignCenter, true);
            x += w + 120;
        }
    }

    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    pictures::Pictures& m_pictures;
    std::map<QString, std::optional<QImage>> m_read;
    const Worksheet& m_sheet;
    float m_width = 0;
    float m_height = 0;
    float m_y = 0;
    float m_topOfPage = 0;
    float m_worksheetStart = 0;
    int m_pages = 0;
    bool m_answers = false;
};

}  // namespace

std::optional<PageCounts> printWorksheet(const Worksheet& sheet, QPagedPaintDevice& device,
                                         pictures::Pictures& pictures, bool withAnswers) {
    device.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4),
        sheet.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device)) return std::nullopt;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Printer printer(device, painter, pictures, sheet);
    PageCounts counts;
    counts.worksheet = printer.sheet(false);
    if (withAnswers) {
        if (!printer.turnPage()) return std::nullopt;
        counts.answers = printer.sheet(true);
    }
    if (!painter.end()) return std::nullopt;
    return counts;
}

std::optional<Pdf> worksheetPdf(const Worksheet& sheet, pictures::Pictures& pictures,
                                bool withAnswers) {
    Pdf pdf;
    QBuffer buffer(&pdf.bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(sheet.title);
        writer.setCreator(QStringLiteral("Chemistry Key Stage 3 Kindrel"));
        writer.setResolution(600);
        std::optional<PageCounts> pages = printWorksheet(sheet, writer, pictures, withAnswers);
        if (!pages) return std::nullopt;
        pdf.pages = *pages;
    }
    buffer.close();
    if (pdf.bytes.isEmpty()) return std::nullopt;
    return pdf;
}

namespace {

// A disk that fills is reported by Qt as an "Unknown error", which tells a teacher nothing: the
// room left is what to say then. Asked once the half-written copy has gone.
QString whyNotWritten(const QString& qtSays, const QString& path, qint64 needed) {
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    if (disk.isValid() && disk.isReady() && disk.bytesAvailable() < needed) {
        const auto kb = [](qint64 bytes) { return QString::number((bytes + 1023) / 1024); };
        return QStringLiteral("the disk is full (%1 KB free, the worksheet needs %2 KB)")
            .arg(kb(disk.bytesAvailable()), kb(needed));
    }
    return qtSays;
}

}  // namespace

QString saveWhole(const QByteArray& bytes, const QString& path) {
    QString qtSays;
    {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return file.errorString();
        if (file.write(bytes) == bytes.size() && file.commit()) return {};
        qtSays = file.errorString();
        file.cancelWriting();
    }
    return whyNotWritten(qtSays, path, bytes.size());
}

}  // namespace sheets
