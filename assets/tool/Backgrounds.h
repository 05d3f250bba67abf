// The front screen's background: a quiet honeycomb of rings on the screen blue.
#pragma once

#include <QImage>

namespace assets {

// 800 x 600 pixels times `scale`, covering the whole client area of the front screen and the
// menus.
QImage drawFrontBackground(int scale = 1);

}  // namespace assets
