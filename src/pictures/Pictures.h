// The one place that turns a design's picture path into a file and the file into an image.
#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace pictures {

class Pictures {
  public:
    // Roots searched in order; empty means the working directory at the time of the lookup,
    // then the folder of the executable.
    explicit Pictures(QStringList roots = {});

    // "Images\exit.jpg", "IMAGES\BOARD.WMF", "opening/kal2h000.jpg": backslash or slash between
    // folder and file, letter case ignored in every component. Empty when no file matches.
    QString resolve(const QString& designPath) const;

    // A failed load (missing, empty, truncated, not a picture, absurdly large) gives nothing.
    // A raster picture is made at 1, 2 and 3 times its design size, "exit.jpg", "exit@2x.jpg"
    // and "exit@3x.jpg" side by side: the smallest that is at least `factor` is read, or when
    // that one is missing or broken the next available, larger ones first, and a picture not
    // made at the factor is smoothly scaled to it, once, here. A metafile is drawn at the factor.
    // The image carries the factor as its device pixel ratio: its size over the ratio is its
    // design size.
    std::optional<QImage> load(const QString& designPath, double factor = 1.0);

    // What a screen reader says of a picture, from its row of the manifest built into the
    // program ("Images\\bunsensm.jpg", any letter case); empty for a picture with none.
    static QString description(const QString& designPath);

    // A picture this lookup gave, chosen again for another factor; any other picture as it is.
    QImage rechoose(const QImage& picture, double factor);

    // Starts reading a picture at a factor on a worker thread, for load() to collect: pictures
    // a screen is about to show, read side by side, or while the teacher still reads the screen
    // before. A file that changes or fails meanwhile is read again by load(). Only in projector
    // mode, where pictures are large, unless the reader has other work to do meanwhile.
    enum class Worker { WhenLarge, Always };
    void prefetch(const QString& designPath, double factor, Worker when = Worker::WhenLarge);

    // For a screen that need not wait for a picture: in projector mode, one not read yet is
    // read on a worker and `ready` called on this thread once it is, for load() to give at once,
    // so that the screen shows first and the picture comes in a frame or two after it. Nothing is
    // called once `context` has gone, and a picture read for nobody is let go. At design size,
    // where a picture reads in a millisecond or two, or with the picture at hand, `ready` is
    // called before this returns; otherwise never before control is back in the event loop.
    void whenRead(const QString& designPath, double factor, QObject* context,
                  std::function<void()> ready);
    // The same for a screen that F11 may re-lay while its picture is read: `factorNow` tells the
    // factor in force, and a picture read for one since left is not handed over; the picture for
    // the factor now in force is read instead, on a worker as well, and handed over when it is.
    void whenReadAtFactorInForce(const QString& designPath, std::function<double()> factorNow,
                                 QObject* context, std::function<void()> ready);
    // Pictures being read for whenRead() that have not been handed over yet.
    int awaited() const { return static_cast<int>(m_waiting.size()); }

    // Decodes picture bytes; JPEG and the other Qt formats, and placeable Windows Metafiles
    // (drawn at `metafileFactor` times their natural size).
    static std::optional<QImage> decode(const QByteArray& bytes, double metafileFactor = 1.0);

    // The sizes every raster picture is made at, and the file of each: "Images\exit.jpg" at 2
    // is "Images\exit@2x.jpg".
    static constexpr int kVariants[] = {1, 2, 3};
    static QString variantPath(const QString& designPath, int variant);
    // The variants in the order they are tried at a factor.
    static std::vector<int> variantOrder(double factor);

    // Largest picture accepted, in pixels per side; a school projector needs nothing near it.
    static constexpr int kMaxSide = 8192;
    static constexpr qint64 kMaxFileBytes = qint64{64} * 1024 * 1024;

    // Bytes of decoded pictures the cache holds that nothing else shows.
    qint64 idleCacheBytes() const;
    // Lets go of pictures beyond the budget below that no screen shows any more: called once the
    // screens that showed them have gone, not left for the next picture read to do.
    void trimIdle() { trimCache({}); }
    // Pictures that no screen shows any more are kept only up to this many bytes, the most
    // recently used first. Half a megabyte holds the small ones a lesson comes back to (buttons,
    // marks, the title); a board's drawing or a screen-sized picture left idle is read again
    // rather than kept, a millisecond or two at design size. Each halving of this took the peak
    // of a tour through every screen down by 0.4 to 0.5 MiB.
    static constexpr qint64 kIdleCacheBytes = qint64{512} * 1024;

  private:
    QStringList searchRoots() const;

    static constexpr qsizetype kMaxPending = 16;
    void trimCache(const QString& newest);
    static QString cacheKey(const QString& file, double factor);
    // Starts reading the picture on a worker unless it is at hand or being read; the key it is
    // read under, or empty when it is not being read.
    QString readAhead(const QString& designPath, double factor);
    void handOver(const QString& key);

    // One picture read from one file, at one factor.
    struct Cached {
        qint64 size = 0;
        qint64 modified = 0;
        QImage image;
        quint64 lastUse = 0;
        QString designPath;
    };
    std::optional<QImage> loadFile(const QString& designPath, const QString& file, int variant,
                                   double factor);
    // Reads, decodes and scales one file; touches nothing of the lookup's, so any thread may.
    static std::optional<QImage> readAt(const QString& file, int variant, double factor);
    QStringList m_roots;
    QHash<QString, Cached> m_cache;
    // Pictures being read ahead, with the file's size and time as they were then.
    struct Pending {
        qint64 size = 0;
        qint64 modified = 0;
        QFuture<std::optional<QImage>> image;
    };
    QHash<QString, Pending> m_pending;
    // Who waits for a picture being read, and the watch on it.
    struct Waiting {
        std::unique_ptr<QFutureWatcher<std::optional<QImage>>> watcher;
        std::vector<std::pair<QPointer<QObject>, std::function<void()>>> ready;
    };
    std::map<QString, Waiting> m_waiting;
    quint64 m_useClock = 0;
};

}  // namespace pictures
