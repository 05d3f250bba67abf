// The glossary's computed pictures: a Julia set and the flow past a Joukowski airfoil.
#pragma once

#include <QImage>

namespace assets {

// Both 364 x 160 pixels, to sit between the term list and the discussion panel.
QImage drawJuliaSet();
QImage drawJoukowskiAirfoil();

}  // namespace assets
