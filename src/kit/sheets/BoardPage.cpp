#include "kit/sheets/BoardPage.h"

#include <QPagedPaintDevice>
#include <algorithm>
#include <cmath>

#include "forms/ReadingOrder.h"
#include "kit/labelling/BoardDesign.h"
#include "kit/labelling/EquationRows.h"

namespace sheets {

using forms::TwipRect;

void drawBoard(PaperInk& ink, const BoardSheet& sheet, float top, bool answers) {
    QPainter& painter = ink.painter();
    const float width = ink.width();
    const labelling::BoardDesign& design = *sheet.design;
    const labelling::BoardPage* page = sheet.page >= 0 && sheet.page < std::ssize(design.pages)
                                           ? &design.pages[static_cast<std::size_t>(sheet.page)]
                                           : nullptr;
    const auto itemText = [&](std::size_t i) {
        const char* shown = design.items[i].text;
        if (page && i < page->texts.size()) shown = page->texts[i];
        return QString::fromUtf8(shown);
    };
    float y = top;
    if (page) {
        y +=
            ink.text(
                QStringLiteral("%1. %2").arg(sheet.page + 1).arg(QString::fromUtf8(page->question)),
                font(13, true), {0, y, width, 1e6}, Qt::AlignLeft | Qt::TextWordWrap, true) +
            200;
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
        bankRow = std::max(bankRow,
                           ink.text(word, bankFont, {0, 0, 1e6, 1e6}, Qt::AlignLeft, false) + 160);
    float bankHeight = 0;
    {
        float x = 0;
        int rows = 1;
        for (const QString& word : words) {
            const float w =
                ink.text(word, bankFont, {0, 0, 1e6, bankRow}, Qt::AlignLeft, false, true) + 240;
            if (x > 0 && x + w > width) {
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
    painter.setFont(onPaper(design.equationFont));
    for (const labelling::EquationRow& row : design.equations) {
        take({row.before.left, row.top, row.before.width, 435});
        const float after =
            static_cast<float>(painter
                                   .boundingRect(QRectF(0, 0, 1e6, 435), Qt::AlignLeft,
                                                 QString::fromUtf8(row.after.text))
                                   .width());
        take({row.after.left, row.top, std::max(row.after.width, after), 435});
    }
    const float roomHeight = ink.height() - y - bankHeight - 200;
    const double scale = std::min({width / extent.width(), roomHeight / extent.height(), 1.5});
    const double boardLeft = (width - extent.width() * scale) / 2;

    painter.save();
    painter.translate(boardLeft, y);
    painter.scale(scale, scale);
    painter.translate(-extent.topLeft());
    for (const labelling::BoardPicture& p : design.pictures) {
        if (std::optional<QImage> image = ink.picture(QString::fromUtf8(p.file)))
            painter.drawImage(QRectF(p.place.left, p.place.top, p.place.width, p.place.height),
                              *image);
    }
    for (const labelling::BoardOutline& o : design.outlines) {
        painter.setPen(QPen(kGrey, 20));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(o.place.left, o.place.top, o.place.width, o.place.height));
    }
    painter.setPen(kInk);
    for (const labelling::BoardText& t : design.texts) {
        if (forTheScreen(t)) continue;
        int align = Qt::TextWordWrap | Qt::TextDontClip;
        switch (t.look.align) {
            case forms::Align::Centre:
                align |= Qt::AlignHCenter;
                break;
            case forms::Align::Right:
                align |= Qt::AlignRight;
                break;
            default:
                align |= Qt::AlignLeft;
                break;
        }
        if (t.look.centreVertically) align |= Qt::AlignVCenter;
        const QRectF place(t.place.left, t.place.top, t.place.width, t.place.height);
        painter.setFont(onPaper(t.look.font));
        painter.drawText(place, align, QString::fromUtf8(t.text));
    }
    const QFont equationFont = onPaper(design.equationFont);
    for (const labelling::EquationRow& row : design.equations) {
        painter.setFont(equationFont);
        painter.drawText(
            QRectF(row.before.left, row.top, row.before.width, 435),
            Qt::TextDontClip | (row.beforeRightAligned ? Qt::AlignRight : Qt::AlignLeft),
            QString::fromUtf8(row.before.text));
        painter.drawText(QRectF(row.after.left, row.top, row.after.width, 435),
                         Qt::AlignLeft | Qt::TextDontClip, QString::fromUtf8(row.after.text));
        painter.setFont(onPaper(labelling::arrowFont(24)));
        painter.drawText(QRectF(design.equationArrowLeft, row.top - 60, 600, 500), Qt::AlignCenter,
                         labelling::reactionArrow());
    }
    // Boxes numbered in reading order, as the screen reader names them, whatever the order of
    // the answer key.
    std::vector<TwipRect> targets;
    for (const labelling::BoardItem& item : design.items) targets.push_back(item.target);
    const std::vector<std::size_t> reading = forms::readingOrder(targets);
    std::vector<int> numberOf(reading.size());
    for (std::size_t n = 0; n < reading.size(); ++n) numberOf[reading[n]] = static_cast<int>(n) + 1;
    const QFont boxFont = onPaper(design.font);
    QFont numberFont = font(9, true);
    numberFont.setPixelSize(std::max(1, static_cast<int>(std::lround(200 / scale))));
    for (std::size_t i = 0; i < design.items.size(); ++i) {
        const TwipRect& t = design.items[i].target;
        const QRectF box(t.left, t.top, t.width, t.height);
        painter.setPen(QPen(kInk, 20 / scale));
        painter.setBrush(Qt::white);
        painter.drawRect(box);
        // The box's number in a tab on its top left corner.
        painter.setFont(numberFont);
        const QString label = QString::number(numberOf[i]);
        const double tab = 260 / scale;
        const QRectF tabRect(box.left(), box.top(), tab, tab);
        painter.setBrush(QColor(225, 225, 225));
        painter.setPen(QPen(kInk, 10 / scale));
        painter.drawRect(tabRect);
        painter.drawText(tabRect, Qt::AlignCenter, label);
        if (answers) {
            painter.setPen(kAnswerInk);
            // Clear of the number on both sides, so that it stays centred: a label that
            // fits its box on screen may not fit beside the number, and is drawn smaller
            // rather than cut.
            const QRectF room = box.adjusted(tab, 0, -tab, 0);
            const QString shown = itemText(i);
            QFont fitted = boxFont;
            const int flags = Qt::AlignCenter | Qt::TextWordWrap;
            for (int step = 0; step < 8; ++step) {
                painter.setFont(fitted);
                const QRectF wants = painter.boundingRect(room, flags, shown);
                if (wants.width() <= room.width() + 1 && wants.height() <= room.height() + 1) break;
                fitted.setPixelSize(std::max(1, fitted.pixelSize() * 9 / 10));
            }
            painter.drawText(room, flags, shown);
        }
    }
    painter.restore();
    painter.setBrush(Qt::NoBrush);

    // The answers are in the boxes, laid out as on the worksheet; the bank would repeat them.
    if (answers) return;
    float bankTop = static_cast<float>(y + extent.height() * scale + 200);
    painter.setPen(kInk);
    ink.text(QStringLiteral("Word bank"), font(12, true), {0, bankTop, width, 400}, Qt::AlignLeft,
             true);
    bankTop += 420;
    float x = 0;
    for (const QString& word : words) {
        const float w =
            ink.text(word, bankFont, {0, 0, 1e6, bankRow}, Qt::AlignLeft, false, true) + 240;
        if (x > 0 && x + w > width) {
            bankTop += bankRow + 100;
            x = 0;
        }
        painter.setPen(QPen(kGrey, 12));
        painter.drawRect(QRectF(x, bankTop, w, bankRow));
        painter.setPen(kInk);
        ink.text(word, bankFont, {x, bankTop, w, bankRow}, Qt::AlignCenter, true);
        x += w + 120;
    }
}

}  // namespace sheets
