#include "jotter/DrawingHistory.h"

#include <cstring>

namespace jotter {

namespace {
// Quick rather than small: a pen lifted must not wait, and flat colour compresses well anyway.
constexpr int kCompression = 1;
}  // namespace

// Rows packed without their padding, so that two equal drawings pack to equal bytes.
DrawingHistory::Kept DrawingHistory::pack(const QImage& image, int layout, double factor) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const qsizetype row = qsizetype{rgb.width()} * 3;
    QByteArray raw(row * rgb.height(), Qt::Uninitialized);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(raw.data() + y * row, rgb.constScanLine(y), row);
    return {qCompress(raw, kCompression), rgb.size(), layout, factor};
}

DrawingHistory::State DrawingHistory::unpack(const Kept& kept) {
    const QByteArray raw = qUncompress(kept.packed);
    QImage rgb(kept.size, QImage::Format_RGB888);
    const qsizetype row = qsizetype{kept.size.width()} * 3;
    if (raw.size() == row * kept.size.height()) {
        for (int y = 0; y < kept.size.height(); ++y)
            std::memcpy(rgb.scanLine(y), raw.constData() + y * row, row);
    }
    return {rgb.convertToFormat(QImage::Format_RGB32), kept.layout, kept.factor};
}

void DrawingHistory::start(const QImage& image, int layout, double factor) {
    m_kept.clear();
    m_kept.push_back(pack(image, layout, factor));
    m_place = 0;
    m_bytes = m_kept.back().packed.size();
}

bool DrawingHistory::record(const QImage& image, int layout, double factor) {
    Kept kept = pack(image, layout, factor);
    if (m_place >= 0) {
        const Kept& here = m_kept[static_cast<size_t>(m_place)];
        if (here.layout == layout && here.factor == factor && here.size == kept.size &&
            here.packed == kept.packed)
            return false;
    }
    while (redoSteps() > 0) {
        m_bytes -= m_kept.back().packed.size();
        m_kept.pop_back();
    }
    m_bytes += kept.packed.size();
    m_kept.push_back(std::move(kept));
    m_place = static_cast<int>(m_kept.size()) - 1;
    trim();
    return true;
}

// Only drawings behind the place go; the one on view always stays.
void DrawingHistory::trim() {
    while (m_place > 0 && (m_place > kMaxSteps || m_bytes > kMaxBytes)) {
        m_bytes -= m_kept.front().packed.size();
        m_kept.pop_front();
        --m_place;
    }
}

std::optional<DrawingHistory::State> DrawingHistory::undo() {
    if (m_place <= 0) return std::nullopt;
    --m_place;
    return unpack(m_kept[static_cast<size_t>(m_place)]);
}

std::optional<DrawingHistory::State> DrawingHistory::redo() {
    if (redoSteps() <= 0) return std::nullopt;
    ++m_place;
    return unpack(m_kept[static_cast<size_t>(m_place)]);
}

}  // namespace jotter
