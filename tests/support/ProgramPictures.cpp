#include "ProgramPictures.h"

#include <QFileInfo>

#include "pictures/PictureManifest.h"
#include "pictures/Pictures.h"

namespace testing_support {

namespace {

std::vector<ProgramPicture> makeList() {
    std::vector<ProgramPicture> list;
    const std::optional<pictures::PictureManifest> manifest = pictureManifest();
    if (!manifest) return list;
    for (const pictures::ManifestPicture& picture : manifest->pictures)
        list.push_back({QFileInfo(picture.filePath()).fileName(), picture.path, picture.size});
    return list;
}

std::vector<ProgramPicture> makeVariants() {
    std::vector<ProgramPicture> list;
    for (const ProgramPicture& picture : programPictures()) {
        // The board metafile is drawn as vectors at any size.
        if (picture.path.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive)) continue;
        for (int variant : pictures::Pictures::kVariants) {
            if (variant == 1) continue;
            const QString path = pictures::Pictures::variantPath(picture.path, variant);
            list.push_back(
                {QFileInfo(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'))).fileName(),
                 path, picture.size * variant, variant});
        }
    }
    return list;
}

}  // namespace

const std::vector<ProgramPicture>& programPictureVariants() {
    static const std::vector<ProgramPicture> list = makeVariants();
    return list;
}

std::optional<pictures::PictureManifest> pictureManifest() {
    return pictures::readPictureManifest(qEnvironmentVariable("KINDREL_MANIFEST"));
}

const std::vector<ProgramPicture>& programPictures() {
    static const std::vector<ProgramPicture> list = makeList();
    return list;
}

QString buildDir() {
    return qEnvironmentVariable("KINDREL_BUILD_DIR");
}

}  // namespace testing_support
