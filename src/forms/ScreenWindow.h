// The top-level widget of a screen: paints its background and reports what happens to it.
#pragma once

#include <QWidget>

namespace forms {

class Screen;

class ScreenWindow : public QWidget {
  public:
    explicit ScreenWindow(Screen& screen);

    // Behind another window that hides all of it, this one's surface (at a projector's size,
    // tens of megabytes) is let go; it is made anew and drawn whole once any of it shows.
    void letSurfaceGo();
    void drawAfresh();
    bool hasLetSurfaceGo() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Screen& m_screen;
    // The surface last given the large-page advice, so that it is given once per surface.
    const uchar* m_advisedSurface = nullptr;
};

}  // namespace forms
