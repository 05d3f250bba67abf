#include "pictures/WmfReader.h"

#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace pictures {

bool isPlaceableMetafile(const QByteArray& bytes) {
    return bytes.size() >= 4 && qFromLittleEndian<quint32>(bytes.constData()) == wmf::kPlaceableKey;
}

namespace {

using namespace wmf;

// Device coordinates are clamped well outside any picture we draw, so that a wild coordinate
// cannot make the rasteriser walk a huge path.
constexpr double kDeviceLimit = 4.0 * kMaxSide;
// Dashes are drawn one by one; bound how many a file can ask for.
constexpr double kMaxDashUnits = double(1 << 22);

quint16 u16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
qint16 s16(const char* p) {
    return qFromLittleEndian<qint16>(p);
}
quint32 u32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

QColor colourRef(quint16 low, quint16 high) {
    return QColor(low & 0xFF, low >> 8, high & 0xFF);
}

struct Object {
    enum class Kind { Pen, Brush, Other };
    Kind kind = Kind::Other;
    QPen pen;
    QBrush brush;
};

struct DcState {
    QPen pen{QColor(Qt::black), 1.0};
    QBrush brush{Qt::white};
    QPointF windowOrg;
    QSizeF windowExt;
    QPointF position;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    bool opaqueBackground = true;
    QColor background = Qt::white;
    int logicalPenWidth = 0;
};

// The parameters of one record; every read is checked against the record's own length.
class Params {
  public:
    Params(const char* data, qsizetype count) : m_data(data), m_count(count) {}
    qsizetype count() const { return m_count; }
    bool has(qsizetype n) const { return n >= 0 && n <= m_count; }
    qint16 s(qsizetype i) const { return s16(m_data + 2 * i); }
    quint16 u(qsizetype i) const { return u16(m_data + 2 * i); }

  private:
    const char* m_data;
    qsizetype m_count;
};

class Player {
  public:
    Player(QImage& image, const QRect& bounds, int objectCount)
        : m_image(image), m_painter(&image), m_objects(std::size_t(objectCount)) {
        m_state.windowOrg = bounds.topLeft();
        m_state.windowExt = bounds.size();
        m_painter.setRenderHint(QPainter::Antialiasing);
        applyState();
    }

    // False when the record is malformed or the file has gone past a limit.
    bool play(quint16 function, const Params& p);

  private:
    double scaleX() const { return m_image.width() / m_state.windowExt.width(); }
    double scaleY() const { return m_image.height() / m_state.windowExt.height(); }
    QPointF map(double x, double y) const {
        const double dx = (x - m_state.windowOrg.x()) * scaleX();
        const double dy = (y - m_state.windowOrg.y()) * scaleY();
        return {std::clamp(dx, -kDeviceLimit, kDeviceLimit),
                std::clamp(dy, -kDeviceLimit, kDeviceLimit)};
    }
    QRectF mapRect(qint16 left, qint16 top, qint16 right, qint16 bottom) const {
        return QRectF(map(left, top), map(right, bottom)).normalized();
    }
    double penWidth() const {
        const double scale = (std::abs(scaleX()) + std::abs(scaleY())) / 2.0;
        return std::clamp(std::abs(m_state.logicalPenWidth) * scale, 1.0, 2.0 * kMaxSide);
    }
    void applyState();
    bool charge(const QRectF& deviceBounds, double strokeLength);
    bool createObject(const Object& object);
    bool readPoints(const Params& p, qsizetype first, qsizetype count, QPolygonF& out);

    QImage& m_image;
    QPainter m_painter;
    DcState m_state;
    std::vector<DcState> m_saved;
    std::vector<std::optional<Object>> m_objects;
    std::size_t m_firstFree = 0;
    qint64 m_points = 0;
    qint64 m_paintedPixels = 0;
    double m_dashUnits = 0;
};

void Player::applyState() {
    QPen pen = m_state.pen;
    if (pen.style() != Qt::NoPen) pen.setWidthF(penWidth());
    m_painter.setPen(pen);
    m_painter.setBrush(m_state.brush);
    m_painter.setBackgroundMode(m_state.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_state.background);
}

bool Player::charge(const QRectF& deviceBounds, double strokeLength) {
    const double margin = m_state.pen.style() == Qt::NoPen ? 1.0 : penWidth();
    const QRectF painted =
        deviceBounds.adjusted(-margin, -margin, margin, margin).intersected(QRectF(m_image.rect()));
    m_paintedPixels += qint64(painted.width() * painted.height()) + 1;
    const Qt::PenStyle style = m_state.pen.style();
    if (style != Qt::NoPen && style != Qt::SolidLine) m_dashUnits += strokeLength / penWidth();
    return m_paintedPixels <= kMaxPaintedPixels && m_dashUnits <= kMaxDashUnits;
}

bool Player::createObject(const Object& object) {
    // Slots below m_firstFree are taken, so a long run of creations stays linear.
    for (; m_firstFree < m_objects.size(); ++m_firstFree) {
        if (!m_objects[m_firstFree]) {
            m_objects[m_firstFree++] = object;
            return true;
        }
    }
    return false;  // the header promised fewer objects than the file makes
}

bool Player::readPoints(const Params& p, qsizetype first, qsizetype count, QPolygonF& out) {
    if (count < 0 || !p.has(first + 2 * count)) return false;
    m_points += count;
    if (m_points > kMaxPoints) return false;
    out.reserve(count);
    for (qsizetype i = 0; i < count; ++i) out << map(p.s(first + 2 * i), p.s(first + 2 * i + 1));
    return true;
}

double perimeter(const QPolygonF& points, bool closed) {
    double length = 0;
    for (qsizetype i = 1; i < points.size(); ++i)
        length += QLineF(points[i - 1], points[i]).length();
    if (closed && points.size() > 2) length += QLineF(points.back(), points.front()).length();
    return length;
}

Qt::PenStyle penStyle(quint16 style) {
    switch (style & 0x0F) {
        case PenNull:
            return Qt::NoPen;
        case PenDash:
            return Qt::DashLine;
        case PenDot:
            return Qt::DotLine;
        case PenDashDot:
            return Qt::DashDotLine;
        case PenDashDotDot:
            return Qt::DashDotDotLine;
        case 7:
            return Qt::DotLine;  // "alternate": every other pixel
        default:
            return Qt::SolidLine;
    }
}

QBrush brushFrom(quint16 style, const QColor& colour, quint16 hatch) {
    switch (style) {
        case BrushSolid:
            return QBrush(colour);
        case BrushHatched: {
            static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                          Qt::FDiagPattern, Qt::BDiagPattern,
                                                          Qt::CrossPattern, Qt::DiagCrossPattern};
            return QBrush(colour, hatch < std::size(kHatches) ? kHatches[hatch] : Qt::SolidPattern);
        }
        default:
            return QBrush(Qt::NoBrush);
    }
}

bool Player::play(quint16 function, const Params& p) {
    switch (function) {
        case SetWindowOrg:
            if (!p.has(2)) return false;
            m_state.windowOrg = QPointF(p.s(1), p.s(0));
            return true;
        case SetWindowExt:
            if (!p.has(2)) return false;
            // A zero extent would divide by zero; GDI refuses it too.
            if (p.s(0) != 0 && p.s(1) != 0) {
                m_state.windowExt = QSizeF(p.s(1), p.s(0));
                applyState();
            }
            return true;
        case SetBkMode:
            if (!p.has(1)) return false;
            m_state.opaqueBackground = p.u(0) != Transparent;
            applyState();
            return true;
        case SetBkColor:
            if (!p.has(2)) return false;
            m_state.background = colourRef(p.u(0), p.u(1));
            applyState();
            return true;
        case SetPolyFillMode:
            if (!p.has(1)) return false;
            m_state.fillRule = p.u(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            return true;
        case SaveDc:
            if (m_saved.size() >= std::size_t(kMaxSavedStates)) return false;
            m_saved.push_back(m_state);
            return true;
        case RestoreDc: {
            if (!p.has(1)) return false;
            const qint16 which = p.s(0);
            const qint64 target = which < 0 ? qint64(m_saved.size()) + which : qint64(which) - 1;
            if (target >= 0 && target < qint64(m_saved.size())) {
                m_state = m_saved[std::size_t(target)];
                m_saved.resize(std::size_t(target));
                applyState();
            }
            return true;
        }
        case CreatePenIndirect: {
            if (!p.has(5)) return false;
            Object pen;
            pen.kind = Object::Kind::Pen;
            pen.pen = QPen(colourRef(p.u(3), p.u(4)));
            pen.pen.setStyle(penStyle(p.u(0)));
            pen.pen.setWidth(std::abs(int(p.s(1))));  // logical width, scaled when selected
            pen.pen.setCapStyle(Qt::RoundCap);
            pen.pen.setJoinStyle(Qt::RoundJoin);
            return createObject(pen);
        }
        case CreateBrushIndirect: {
            if (!p.has(4)) return false;
            Object brush;
            brush.kind = Object::Kind::Brush;
            brush.brush = brushFrom(p.u(0), colourRef(p.u(1), p.u(2)), p.u(3));
            return createObject(brush);
        }
        case CreatePalette:
        case DibCreatePatternBrush:
        case CreatePatternBrush:
        case CreateFontIndirect:
        case CreateRegion:
            // Not drawn, but they take a slot, and later indices count on it.
            return createObject(Object{});
        case SelectObject: {
            if (!p.has(1)) return false;
            const quint16 index = p.u(0);
            if (index >= m_objects.size()) return false;
            const std::optional<Object>& object = m_objects[index];
            if (!object) return true;
            if (object->kind == Object::Kind::Pen) {
                m_state.pen = object->pen;
                m_state.logicalPenWidth = object->pen.width();
            } else if (object->kind == Object::Kind::Brush) {
                m_state.brush = object->brush;
            }
            applyState();
            return true;
        }
        case DeleteObject: {
            if (!p.has(1)) return false;
            const quint16 index = p.u(0);
            if (index >= m_objects.size()) return false;
            m_objects[index].reset();
            m_firstFree = std::min(m_firstFree, std::size_t(index));
            return true;
        }
        case MoveTo:
            if (!p.has(2)) return false;
            m_state.position = map(p.s(1), p.s(0));
            return true;
        case LineTo: {
            if (!p.has(2)) return false;
            const QPointF to = map(p.s(1), p.s(0));
            const QLineF line(m_state.position, to);
            if (!charge(QRectF(line.p1(), line.p2()).normalized(), line.length())) return false;
            m_painter.drawLine(line);
            m_state.position = to;
            return true;
        }
        case Rectangle:
        case Ellipse: {
            if (!p.has(4)) return false;
            const QRectF r = mapRect(p.s(3), p.s(2), p.s(1), p.s(0));
            if (!charge(r, 2 * (r.width() + r.height()))) return false;
            if (function == Rectangle) {
                m_painter.drawRect(r);
            } else {
                m_painter.drawEllipse(r);
            }
            return true;
        }
        case RoundRect: {
            if (!p.has(6)) return false;
            const QRectF r = mapRect(p.s(5), p.s(4), p.s(3), p.s(2));
            const double rx = std::min(std::abs(p.s(1) * scaleX()) / 2, r.width() / 2);
            const double ry = std::min(std::abs(p.s(0) * scaleY()) / 2, r.height() / 2);
            if (!charge(r, 2 * (r.width() + r.height()))) return false;
            m_painter.drawRoundedRect(r, rx, ry, Qt::AbsoluteSize);
            return true;
        }
        case Polygon:
        case Polyline: {
            if (!p.has(1)) return false;
            QPolygonF points;
            if (!readPoints(p, 1, p.u(0), points)) return false;
            if (points.size() < 2) return true;
            const bool closed = function == Polygon;
            if (!charge(points.boundingRect(), perimeter(points, closed))) return false;
            if (closed) {
                m_painter.drawPolygon(points, m_state.fillRule);
            } else {
                m_painter.drawPolyline(points);
            }
            return true;
        }
        case PolyPolygon: {
            if (!p.has(1)) return false;
            const qsizetype polygons = p.u(0);
            if (!p.has(1 + polygons)) return false;
            QPainterPath path;
            path.setFillRule(m_state.fillRule);
            qsizetype next = 1 + polygons;
            double length = 0;
            for (qsizetype i = 0; i < polygons; ++i) {
                QPolygonF points;
                if (!readPoints(p, next, p.u(1 + i), points)) return false;
                next += 2 * points.size();
                length += perimeter(points, true);
                if (points.size() >= 2) path.addPolygon(points), path.closeSubpath();
            }
            if (!charge(path.boundingRect(), length)) return false;
            m_painter.drawPath(path);
            return true;
        }
        default:
            // Records we do not draw (text, bitmaps, clipping, palettes) are passed over.
            return true;
    }
}

}  // namespace

std::optional<QImage> readPlaceableMetafile(const QByteArray& bytes, double factor) {
    const qsizetype size = bytes.size();
    const char* data = bytes.constData();
    if (size < kPlaceableHeaderBytes + kMetaHeaderBytes || !isPlaceableMetafile(bytes)) {
        return std::nullopt;
    }

    const int left = s16(data + 6), top = s16(data + 8);
    const int right = s16(data + 10), bottom = s16(data + 12);
    const int unitsPerInch = u16(data + 14);
    if (unitsPerInch == 0 || right <= left || bottom <= top) return std::nullopt;
    const auto pixels = [unitsPerInch](int units) {
        return std::max(1L, std::lround(units * 96.0 / unitsPerInch));
    };
    const long naturalWidth = pixels(right - left), naturalHeight = pixels(bottom - top);
    if (naturalWidth > kMaxSide || naturalHeight > kMaxSide) return std::nullopt;
    // Larger for a projector, though never past the side any picture may have.
    factor = std::clamp(std::isfinite(factor) ? factor : 1.0, 1.0,
                        double(kMaxSide) / double(std::max(naturalWidth, naturalHeight)));
    const long width = std::max(1L, std::lround(naturalWidth * factor));
    const long height = std::max(1L, std::lround(naturalHeight * factor));

    const char* header = data + kPlaceableHeaderBytes;
    const quint16 type = u16(header), headerWords = u16(header + 2), version = u16(header + 4);
    if ((type != 1 && type != 2) || headerWords != kMetaHeaderBytes / 2 ||
        (version != 0x0100 && version != 0x0300)) {
        return std::nullopt;
    }
    const int objectCount = u16(header + 10);

    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return std::nullopt;
    image.fill(Qt::transparent);
    {
        Player player(image, QRect(left, top, right - left, bottom - top), objectCount);
        qsizetype offset = kPlaceableHeaderBytes + kMetaHeaderBytes;
        for (int records = 0;; ++records) {
            // A file that stops before its closing record is truncated.
            if (records >= kMaxRecords || size - offset < 6) return std::nullopt;
            const quint32 words = u32(data + offset);
            const quint16 function = u16(data + offset + 4);
            if (words < 3 || words > quint64(size - offset) / 2) return std::nullopt;
            if (function == Eof) break;
            const Params params(data + offset + 6, qsizetype(words) - 3);
            if (!player.play(function, params)) return std::nullopt;
            offset += qsizetype(words) * 2;
        }
    }
    // Set once drawn: a painter on an image with a ratio would scale the drawing once more.
    if (factor != 1.0) image.setDevicePixelRatio(factor);
    return image;
}

}  // namespace pictures
