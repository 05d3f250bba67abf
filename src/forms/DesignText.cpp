#include "forms/DesignText.h"

#include <QCache>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "forms/Scale.h"

namespace forms {

namespace {

// One glyph of a caption laid out at design size: which of the caption's fonts, which glyph and
// where its origin falls, in the pixels of the designs.
struct PlacedGlyph {
    int font = 0;
    quint32 glyph = 0;
    QPointF at;
};

struct CaptionGlyphs {
    std::vector<QRawFont> fonts;
    std::vector<PlacedGlyph> glyphs;
    // Each font's number at the factor the caption is drawn at (internedFont).
    std::vector<quint32> fontIds;
    // Whether each font's glyphs are emboldened here (wantsEmboldening).
    std::vector<bool> emboldened;
};

// Text laid out as QPainter::drawText lays it out in a rectangle (line by line at whole pixels,
// each line aligned across, the block aligned down), for the flags the controls use: alignment
// and word wrap.
CaptionGlyphs layOut(const QFont& font, const QSizeF& area, int flags, QString text) {
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode((flags & Qt::TextWordWrap) ? QTextOption::WordWrap
                                                  : QTextOption::ManualWrap);
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(font).leading();
    const qreal lineWidth =
        (flags & Qt::TextWordWrap) ? std::max<qreal>(0, area.width()) : 0x01000000;
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.height();
        if (height >= area.height()) break;
    }
    layout.endLayout();
    qreal down = 0;
    if (flags & Qt::AlignBottom)
        down = area.height() - height;
    else if (flags & Qt::AlignVCenter)
        down = (area.height() - height) / 2;
    CaptionGlyphs caption;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        qreal across = 0;
        if (flags & Qt::AlignRight)
            across = area.width() - line.horizontalAdvance();
        else if (flags & Qt::AlignHCenter)
            across = (area.width() - line.horizontalAdvance()) / 2;
        for (const QGlyphRun& run : line.glyphRuns()) {
            const auto known = std::find(caption.fonts.begin(), caption.fonts.end(), run.rawFont());
            const int font = static_cast<int>(known - caption.fonts.begin());
            if (known == caption.fonts.end()) caption.fonts.push_back(run.rawFont());
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> at = run.positions();
            for (qsizetype g = 0; g < glyphs.size(); ++g)
                caption.glyphs.push_back({font, glyphs[g], at[g] + QPointF(across, down)});
        }
    }
    return caption;
}

// How much of each pixel a glyph covers, filled from its outline at a factor, and where its
// top-left corner lies from the glyph's origin. Null for a glyph with no ink (a space).
struct GlyphCoverage {
    QImage alpha;
    QPoint offset;
};

// A small number for each font at each factor, so that a glyph's coverage is found by numbers
// rather than by a string built at every repaint. A lesson uses a few dozen.
quint32 internedFont(const QRawFont& font, double factor) {
    static QHash<QString, quint32> ids;
    const QString identity =
        QString::number(factor) + QLatin1Char('|') + font.familyName() + QLatin1Char('|') +
        font.styleName() + QLatin1Char('|') + QString::number(font.weight()) + QLatin1Char('|') +
        QString::number(font.style()) + QLatin1Char('|') + QString::number(font.pixelSize());
    auto known = ids.constFind(identity);
    if (known == ids.constEnd()) known = ids.insert(identity, static_cast<quint32>(ids.size()));
    return *known;
}

// From this many pixels up Qt stops keeping a glyph's picture and fills its outline each time;
// and the bold it makes from a regular face is then drawn, and outlined, regular.
constexpr int kLargestKeptGlyphPixels = 64;

// The house fonts are sized in pixels; asking the font database is for one sized in points.
int pixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

// A bold asked of a face that has none (Wine's Tahoma), at a size where Qt no longer makes it.
bool wantsEmboldening(const QFont& asked, const QRawFont& face) {
    return asked.bold() && face.pixelSize() >= kLargestKeptGlyphPixels &&
           !face.styleName().contains(QLatin1String("Bold"), Qt::CaseInsensitive);
}

GlyphCoverage fillGlyph(const QRawFont& font, quint32 glyph, double factor, bool embolden) {
    const QPainterPath outline =
        QTransform::fromScale(factor, factor).map(font.pathForGlyph(glyph));
    // As Qt emboldens smaller sizes (FreeType's strength, a 24th of the em, across each stem).
    const double stroke = embolden ? font.pixelSize() * factor / 24.0 : 0.0;
    const int grow = static_cast<int>(std::ceil(stroke / 2));
    const QRect box =
        outline.boundingRect().toAlignedRect().adjusted(-1 - grow, -1 - grow, 1 + grow, 1 + grow);
    if (outline.isEmpty() || box.isEmpty()) return {};
    QImage filled(box.size(), QImage::Format_ARGB32_Premultiplied);
    filled.fill(Qt::transparent);
    QPainter painter(&filled);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-box.topLeft());
    painter.fillPath(outline, Qt::white);
    if (embolden)
        painter.strokePath(outline,
                           QPen(Qt::white, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.end();
    return {filled.convertToFormat(QImage::Format_Alpha8), box.topLeft()};
}

// The ink for each coverage from none to full, premultiplied, in one colour.
std::array<QRgb, 256> inkRamp(const QColor& colour) {
    std::array<QRgb, 256> ramp{};
    const QRgb rgb = colour.rgba();
    for (int covered = 0; covered < 256; ++covered)
        ramp[covered] = qPremultiply(
            qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), (qAlpha(rgb) * covered + 127) / 255));
    return ramp;
}

// Laid-out captions cost a few bytes a glyph; the coverage is a byte a pixel, under a kilobyte
// a glyph at 1.8 and a few at 3.6: a screen's worth is a fraction of the budget, and the menu's
// beside it.
constexpr qsizetype kKeptCaptionGlyphs = qsizetype{4} * 1024;
constexpr qsizetype kKeptCoverageBytes = qsizetype{512} << 10;

// Qt draws glyphs larger than 64 pixels from their outlines at every repaint, and fills glyphs
// of the bold made from Tahoma's regular face (from Wine) regular when they are scaled, though
// bold in outline. Either way a line of text at 3.6 took milliseconds to fill. Such text is drawn
// from each glyph's coverage instead, filled once from its outline at the factor, kept and
// shared by every caption in any colour, at design-size glyph positions.
void drawGlyphPictures(QPainter& painter, const Scale& scale, const QRectF& designArea, int flags,
                       const QString& text) {
    static QCache<QString, CaptionGlyphs> captions(kKeptCaptionGlyphs);
    static QCache<quint64, GlyphCoverage> coverages(kKeptCoverageBytes);
    static QImage ink;  // a glyph in the pen's colour, remade for each glyph drawn
    const QFont& font = painter.font();
    const double factor = scale.factor();
    const QString captionKey = QString::number(factor) + QLatin1Char('|') + font.key() +
                               QLatin1Char('|') + QString::number(flags) + QLatin1Char('|') +
                               QString::number(designArea.width()) + QLatin1Char('x') +
                               QString::number(designArea.height()) + QLatin1Char('|') + text;
    const CaptionGlyphs* caption = captions.object(captionKey);
    CaptionGlyphs made;
    if (!caption) {
        made = layOut(font, designArea.size(), flags, text);
        for (const QRawFont& f : made.fonts) {
            made.fontIds.push_back(internedFont(f, factor));
            made.emboldened.push_back(wantsEmboldening(font, f));
        }
        const auto cost = static_cast<qsizetype>(made.glyphs.size()) + 1;
        // Shared with the cache, which refuses (and deletes) one larger than it may hold.
        captions.insert(captionKey, new CaptionGlyphs(made), cost);
        caption = &made;
    }
    const std::array<QRgb, 256> ramp = inkRamp(painter.pen().color());

    painter.save();
    const QTransform design = QTransform::fromScale(factor, factor);
    painter.setClipRect(design.mapRect(designArea), Qt::IntersectClip);
    for (const PlacedGlyph& placed : caption->glyphs) {
        const quint64 key = quint64{caption->fontIds[placed.font]} << 32 | placed.glyph;
        const GlyphCoverage* coverage = coverages.object(key);
        GlyphCoverage filled;
        if (!coverage) {
            filled = fillGlyph(caption->fonts[placed.font], placed.glyph, factor,
                               caption->emboldened[placed.font]);
            coverages.insert(key, new GlyphCoverage(filled),
                             std::max<qsizetype>(1, filled.alpha.sizeInBytes()));
            coverage = &filled;
        }
        const QImage& alpha = coverage->alpha;
        if (alpha.isNull()) continue;
        if (ink.width() < alpha.width() || ink.height() < alpha.height())
            ink =
                QImage(std::max(ink.width(), alpha.width()), std::max(ink.height(), alpha.height()),
                       QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < alpha.height(); ++y) {
            const uchar* from = alpha.constScanLine(y);
            auto* to = reinterpret_cast<QRgb*>(ink.scanLine(y));
            for (int x = 0; x < alpha.width(); ++x) to[x] = ramp[from[x]];
        }
        // Whole pixels: a glyph moves by half a pixel at most, at sizes where that is no more.
        const QPointF origin = (designArea.topLeft() + placed.at) * factor;
        painter.drawImage(QPoint(static_cast<int>(std::lround(origin.x())),
                                 static_cast<int>(std::lround(origin.y()))) +
                              coverage->offset,
                          ink, QRect(QPoint(0, 0), alpha.size()));
    }
    painter.restore();
}

}  // namespace

void drawDesignText(QPainter& painter, const Scale& scale, const QRectF& designArea, int flags,
                    const QString& text) {
    const QFont& font = painter.font();
    const bool solid = painter.pen().brush().style() == Qt::SolidPattern;
    if (scale.isDesignSize()) {
        if (solid && font.bold() && pixelSizeOf(font) >= kLargestKeptGlyphPixels)
            drawGlyphPictures(painter, scale, designArea, flags, text);
        else
            painter.drawText(designArea.toRect(), flags, text);
        return;
    }
    if (solid &&
        (font.bold() || pixelSizeOf(font) * scale.factor() >= kLargestKeptGlyphPixels)) {
        drawGlyphPictures(painter, scale, designArea, flags, text);
        return;
    }
    painter.save();
    // One transform for every control, so that each font's glyphs are drawn once per factor.
    painter.scale(scale.factor(), scale.factor());
    painter.drawText(designArea, flags, text);
    painter.restore();
}

}  // namespace forms
