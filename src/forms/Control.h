// Base of every control: a name (and index within its array), twip geometry, events.
#pragma once

#include <QCursor>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "forms/Twips.h"

class QPainter;

namespace forms {

class Scale;
class Screen;
class Container;

// Mouse buttons as the designs count them: left 1, right 2, middle 4.
enum MouseButton : int { kNoButton = 0, kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

struct MouseEvent {
    int button = kNoButton;  // the button for down and up; the state of all buttons for a move
    float x = 0;             // twips, relative to the control (or the screen's client area)
    float y = 0;
};

class Control {
  public:
    Control(Screen& screen, Container& container, QString name, int index);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Screen& screen() const { return m_screen; }
    Container& container() const { return m_container; }
    const QString& name() const { return m_name; }
    // Index within its control array, or -1 for a control that stands alone.
    int index() const { return m_index; }

    float left() const { return m_rect.left; }
    float top() const { return m_rect.top; }
    float width() const { return m_rect.width; }
    float height() const { return m_rect.height; }
    const TwipRect& rect() const { return m_rect; }
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    void setHeight(float height);
    void move(float left, float top);
    void setRect(const TwipRect& rect);

    // The control's own Visible flag; a control inside a hidden panel is still "visible".
    bool isVisible() const;
    void setVisible(bool visible);
    bool isEnabled() const;
    void setEnabled(bool enabled);
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool tabStop);

    void toFront();
    void toBack();
    void setPointer(const QCursor& cursor);

    QWidget* widget() const { return m_widget; }

    // What a screen reader says for a control whose face is a picture (a house button, a
    // pictogram); a control with text of its own is named by that text.
    const QString& description() const { return m_description; }
    void setDescription(const QString& description);
    // A status a reader should hear as it changes (a score, whose turn it is, "Time's up!"),
    // not only find when it looks: each new text, and each showing, is an alert.
    bool isAnnounced() const { return m_announced; }
    void setAnnounced(bool announced) { m_announced = announced; }

    // Whether a click does anything here, so that the keyboard can reach it (Tab) and do it
    // (Enter, or Space while the focus ring shows).
    bool acceptsClick() const;
    // Whether the keyboard reaches it at all: it takes a click, or keys of its own.
    bool takesKeyboard() const;
    // The house buttons come last in the keyboard's order, after the screen's own controls.
    bool isLastInTabOrder() const { return m_lastInTabOrder; }
    void setLastInTabOrder(bool last) { m_lastInTabOrder = last; }

    // Events. For a control in an array the array's handlers are called with the index.
    std::function<void()> onClick;
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseMove;
    std::function<void(const MouseEvent&)> onMouseUp;
    // A key pressed while the control has the focus, before Enter's click; true when used.
    std::function<bool(int key, Qt::KeyboardModifiers)> onKey;
    // The focus gone to another control or window.
    std::function<void()> onFocusLost;

    // Run-time copies of array element 0 ("Load Label2(1)") take its look and size.
    virtual void copyLookFrom(const Control& other);

    // Applies the geometry again, and whatever else depends on the scale, and repaints.
    void rescale();

  protected:
    // What paint() measures in. A drawing of shapes measures in the designs' pixels and is
    // enlarged whole by the factor, so that it looks the same at every factor; the toolkit's own
    // controls measure in the display's pixels, for text and pictures made for the factor.
    enum class PaintIn { DesignPixels, DisplayPixels };

    // Called once by the subclass constructor with the widget that shows it; defaults to a
    // plain widget that paints through paint().
    void attachWidget(QWidget* widget);
    void attachPaintedWidget(PaintIn units = PaintIn::DesignPixels);
    void repaint();
    const Scale& scale() const;
    // The control's area in the pixels of the designs: the rectangle its text is laid out in.
    QRect designArea() const;
    // In the units attachPaintedWidget() was given: designArea() in the designs' pixels.
    virtual void paint(QPainter&) {}
    // After the scale has changed and the geometry has been applied again.
    virtual void rescaled() {}
    virtual void rectChanged() {}
    // A key pressed while the control has the focus; true when it was used.
    virtual bool keyPress(int /*key*/) { return false; }

  private:
    friend class ControlWidget;
    friend class ControlArrayBase;
    void applyGeometry();
    MouseEvent twipEvent(int button, QPointF pos) const;
    void dispatchPress(int button, QPointF pos);
    void dispatchMove(int buttons, QPointF pos);
    void dispatchRelease(int button, QPointF pos, bool inside);

    Screen& m_screen;
    Container& m_container;
    QString m_name;
    int m_index;
    TwipRect m_rect;
    QString m_description;
    // For an element of an array: whether the array has a click handler.
    std::function<bool()> m_arrayHandlesClick;
    std::function<bool()> m_arrayHandlesKeys;
    bool m_lastInTabOrder = false;
    bool m_announced = false;
    bool m_tabStop = false;
    PaintIn m_paintIn = PaintIn::DesignPixels;
    int m_pressedButton = kNoButton;
    QPointer<QWidget> m_widget;
};

// The containers that controls sit in: a screen's client area or a panel.
class Container {
  public:
    virtual ~Container() = default;
    virtual QWidget* surface() const = 0;
};

// A widget that shows a Control and hands its mouse events back to it.
class ControlWidget : public QWidget {
  public:
    ControlWidget(Control& control, QWidget* parent);

    Control& control() const { return m_control; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

  private:
    Control& m_control;
};

int buttonCode(Qt::MouseButton button);
int buttonState(Qt::MouseButtons buttons);

}  // namespace forms
