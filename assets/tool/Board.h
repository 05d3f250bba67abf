// The little classroom board of the top-right corner, as a placeable Windows Metafile.
#pragma once

#include <QByteArray>

namespace assets {

// 1500 x 1080 twips (100 x 72 pixels): a chalkboard with a water molecule chalked on it.
QByteArray boardMetafile();

}  // namespace assets
