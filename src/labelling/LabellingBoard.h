// The drag-and-drop labelling board: name labels dragged onto target boxes, snapped and scored.
#pragma once

#include <QString>

#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "forms/Screen.h"
#include "labelling/BoardDesign.h"

namespace forms {
class PictureBox;
}

namespace labelling {

// A screen that is a labelling board. The board owns the four label arrays and every rule of
// dragging, snapping and scoring; a labelling screen adds its own controls and data and answers
// the hooks below.
class LabellingBoard : public forms::Screen {
  public:
    // Buttons (Label3) by index.
    static constexpr int kExit = 0;
    static constexpr int kStartAgain = 1;
    static constexpr int kCheckScore = 2;

    // Frame, the screen's own set-up, then the board's.
    void load() final;

    // " 7 out of 10 correct": each number with one leading space when it is not negative.
    static QString scoreMessage(int score, int count, const QString& suffix);

  protected:
    LabellingBoard(forms::Screens& screens, QString name, const BoardDesign& design);

    // Hooks. Pictures, colours: whatever the screen sets up before the board.
    virtual void setUpScreen() {}
    // The label that receives the score message, and whether writing it also shows it.
    virtual forms::Label& messageLabel() = 0;
    virtual bool revealsMessage() const = 0;
    // Start Again's first step.
    virtual void resetMessage() = 0;
    // At load, before anything moves: home box i takes the size of name label i.
    virtual void sizeHomeBox(int i);

    // Loads a picture scaled once to fit the box, so that any picture size works and dragging a
    // label across it only ever blits. False (and the box left empty) when the file fails.
    static bool loadPictureToFit(forms::PictureBox& box, const QString& designPath);

    forms::ControlArray<forms::Label>& Label1;  // target boxes
    forms::ControlArray<forms::Label>& Label2;  // name labels
    forms::ControlArray<forms::Label>& Label3;  // Exit, Start Again, Check Score
    forms::ControlArray<forms::Label>& Label4;  // home boxes

  private:
    void setUpBoard();
    void drag(int i, const forms::MouseEvent& event);
    void drop(int i);
    int placedPairs() const;
    int score() const;
    bool belongsOn(int label, int box) const;
    void checkScore();
    void startAgain();

    BoardDesign m_design;
    int m_count = 0;
};

}  // namespace labelling
