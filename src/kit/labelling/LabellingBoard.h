// The drag-and-drop labelling board: name labels dragged onto target boxes, snapped and scored.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "kit/labelling/BoardDesign.h"
#include "shell/ActivityScreen.h"
#include "shell/HoverRule.h"

namespace forms {
class PictureBox;
}

namespace labelling {

// A screen that is a labelling board, built from its design table alone. The board owns the four
// label arrays and every rule of dragging, snapping and scoring.
class LabellingBoard : public shell::ActivityScreen {
  public:
    // Buttons (Label3) by index.
    static constexpr int kExit = 0;
    static constexpr int kStartAgain = 1;
    static constexpr int kCheckScore = 2;

    LabellingBoard(forms::Screens& screens, const shell::ActivityId& id, const BoardDesign& design);
    ~LabellingBoard() override;

    // " 7 out of 10 correct": each number with one leading space when it is not negative.
    static QString scoreMessage(int score, int count, const QString& suffix);

    // Loads a picture scaled once to fit the box, so that any picture size works and dragging a
    // label across it only ever blits. False (and the box left empty) when the file fails.
    static bool loadPictureToFit(forms::PictureBox& box, const QString& designPath);

    const BoardDesign& design() const { return m_design; }
    int pageCount() const { return std::max<int>(1, static_cast<int>(m_design.pages.size())); }
    int page() const { return m_page; }
    // Shows a page's set afresh, every label at home; the page after the last is the first.
    void showPage(int page);

    // The current score, as Check Score would count it.
    int score() const;
    int count() const { return m_count; }

    // The name label picked up by a tap, which the next press elsewhere on the board puts down;
    // -1 when none is. A pen that cannot drag places labels by two taps.
    int picked() const { return m_picked; }

    // The remote's forward on a board of several pages is Next.
    bool stepForward() override;

    // The label carried by the keyboard (Enter or Space on it), which the arrows move from place
    // to place and Enter or Space puts down; -1 when none is.
    int carried() const { return m_carried; }
    // What a screen reader calls a target box: "Acid, box 2", "box under pH 3", "box 4".
    QString boxName(int box) const;

  protected:
    void setUp() override;
    void scaleChanged() override;

    forms::ControlArray<forms::Label>& Label1;  // target boxes
    forms::ControlArray<forms::Label>& Label2;  // name labels
    forms::ControlArray<forms::Label>& Label3;  // Exit, Start Again, Check Score
    forms::ControlArray<forms::Label>& Label4;  // home boxes

  private:
    class PutDownWatch;

    void addDesignControls();
    void loadPictures();
    void setUpBoard();
    void drag(int i, const forms::MouseEvent& event);
    void drop(int i);
    void makeRoomFor(int i);
    void pressName(int i, const forms::MouseEvent& event);
    void moveName(int i, const forms::MouseEvent& event);
    void releaseName(int i, const forms::MouseEvent& event);
    void notePointer(int i, const forms::MouseEvent& event);
    void pick(int i);
    bool putsDownAt(const forms::Control* control) const;
    void putDown(float x, float y);
    int placedPairs() const;
    bool belongsOn(int label, int box) const;
    void checkScore();
    void startAgain();
    bool boardKey(int i, int key, Qt::KeyboardModifiers modifiers);
    void carry(int i);
    void carryTo(int step);
    void putBack();
    std::vector<forms::TwipRect> keyPlaces(int i) const;
    QString placeName(const TwipPoint& place) const;
    void nameBoxes();
    void describePlaces();

    BoardDesign m_design;
    int m_count = 0;
    int m_page = 0;
    forms::Label* m_message = nullptr;
    forms::Label* m_question = nullptr;
    forms::ControlArray<forms::PictureBox>* m_pictures = nullptr;
    shell::HoverRule m_hover;

    // Tap or drag: the name label under a left press, where the press was (client twips), and
    // whether the pointer has since gone as far as a drag.
    int m_picked = -1;
    int m_pressed = -1;
    float m_pressX = 0;
    float m_pressY = 0;
    bool m_dragged = false;
    std::unique_ptr<PutDownWatch> m_putDownWatch;

    // The keyboard's carry: which label, and where it was taken from (Escape puts it back).
    int m_carried = -1;
    TwipPoint m_carriedFrom;
    std::vector<QString> m_boxNames;
};

}  // namespace labelling
