#include "Canvas.h"

#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

namespace assets {

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void drawAtScale(QPainter& painter, int scale) {
    if (scale != 1) painter.scale(scale, scale);
}

QFont tahoma(int pixels, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

std::optional<QImage> renderSvg(const QString& path, int width, int height,
                                const QColor& background) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return std::nullopt;
    QImage image = canvas(width, height, background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(0, 0, width, height));
    return image;
}

bool saveJpeg(const QImage& image, const QString& path) {
    QImageWriter writer(path, "jpg");
    writer.setQuality(95);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    return writer.write(image.convertToFormat(QImage::Format_RGB32));
}

}  // namespace assets
