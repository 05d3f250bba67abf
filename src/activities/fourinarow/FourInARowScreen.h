// Four in a Row: Red and Yellow take turns to answer; a right answer earns a counter to drop.
#pragma once

#include "activities/fourinarow/Grid.h"
#include "activities/fourinarow/TurnQuestions.h"
#include "forms/Label.h"
#include "shell/ActivityScreen.h"
#include "shell/HoverRule.h"

namespace fourinarow {

class GridView;

class FourInARowScreen : public shell::ActivityScreen {
  public:
    enum class Stage {
        Asking,    // the team on turn answers; the teacher says Correct or Wrong
        Dropping,  // the team chooses a column
        Over,      // a win or a draw, until New Game
    };

    static constexpr forms::TwipRect kQuestionPlace{240, 840, 11430, 1260};
    static constexpr forms::TwipRect kGridPlace{240, 2160, 6600, 5640};
    static constexpr forms::TwipRect kTurnPlace{7080, 2160, 4710, 630};
    static constexpr forms::TwipRect kAnswerPlace{7080, 2940, 4710, 780};
    static constexpr forms::TwipRect kHintPlace{7080, 4680, 4710, 1140};
    static constexpr float kQuestionPoints = 21.75f;
    static constexpr float kAnswerPoints = 26.25f;
    static constexpr float kTurnPoints = 24;
    static constexpr float kHintPoints = 15.75f;

    // The pools come from the teachers' lists in force, the program's own where none is.
    FourInARowScreen(forms::Screens& screens, const shell::ActivityId& id,
                     const TurnLists& from = {});

    // Whether a teacher's question and answer show whole here; nullopt when they do.
    static std::optional<QString> questionCheck(const TurnQuestion& question);

    // The teacher's moves, as the buttons make them.
    void newGame();
    void correct();
    void wrong();
    void reveal() override;
    // A presentation remote shows and hides the answer; only the teacher's Correct or Wrong moves
    // the game on.
    bool stepForward() override;
    bool stepBack() override;
    // Another question for the same team.
    void nextQuestion();
    // The team that answered right drops its counter; false when nothing dropped.
    bool dropIn(int column);

    const TurnQuestions& questions() const { return m_questions; }
    Team turn() const { return m_turn; }
    Stage stage() const { return m_stage; }
    const Grid& grid() const { return m_grid; }
    const TurnQuestion& question() const { return m_question; }

    static QString teamName(Team team);

  protected:
    void setUp() override;
    bool activityKey(int key, Qt::KeyboardModifiers modifiers) override;

  private:
    void ask();
    void passTurn();
    void showTurn();
    void showStage();

    forms::Label& lblquestion;
    forms::Label& lblanswer;
    forms::Label& lblturn;
    forms::Label& lblcorrect;
    forms::Label& lblwrong;
    forms::Label& lblhint;
    forms::Label& lblnewgame;
    GridView& grdboard;
    shell::HoverRule m_hover;

    Grid m_grid;
    TurnQuestions m_questions;
    TurnQuestion m_question;
    Team m_turn = Team::Red;
    // Teams take turns to go first, game by game.
    Team m_starter = Team::Red;
    Stage m_stage = Stage::Asking;
};

}  // namespace fourinarow
