// The list of every picture file the program reads, as the build, the pictures tool and the
// tests all read it.
#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace pictures {

struct ManifestPicture {
    // As the program names it, backslash and on-disk letter case.
    QString path;
    // "svg:<file>" or "drawn:<name>".
    QString source;
    QSize size;
    // What an SVG is drawn over; invalid for drawn pictures.
    QColor background;
    // What a screen reader says of it: what it shows, never the answer a pupil is to give.
    QString description;

    // The path with forward slashes, relative to the program's folder.
    QString filePath() const;
    bool isSvg() const { return source.startsWith(QLatin1String("svg:")); }
    // The source without its kind: the SVG's file name or the drawing's name.
    QString sourceName() const { return source.section(QLatin1Char(':'), 1); }
};

struct PictureManifest {
    std::vector<ManifestPicture> pictures;
    // Lines that could not be read, "line N: why"; a manifest with any is not to be trusted.
    QStringList errors;

    const ManifestPicture* find(const QString& path) const;
};

// A row may end with its description in double quotes.
PictureManifest parsePictureManifest(const QString& text);
std::optional<PictureManifest> readPictureManifest(const QString& file);

}  // namespace pictures
