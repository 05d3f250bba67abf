// A chemical formula read from its plain text ("H2SO4", "Ca(OH)2") and the atoms it holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chem {

struct AtomCount {
    std::string_view symbol;  // one of kElementSymbols, so it outlives any formula
    int count = 0;

    bool operator==(const AtomCount&) const = default;
};

class Formula {
  public:
    // The text as written, digits on the line: "Ca(OH)2"; a hydrate's dot is always "·" in
    // UTF-8 ("CuSO4·5H2O").
    const std::string& text() const { return m_text; }
    // Each element once, in order of first appearance, brackets multiplied out:
    // Ca(OH)2 gives Ca 1, O 2, H 2.
    const std::vector<AtomCount>& atoms() const { return m_atoms; }
    // Atoms of one element in the whole formula; 0 when it has none.
    int count(std::string_view symbol) const;

    bool operator==(const Formula&) const = default;

  private:
    // Only parseFormula makes one, so every Formula holds at least one atom.
    Formula() = default;
    friend std::optional<Formula> parseFormula(std::string_view text);
    std::string m_text;
    std::vector<AtomCount> m_atoms;
};

// Limits that keep any text cheap to read and every count inside an int.
inline constexpr int kMaxWrittenCount = 999;
inline constexpr int kMaxAtomsOfOneElement = 1'000'000;
inline constexpr int kMaxBracketDepth = 16;

// Symbols (a capital and an optional small letter, which must name an element), each with an
// optional count, and round brackets that nest and take an optional count. A count is a whole
// number from 1 to kMaxWrittenCount without leading zeros. A hydrate's dot ("." or "·" in UTF-8)
// outside brackets may join parts, each after the first with an optional number in front that
// counts the whole part ("CuSO4.5H2O"). Nothing else is allowed: no spaces, no leading
// coefficient, no charges. Anything else, whatever the bytes, gives nullopt.
std::optional<Formula> parseFormula(std::string_view text);

}  // namespace chem
