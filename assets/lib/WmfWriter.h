// Writes small placeable Windows Metafiles from pens, brushes and shapes.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QPolygon>
#include <QRect>
#include <QVector>

#include "pictures/WmfReader.h"

namespace pictures {

// Coordinates are logical units of the picture, unitsPerInch to the inch; the window is set to the
// bounds, so a reader that honours either the header or the window draws the same picture.
class WmfWriter {
  public:
    explicit WmfWriter(const QRect& bounds, int unitsPerInch = 1440);

    // Objects take the lowest free slot of the object table, as the reader expects.
    int createPen(const QColor& colour, int width, wmf::PenStyle style = wmf::PenSolid);
    int createNullPen() { return createPen(Qt::black, 0, wmf::PenNull); }
    int createBrush(const QColor& colour);
    int createNullBrush();
    void selectObject(int index);
    void deleteObject(int index);

    void setBkMode(wmf::BkMode mode);
    void rectangle(const QRect& rect);
    void roundRect(const QRect& rect, int cornerWidth, int cornerHeight);
    void ellipse(const QRect& rect);
    void polygon(const QPolygon& points);
    void polyline(const QPolygon& points);
    void moveTo(const QPoint& point);
    void lineTo(const QPoint& point);

    // Any record, for callers that need one the writer has no helper for (and for tests); gives
    // the object slot when the record creates an object, else -1.
    int record(quint16 function, const QVector<qint16>& params);

    // The whole file, header and closing record included.
    QByteArray toBytes() const;

  private:
    int allocateSlot();
    static QVector<qint16> colourRef(const QColor& colour);

    QRect m_bounds;
    int m_unitsPerInch;
    QByteArray m_records;
    quint32 m_maxRecordWords = 3;
    QVector<bool> m_slots;
};

}  // namespace pictures
