// Every picture file the program reads: its path as the screens write it and its drawn size.
#pragma once

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "pictures/PictureManifest.h"

namespace testing_support {

struct ProgramPicture {
    QString name;     // a short name for test rows
    QString path;     // exactly as the screens write it, backslash and letter case included
    QSize size;       // pixels, the size its place on the screen was drawn for
    int variant = 1;  // made at this many times that size, for projectors
};

// Every picture of the manifest (from KINDREL_MANIFEST, set by ctest); empty when it cannot be
// read.
const std::vector<ProgramPicture>& programPictures();
// The files of every raster picture made at 2 and 3 times its size ("exit@2x.jpg"), their
// sizes those multiples of the manifest's.
const std::vector<ProgramPicture>& programPictureVariants();
std::optional<pictures::PictureManifest> pictureManifest();

// The build folder that holds the made pictures (from KINDREL_BUILD_DIR, set by ctest).
QString buildDir();

}  // namespace testing_support
