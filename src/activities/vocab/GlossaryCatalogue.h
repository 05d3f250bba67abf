// The glossary's fixed content: 390 terms in 21 letter groups, three of them with pictures.
#pragma once

#include <span>
#include <string_view>

namespace vocab {

// One letter tile and its term list. Texts are UTF-8, exactly as shown on the screen.
struct GlossaryGroup {
    std::string_view tileCaption;
    std::span<const std::string_view> terms;  // in display order, never sorted
};

struct PictureTerm {
    std::string_view term;
    std::string_view picture;  // design path of the picture file
    bool hasProblem;           // offers "The problem" button
};

inline constexpr int kGroupCount = 21;

// Group k of the screen is element k - 1.
std::span<const GlossaryGroup> glossaryGroups();
std::span<const PictureTerm> pictureTerms();
// The picture entry of a term, or nullptr for a term shown on its own.
const PictureTerm* findPictureTerm(std::string_view term);

}  // namespace vocab
