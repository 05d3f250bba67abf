// Shared by every picture: house colours, fonts, SVG rendering and deterministic JPEG output.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <optional>

class QPainter;

namespace assets {

inline const QColor kHouseBlue(49, 135, 214);
inline const QColor kScreenBlue(49, 135, 215);
inline const QColor kDeepBlue(41, 65, 137);
inline const QColor kYellow(255, 255, 0);

// An opaque picture of the given size filled with one colour, ready to paint on.
QImage canvas(int width, int height, const QColor& fill);

// Every picture is made at 1, 2 and 3 times its size for projectors; drawn pictures are drawn in
// the pixels of their design size on a canvas `scale` times as large, through this painter's
// transform.
void drawAtScale(QPainter& painter, int scale);

// Tahoma (bold or not) at a size in pixels, as the program's own labels use it.
QFont tahoma(int pixels, bool bold);

// The SVG drawn to fill the whole picture, over the background colour; nothing if unreadable.
std::optional<QImage> renderSvg(const QString& path, int width, int height,
                                const QColor& background);

// Same pixels give the same bytes: fixed quality, no progressive scan, no metadata.
bool saveJpeg(const QImage& image, const QString& path);

}  // namespace assets
