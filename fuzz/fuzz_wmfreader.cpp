// Feeds arbitrary bytes to the metafile reader; any crash, leak or hang is a bug in the reader.
#include <cstddef>
#include <cstdint>

#include "pictures/WmfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QImage> image = pictures::readPlaceableMetafile(bytes);
    if (image &&
        (image->width() > pictures::wmf::kMaxSide || image->height() > pictures::wmf::kMaxSide)) {
        __builtin_trap();
    }
    return 0;
}
