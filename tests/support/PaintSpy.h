// Records where a window and its controls were painted, in the window's pixels.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

namespace testing_support {

class PaintSpy : public QObject {
  public:
    explicit PaintSpy(QWidget* window) {
        window->installEventFilter(this);
        for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(this);
    }
    QRegion painted;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* widget = static_cast<QWidget*>(object);
            painted += static_cast<QPaintEvent*>(event)->region().translated(
                widget->mapTo(widget->window(), QPoint()));
        }
        return false;
    }
};

}  // namespace testing_support
