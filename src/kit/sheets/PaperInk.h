// What every part of a printed sheet is drawn with: the page in twips, the house faces as
// printed, the inks, and the pictures read once for both sheets.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <map>
#include <optional>

#include "forms/Font.h"

class QPagedPaintDevice;

namespace pictures {
class Pictures;
}

namespace labelling {
struct BoardText;
}

namespace sheets {

// Everything is laid out in twips. A font's pixel size is its points times 20 in twips: the
// designs' 4/3 pixels to a point at 15 twips to the pixel.
inline constexpr double kTwipsPerDesignPixel = 15.0;
inline constexpr double kMarginMm = 15;
inline constexpr float kPartGap = 300;
inline constexpr float kNumberWidth = 560;
inline constexpr float kLinePitch = 520;
inline constexpr float kLetterBox = 460;
inline constexpr float kLetterGap = 60;
inline constexpr float kRunningHead = 420;
// Pictures are read at their largest: three times the design, as printed at about 250 dpi.
inline constexpr double kPictureFactor = 3.0;

// A face as printed. Any letter spacing at all turns Qt's ligatures off: "fl" drawn as one
// glyph reads back from the PDF as one character, and a search for "flame" would miss it. A
// tenth of a twip is the least Qt keeps (it counts in 64ths of a unit) and cannot be seen.
QFont onPaper(const forms::FontSpec& face);
QFont font(float points, bool bold = false, bool italic = false);

// A board's instruction to drag, which the worksheet's own instruction stands in for on paper.
bool forTheScreen(const labelling::BoardText& text);

inline const QColor kInk(Qt::black);
inline const QColor kGrey(110, 110, 110);
inline const QColor kAnswerInk(0, 60, 150);

class PaperInk {
  public:
    PaperInk(QPagedPaintDevice& device, QPainter& painter, pictures::Pictures& pictures);

    QPagedPaintDevice& device() { return m_device; }
    QPainter& painter() { return m_painter; }
    // The page's printable area in twips.
    float width() const { return m_width; }
    float height() const { return m_height; }

    // Draws (or only measures) a text; its height, or its width when asked.
    float text(const QString& shown, const QFont& type, const QRectF& area, int flags, bool draw,
               bool width = false);
    // Each picture read once for both sheets: the same image drawn twice goes into the PDF
    // once, and a large one is not read again for every page it is measured and drawn on.
    std::optional<QImage> picture(const QString& path);
    // The picture's design size fitted into a box, never enlarged past twice its design size.
    static QSizeF fitted(const QImage& image, QSizeF box);

  private:
    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    pictures::Pictures& m_pictures;
    std::map<QString, std::optional<QImage>> m_read;
    float m_width = 0;
    float m_height = 0;
};

}  // namespace sheets
