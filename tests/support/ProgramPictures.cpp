#include "ProgramPictures.h"

#include <QFileInfo>

#include "forms/PictureManifest.h"

namespace testing_support {

namespace {

std::vector<ProgramPicture> makeList() {
    std::vector<ProgramPicture> list;
    const std::optional<forms::PictureManifest> manifest = pictureManifest();
    if (!manifest) return list;
    for (const forms::ManifestPicture& picture : manifest->pictures)
        list.push_back({QFileInfo(picture.filePath()).fileName(), picture.path, picture.size});
    return list;
}

}  // namespace

std::optional<forms::PictureManifest> pictureManifest() {
    return forms::readPictureManifest(qEnvironmentVariable("KINDREL_MANIFEST"));
}

const std::vector<ProgramPicture>& programPictures() {
    static const std::vector<ProgramPicture> list = makeList();
    return list;
}

QString buildDir() {
    return qEnvironmentVariable("KINDREL_BUILD_DIR");
}

}  // namespace testing_support
