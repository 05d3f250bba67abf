// The thirty elements whose symbols a Key Stage 3 class learns, in the order of the periodic table.
#pragma once

#include <array>
#include <string_view>

#include "kit/chem/Elements.h"

namespace chem {

struct SchoolElement {
    const char* name;  // as the screens show it
    const char* symbol;
};

enum class Spelling { Iupac, Other };

// The element table's row for the symbol; the screens keep the spelling the class has always
// seen, which for sulphur is not IUPAC's.
consteval SchoolElement schoolElement(std::string_view symbol,
                                      Spelling spelling = Spelling::Iupac) {
    const Element* element = elementWithSymbol(symbol);
    if (!element) throw "not an element symbol";
    // Each view is of a string literal in the table, so it ends in a nul.
    return {spelling == Spelling::Other ? element->otherSpelling.data() : element->name.data(),
            element->symbol.data()};
}

inline constexpr std::array<SchoolElement, 30> kSchoolElements{
    schoolElement("H"),  schoolElement("He"), schoolElement("Li"), schoolElement("C"),
    schoolElement("N"),  schoolElement("O"),  schoolElement("F"),  schoolElement("Ne"),
    schoolElement("Na"), schoolElement("Mg"), schoolElement("Al"), schoolElement("Si"),
    schoolElement("P"),  schoolElement("S", Spelling::Other),      schoolElement("Cl"),
    schoolElement("Ar"), schoolElement("K"),  schoolElement("Ca"), schoolElement("Cr"),
    schoolElement("Fe"), schoolElement("Ni"), schoolElement("Cu"), schoolElement("Zn"),
    schoolElement("Br"), schoolElement("Ag"), schoolElement("Sn"), schoolElement("I"),
    schoolElement("Au"), schoolElement("Hg"), schoolElement("Pb"),
};

// Every symbol one of the element table's, and in the table's order.
constexpr bool inPeriodicOrder(const auto& elements) {
    int last = 0;
    for (const SchoolElement& element : elements) {
        const int number = atomicNumber(element.symbol);
        if (number <= last) return false;
        last = number;
    }
    return true;
}
static_assert(inPeriodicOrder(kSchoolElements));

}  // namespace chem
