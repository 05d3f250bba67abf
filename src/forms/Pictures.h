// The one place that turns a design's picture path into a file and the file into an image.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

namespace forms {

class Pictures {
  public:
    // Roots searched in order; empty means the working directory at the time of the lookup,
    // then the folder of the executable.
    explicit Pictures(QStringList roots = {});

    // "Images\exit.jpg", "IMAGES\BOARD.WMF", "opening/kal2h000.jpg": backslash or slash between
    // folder and file, letter case ignored in every component. Empty when no file matches.
    QString resolve(const QString& designPath) const;

    // A failed load (missing, empty, truncated, not a picture, absurdly large) gives nothing.
    std::optional<QImage> load(const QString& designPath);

    // Decodes picture bytes; JPEG and the other Qt formats, and placeable Windows Metafiles.
    static std::optional<QImage> decode(const QByteArray& bytes);

    // Largest picture accepted, in pixels per side; a school projector needs nothing near it.
    static constexpr int kMaxSide = 8192;
    static constexpr qint64 kMaxFileBytes = qint64{64} * 1024 * 1024;

  private:
    QStringList searchRoots() const;

    // Pictures that no screen shows any more are kept only up to this many bytes, the most
    // recently used first: enough for the shared ones a lesson comes back to.
public:
    // Bytes of decoded pictures the cache holds that nothing else shows.
    qint64 idleCacheBytes() const;

private:
    static constexpr qint64 kIdleCacheBytes = qint64{2} * 1024 * 1024;
    void trimCache(const QString& newest);

    struct Cached {
        qint64 size = 0;
        qint64 modified = 0;
        QImage image;
        quint64 lastUse = 0;
    };
    QStringList m_roots;
    QHash<QString, Cached> m_cache;
    quint64 m_useClock = 0;
};

}  // namespace forms
