// Feeds arbitrary bytes to the JPEG reader at the sizes the screens ask for: the file's own, and
// enlarged or reduced as projector mode and the boards' fitting do. Any crash, leak, hang or a
// picture not of the size asked for is a bug in the reader.
#include <cstddef>
#include <cstdint>

#include "pictures/JpegReader.h"

namespace {

// The first byte chooses the size asked for; the rest is the file.
constexpr double kFactors[] = {1.0, 1.8, 2.0, 3.0, 3.6, 0.5, 0.33, 1.25};
// Refusing a larger picture is the same comparison whatever the limit; a lower one than the
// program's keeps every run small enough for millions of them: 4096 lets one decode 16 megapixels.
constexpr int kMaxSide = 1024;
// Larger results only take longer to check, not a different path: they are asked at factor 1.
constexpr int kLargestAsked = 512;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const double factor = kFactors[data[0] % std::size(kFactors)];
    const bool squash = (data[0] & 0x80) != 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1),
                                                     static_cast<qsizetype>(size - 1));
    QSize asked;
    const pictures::JpegRead read = pictures::readJpeg(bytes, kMaxSide, [&](QSize own) {
        // A box of another shape than the picture, as a board's fitting may give.
        asked = QSize(std::max(1, static_cast<int>(own.width() * factor)),
                      std::max(1, static_cast<int>(own.height() * (squash ? factor / 2 : factor))));
        if (asked.width() > kLargestAsked || asked.height() > kLargestAsked) asked = own;
        return asked;
    });
    if (read.image && read.image->size() != asked) __builtin_trap();
    return 0;
}
