#include "kit/sheets/PaperInk.h"

#include <QPagedPaintDevice>
#include <algorithm>

#include "kit/labelling/BoardDesign.h"
#include "pictures/Pictures.h"

namespace sheets {

QFont onPaper(const forms::FontSpec& face) {
    QFont chosen = face.toQFont(kTwipsPerDesignPixel);
    chosen.setLetterSpacing(QFont::AbsoluteSpacing, 0.1);
    return chosen;
}

QFont font(float points, bool bold, bool italic) {
    QFont chosen = onPaper(forms::arial(points, bold));
    chosen.setItalic(italic);
    return chosen;
}

bool forTheScreen(const labelling::BoardText& text) {
    return QString::fromUtf8(text.text).startsWith(QLatin1String("Drag "));
}

PaperInk::PaperInk(QPagedPaintDevice& device, QPainter& painter, pictures::Pictures& pictures)
    : m_device(device), m_painter(painter), m_pictures(pictures) {
    const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const double toTwips = 1440.0 / device.logicalDpiX();
    m_width = static_cast<float>(paint.width() * toTwips);
    m_height = static_cast<float>(paint.height() * toTwips);
    m_painter.scale(1.0 / toTwips, 1.0 / toTwips);
}

float PaperInk::text(const QString& shown, const QFont& type, const QRectF& area, int flags,
                     bool draw, bool width) {
    m_painter.setFont(type);
    const QRectF used = m_painter.boundingRect(area, flags, shown);
    if (draw && !width) m_painter.drawText(area, flags, shown);
    return width ? static_cast<float>(used.width()) : static_cast<float>(used.height());
}

std::optional<QImage> PaperInk::picture(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    const auto kept = m_read.find(path);
    if (kept != m_read.end()) return kept->second;
    return m_read[path] = m_pictures.load(path, kPictureFactor);
}

QSizeF PaperInk::fitted(const QImage& image, QSizeF box) {
    const QSizeF design = image.deviceIndependentSize() * kTwipsPerDesignPixel;
    if (design.isEmpty()) return {};
    const double scale =
        std::min({box.width() / design.width(), box.height() / design.height(), 2.0});
    return design * scale;
}

}  // namespace sheets
