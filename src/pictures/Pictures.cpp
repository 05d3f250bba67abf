#include "pictures/Pictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageIOPlugin>
#include <QImageReader>
#include <QPluginLoader>
#include <QPromise>
#include <QThreadPool>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "pictures/JpegReader.h"
#include "pictures/PictureManifest.h"
#include "pictures/PictureSize.h"
#include "pictures/WmfReader.h"

namespace pictures {

Pictures::Pictures(QStringList roots) : m_roots(std::move(roots)) {}

QStringList Pictures::searchRoots() const {
    if (!m_roots.isEmpty()) return m_roots;
    QStringList roots{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        if (QDir(exeDir) != QDir(roots.front())) roots << exeDir;
    }
    return roots;
}

namespace {

// Some writers pad a JPEG after its end-of-image marker.
constexpr qsizetype kJpegTrailerSlack = 64;

// The most design pixels a side a picture file may give: the largest factor then keeps every
// copy scaled for a projector within the limit on a side. Refused before it is decoded, a file
// of 8000 x 1000 pixels (which Qt would decode) in a button's place costs nothing; it was scaled
// to 24000 x 3000 at 3 times, 288 MB, and larger ones to gigabytes.
constexpr int kMaxDesignSide = int(Pictures::kMaxSide / kLargestFactor);

// Qt's image reader loads every image format plugin on first use (TIFF, WebP, MNG and the
// libraries behind them): milliseconds and a megabyte. A JPEG our own reader leaves to Qt's (four
// colour channels) loads the JPEG plugin alone and asks it directly.
QImageIOPlugin* jpegPlugin() {
    static QImageIOPlugin* const plugin = []() -> QImageIOPlugin* {
        for (const QString& folder : QCoreApplication::libraryPaths()) {
            QPluginLoader loader(folder + QStringLiteral("/imageformats/qjpeg"));
            if (auto* found = qobject_cast<QImageIOPlugin*>(loader.instance())) return found;
        }
        return nullptr;
    }();
    return plugin;
}

// Finds one path component in a folder: the exact name first, then any letter case.
QString matchEntry(const QDir& dir, const QString& component) {
    if (QFileInfo::exists(dir.filePath(component))) return component;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(component, Qt::CaseInsensitive) == 0) return entry;
    }
    return {};
}

// Opaque pictures as large as a screen are kept at three bytes a pixel: in projector mode each
// is megabytes, and drawing it costs little more than at four. Smaller ones stay at four, which
// Qt draws as a plain copy; at three it converts as it draws, on threads it starts at the first
// such draw, and the title's first frame waited for that.
constexpr qint64 kThreeBytesFromPixels = qint64{256} * 1024;

void keepInItsFormat(QImage& image) {
    const bool large = qint64{image.width()} * image.height() >= kThreeBytesFromPixels;
    const QImage::Format kept = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                : large                 ? QImage::Format_RGB888
                                                        : QImage::Format_RGB32;
    if (image.format() != kept) image.convertTo(kept);
}

// Which variant of a picture is read, and the factor it is shown at.
struct ShownAt {
    int variant;
    double factor;
};

// How large a picture of `own` pixels from that variant's file is shown: as it is when the file
// was made for the factor.
QSize shownSize(QSize own, ShownAt shownAt) {
    if (std::abs(shownAt.variant - shownAt.factor) < 1e-6) return own;
    return pixelsAt(designSize(own, shownAt.variant), shownAt.factor);
}

// A raster picture as its variant's file gives it, made the factor's size.
QImage atFactor(QImage image, ShownAt shownAt) {
    const QSize size = shownSize(image.size(), shownAt);
    if (size != image.size()) {
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        keepInItsFormat(image);
    }
    image.setDevicePixelRatio(shownAt.factor);
    return image;
}

// Decodes picture bytes, refusing a raster picture of more than maxSide pixels a side before
// anything is allocated for it. Given where it is shown, a raster picture comes at that factor's
// size, a JPEG read straight at it; a metafile is drawn at `metafileFactor` whatever is given.
std::optional<QImage> decodeUpTo(const QByteArray& bytes, double metafileFactor, int maxSide,
                                 std::optional<ShownAt> shownAt = std::nullopt) {
    if (bytes.isEmpty()) return std::nullopt;
    if (isPlaceableMetafile(bytes)) return readPlaceableMetafile(bytes, metafileFactor);

    const bool isJpeg = bytes.startsWith("\xFF\xD8");
    // A JPEG cut short decodes "successfully" with the rest filled in grey: a half-copied file
    // must not pass for a picture, so its end-of-image marker has to be there.
    if (isJpeg && !bytes.right(kJpegTrailerSlack).contains("\xFF\xD9")) return std::nullopt;
    if (isJpeg) {
        const auto sizeFor = [shownAt](QSize own) {
            return shownAt ? shownSize(own, *shownAt) : own;
        };
        JpegRead read = readJpeg(bytes, maxSide, sizeFor);
        if (read.image) keepInItsFormat(*read.image);
        if (read.image && shownAt) read.image->setDevicePixelRatio(shownAt->factor);
        if (read.image || !read.elsewhere) return std::move(read.image);
    }

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    std::unique_ptr<QImageIOHandler> jpeg;
    if (QImageIOPlugin* plugin = isJpeg ? jpegPlugin() : nullptr)
        jpeg.reset(plugin->create(&buffer, "jpeg"));
    QImageReader reader;
    if (!jpeg) reader.setDevice(&buffer);
    const QSize declared = jpeg ? jpeg->option(QImageIOHandler::Size).toSize() : reader.size();
    if (!declared.isValid() || declared.width() > maxSide || declared.height() > maxSide) {
        return std::nullopt;
    }
    QImage image;
    if (!(jpeg ? jpeg->read(&image) : reader.read(&image)) || image.isNull()) return std::nullopt;
    keepInItsFormat(image);
    if (shownAt) return atFactor(std::move(image), *shownAt);
    return image;
}

}  // namespace

std::optional<QImage> Pictures::decode(const QByteArray& bytes, double metafileFactor) {
    return decodeUpTo(bytes, metafileFactor, kMaxSide);
}

QString Pictures::resolve(const QString& designPath) const {
    QString normalised = designPath;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList components = normalised.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (components.isEmpty()) return {};
    for (const QString& component : components) {
        // A picture path names a folder under the program; never climb out of it.
        if (component == QLatin1String("..") || component == QLatin1String(".")) return {};
    }
    for (const QString& root : searchRoots()) {
        QDir dir(root);
        QString found;
        bool ok = true;
        for (qsizetype i = 0; i < components.size(); ++i) {
            const QString entry = matchEntry(dir, components[i]);
            if (entry.isEmpty()) {
                ok = false;
                break;
            }
            if (i + 1 < components.size()) {
                if (!dir.cd(entry)) {
                    ok = false;
                    break;
                }
            } else {
                found = dir.filePath(entry);
            }
        }
        if (ok && QFileInfo(found).isFile()) return found;
    }
    return {};
}

QString Pictures::variantPath(const QString& designPath, int variant) {
    if (variant == 1) return designPath;
    // Before the extension of the file name itself, whatever dots its folders have.
    const qsizetype folderEnd = std::max(designPath.lastIndexOf(QLatin1Char('\\')),
                                         designPath.lastIndexOf(QLatin1Char('/')));
    qsizetype dot = designPath.lastIndexOf(QLatin1Char('.'));
    if (dot <= folderEnd) dot = designPath.size();
    return designPath.left(dot) + QStringLiteral("@%1x").arg(variant) + designPath.mid(dot);
}

std::vector<int> Pictures::variantOrder(double factor) {
    std::vector<int> order;
    for (int variant : kVariants)
        if (variant >= factor - 1e-6) order.push_back(variant);
    for (auto it = std::rbegin(kVariants); it != std::rend(kVariants); ++it)
        if (*it < factor - 1e-6) order.push_back(*it);
    return order;
}

std::optional<QImage> Pictures::load(const QString& designPath, double factor) {
    factor = factorWithin(factor);
    for (int variant : variantOrder(factor)) {
        const QString file = resolve(variantPath(designPath, variant));
        if (file.isEmpty()) continue;
        if (std::optional<QImage> image = loadFile(designPath, file, variant, factor)) return image;
    }
    return std::nullopt;
}

QString Pictures::cacheKey(const QString& file, double factor) {
    return file + QLatin1Char('|') + QString::number(factor);
}

void Pictures::prefetch(const QString& designPath, double factor, Worker when) {
    factor = factorWithin(factor);
    // At design size every picture reads in a millisecond or two: a worker would only add a
    // thread to start and to wait for at the end, unless the caller has work of its own.
    if (factor == kDesignFactor && when == Worker::WhenLarge) return;
    readAhead(designPath, factor);
}

QString Pictures::readAhead(const QString& designPath, double factor) {
    for (int variant : variantOrder(factor)) {
        const QString file = resolve(variantPath(designPath, variant));
        if (file.isEmpty()) continue;
        QString key = cacheKey(file, factor);
        if (m_pending.contains(key)) return key;
        // A few at a time: one that is never collected holds its picture until the lookup goes.
        if (m_cache.contains(key) || m_pending.size() >= kMaxPending) return {};
        auto promise = std::make_shared<QPromise<std::optional<QImage>>>();
        promise->start();
        const QFileInfo info(file);
        m_pending.insert(
            key, Pending{info.size(), info.lastModified().toMSecsSinceEpoch(), promise->future()});
        QThreadPool::globalInstance()->start([promise, file, variant, factor] {
            promise->addResult(readAt(file, variant, factor));
            promise->finish();
        });
        return key;
    }
    return {};
}

void Pictures::whenRead(const QString& designPath, double factor, QObject* context,
                        std::function<void()> ready) {
    factor = factorWithin(factor);
    // A key only while the picture is being read.
    const QString key = factor == kDesignFactor ? QString() : readAhead(designPath, factor);
    if (key.isEmpty()) {
        ready();
        return;
    }
    Waiting& waiting = m_waiting[key];
    waiting.ready.emplace_back(context, std::move(ready));
    if (waiting.watcher) return;
    waiting.watcher = std::make_unique<QFutureWatcher<std::optional<QImage>>>();
    QObject::connect(waiting.watcher.get(), &QFutureWatcherBase::finished, waiting.watcher.get(),
                     [this, key] { handOver(key); });
    waiting.watcher->setFuture(m_pending.value(key).image);
}

void Pictures::whenReadAtFactorInForce(const QString& designPath, std::function<double()> factorNow,
                                       QObject* context, std::function<void()> ready) {
    const double asked = factorWithin(factorNow());
    // Handed over only while the context lives, so it may be asked again from here.
    whenRead(designPath, asked, context,
             [this, designPath, factorNow = std::move(factorNow), context, asked,
              ready = std::move(ready)]() mutable {
                 if (factorWithin(factorNow()) == asked)
                     ready();
                 else
                     whenReadAtFactorInForce(designPath, std::move(factorNow), context,
                                             std::move(ready));
             });
}

void Pictures::handOver(const QString& key) {
    auto node = m_waiting.extract(key);
    if (node.empty()) return;
    Waiting& waiting = node.mapped();
    // Called from its own signal: it goes once that has returned.
    waiting.watcher.release()->deleteLater();
    for (auto& [context, ready] : waiting.ready)
        if (context) ready();
    // Not collected when the screens that asked for it have gone, or were re-laid at another
    // factor meanwhile: a projector's picture is megabytes, not to be held until it is next
    // asked for.
    m_pending.remove(key);
}

std::optional<QImage> Pictures::readAt(const QString& file, int variant, double factor) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || in.size() <= 0 || in.size() > kMaxFileBytes)
        return std::nullopt;
    // Asking for the most a file may hold would allocate that much for every picture read.
    return decodeUpTo(in.read(std::min(in.size(), kMaxFileBytes)), factor, kMaxDesignSide * variant,
                      ShownAt{variant, factor});
}

std::optional<QImage> Pictures::loadFile(const QString& designPath, const QString& file,
                                         int variant, double factor) {
    const QFileInfo info(file);
    if (info.size() <= 0 || info.size() > kMaxFileBytes) return std::nullopt;
    const qint64 modified = info.lastModified().toMSecsSinceEpoch();
    const QString key = cacheKey(file, factor);

    if (auto it = m_cache.find(key); it != m_cache.end()) {
        if (it->size == info.size() && it->modified == modified) {
            it->lastUse = ++m_useClock;
            return it->image;
        }
    }
    std::optional<QImage> image;
    if (Pending pending = m_pending.take(key); pending.image.isValid()) {
        // Read on a worker already, or being read: the wait is at most what reading here takes.
        pending.image.waitForFinished();
        if (pending.image.resultCount() > 0 && pending.size == info.size() &&
            pending.modified == modified)
            image = pending.image.result();
    }
    if (!image) image = readAt(file, variant, factor);
    if (!image) {
        m_cache.remove(key);
        return std::nullopt;
    }
    m_cache.insert(key, Cached{info.size(), modified, *image, ++m_useClock, designPath});
    trimCache(key);
    return image;
}

QImage Pictures::rechoose(const QImage& picture, double factor) {
    if (picture.isNull()) return picture;
    for (const Cached& cached : std::as_const(m_cache)) {
        if (cached.image.cacheKey() != picture.cacheKey()) continue;
        // Should the files have gone meanwhile, the picture on show stays.
        return load(cached.designPath, factor).value_or(picture);
    }
    return picture;
}

qint64 Pictures::idleCacheBytes() const {
    qint64 bytes = 0;
    for (const Cached& cached : m_cache)
        if (cached.image.isDetached()) bytes += cached.image.sizeInBytes();
    return bytes;
}

void Pictures::trimCache(const QString& newest) {
    // A picture some control still shows shares its pixels with the cache and costs nothing
    // extra; only the ones held by the cache alone count against the budget. The picture just
    // read is counted as if its caller had let it go already, and is kept.
    std::vector<std::pair<quint64, QString>> idle;
    qint64 idleBytes = m_cache.value(newest).image.sizeInBytes();
    for (auto it = m_cache.cbegin(); it != m_cache.cend(); ++it) {
        if (it.key() == newest || !it->image.isDetached()) continue;
        idle.emplace_back(it->lastUse, it.key());
        idleBytes += it->image.sizeInBytes();
    }
    std::sort(idle.begin(), idle.end());
    for (const auto& [lastUse, path] : idle) {
        if (idleBytes <= kIdleCacheBytes) break;
        idleBytes -= m_cache.value(path).image.sizeInBytes();
        m_cache.remove(path);
    }
}

QString Pictures::description(const QString& designPath) {
    // Read once, on the first question a screen reader asks: never at start-up.
    static const QHash<QString, QString> descriptions = [] {
        QHash<QString, QString> byPath;
        const std::optional<PictureManifest> manifest =
            readPictureManifest(QStringLiteral(":/pictures/manifest.txt"));
        if (!manifest) return byPath;
        for (const ManifestPicture& picture : manifest->pictures)
            if (!picture.description.isEmpty())
                byPath.insert(picture.filePath().toLower(), picture.description);
        return byPath;
    }();
    return descriptions.value(
        QString(designPath).replace(QLatin1Char('\\'), QLatin1Char('/')).toLower());
}

}  // namespace pictures
