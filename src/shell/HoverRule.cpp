#include "shell/HoverRule.h"

#include "forms/Screen.h"

namespace shell {

using namespace forms;

HoverRule::HoverRule(Screen& screen) {
    screen.onMouseMove = [this](const MouseEvent&) { clear(); };
}

void HoverRule::add(Label& label) {
    m_labels.push_back(&label);
    label.onMouseMove = [&label](const MouseEvent&) { label.setOpaque(true); };
}

void HoverRule::add(ControlArray<Label>& array, int first, int count) {
    m_runs.push_back({&array, first, count});
    array.onMouseMove = [&array, first, count](int index, const MouseEvent&) {
        if (index >= first && index < first + count && array.contains(index))
            array[index].setOpaque(true);
    };
}

void HoverRule::clear() {
    for (Label* label : m_labels) label->setOpaque(false);
    for (const Run& run : m_runs) {
        for (int i = run.first; i < run.first + run.count; ++i) {
            if (Label* label = run.array->at(i)) label->setOpaque(false);
        }
    }
}

}  // namespace shell
