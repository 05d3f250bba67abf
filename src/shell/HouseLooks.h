// The house looks that screens share: boxed titles, questions, answers, board labels.
#pragma once

#include "forms/Label.h"
#include "shell/HouseStyle.h"

namespace shell {

// Yellow on black in a box, centred: titles, menu entries, the boards' label buttons.
inline forms::LabelLook boxedLook(const forms::FontSpec& font) {
    return {.font = font,
            .fore = TitleYellow,
            .back = TitleBlack,
            .opaque = true,
            .border = true,
            .align = forms::Align::Centre};
}

// A quiz's question: large, bold and yellow, wrapping within its place.
inline forms::LabelLook questionLook(float points = 21.75f) {
    return {.font = forms::tahoma(points, true), .fore = TitleYellow};
}

// A revealed answer: bold and green.
inline forms::LabelLook answerLook(float points = 21.75f) {
    return {.font = forms::tahoma(points, true), .fore = forms::kGreen};
}

// Plain yellow text on the screen's blue: instructions, headings, equation texts.
inline forms::LabelLook textLook(const forms::FontSpec& font,
                                 forms::Align align = forms::Align::Left) {
    return {.font = font, .fore = TitleYellow, .align = align};
}

}  // namespace shell
