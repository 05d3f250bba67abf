// The Hangman drawing: the first n of its ten stages, in thick lines for the back of the room.
#pragma once

#include <QRect>

#include "forms/Control.h"

namespace hangman {

class GallowsDrawing : public forms::Control {
  public:
    static constexpr int kStages = 10;

    GallowsDrawing(forms::Screen& screen, forms::Container& container, QString name, int index);

    int stage() const { return m_stage; }
    // 0 is an empty box, kStages the whole drawing. Going on one stage repaints that stage's
    // strokes alone.
    void setStage(int stage);

    // Where a stage's strokes fall, pen included, in the control's pixels.
    QRect stageArea(int stage) const;

  protected:
    void paint(QPainter& painter) override;

  private:
    // For a screen reader: how far the drawing has come.
    void describe();
    int m_stage = 0;
};

}  // namespace hangman
