#include "kit/quiz/QuizScreen.h"

#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace quiz {

using namespace forms;

QuizItem QuizItem::fromRow(const QuizRow& row) {
    const auto text = [](const char* s) { return s ? QString::fromUtf8(s) : QString(); };
    return {text(row.question), text(row.answer), text(row.reason), text(row.picture)};
}

namespace {

shell::ActivityFrame quizFrame() {
    return {.back = shell::ScreenBlue, .next = true, .answer = true};
}

}  // namespace

QuizScreen::QuizScreen(Screens& screens, const shell::ActivityId& id, std::span<const QuizRow> rows,
                       const QuizLayout& layout)
    : ActivityScreen(screens, id, quizFrame()),
      lblquestion(add<Label>(QStringLiteral("lblquestion"), layout.question)),
      lblanswer(add<Label>(QStringLiteral("lblanswer"), layout.answer)),
      lblreason(add<Label>(QStringLiteral("lblreason"), layout.reason)),
      imgquestion(add<PictureBox>(QStringLiteral("imgquestion"), {0, 0, 0, 0})),
      m_rows(rows),
      m_layout(layout) {
    lblquestion.setLook(shell::questionLook(layout.questionPoints));
    lblanswer.setLook(shell::answerLook(layout.answerPoints));
    lblreason.setLook(shell::answerLook(layout.reasonPoints));
    lblanswer.setVisible(false);
    lblreason.setVisible(false);
    imgquestion.setAutoSize(true);
    imgquestion.setVisible(false);
    cmdgo->onClick = [this] { next(); };
    cmdsoln->onClick = [this] { reveal(); };
}

void QuizScreen::setUp() {
    resetDeck();
    next();
}

void QuizScreen::resetDeck() {
    m_deck.reset(itemCount());
}

QuizItem QuizScreen::makeItem(int index) {
    return QuizItem::fromRow(m_rows[static_cast<size_t>(index)]);
}

void QuizScreen::next() {
    if (m_deck.count() != itemCount()) resetDeck();
    m_index = m_deck.next(platform());
    if (m_index < 0) return;
    m_current = makeItem(m_index);
    showItem(m_current);
}

void QuizScreen::remakeCurrent() {
    if (m_index < 0) return;
    m_current = makeItem(m_index);
    showItem(m_current);
}

void QuizScreen::showItem(const QuizItem& item) {
    lblanswer.setVisible(false);
    lblreason.setVisible(false);
    lblquestion.setCaption(item.question);
    lblanswer.setCaption(item.answer);
    lblreason.setCaption(item.reason);
    imgquestion.setVisible(false);
    // A missing picture leaves the question to stand alone.
    if (!item.picture.isEmpty() && imgquestion.loadPicture(item.picture)) {
        const TwipRect& answer = m_layout.answer;
        imgquestion.move(answer.right() - imgquestion.width(), answer.top);
        imgquestion.toBack();
        imgquestion.setVisible(true);
    }
}

void QuizScreen::reveal() {
    lblanswer.setVisible(true);
    lblreason.setVisible(!m_current.reason.isEmpty());
}

bool QuizScreen::hideAnswer() {
    lblanswer.setVisible(false);
    lblreason.setVisible(false);
    return true;
}

bool QuizScreen::answerShown() const {
    return lblanswer.isVisible();
}

}  // namespace quiz
