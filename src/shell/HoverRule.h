// The house hover rule: a label fills while the pointer passes over it, and every label of the
// rule clears when the pointer next crosses the screen's own background.
#pragma once

#include <vector>

#include "forms/ControlArray.h"
#include "forms/Label.h"

namespace forms {
class Screen;
}

namespace shell {

class HoverRule {
  public:
    // Takes the screen's background pointer moves.
    explicit HoverRule(forms::Screen& screen);

    void add(forms::Label& label);
    // Elements first to first + count - 1 of an array; the array's pointer moves are taken.
    void add(forms::ControlArray<forms::Label>& array, int first, int count);

    void clear();

  private:
    struct Run {
        forms::ControlArray<forms::Label>* array;
        int first;
        int count;
    };
    std::vector<forms::Label*> m_labels;
    std::vector<Run> m_runs;
};

}  // namespace shell
