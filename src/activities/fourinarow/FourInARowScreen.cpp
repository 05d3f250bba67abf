#include "activities/fourinarow/FourInARowScreen.h"

#include "activities/fourinarow/GridView.h"
#include "forms/CommandButton.h"
#include "forms/Screens.h"
#include "kit/lists/RoomCheck.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace fourinarow {

using namespace forms;

namespace {

constexpr TwipRect kCorrectPlace{7080, 3900, 2280, 495};
constexpr TwipRect kWrongPlace{9510, 3900, 2280, 495};
constexpr TwipRect kNewGamePlace{7080, 5940, 2400, 495};
const FontSpec kButtonFont = tahoma(18, true);

shell::ActivityFrame gameFrame() {
    return {.back = shell::ScreenBlue, .next = true, .answer = true};
}

Team other(Team team) {
    return team == Team::Red ? Team::Yellow : Team::Red;
}

}  // namespace

QString FourInARowScreen::teamName(Team team) {
    switch (team) {
        case Team::Red:
            return QStringLiteral("Red");
        case Team::Yellow:
            return QStringLiteral("Yellow");
        case Team::None:
            break;
    }
    return {};
}

std::optional<QString> FourInARowScreen::questionCheck(const TurnQuestion& question) {
    return lists::firstOf(
        lists::tooLongFor(QStringLiteral("Four in a Row's question"), question.question,
                          tahoma(kQuestionPoints, true), kQuestionPlace),
        lists::tooLongFor(QStringLiteral("Four in a Row's answer"), question.answer,
                          tahoma(kAnswerPoints, true), kAnswerPlace));
}

FourInARowScreen::FourInARowScreen(Screens& screens, const shell::ActivityId& id,
                                   const TurnLists& from)
    : ActivityScreen(screens, id, gameFrame()),
      lblquestion(add<Label>(QStringLiteral("lblquestion"), kQuestionPlace)),
      lblanswer(add<Label>(QStringLiteral("lblanswer"), kAnswerPlace)),
      lblturn(add<Label>(QStringLiteral("lblturn"), kTurnPlace)),
      lblcorrect(add<Label>(QStringLiteral("lblcorrect"), kCorrectPlace)),
      lblwrong(add<Label>(QStringLiteral("lblwrong"), kWrongPlace)),
      lblhint(add<Label>(QStringLiteral("lblhint"), kHintPlace)),
      lblnewgame(add<Label>(QStringLiteral("lblnewgame"), kNewGamePlace)),
      grdboard(add<GridView>(QStringLiteral("grdboard"), kGridPlace)),
      m_hover(*this),
      m_questions(from) {
    lblquestion.setLook(shell::questionLook(kQuestionPoints));
    LabelLook answer = shell::answerLook(kAnswerPoints);
    answer.align = Align::Centre;
    lblanswer.setLook(answer);
    lblturn.setLook(shell::boxedLook(tahoma(kTurnPoints, true)));
    lblhint.setLook(shell::textLook(tahoma(kHintPoints, true)));
    const struct {
        Label& label;
        const char* caption;
    } buttons[] = {{lblcorrect, "Correct"}, {lblwrong, "Wrong"}, {lblnewgame, "New Game"}};
    for (const auto& button : buttons) {
        button.label.setLook(shell::boxedLook(kButtonFont));
        button.label.setCaption(QString::fromLatin1(button.caption));
        m_hover.add(button.label);
    }
    grdboard.setGrid(m_grid);
    lblturn.setAnnounced(true);

    lblcorrect.onClick = [this] { correct(); };
    lblwrong.onClick = [this] { wrong(); };
    lblnewgame.onClick = [this] { newGame(); };
    // A click anywhere down a column drops into it.
    grdboard.onMouseUp = [this](const MouseEvent& event) {
        if (event.button != kLeftButton) return;
        if (const std::optional<int> column = grdboard.columnAt(event.x, event.y)) dropIn(*column);
    };
    cmdgo->onClick = [this] { nextQuestion(); };
    cmdsoln->onClick = [this] { reveal(); };
    // The grid takes the keyboard's columns when it has the focus, Enter included.
    grdboard.onKey = [this](int key, Qt::KeyboardModifiers modifiers) {
        return activityKey(key, modifiers);
    };
}

void FourInARowScreen::setUp() {
    newGame();
}

void FourInARowScreen::newGame() {
    m_grid.clear();
    grdboard.refresh();
    m_turn = m_starter;
    m_starter = other(m_starter);
    m_stage = Stage::Asking;
    ask();
}

void FourInARowScreen::ask() {
    m_question = m_questions.next(platform());
    lblquestion.setCaption(m_question.question);
    lblanswer.setCaption(m_question.answer);
    lblanswer.setVisible(false);
    showStage();
}

void FourInARowScreen::nextQuestion() {
    if (m_stage == Stage::Asking) ask();
}

void FourInARowScreen::reveal() {
    if (m_stage != Stage::Over) lblanswer.setVisible(true);
}

bool FourInARowScreen::stepForward() {
    if (m_stage == Stage::Over || lblanswer.isVisible()) return false;
    reveal();
    return true;
}

bool FourInARowScreen::stepBack() {
    if (m_stage == Stage::Over || !lblanswer.isVisible()) return false;
    lblanswer.setVisible(false);
    return true;
}

void FourInARowScreen::correct() {
    if (m_stage != Stage::Asking) return;
    m_stage = Stage::Dropping;
    // The class sees the answer that earned the counter.
    lblanswer.setVisible(true);
    showStage();
}

void FourInARowScreen::wrong() {
    if (m_stage == Stage::Asking) passTurn();
}

// With a counter to drop: 1 to 7 drop in that column; Left and Right choose one, Enter drops.
bool FourInARowScreen::activityKey(int key, Qt::KeyboardModifiers modifiers) {
    if (m_stage != Stage::Dropping) return false;
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    if (key >= Qt::Key_1 && key < Qt::Key_1 + Grid::kColumns) {
        dropIn(key - Qt::Key_1);
        return true;
    }
    const int chosen = grdboard.keyColumn();
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right: {
            const int step = key == Qt::Key_Right ? 1 : Grid::kColumns - 1;
            grdboard.setKeyColumn(chosen < 0 ? Grid::kColumns / 2
                                             : (chosen + step) % Grid::kColumns);
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (chosen < 0)
                grdboard.setKeyColumn(Grid::kColumns / 2);
            else
                dropIn(chosen);
            return true;
        default:
            return false;
    }
}

bool FourInARowScreen::dropIn(int column) {
    if (m_stage != Stage::Dropping) return false;
    if (!m_grid.drop(column, m_turn)) {
        lblhint.setCaption(QStringLiteral("That column is full: choose another."));
        return false;
    }
    grdboard.refresh();
    if (m_grid.winner() != Team::None || m_grid.full()) {
        m_stage = Stage::Over;
        showStage();
    } else {
        passTurn();
    }
    return true;
}

void FourInARowScreen::passTurn() {
    m_turn = other(m_turn);
    m_stage = Stage::Asking;
    ask();
}

// Everything that follows from the stage and the team on turn.
void FourInARowScreen::showStage() {
    const QString team = teamName(m_turn);
    const bool asking = m_stage == Stage::Asking;
    lblcorrect.setVisible(asking);
    lblwrong.setVisible(asking);
    lblquestion.setVisible(m_stage != Stage::Over);
    grdboard.setChooser(m_stage == Stage::Dropping ? m_turn : Team::None);
    if (m_stage != Stage::Dropping) grdboard.setKeyColumn(-1);
    // At the keyboard, the focus goes where the next move is made: the grid, then Correct.
    if (screens().keyboardInUse()) {
        if (m_stage == Stage::Dropping)
            grdboard.widget()->setFocus(Qt::OtherFocusReason);
        else if (m_stage == Stage::Asking && grdboard.widget()->hasFocus())
            lblcorrect.widget()->setFocus(Qt::OtherFocusReason);
    }
    showTurn();
    switch (m_stage) {
        case Stage::Asking:
            lblhint.setCaption(
                QStringLiteral("A question for %1. Correct earns a counter; Wrong passes the turn.")
                    .arg(team));
            break;
        case Stage::Dropping:
            lblhint.setCaption(
                QStringLiteral("%1: click a column to drop your counter.").arg(team));
            break;
        case Stage::Over:
            lblanswer.setVisible(false);
            lblhint.setCaption(QStringLiteral("New Game to play again."));
            break;
    }
}

// Whose turn it is, on a card of the team's colour; the result once the game is over.
void FourInARowScreen::showTurn() {
    const Team winner = m_grid.winner();
    const Team shown = m_stage == Stage::Over ? winner : m_turn;
    if (m_stage == Stage::Over) {
        lblturn.setCaption(winner == Team::None ? QStringLiteral("A draw!")
                                                : teamName(winner) + QStringLiteral(" wins!"));
    } else {
        lblturn.setCaption(teamName(m_turn) + QStringLiteral("'s turn"));
    }
    if (shown == Team::None) {
        lblturn.setLook(shell::boxedLook(tahoma(kTurnPoints, true)));
        return;
    }
    LabelLook look = shell::boxedLook(tahoma(kTurnPoints, true));
    look.back = GridView::teamColour(shown).rgb();
    look.fore = shown == Team::Red ? kWhite : kBlack;
    lblturn.setLook(look);
}

}  // namespace fourinarow
