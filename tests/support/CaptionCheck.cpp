#include "CaptionCheck.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "forms/Label.h"

namespace testing_support {

namespace {

constexpr int kOpen = 1 << 20;
constexpr int kMargin = 16;

int alignment(forms::Align align) {
    switch (align) {
        case forms::Align::Right:
            return Qt::AlignRight;
        case forms::Align::Centre:
            return Qt::AlignHCenter;
        case forms::Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

// Ink is what covers at least a quarter of a pixel: the faint fringe that antialiasing and Qt's
// own emboldening leave around a glyph may fall outside a label without anything being cut.
bool isInk(QRgb pixel, QRgb background, QRgb fore) {
    const auto distance = [](QRgb a, QRgb b) {
        return std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                         std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
    };
    return 4 * distance(pixel, background) >= distance(fore, background);
}

// The ink within the area of an image drawn in premultiplied ARGB.
QRect inkOf(const QImage& image, QRgb background, QRgb fore, const QRect& area) {
    int left = area.right() + 1, right = area.left() - 1, top = area.bottom() + 1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!isInk(row[x], background, fore)) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = y;
        }
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QString text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

std::vector<forms::FontSpec> houseFonts() {
    // The sizes the screens give their text, in points.
    const float sizes[] = {8.25f,  9.75f,  11.25f, 12, 14.25f, 15.75f, 18, 20,
                           20.25f, 21.75f, 22,     24, 27.75f, 30,     32, 36};
    std::vector<forms::FontSpec> fonts;
    for (float points : sizes)
        for (bool bold : {false, true}) {
            fonts.push_back(forms::tahoma(points, bold));
            fonts.push_back(forms::arial(points, bold));
        }
    return fonts;
}

QString fontName(const forms::FontSpec& font) {
    return QStringLiteral("%1 %2%3")
        .arg(font.family)
        .arg(double(font.points))
        .arg(font.bold ? QStringLiteral(" bold") : QString());
}

QString captionCut(const forms::Label& label) {
    const QString& caption = label.caption();
    const forms::LabelLook& look = label.look();
    const QFont font = look.font.toQFont();
    const QSize size = label.widget()->size();
    const int inset = look.border ? 1 : 0;
    const QRect textArea = QRect(QPoint(0, 0), size).adjusted(inset, inset, -inset, -inset);
    const int flags = alignment(look.align) | Qt::AlignTop;

    // Laid out as drawText lays it out in the label, wrapping at words, against no wrapping.
    const QFontMetrics metrics(font);
    const int lines = int(caption.count(QLatin1Char('\n'))) + 1;
    const int unwrapped = metrics.boundingRect(QRect(0, 0, kOpen, kOpen), flags, caption).height();
    const int wrapped =
        metrics
            .boundingRect(QRect(0, 0, textArea.width(), kOpen), flags | Qt::TextWordWrap, caption)
            .height();
    if (wrapped > unwrapped)
        return QStringLiteral("wraps in %1 px: %2 px high for %3 line(s) of %4 px")
            .arg(textArea.width())
            .arg(wrapped)
            .arg(lines)
            .arg(unwrapped / lines);
    if (unwrapped > textArea.height())
        return QStringLiteral("needs %1 px of height, has %2")
            .arg(unwrapped)
            .arg(textArea.height());

    // The ink: the label as it draws itself, against the caption drawn without wrapping and
    // without being clipped. Where the label places its text is its own affair; what it clips
    // shows in the size of the ink.
    const QRgb background = look.opaque ? QColor(look.back).rgba() : qRgba(0, 0, 0, 0);
    const QRgb fore = QColor(look.fore).rgba();
    QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(background);
    label.widget()->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
    QImage free(size + QSize(2 * kMargin, 2 * kMargin), QImage::Format_ARGB32_Premultiplied);
    free.fill(background);
    {
        QPainter painter(&free);
        painter.setFont(font);
        painter.setPen(QColor(look.fore));
        painter.drawText(textArea.translated(kMargin, kMargin), flags | Qt::TextDontClip, caption);
    }
    const QRect is = inkOf(drawn, background, fore, textArea);
    const QRect shouldBe =
        inkOf(free, background, fore, free.rect()).translated(-kMargin, -kMargin);
    if (is.size() != shouldBe.size())
        return QStringLiteral("ink at %1, drawn freely %2, in %3 px")
            .arg(text(is), text(shouldBe), text(QRect(QPoint(0, 0), size)));
    return {};
}

}  // namespace testing_support
