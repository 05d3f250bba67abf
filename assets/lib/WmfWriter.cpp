#include "WmfWriter.h"

#include <QtEndian>
#include <algorithm>

namespace pictures {

namespace {

void put16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

}  // namespace

WmfWriter::WmfWriter(const QRect& bounds, int unitsPerInch)
    : m_bounds(bounds), m_unitsPerInch(unitsPerInch) {
    record(wmf::SetMapMode, {wmf::kMapModeAnisotropic});
    // Window records take y before x.
    record(wmf::SetWindowOrg, {qint16(bounds.top()), qint16(bounds.left())});
    record(wmf::SetWindowExt, {qint16(bounds.height()), qint16(bounds.width())});
}

int WmfWriter::record(quint16 function, const QVector<qint16>& params) {
    const quint32 words = 3 + quint32(params.size());
    put32(m_records, words);
    put16(m_records, function);
    for (qint16 p : params) put16(m_records, quint16(p));
    m_maxRecordWords = std::max(m_maxRecordWords, words);
    switch (function) {
        case wmf::CreatePenIndirect:
        case wmf::CreateBrushIndirect:
        case wmf::CreateFontIndirect:
        case wmf::CreatePalette:
        case wmf::CreatePatternBrush:
        case wmf::DibCreatePatternBrush:
        case wmf::CreateRegion:
            return allocateSlot();
        default:
            return -1;
    }
}

QVector<qint16> WmfWriter::colourRef(const QColor& colour) {
    // COLORREF 0x00BBGGRR as two little-endian words.
    const quint32 ref =
        quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
    return {qint16(ref & 0xFFFF), qint16(ref >> 16)};
}

int WmfWriter::allocateSlot() {
    const auto free = std::find(m_slots.begin(), m_slots.end(), false);
    if (free != m_slots.end()) {
        *free = true;
        return int(free - m_slots.begin());
    }
    m_slots.append(true);
    return int(m_slots.size() - 1);
}

int WmfWriter::createPen(const QColor& colour, int width, wmf::PenStyle style) {
    QVector<qint16> params{qint16(style), qint16(width), 0};
    params += colourRef(colour);
    return record(wmf::CreatePenIndirect, params);
}

int WmfWriter::createBrush(const QColor& colour) {
    QVector<qint16> params{qint16(wmf::BrushSolid)};
    params += colourRef(colour);
    params.append(0);
    return record(wmf::CreateBrushIndirect, params);
}

int WmfWriter::createNullBrush() {
    return record(wmf::CreateBrushIndirect, {qint16(wmf::BrushNull), 0, 0, 0});
}

void WmfWriter::selectObject(int index) {
    record(wmf::SelectObject, {qint16(index)});
}

void WmfWriter::deleteObject(int index) {
    record(wmf::DeleteObject, {qint16(index)});
    if (index >= 0 && index < m_slots.size()) m_slots[index] = false;
}

void WmfWriter::setBkMode(wmf::BkMode mode) {
    record(wmf::SetBkMode, {qint16(mode)});
}

void WmfWriter::rectangle(const QRect& r) {
    record(wmf::Rectangle,
           {qint16(r.bottom() + 1), qint16(r.right() + 1), qint16(r.top()), qint16(r.left())});
}

void WmfWriter::roundRect(const QRect& r, int cornerWidth, int cornerHeight) {
    record(wmf::RoundRect, {qint16(cornerHeight), qint16(cornerWidth), qint16(r.bottom() + 1),
                            qint16(r.right() + 1), qint16(r.top()), qint16(r.left())});
}

void WmfWriter::ellipse(const QRect& r) {
    record(wmf::Ellipse,
           {qint16(r.bottom() + 1), qint16(r.right() + 1), qint16(r.top()), qint16(r.left())});
}

void WmfWriter::polygon(const QPolygon& points) {
    QVector<qint16> params{qint16(points.size())};
    for (const QPoint& p : points) params << qint16(p.x()) << qint16(p.y());
    record(wmf::Polygon, params);
}

void WmfWriter::polyline(const QPolygon& points) {
    QVector<qint16> params{qint16(points.size())};
    for (const QPoint& p : points) params << qint16(p.x()) << qint16(p.y());
    record(wmf::Polyline, params);
}

void WmfWriter::moveTo(const QPoint& p) {
    record(wmf::MoveTo, {qint16(p.y()), qint16(p.x())});
}

void WmfWriter::lineTo(const QPoint& p) {
    record(wmf::LineTo, {qint16(p.y()), qint16(p.x())});
}

QByteArray WmfWriter::toBytes() const {
    QByteArray out;
    // Placeable header: key, handle, bounds, units per inch, reserved, checksum.
    put32(out, wmf::kPlaceableKey);
    put16(out, 0);
    put16(out, quint16(m_bounds.left()));
    put16(out, quint16(m_bounds.top()));
    put16(out, quint16(m_bounds.left() + m_bounds.width()));
    put16(out, quint16(m_bounds.top() + m_bounds.height()));
    put16(out, quint16(m_unitsPerInch));
    put32(out, 0);
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2) checksum ^= qFromLittleEndian<quint16>(out.constData() + i);
    put16(out, checksum);

    const quint32 eofWords = 3;
    const quint32 totalWords =
        quint32(wmf::kMetaHeaderBytes / 2) + quint32(m_records.size() / 2) + eofWords;
    put16(out, 1);  // in memory
    put16(out, wmf::kMetaHeaderBytes / 2);
    put16(out, 0x0300);
    put32(out, totalWords);
    put16(out, quint16(m_slots.size()));
    put32(out, m_maxRecordWords);
    put16(out, 0);

    out += m_records;
    put32(out, eofWords);
    put16(out, wmf::Eof);
    return out;
}

}  // namespace pictures
