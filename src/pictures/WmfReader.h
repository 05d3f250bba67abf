// Reader for placeable Windows Metafiles (the board picture): bounds-checked, draws what it knows.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QtGlobal>
#include <optional>

namespace pictures {

// True when the bytes start with the placeable metafile key.
bool isPlaceableMetafile(const QByteArray& bytes);

// Renders the metafile at its natural size (its header's bounds at its units per inch, shown at
// 96 dpi) times `factor`, as vectors, the factor kept as the image's device pixel ratio (less
// when the drawing would pass kMaxSide). A truncated, oversized or garbage file gives nothing.
std::optional<QImage> readPlaceableMetafile(const QByteArray& bytes, double factor = 1.0);

namespace wmf {

inline constexpr quint32 kPlaceableKey = 0x9AC6CDD7u;
inline constexpr int kPlaceableHeaderBytes = 22;
inline constexpr int kMetaHeaderBytes = 18;

// Limits that keep a hostile file from costing more than a picture ever needs.
inline constexpr int kMaxSide = 2048;  // pixels per side of the drawn picture
inline constexpr int kMaxRecords = 100000;
inline constexpr qint64 kMaxPoints = 1000000;  // polygon and polyline points, all records
inline constexpr qint64 kMaxPaintedPixels = qint64(1) << 27;  // bounding boxes of all shapes
inline constexpr int kMaxSavedStates = 64;

// Record functions (the low byte numbers the function, the high byte is its parameter count).
enum Function : quint16 {
    Eof = 0x0000,
    SaveDc = 0x001E,
    SetBkColor = 0x0201,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetPolyFillMode = 0x0106,
    SetStretchBltMode = 0x0107,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    RestoreDc = 0x0127,
    SelectObject = 0x012D,
    DeleteObject = 0x01F0,
    CreatePalette = 0x00F7,
    DibCreatePatternBrush = 0x0142,
    CreatePatternBrush = 0x01F9,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    CreateRegion = 0x06FF,
    Polygon = 0x0324,
    Polyline = 0x0325,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    PolyPolygon = 0x0538,
    RoundRect = 0x061C,
};

enum PenStyle : quint16 {
    PenSolid = 0,
    PenDash = 1,
    PenDot = 2,
    PenDashDot = 3,
    PenDashDotDot = 4,
    PenNull = 5
};
enum BrushStyle : quint16 { BrushSolid = 0, BrushNull = 1, BrushHatched = 2 };
enum BkMode : quint16 { Transparent = 1, Opaque = 2 };
inline constexpr quint16 kMapModeAnisotropic = 8;

}  // namespace wmf

}  // namespace pictures
