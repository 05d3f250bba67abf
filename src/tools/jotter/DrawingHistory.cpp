#include "tools/jotter/DrawingHistory.h"

#include <cstring>

namespace jotter {

namespace {
// Quick rather than small: a pen lifted must not wait, and flat colour compresses well anyway.
constexpr int kCompression = 1;
}  // namespace

// Rows packed three bytes a pixel without their padding, so that two equal drawings pack to
// equal bytes. Straight from and to the drawing's own format: a copy of a drawing at a
// projector's size is megabytes, made at every lift of the pen.
DrawingHistory::Kept DrawingHistory::pack(const QImage& image, int layout, double factor) {
    const QImage rgb32 = image.convertToFormat(QImage::Format_RGB32);
    const qsizetype row = qsizetype{rgb32.width()} * 3;
    QByteArray raw(row * rgb32.height(), Qt::Uninitialized);
    char* out = raw.data();
    for (int y = 0; y < rgb32.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        for (int x = 0; x < rgb32.width(); ++x) {
            *out++ = static_cast<char>(qRed(in[x]));
            *out++ = static_cast<char>(qGreen(in[x]));
            *out++ = static_cast<char>(qBlue(in[x]));
        }
    }
    return {qCompress(raw, kCompression), rgb32.size(), layout, factor};
}

DrawingHistory::State DrawingHistory::unpack(const Kept& kept) {
    const QByteArray raw = qUncompress(kept.packed);
    QImage rgb32(kept.size, QImage::Format_RGB32);
    const qsizetype row = qsizetype{kept.size.width()} * 3;
    if (raw.size() == row * kept.size.height()) {
        const auto* in = reinterpret_cast<const uchar*>(raw.constData());
        for (int y = 0; y < kept.size.height(); ++y) {
            auto* out = reinterpret_cast<QRgb*>(rgb32.scanLine(y));
            for (int x = 0; x < kept.size.width(); ++x, in += 3) out[x] = qRgb(in[0], in[1], in[2]);
        }
    }
    return {rgb32, kept.layout, kept.factor};
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
