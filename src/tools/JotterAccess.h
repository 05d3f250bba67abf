// Opening the Jotter from any screen while teaching: a key, or a menu on the screen's backdrop.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>

#include "forms/Timer.h"

namespace forms {
class Screen;
class Screens;
}  // namespace forms

namespace tools {

class LessonTimer;

// Watches every screen of the program from the application's event stream, so that no screen
// gives up an event slot or a place in its design for it:
// - Ctrl+J or F2 on any screen opens the Jotter (or brings it forward);
// - Ctrl+T offers the lesson timer's durations;
// - a right click, or a press held still (a whiteboard pen's right click), on a screen's own
//   background or on a picture or plain panel offers a menu: "Jotter", and "Timer" with its
//   durations;
// - Ctrl+P, and "Print worksheet…" on the same menu, print the screen on show, once offered.
// Labels, buttons and lists keep the pointer to themselves. A screen that is a ScreenMenu (the
// Jotter, whose surface gives the right button a use of its own) says itself where the menu
// opens and puts its own entries first.
class JotterAccess : public QObject {
  public:
    static constexpr int kHoldMs = 800;

    explicit JotterAccess(forms::Screens& screens);
    ~JotterAccess() override;

    // With a timer the menu offers it, and Ctrl+T too.
    void offerTimer(LessonTimer* timer) { m_timer = timer; }
    // With a way to print, the menu offers it, and Ctrl+P too.
    void offerPrinting(std::function<void(forms::Screen&)> print) { m_print = std::move(print); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool offersMenuAt(const forms::Screen& screen, QPoint clientPx, bool held) const;
    void startHold(const forms::Screen& screen, QPoint globalPx);
    void cancelHold();
    void holdElapsed();
    void offerMenu(forms::Screen& screen, QPoint globalPx);
    void openJotter();

    forms::Screens& m_screens;
    LessonTimer* m_timer = nullptr;
    std::function<void(forms::Screen&)> m_print;
    forms::Timer m_hold;
    QString m_holdScreen;
    QPoint m_holdAt;
};

}  // namespace tools
