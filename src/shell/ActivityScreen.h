// The base of the further activities: framed, titled with its menu caption, with the house
// buttons in their places and exit and Jotter wired once, here.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "forms/Screen.h"
#include "shell/AnswerStep.h"

namespace forms {
class CommandButton;
class Label;
class PictureBox;
}  // namespace forms

namespace shell {

// Which screen an activity is, and the caption its menu entry gives it.
struct ActivityId {
    QString screen;
    QString caption;
    // Set where the activity has lists to choose from: the List button and the key L open the
    // chooser through it.
    std::function<void()> chooseList = {};
    // The teacher's list in force, for the title bar; empty for the activity's own.
    QString listTitle = {};
};

// What an activity's frame holds beyond the screen itself.
struct ActivityFrame {
    // Set over the frame's HouseBlue; none keeps HouseBlue.
    std::optional<forms::Colour> back;
    bool title = true;
    // The house exit and Jotter buttons; the designed boards keep their own label buttons.
    bool houseExit = true;
    bool jotter = true;
    bool next = false;
    bool answer = false;
    bool check = false;
    bool scramble = false;
    // The tick and cross marks of a checked answer.
    bool marks = false;
};

class ActivityScreen : public forms::Screen, public AnswerStep {
  public:
    // The title band: its top, its height and its type.
    static constexpr float kTitleTop = 120;
    static constexpr float kTitleHeight = 600;
    // Content starts below the title.
    static constexpr float kContentTop = 900;

    // Frame, colour, then the activity's own set-up.
    void load() final;

    const QString& activityCaption() const { return m_caption; }
    // Unloads the activity; its menu, never unloaded, is in view again.
    void exitActivity();

  protected:
    ActivityScreen(forms::Screens& screens, const ActivityId& id, const ActivityFrame& frame);

    virtual void setUp() {}
    // A key of the activity's own (Hangman's letters, Four in a Row's columns), asked before
    // the remote's; true when used.
    virtual bool activityKey(int /*key*/, Qt::KeyboardModifiers) { return false; }
    // An activity with an answer button has the remote's answer step.
    bool hasAnswerStep() const override { return cmdsoln != nullptr; }
    void leave() override { exitActivity(); }

    // The house buttons the frame asked for; null where it did not.
    forms::Label* lbltitle = nullptr;
    forms::CommandButton* cmdexit = nullptr;
    forms::CommandButton* cmdjotter = nullptr;
    forms::CommandButton* cmdgo = nullptr;
    forms::CommandButton* cmdsoln = nullptr;
    forms::CommandButton* cmdcheckit = nullptr;
    forms::CommandButton* cmdscramble = nullptr;
    forms::CommandButton* cmdlist = nullptr;
    forms::PictureBox* imgtick = nullptr;
    forms::PictureBox* imgcross = nullptr;

  private:
    forms::CommandButton* addButton(bool wanted, const char* name, const forms::TwipRect& rect);

    bool listKey(int key, Qt::KeyboardModifiers modifiers);

    QString m_caption;
    ActivityFrame m_frame;
    std::function<void()> m_chooseList;
};

}  // namespace shell
