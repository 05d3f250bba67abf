#include "forms/ControlArray.h"

namespace forms {

std::vector<int> ControlArrayBase::indices() const {
    std::vector<int> result;
    result.reserve(m_elements.size());
    for (const auto& [index, control] : m_elements) result.push_back(index);
    return result;
}

void ControlArrayBase::adopt(int index, Control& element) {
    m_elements[index] = &element;
    element.onClick = [this, index] {
        if (onClick) onClick(index);
    };
    element.onMouseDown = [this, index](const MouseEvent& e) {
        if (onMouseDown) onMouseDown(index, e);
    };
    element.onMouseMove = [this, index](const MouseEvent& e) {
        if (onMouseMove) onMouseMove(index, e);
    };
    element.onMouseUp = [this, index](const MouseEvent& e) {
        if (onMouseUp) onMouseUp(index, e);
    };
}

}  // namespace forms
