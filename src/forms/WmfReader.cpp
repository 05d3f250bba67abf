#include "forms/WmfReader.h"

#include <QtEndian>

namespace forms {

bool isPlaceableMetafile(const QByteArray& bytes) {
    return bytes.size() >= 4 && qFromLittleEndian<quint32>(bytes.constData()) == 0x9AC6CDD7u;
}

std::optional<QImage> readPlaceableMetafile(const QByteArray&) {
    // Drawing the records comes with the board picture itself.
    return std::nullopt;
}

}  // namespace forms
