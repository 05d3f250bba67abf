#include "kit/sheets/SaveWhole.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <optional>

#if __has_include(<sys/resource.h>)
#include <sys/resource.h>
#endif

namespace sheets {

namespace {

// The largest file this process may write, in bytes; none where the system sets no limit.
std::optional<qint64> fileSizeLimit() {
#if __has_include(<sys/resource.h>)
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        return static_cast<qint64>(limit.rlim_cur);
#endif
    return std::nullopt;
}

// A disk that fills, or a limit on the size of a file, is reported by Qt as an "Unknown error"
// (a write that stops short is not an error to it), which tells a teacher nothing: the room
// left is what to say then. Asked once the half-written copy has gone.
QString whyNotWritten(const QString& qtSays, const QString& path, qint64 needed) {
    const auto kb = [](qint64 bytes) { return QString::number((bytes + 1023) / 1024); };
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    if (disk.isValid() && disk.isReady() && disk.bytesAvailable() < needed) {
        return QStringLiteral("the disk is full (%1 KB free, the worksheet needs %2 KB)")
            .arg(kb(disk.bytesAvailable()), kb(needed));
    }
    if (const std::optional<qint64> limit = fileSizeLimit(); limit && *limit < needed) {
        return QStringLiteral(
                   "the file would grow past the size this system allows (%1 KB, the worksheet "
                   "needs %2 KB)")
            .arg(kb(*limit), kb(needed));
    }
    return qtSays;
}

}  // namespace

QString saveWhole(const QByteArray& bytes, const QString& path) {
    QString qtSays;
    {
        QSaveFile file(path);
        // Unbuffered: a rest small enough for Qt's buffer would otherwise fail only in commit(),
        // whose flush Qt 6.4 lets pass, and a part-written file would replace the teacher's.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
        // A write may stop short without an error; only writing the rest again gets one.
        qint64 written = 0;
        while (written < bytes.size()) {
            const qint64 now = file.write(bytes.constData() + written, bytes.size() - written);
            if (now <= 0) break;
            written += now;
        }
        if (written == bytes.size() && file.commit()) return {};
        qtSays = file.errorString();
        file.cancelWriting();
    }
    return whyNotWritten(qtSays, path, bytes.size());
}

}  // namespace sheets
