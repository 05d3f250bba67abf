#include "pictures/PictureManifest.h"

#include <QFile>
#include <QRegularExpression>

namespace pictures {

QString ManifestPicture::filePath() const {
    QString file = path;
    file.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return file;
}

const ManifestPicture* PictureManifest::find(const QString& path) const {
    const QString wanted = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const ManifestPicture& picture : pictures) {
        if (picture.filePath().compare(wanted, Qt::CaseInsensitive) == 0) return &picture;
    }
    return nullptr;
}

PictureManifest parsePictureManifest(const QString& text) {
    PictureManifest manifest;
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const auto fail = [&](const char* why) {
            manifest.errors << QStringLiteral("line %1: %2").arg(n + 1).arg(QLatin1String(why));
        };
        QString description;
        if (line.endsWith(QLatin1Char('"'))) {
            const qsizetype open = line.lastIndexOf(QLatin1Char('"'), line.size() - 2);
            if (open < 0) {
                fail("the description has no opening quote");
                continue;
            }
            description = line.mid(open + 1, line.size() - open - 2).trimmed();
            line = line.left(open).trimmed();
            if (description.isEmpty()) {
                fail("the description is empty");
                continue;
            }
        }
        const QStringList fields = line.split(spaces);
        if (fields.size() != 4 && fields.size() != 5) {
            fail("needs a path, a source, a width, a height and, for an SVG, a background");
            continue;
        }
        ManifestPicture picture;
        picture.description = description;
        picture.path = fields[0];
        picture.source = fields[1];
        bool wide = false;
        bool high = false;
        picture.size = {fields[2].toInt(&wide), fields[3].toInt(&high)};
        if (!wide || !high || picture.size.isEmpty()) {
            fail("the size is not two whole numbers above 0");
            continue;
        }
        const bool svg = picture.isSvg();
        if (!svg && !picture.source.startsWith(QLatin1String("drawn:"))) {
            fail("the source is neither svg: nor drawn:");
            continue;
        }
        if (picture.sourceName().isEmpty()) {
            fail("the source has no name");
            continue;
        }
        if (svg != (fields.size() == 5)) {
            fail("an SVG needs a background colour, and only an SVG has one");
            continue;
        }
        if (svg) {
            picture.background = QColor::fromString(fields[4]);
            if (!picture.background.isValid()) {
                fail("the background is not a colour");
                continue;
            }
        }
        if (manifest.find(picture.path)) {
            fail("the path is listed twice");
            continue;
        }
        manifest.pictures.push_back(picture);
    }
    return manifest;
}

std::optional<PictureManifest> readPictureManifest(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    return parsePictureManifest(QString::fromUtf8(in.readAll()));
}

}  // namespace pictures
