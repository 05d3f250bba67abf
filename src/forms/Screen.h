// A screen: one top-level window with its controls, framed and placed in twips.
#pragma once

#include <QHash>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "forms/Colour.h"
#include "forms/Control.h"
#include "forms/Scale.h"

class QIcon;

namespace pictures {
class Pictures;
}

namespace forms {

class ControlArrayBase;
template <class T>
class ControlArray;
class Platform;
class Screens;
class ScreenWindow;

// A screen's outer size (border and title bar included) maps to its client area by one fixed
// allowance, whatever window manager draws the real decoration: 90 twips across (3 px a side)
// and 480 twips down (29 px of title bar and top border, 3 px of bottom border).
inline constexpr float kClientLeft = 45.0f;
inline constexpr float kClientTop = 435.0f;
inline constexpr float kDecorationWidth = 2 * kClientLeft;
inline constexpr float kDecorationHeight = kClientTop + kClientLeft;

class Screen : public Container {
  public:
    Screen(Screens& screens, QString name);
    ~Screen() override;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    const QString& name() const { return m_name; }
    Screens& screens() const { return m_screens; }
    Platform& platform() const;
    pictures::Pictures& pictures() const;
    const Scale& scale() const;

    // The display as the screens measure it: in projector mode the same display holds fewer,
    // larger twips, so that a screen centred by its twips is centred at its scaled size.
    QSizeF displaySize() const;

    // The load handler; the registry runs it once, right after the screen is created.
    virtual void load() {}

    // Window.
    QWidget* window() const;
    QWidget* surface() const override;
    QString caption() const;
    void setCaption(const QString& caption);
    Colour backColour() const { return m_back; }
    void setBackColour(Colour colour);
    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    bool loadPicture(const QString& designPath);
    void clearIcon();
    void setIcon(const QIcon& icon);
    bool hasIcon() const { return m_hasIcon; }

    // Outer geometry in twips.
    float left() const { return m_outer.left; }
    float top() const { return m_outer.top; }
    float width() const { return m_outer.width; }
    float height() const { return m_outer.height; }
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    void setHeight(float height);
    void setClientSize(float width, float height);
    // The window's client area kept whole on the display, moved up and in as far as needed and,
    // when larger than design size, no taller than the display leaves room for. Its twips stay
    // as they are; only where and how large the window is drawn changes.
    void setKeptOnDisplay(bool kept);
    float clientWidth() const { return m_outer.width - kDecorationWidth; }
    float clientHeight() const { return m_outer.height - kDecorationHeight; }

    void show();
    // Hiding the last screen on view ends the program (see Screens::leftView).
    void hide();
    bool isVisible() const;
    // For the registry: whether this screen, on view, hides every part of `other`'s window.
    bool hidesAllOf(const Screen& other) const;
    // For the registry: a screen hidden behind another keeps no surface to draw on.
    void letSurfaceGo();
    void drawAfresh();
    bool hasLetSurfaceGo() const;

    // Controls. find() sees only controls that stand alone: an array of that name is absent.
    Control* findControl(const QString& name) const;
    template <class T>
    T* find(const QString& name) const {
        return dynamic_cast<T*>(findControl(name));
    }
    ControlArrayBase* findArray(const QString& name) const;
    // The shown control topmost at a pixel of the client area (inside a panel too, the
    // innermost); none over the screen's own background.
    Control* controlAt(const QPoint& clientPx) const;
    template <class T>
    ControlArray<T>* array(const QString& name) const {
        return dynamic_cast<ControlArray<T>*>(findArray(name));
    }

    // Building the design.
    template <class T>
    T& add(const QString& name, const TwipRect& rect, Container* in = nullptr) {
        T& control = create<T>(name, -1, in);
        control.setRect(rect);
        m_singles.insert(name, &control);
        return control;
    }
    template <class T>
    ControlArray<T>& addArray(const QString& name) {
        auto array = std::make_unique<ControlArray<T>>(*this, name);
        ControlArray<T>& result = *array;
        m_arrays.insert(name, array.get());
        m_arrayStore.push_back(std::move(array));
        return result;
    }
    template <class T>
    T& create(const QString& name, int index, Container* in) {
        auto control =
            std::make_unique<T>(*this, in ? *in : static_cast<Container&>(*this), name, index);
        T& result = *control;
        m_controls.push_back(std::move(control));
        return result;
    }

    // Pointer over the screen's own background (not over a control), and presses on it.
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseMove;
    std::function<void(const MouseEvent&)> onMouseUp;
    // A key pressed anywhere on the screen that no control used.
    std::function<bool(int key, Qt::KeyboardModifiers)> onKey;

    // The controls the keyboard reaches, in reading order (top to bottom, left to right, the
    // house buttons last): shown, enabled and doing something when clicked.
    std::vector<Control*> focusChain() const;
    // Tab and Shift+Tab: the focus to the next (or previous) control of the chain, round to the
    // first; false when the screen has none.
    bool moveFocus(bool forward);

    // Repaints part of the client area (pixels).
    void updateArea(const QRect& area);

    // Draws the window and every control again at the registry's scale; pictures read from the
    // picture files are chosen again for it.
    void rescale();

  protected:
    // After rescale() has re-laid the controls: for what a screen draws or fits itself.
    virtual void scaleChanged() {}
    // Paints the client area beneath the controls: the back colour, then the picture.
    virtual void paintBackground(QPainter& painter, const QRect& dirty);

  private:
    friend class ScreenWindow;
    void applyWindowGeometry();

    Screens& m_screens;
    QString m_name;
    std::unique_ptr<ScreenWindow> m_window;
    TwipRect m_outer;
    Colour m_back = kButtonFace;
    QImage m_picture;
    bool m_hasIcon = true;
    bool m_keptOnDisplay = false;
    // The scale the window was last laid out at, to keep its place when that changes.
    Scale m_laidAt;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<std::unique_ptr<ControlArrayBase>> m_arrayStore;
    QHash<QString, Control*> m_singles;
    QHash<QString, ControlArrayBase*> m_arrays;
};

}  // namespace forms

#include "forms/ControlArray.h"
