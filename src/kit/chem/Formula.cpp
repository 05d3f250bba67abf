// Reading a formula: one pass, with a stack of bracket groups rather than recursion.
#include "kit/chem/Formula.h"

#include <cstdint>

#include "kit/chem/Elements.h"

namespace chem {

namespace {

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Adds atoms to a group, keeping the order of first appearance; false past the limit.
bool addAtoms(std::vector<AtomCount>& group, std::string_view symbol, std::int64_t count) {
    for (AtomCount& atom : group) {
        if (atom.symbol == symbol) {
            if (atom.count + count > kMaxAtomsOfOneElement) return false;
            atom.count += static_cast<int>(count);
            return true;
        }
    }
    if (count > kMaxAtomsOfOneElement) return false;
    group.push_back({symbol, static_cast<int>(count)});
    return true;
}

// The count written at pos, if any, moving pos past it: 1 when none is written, 0 when what is
// written is not a count (a leading zero, or too large).
int readCount(std::string_view text, std::size_t& pos) {
    if (pos >= text.size() || !isDigit(text[pos])) return 1;
    if (text[pos] == '0') return 0;
    int value = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > kMaxWrittenCount) return 0;
    }
    return value;
}

// The dot of a hydrate at pos ("." or the middle dot "·" in UTF-8), giving its length; 0 for
// none.
std::size_t hydrateDot(std::string_view text, std::size_t pos) {
    if (text[pos] == '.') return 1;
    if (text.substr(pos, 2) == "\xC2\xB7") return 2;
    return 0;
}

}  // namespace

int Formula::count(std::string_view symbol) const {
    for (const AtomCount& atom : m_atoms)
        if (atom.symbol == symbol) return atom.count;
    return 0;
}

std::optional<Formula> parseFormula(std::string_view text) {
    // groups.back() is the innermost open bracket; groups.front() the part of the formula since
    // the last hydrate dot, which adds to whole, times its number, at the next dot or the end.
    std::vector<std::vector<AtomCount>> groups(1);
    std::vector<AtomCount> whole;
    int partTimes = 1;
    std::string written;  // the text with each hydrate dot as "·"
    const auto endPart = [&] {
        if (groups.size() != 1 || groups.front().empty()) return false;
        for (const AtomCount& atom : groups.front())
            if (!addAtoms(whole, atom.symbol, std::int64_t{atom.count} * partTimes)) return false;
        groups.front().clear();
        return true;
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        const std::size_t start = pos;
        if (isUpper(c)) {
            const std::size_t length = pos + 1 < text.size() && isLower(text[pos + 1]) ? 2 : 1;
            const int number = atomicNumber(text.substr(pos, length));
            if (number == 0) return std::nullopt;
            pos += length;
            const int count = readCount(text, pos);
            if (count == 0) return std::nullopt;
            if (!addAtoms(groups.back(), kElementSymbols[number - 1], count)) return std::nullopt;
        } else if (c == '(') {
            if (groups.size() > static_cast<std::size_t>(kMaxBracketDepth)) return std::nullopt;
            groups.emplace_back();
            ++pos;
        } else if (c == ')') {
            if (groups.size() == 1 || groups.back().empty()) return std::nullopt;
            ++pos;
            const int multiplier = readCount(text, pos);
            if (multiplier == 0) return std::nullopt;
            const std::vector<AtomCount> inner = std::move(groups.back());
            groups.pop_back();
            for (const AtomCount& atom : inner) {
                if (!addAtoms(groups.back(), atom.symbol, std::int64_t{atom.count} * multiplier))
                    return std::nullopt;
            }
        } else if (const std::size_t dot = hydrateDot(text, pos); dot > 0) {
            // "CuSO4·5H2O": the water's number counts it whole, as brackets' number does.
            if (!endPart()) return std::nullopt;
            pos += dot;
            written += "\xC2\xB7";
            partTimes = readCount(text, pos);
            if (partTimes == 0) return std::nullopt;
            written += text.substr(start + dot, pos - start - dot);
            continue;
        } else {
            return std::nullopt;
        }
        written += text.substr(start, pos - start);
    }
    if (!endPart()) return std::nullopt;

    Formula formula;
    formula.m_text = std::move(written);
    formula.m_atoms = std::move(whole);
    return formula;
}

}  // namespace chem
