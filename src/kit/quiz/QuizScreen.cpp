#include "kit/quiz/QuizScreen.h"

#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "kit/lists/ListCheck.h"
#include "kit/lists/RoomCheck.h"
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

QuizScreen::QuizScreen(Screens& screens, const shell::ActivityId& id, const QuizLayout& layout,
                       const lists::CheckedList& list)
    : QuizScreen(screens, id, std::span<const QuizRow>(), layout) {
    for (const lists::ListEntry& entry : list.entries)
        if (const auto* item = std::get_if<lists::QuizItem>(&entry.item))
            m_items.push_back({item->question, item->answer, item->reason, {}});
}

std::optional<QString> QuizScreen::listTextCheck(const QuizLayout& layout, const QString& column,
                                                 const QString& text) {
    if (column == QLatin1String("question"))
        return lists::tooLongFor(QStringLiteral("the question"), text,
                                 tahoma(layout.questionPoints, true), layout.question);
    if (column == QLatin1String("answer"))
        return lists::tooLongFor(QStringLiteral("the answer"), text,
                                 tahoma(layout.answerPoints, true), layout.answer);
    if (column == QLatin1String("reason"))
        return lists::tooLongFor(QStringLiteral("the reason"), text,
                                 tahoma(layout.reasonPoints, true), layout.reason);
    return std::nullopt;
}

void QuizScreen::setUp() {
    resetDeck();
    next();
}

void QuizScreen::resetDeck() {
    m_deck.reset(itemCount());
}

QuizItem QuizScreen::makeItem(int index) {
    if (!m_items.empty()) return m_items[static_cast<size_t>(index)];
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
