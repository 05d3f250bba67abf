#include "tools/jotter/Pen.h"

#include "tools/jotter/Palette.h"

namespace jotter {

Pen::Pen(forms::Colour background)
    : m_background(background), m_colour(kPalette[kStartColour]), m_saved(m_colour) {}

void Pen::write() {
    m_colour = m_saved;
    m_width = kWriteWidth;
}

void Pen::erase() {
    // A second Erase must not save the background as the colour to write with, or Write would
    // then draw invisibly.
    if (!isErasing()) m_saved = m_colour;
    m_colour = m_background;
    m_width = kEraseWidth;
}

void Pen::choose(forms::Colour colour) {
    m_width = kWriteWidth;
    m_colour = colour;
    m_saved = colour;
}

void Pen::clear() {
    if (isErasing()) m_colour = kPalette[kStartColour];
    m_width = kWriteWidth;
}

}  // namespace jotter
