// The glossary's computed pictures: a Julia set and the flow past a Joukowski airfoil.
#pragma once

#include <QImage>

namespace assets {

// Both 364 x 160 pixels times `scale`, to sit between the term list and the discussion panel.
// Computed pixel by pixel at the size asked for, with the same number of samples to each pixel
// of the design size.
QImage drawJuliaSet(int scale = 1);
QImage drawJoukowskiAirfoil(int scale = 1);

}  // namespace assets
