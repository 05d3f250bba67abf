// Control arrays: indexed groups of like controls with one handler that receives the index.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "forms/Control.h"

namespace forms {

class Screen;

class ControlArrayBase {
  public:
    ControlArrayBase(Screen& screen, QString name) : m_screen(screen), m_name(std::move(name)) {}
    virtual ~ControlArrayBase() = default;
    ControlArrayBase(const ControlArrayBase&) = delete;
    ControlArrayBase& operator=(const ControlArrayBase&) = delete;

    const QString& name() const { return m_name; }
    bool contains(int index) const { return m_elements.count(index) != 0; }
    Control* element(int index) const {
        auto it = m_elements.find(index);
        return it == m_elements.end() ? nullptr : it->second;
    }
    std::vector<int> indices() const;
    int count() const { return static_cast<int>(m_elements.size()); }
    // The element at an index, which must exist: an index never added nor loaded is a fault in
    // the screen, and throws std::out_of_range rather than hand out a null reference.
    Control& existing(int index) const;
    // The element of the lowest index, which run-time copies are made from; throws
    // std::out_of_range when the array is empty.
    Control& lowest() const;

    std::function<void(int)> onClick;
    std::function<void(int, const MouseEvent&)> onMouseDown;
    std::function<void(int, const MouseEvent&)> onMouseMove;
    std::function<void(int, const MouseEvent&)> onMouseUp;
    std::function<bool(int, int key, Qt::KeyboardModifiers)> onKey;
    std::function<void(int)> onFocusLost;

  protected:
    // Routes the element's events to the array's handlers with its index.
    void adopt(int index, Control& element);
    Screen& m_screen;

  private:
    QString m_name;
    std::map<int, Control*> m_elements;
};

template <class T>
class ControlArray : public ControlArrayBase {
  public:
    using ControlArrayBase::ControlArrayBase;

    T& operator[](int index) const { return static_cast<T&>(existing(index)); }
    T* at(int index) const { return static_cast<T*>(element(index)); }

    // An element that exists in the design.
    T& add(int index, const TwipRect& rect, Container* in = nullptr);
    // A run-time copy of the lowest element ("Load Label2(i)"): its look and size, hidden, on top.
    T& load(int index);
};

}  // namespace forms

#include "forms/Screen.h"

namespace forms {

template <class T>
T& ControlArray<T>::add(int index, const TwipRect& rect, Container* in) {
    T& control = m_screen.template create<T>(name(), index, in);
    control.setRect(rect);
    adopt(index, control);
    return control;
}

template <class T>
T& ControlArray<T>::load(int index) {
    if (T* existing = at(index)) return *existing;
    const T& source = static_cast<const T&>(lowest());
    T& control = m_screen.template create<T>(name(), index, &source.container());
    control.copyLookFrom(source);
    control.setVisible(false);
    control.toFront();
    adopt(index, control);
    return control;
}

}  // namespace forms
