// JPEG pictures read straight at the size they are shown at.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <functional>
#include <optional>

namespace pictures {

struct JpegRead {
    std::optional<QImage> image;
    // A JPEG this reader leaves to Qt's (four colour channels); false for one that is broken.
    bool elsewhere = false;
};

// Decodes a JPEG into a picture of the size `sizeFor` gives for the file's own size, three bytes
// a pixel, each row scaled as it is decoded: linearly between pixels when enlarging, averaging
// the area each pixel covers when reducing. No picture of the file's own size is ever held beside
// the result, which at a projector's size would be as large again. A file declaring a side over
// `maxSide` pixels is refused before anything is allocated for it.
JpegRead readJpeg(const QByteArray& bytes, int maxSide, const std::function<QSize(QSize)>& sizeFor);

}  // namespace pictures
