// The chemistry words of the word games, each with the clue the class is given.
#pragma once

#include <algorithm>
#include <string_view>

namespace wordgames {

struct WordClue {
    const char* word;
    const char* clue;
};

inline constexpr WordClue kWordList[] = {
    {"ATOM", "the smallest part of an element"},
    {"ELEMENT", "a substance made of only one type of atom"},
    {"COMPOUND", "two or more elements chemically joined"},
    {"MIXTURE", "substances together but not chemically joined"},
    {"MOLECULE", "two or more atoms joined together"},
    {"BEAKER", "a glass container for holding liquids"},
    {"FUNNEL", "used with filter paper to filter a mixture"},
    {"FILTRATION", "separates an insoluble solid from a liquid"},
    {"EVAPORATION", "a liquid turning into a gas below its boiling point"},
    {"DISTILLATION", "separates a liquid from a solution by boiling and condensing"},
    {"CHROMATOGRAPHY", "separates the dyes in an ink"},
    {"CONDENSATION", "a gas turning into a liquid"},
    {"NEUTRALISATION", "an acid reacting with an alkali"},
    {"INDICATOR", "changes colour to show acid or alkali"},
    {"ALKALI", "a base that dissolves in water"},
    {"CATALYST", "speeds up a reaction without being used up"},
    {"OXIDATION", "a reaction in which a substance gains oxygen"},
    {"COMBUSTION", "burning in oxygen"},
    {"THERMOMETER", "measures temperature"},
    {"SOLUTION", "a solute dissolved in a solvent"},
    {"SOLVENT", "the liquid that a solute dissolves in"},
    {"DISSOLVE", "what sugar does in tea"},
    {"CRYSTAL", "a solid with a regular shape and flat faces"},
    {"PARTICLE", "a tiny piece of matter"},
    {"DIFFUSION", "particles spreading from where there are many to where there are few"},
    {"PROTON", "a positive particle in the nucleus"},
    {"NEUTRON", "a particle with no charge in the nucleus"},
    {"ELECTRON", "a negative particle around the nucleus"},
    {"NUCLEUS", "the centre of an atom"},
    {"HYDROGEN", "the lightest element"},
    {"OXYGEN", "the gas we need to breathe"},
    {"NITROGEN", "most of the air is this gas"},
    {"MAGNESIUM", "a metal that burns with a bright white flame"},
    {"CHLORINE", "a green poisonous gas used to treat water"},
    {"POTASSIUM", "a very reactive metal stored under oil"},
};

// The letters of the longest word, which the games make room for.
constexpr int longestWord() {
    std::size_t longest = 0;
    for (const WordClue& entry : kWordList)
        longest = std::max(longest, std::string_view(entry.word).size());
    return static_cast<int>(longest);
}

}  // namespace wordgames
