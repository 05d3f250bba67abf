// Reader for placeable Windows Metafiles (the board picture): bounds-checked, draws what it knows.
#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace forms {

// True when the bytes start with the placeable metafile key.
bool isPlaceableMetafile(const QByteArray& bytes);

// Renders the metafile at its natural size (its header's bounds at its units per inch, shown at
// 96 dpi). A truncated, oversized or garbage file gives nothing.
std::optional<QImage> readPlaceableMetafile(const QByteArray& bytes);

}  // namespace forms
