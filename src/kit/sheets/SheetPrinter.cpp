#include "kit/sheets/SheetPrinter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>
#include <algorithm>
#include <functional>

#include "kit/sheets/BoardPage.h"
#include "kit/sheets/PaperInk.h"
#include "kit/sheets/SheetParts.h"

namespace sheets {

namespace {

class Printer {
  public:
    // Wanted says which pages (of the answer sheet or not, counted from 1) go onto the device;
    // the others are laid out all the same, so that those after them fall as they always do.
    using Wanted = std::function<bool(bool answers, int page)>;
    Printer(QPagedPaintDevice& device, QPainter& painter, pictures::Pictures& pictures,
            const Worksheet& sheet, Wanted wanted)
        : m_paper(device, painter, pictures),
          m_parts(m_paper),
          m_sheet(sheet),
          m_wanted(std::move(wanted)) {}

    // One sheet: its header, then every part, a page turned wherever the next would not fit.
    int sheet(bool answers) {
        m_answers = answers;
        m_pages = 1;
        startPage();
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
                if (m_ink) drawBoard(m_paper, *board, m_y, m_answers);
                m_y = m_paper.height();
                continue;
            }
            const float height = m_parts.measure(part, number, m_y, m_answers);
            if (m_y + height > m_paper.height() && m_y > m_topOfPage + 1) newPage();
            m_y += m_parts.draw(part, number, m_y, m_answers, m_ink) + kPartGap;
        }
        return m_pages;
    }

    // Pages of each sheet put onto the device, and whether turning to one failed.
    PageCounts painted() const { return m_painted; }
    bool failed() const { return m_failed; }

  private:
    // The device turns a page only for a page that is wanted, so that one left out leaves no
    // blank sheet behind.
    void startPage() {
        m_ink = m_wanted(m_answers, m_pages);
        if (!m_ink) return;
        if (m_devicePages++ > 0 && !m_paper.device().newPage()) m_failed = true;
        ++(m_answers ? m_painted.answers : m_painted.worksheet);
    }

    QString heading() const {
        return m_answers ? QStringLiteral("%1: answers").arg(m_sheet.title) : m_sheet.title;
    }

    float header() {
        m_paper.painter().setPen(kInk);
        // A long list's title wraps, between words where it can and anywhere in a word too
        // long for a line, so that ": answers" is always there to tell the sheets apart.
        QTextOption wrapped(Qt::AlignLeft);
        wrapped.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        m_paper.painter().setFont(font(20, true));
        const QRectF titleArea(0, 0, m_paper.width(), 1e6);
        float y = static_cast<float>(
            m_paper.painter().boundingRect(titleArea, heading(), wrapped).height());
        if (m_ink) m_paper.painter().drawText(titleArea, heading(), wrapped);
        y += 200;
        if (!m_answers) {
            // Name, class and date, each with its line to write on.
            m_paper.painter().setFont(font(12));
            const struct {
                const char* label;
                float from, to;
            } fields[] = {{"Name", 0, 0.55f}, {"Class", 0.6f, 0.78f}, {"Date", 0.82f, 1}};
            for (const auto& field : fields) {
                const float left = field.from * m_paper.width();
                const float right = field.to * m_paper.width();
                const QString label = QString::fromLatin1(field.label);
                const float labelWidth = m_paper.text(label, font(12), {left, y, right - left, 400},
                                                      Qt::AlignLeft, true, true);
                m_paper.text(label, font(12), {left, y, right - left, 400}, Qt::AlignLeft, m_ink);
                m_paper.painter().setPen(QPen(kInk, 12));
                if (m_ink)
                    m_paper.painter().drawLine(QPointF(left + labelWidth + 80, y + 300),
                                               QPointF(right, y + 300));
            }
            y += 500;
        }
        if (!m_sheet.instructions.isEmpty() && !m_answers) {
            y +=
                m_paper.text(m_sheet.instructions, font(12, false, true),
                             {0, y, m_paper.width(), 1e6}, Qt::AlignLeft | Qt::TextWordWrap, m_ink);
        }
        y += 120;
        m_paper.painter().setPen(QPen(kInk, 20));
        if (m_ink) m_paper.painter().drawLine(QPointF(0, y), QPointF(m_paper.width(), y));
        // A board's answer sheet begins where its worksheet did, so that the boxes fall in the
        // same places on both and the one can be laid over the other.
        const bool boards =
            std::any_of(m_sheet.parts.begin(), m_sheet.parts.end(),
                        [](const Part& p) { return std::holds_alternative<BoardSheet>(p); });
        if (m_answers && boards)
            y = std::max(y, m_worksheetStart);
        else if (!m_answers)
            m_worksheetStart = y;
        m_topOfPage = y + 240;
        return m_topOfPage;
    }

    void newPage() {
        ++m_pages;
        startPage();
        m_topOfPage = kRunningHead + 120;
        m_y = m_topOfPage;
        if (!m_ink) return;
        // A running head, so that loose pages find their sheet again: on one line beside the
        // page's number, a long title shortened before ": answers" rather than losing it.
        const QString number = QStringLiteral("page %1").arg(m_pages);
        const QFont type = font(10);
        const float room =
            m_paper.width() -
            m_paper.text(number, type, {0, 0, 1e6, kRunningHead}, Qt::AlignLeft, false, true) - 400;
        const QString suffix = m_answers ? QStringLiteral(": answers") : QString();
        const float titleRoom = room - m_paper.text(suffix, type, {0, 0, 1e6, kRunningHead},
                                                    Qt::AlignLeft, false, true);
        const QString head = QFontMetricsF(type, &m_paper.device())
                                 .elidedText(m_sheet.title, Qt::ElideRight, titleRoom) +
                             suffix;
        m_paper.painter().setPen(kGrey);
        m_paper.text(head, type, {0, 0, room, kRunningHead}, Qt::AlignLeft, true);
        m_paper.text(number, type, {0, 0, m_paper.width(), kRunningHead}, Qt::AlignRight, true);
        m_paper.painter().setPen(kInk);
    }

    PaperInk m_paper;
    SheetParts m_parts;
    const Worksheet& m_sheet;
    Wanted m_wanted;
    bool m_ink = true;
    int m_devicePages = 0;
    PageCounts m_painted;
    bool m_failed = false;
    float m_y = 0;
    float m_topOfPage = 0;
    float m_worksheetStart = 0;
    int m_pages = 0;
    bool m_answers = false;
};

}  // namespace

namespace {

void setPage(const Worksheet& sheet, QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), sheet.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
}

// Lays out the sheets chosen (and the worksheet before an answer sheet, which takes its
// boxes' places from it), putting the wanted pages onto the device.
std::optional<PageCounts> lay(const Worksheet& sheet, QPagedPaintDevice& device,
                              pictures::Pictures& pictures, Printed printed,
                              const std::function<bool(bool, int, int)>& wanted,
                              PageCounts* laidOut = nullptr) {
    QPainter painter;
    if (!painter.begin(&device)) return std::nullopt;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    int worksheetPages = 0;
    Printer printer(device, painter, pictures, sheet,
                    [&](bool answers, int page) { return wanted(answers, page, worksheetPages); });
    PageCounts counts;
    counts.worksheet = worksheetPages = printer.sheet(false);
    if (printed != Printed::Worksheet) counts.answers = printer.sheet(true);
    if (!painter.end() || printer.failed()) return std::nullopt;
    if (laidOut) *laidOut = counts;
    return printer.painted();
}

}  // namespace

std::optional<PageCounts> printWorksheet(const Worksheet& sheet, QPagedPaintDevice& device,
                                         pictures::Pictures& pictures, Printed printed,
                                         const QPageRanges& range) {
    setPage(sheet, device);
    const auto wanted = [&](bool answers, int page, int worksheetPages) {
        return printsPage(printed, range, answers, page, worksheetPages);
    };
    if (!range.isEmpty()) {
        // The range counts pages the layout has yet to turn: laid out first on a page of the
        // device's size and resolution, drawing nothing, so that a range with no page of the
        // sheets in it starts no print at all rather than one blank sheet.
        QBuffer nowhere;
        if (!nowhere.open(QIODevice::WriteOnly)) return std::nullopt;
        QPdfWriter scratch(&nowhere);
        scratch.setResolution(device.logicalDpiX());
        setPage(sheet, scratch);
        PageCounts counts;
        const auto none = [](bool, int, int) { return false; };
        if (!lay(sheet, scratch, pictures, printed, none, &counts)) return std::nullopt;
        if (!printsAny(printed, range, counts)) return PageCounts{};
    }
    return lay(sheet, device, pictures, printed, wanted);
}

std::optional<PageCounts> printWorksheet(const Worksheet& sheet, QPagedPaintDevice& device,
                                         pictures::Pictures& pictures, bool withAnswers) {
    return printWorksheet(sheet, device, pictures, withAnswers ? Printed::Both : Printed::Worksheet,
                          {});
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

}  // namespace sheets
