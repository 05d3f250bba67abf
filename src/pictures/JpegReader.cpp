#include "pictures/JpegReader.h"

// clang-format off
// jpeglib.h needs FILE and size_t declared before it, and jerror.h needs jpeglib.h.
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <QImageReader>
#include <algorithm>
#include <array>
#include <cmath>
#include <csetjmp>
#include <memory>
#include <vector>
#if defined(__SSE__)
#include <xmmintrin.h>
#endif

#include "pictures/Memory.h"

namespace pictures {

namespace {

constexpr int kChannels = 3;
// Beyond any display; a caller's size past it is a fault, not a picture.
constexpr int kMaxTargetSide = 16384;

// Which samples of a line `from` long make each sample of one `to` long, and what each weighs:
// every sample takes `count` neighbours from `first`, some of them weighing nothing, so that the
// loops below run a fixed number of times.
struct Taps {
    std::vector<int> first;
    std::vector<float> weights;
    int count = 0;

    int last(int t) const { return first[t] + count - 1; }
};

Taps tapsFor(int from, int to) {
    std::vector<std::pair<int, std::vector<float>>> each;
    const double step = double(from) / to;
    for (int t = 0; t < to; ++t) {
        std::vector<float> weights;
        int first = 0;
        if (to >= from) {
            // Linear between the two nearest, pixel centres lined up, held at the edges.
            const double centre = (t + 0.5) * step - 0.5;
            first = std::clamp(static_cast<int>(std::floor(centre)), 0, from - 1);
            const float right = static_cast<float>(std::clamp(centre - first, 0.0, 1.0));
            if (first + 1 < from)
                weights = {1.0f - right, right};
            else
                weights = {1.0f};
        } else {
            // Each sample weighs what it covers of the span the target sample stands for.
            const double begin = t * step, end = (t + 1) * step;
            first = static_cast<int>(begin);
            const int last = std::min(static_cast<int>(std::ceil(end)) - 1, from - 1);
            for (int s = first; s <= last; ++s) {
                const double covered = std::min(end, s + 1.0) - std::max(begin, double(s));
                weights.push_back(static_cast<float>(covered / step));
            }
        }
        each.emplace_back(first, std::move(weights));
    }
    Taps taps;
    for (const auto& [first, weights] : each)
        taps.count = std::max(taps.count, static_cast<int>(weights.size()));
    taps.count = std::min(taps.count, from);
    for (auto& [first, weights] : each) {
        weights.resize(std::size_t(taps.count), 0.0f);
        // Kept inside the line: neighbours past its end weigh nothing, so start earlier.
        const int past = first + taps.count - from;
        if (past > 0) {
            std::rotate(weights.rbegin(), weights.rbegin() + past, weights.rend());
            first -= past;
        }
        taps.first.push_back(first);
        taps.weights.insert(taps.weights.end(), weights.begin(), weights.end());
    }
    return taps;
}

struct ErrorExit {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void leave(j_common_ptr info) {
    // NOLINTNEXTLINE(cert-err52-cpp): libjpeg's documented way out; nothing here needs unwinding.
    std::longjmp(reinterpret_cast<ErrorExit*>(info->err)->jump, 1);
}

// A warning (a few stray bytes, say) still gives the picture; data that ends before the rows do
// would give one finished in grey, which is no picture.
void warned(j_common_ptr info, int level) {
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_HIT_MARKER || code == JWRN_JPEG_EOF)) leave(info);
}

// Within what Qt's own readers allow one picture.
bool allowed(QSize size, int bytesPerPixel) {
    const qint64 limit = qint64{QImageReader::allocationLimit()} * 1024 * 1024;
    return limit <= 0 || qint64{size.width()} * size.height() * bytesPerPixel <= limit;
}

// Everything a decoding holds, on the heap and freed by its destructor: libjpeg's error exit
// jumps over the frames between it and the start, so none of them may own anything.
struct Decoding {
    jpeg_decompress_struct info{};
    ErrorExit errors{};
    bool created = false;
    QImage image;
    std::vector<JSAMPLE> line;
    std::vector<float> lineFloats;
    Taps across, down;
    // Decoded rows scaled across, row s at s modulo their number: as many as one target row
    // draws on, and the one being decoded.
    std::vector<std::vector<float>> rows;
    std::vector<float> sum;

    ~Decoding() {
        if (created) jpeg_destroy_decompress(&info);
    }
};

[[gnu::noinline]] void toFloats(const JSAMPLE* __restrict in, float* __restrict out,
                                std::size_t samples) {
    for (std::size_t i = 0; i < samples; ++i) out[i] = float(in[i]);
}

// One pixel's three samples as the first three of four floats: the fourth is the next pixel's
// first, read and written over again, which each line has one float more for.
template <int N>
void scaleAcross(const float* in, float* out, const Taps& taps, int count = N) {
    const int width = static_cast<int>(taps.first.size());
    const float* w = taps.weights.data();
    const int taken = N > 0 ? N : count;
    for (int t = 0; t < width; ++t, w += count, out += kChannels) {
        const float* at = in + std::ptrdiff_t{taps.first[t]} * kChannels;
#if defined(__SSE__)
        __m128 sum = _mm_mul_ps(_mm_set1_ps(w[0]), _mm_loadu_ps(at));
        for (int k = 1; k < taken; ++k)
            sum = _mm_add_ps(sum, _mm_mul_ps(_mm_set1_ps(w[k]),
                                             _mm_loadu_ps(at + std::ptrdiff_t{k} * kChannels)));
        _mm_storeu_ps(out, sum);
#else
        float r = 0, g = 0, b = 0;
        for (int k = 0; k < taken; ++k, at += kChannels) {
            r += w[k] * at[0];
            g += w[k] * at[1];
            b += w[k] * at[2];
        }
        out[0] = r;
        out[1] = g;
        out[2] = b;
#endif
    }
}

void scaleAcross(Decoding& d, float* out) {
    toFloats(d.line.data(), d.lineFloats.data(), d.line.size());
    const float* in = d.lineFloats.data();
    switch (d.across.count) {
        case 1:
            return scaleAcross<1>(in, out, d.across);
        case 2:
            return scaleAcross<2>(in, out, d.across);
        case 3:
            return scaleAcross<3>(in, out, d.across);
        default:
            return scaleAcross<0>(in, out, d.across, d.across.count);
    }
}

// Weights are never negative and add up to one: every sum is within 0 to 255 already. Written
// out for one, two and three rows, as the compiler vectorises them only so.
[[gnu::noinline]] void blendRows(const float* __restrict a, float wa, uchar* __restrict out,
                                 std::size_t samples) {
    for (std::size_t i = 0; i < samples; ++i)
        out[i] = static_cast<uchar>(static_cast<int>(0.5f + wa * a[i]));  // NOLINT: see above
}

[[gnu::noinline]] void blendRows(const float* __restrict a, float wa, const float* __restrict b,
                                 float wb, uchar* __restrict out, std::size_t samples) {
    for (std::size_t i = 0; i < samples; ++i)
        out[i] = static_cast<uchar>(static_cast<int>(0.5f + wa * a[i] + wb * b[i]));
}

[[gnu::noinline]] void blendRows(const float* __restrict a, float wa, const float* __restrict b,
                                 float wb, const float* __restrict c, float wc,
                                 uchar* __restrict out, std::size_t samples) {
    for (std::size_t i = 0; i < samples; ++i)
        out[i] = static_cast<uchar>(static_cast<int>(0.5f + wa * a[i] + wb * b[i] + wc * c[i]));
}

template <int N>
void writeRow(Decoding& d, int y, int count = N) {
    const std::size_t samples = d.sum.size();
    const float* w = d.down.weights.data() + std::ptrdiff_t{y} * count;
    const int held = static_cast<int>(d.rows.size());
    uchar* out = d.image.scanLine(y);
    if constexpr (N == 0) {
        std::fill(d.sum.begin(), d.sum.end(), 0.0f);
        for (int k = 0; k < count; ++k) {
            const float* row = d.rows[(d.down.first[y] + k) % held].data();
            for (std::size_t i = 0; i < samples; ++i) d.sum[i] += w[k] * row[i];
        }
        for (std::size_t i = 0; i < samples; ++i)
            out[i] = static_cast<uchar>(static_cast<int>(d.sum[i] + 0.5f));  // NOLINT: never < 0
    } else {
        const auto row = [&](int k) { return d.rows[(d.down.first[y] + k) % held].data(); };
        if constexpr (N == 1) blendRows(row(0), w[0], out, samples);
        if constexpr (N == 2) blendRows(row(0), w[0], row(1), w[1], out, samples);
        if constexpr (N == 3) blendRows(row(0), w[0], row(1), w[1], row(2), w[2], out, samples);
    }
}

void writeRow(Decoding& d, int y) {
    switch (d.down.count) {
        case 1:
            return writeRow<1>(d, y);
        case 2:
            return writeRow<2>(d, y);
        case 3:
            return writeRow<3>(d, y);
        default:
            return writeRow<0>(d, y, d.down.count);
    }
}

// Left by libjpeg's error exit at any call; holds nothing of its own.
bool decodeRows(Decoding& d) {
    jpeg_decompress_struct& info = d.info;
    const int height = d.image.height();
    const bool scaled = d.image.size() != QSize(int(info.output_width), int(info.output_height));
    int next = 0;
    while (info.output_scanline < info.output_height) {
        const int s = static_cast<int>(info.output_scanline);
        JSAMPROW row = scaled ? d.line.data() : d.image.scanLine(s);
        if (jpeg_read_scanlines(&info, &row, 1) != 1) return false;
        if (!scaled) continue;
        scaleAcross(d, d.rows[s % d.rows.size()].data());
        while (next < height && d.down.last(next) <= s) writeRow(d, next++);
    }
    jpeg_finish_decompress(&info);
    return !scaled || next == height;
}

}  // namespace

JpegRead readJpeg(const QByteArray& bytes, int maxSide,
                  const std::function<QSize(QSize)>& sizeFor) {
    const auto d = std::make_unique<Decoding>();
    jpeg_decompress_struct& info = d->info;
    info.err = jpeg_std_error(&d->errors.manager);
    d->errors.manager.error_exit = leave;
    d->errors.manager.emit_message = warned;
    // NOLINTNEXTLINE(cert-err52-cpp): see leave().
    if (setjmp(d->errors.jump)) return {};
    jpeg_create_decompress(&info);
    d->created = true;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return {};
    const QSize own(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
    // As large as Qt would decode it at four bytes a pixel, which is what libjpeg may need of it.
    if (own.isEmpty() || own.width() > maxSide || own.height() > maxSide || !allowed(own, 4))
        return {};
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK)
        return {std::nullopt, true};
    const QSize target = sizeFor(own);
    if (target.isEmpty() || target.width() > kMaxTargetSide || target.height() > kMaxTargetSide ||
        !allowed(target, kChannels))
        return {};

    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != kChannels || int(info.output_width) != own.width() ||
        int(info.output_height) != own.height())
        return {};
    d->image = QImage(target, QImage::Format_RGB888);
    if (d->image.isNull()) return {};
    // Megabytes at a projector's size, written row by row from here.
    preferLargePages(d->image.constBits(), static_cast<std::size_t>(d->image.sizeInBytes()));
    if (target != own) {
        d->across = tapsFor(own.width(), target.width());
        d->down = tapsFor(own.height(), target.height());
        d->line.resize(std::size_t(own.width()) * kChannels);
        d->lineFloats.resize(d->line.size() + 1);
        d->sum.resize(std::size_t(target.width()) * kChannels);
        d->rows.resize(std::size_t(d->down.count) + 1, std::vector<float>(d->sum.size() + 1));
    }
    if (!decodeRows(*d)) return {};
    return {std::move(d->image), false};
}

}  // namespace pictures
