#include "forms/ControlArray.h"

#include <stdexcept>

namespace forms {

std::vector<int> ControlArrayBase::indices() const {
    std::vector<int> result;
    result.reserve(m_elements.size());
    for (const auto& [index, control] : m_elements) result.push_back(index);
    return result;
}

Control& ControlArrayBase::existing(int index) const {
    if (Control* control = element(index)) return *control;
    throw std::out_of_range(m_name.toStdString() + '(' + std::to_string(index) +
                            ") was never loaded");
}

Control& ControlArrayBase::lowest() const {
    if (m_elements.empty()) throw std::out_of_range(m_name.toStdString() + " has no elements");
    return *m_elements.begin()->second;
}

void ControlArrayBase::adopt(int index, Control& element) {
    m_elements[index] = &element;
    element.onClick = [this, index] {
        if (onClick) onClick(index);
    };
    element.m_arrayHandlesClick = [this] { return bool(onClick); };
    element.onMouseDown = [this, index](const MouseEvent& e) {
        if (onMouseDown) onMouseDown(index, e);
    };
    element.onMouseMove = [this, index](const MouseEvent& e) {
        if (onMouseMove) onMouseMove(index, e);
    };
    element.onMouseUp = [this, index](const MouseEvent& e) {
        if (onMouseUp) onMouseUp(index, e);
    };
    element.onKey = [this, index](int key, Qt::KeyboardModifiers modifiers) {
        return onKey && onKey(index, key, modifiers);
    };
    element.m_arrayHandlesKeys = [this] { return bool(onKey); };
    element.onFocusLost = [this, index] {
        if (onFocusLost) onFocusLost(index);
    };
}

}  // namespace forms
