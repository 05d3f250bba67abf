#include "kit/labelling/LabellingBoard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "forms/CommandButton.h"
#include "forms/PictureBox.h"
#include "forms/ReadingOrder.h"
#include "forms/Scale.h"
#include "forms/Screens.h"
#include "forms/Shape.h"
#include "kit/labelling/SnapRules.h"
#include "pictures/Pictures.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace labelling {

using namespace forms;

namespace {

struct ButtonDesign {
    const char* caption;
    TwipRect rect;
};
constexpr ButtonDesign kButtons[] = {
    {"Exit", {10560, 7920, 1245, 495}},
    {"Start Again", {3360, 7920, 2565, 495}},
    {"Check Score", {6000, 7920, 2565, 495}},
};

QString numberText(int number) {
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}

bool isAt(const Label& label, const Label& box) {
    return label.left() == box.left() && label.top() == box.top();
}

shell::ActivityFrame boardFrame(const BoardDesign& design) {
    return {.back = design.back,
            .title = design.houseButtons,
            .houseExit = design.houseButtons,
            .jotter = design.houseButtons,
            .next = design.pages.size() > 1};
}

QString itemText(const BoardDesign& design, int page, int i) {
    if (design.pages.empty()) return QString::fromUtf8(design.items[static_cast<size_t>(i)].text);
    return QString::fromUtf8(design.pages[static_cast<size_t>(page)].texts[static_cast<size_t>(i)]);
}

}  // namespace

// Sees every left press on the board, whichever picture, box or text takes it, so that a picked
// label goes down wherever the pen next touches. It only watches: the press goes on to whatever
// it was for.
class LabellingBoard::PutDownWatch : public QObject {
  public:
    explicit PutDownWatch(LabellingBoard& board) : m_board(board) {
        QWidget* window = board.window();
        window->installEventFilter(this);
        for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress || m_board.m_picked < 0) return false;
        const auto& press = static_cast<const QMouseEvent&>(*event);
        if (press.button() != Qt::LeftButton) return false;
        auto* widget = static_cast<QWidget*>(watched);
        QWidget* window = m_board.window();
        const QPointF at = press.position() +
                           QPointF(widget == window ? QPoint() : widget->mapTo(window, QPoint()));
        // In the screen's own twips: in projector mode a pixel is fewer of them.
        if (m_board.putsDownAt(m_board.controlAt(at.toPoint())))
            m_board.putDown(m_board.scale().toTwips(at.x()), m_board.scale().toTwips(at.y()));
        return false;
    }

  private:
    LabellingBoard& m_board;
};

QString LabellingBoard::scoreMessage(int score, int count, const QString& suffix) {
    return numberText(score) + QStringLiteral(" out of") + numberText(count) + suffix;
}

LabellingBoard::~LabellingBoard() = default;

LabellingBoard::LabellingBoard(Screens& screens, const shell::ActivityId& id,
                               const BoardDesign& design)
    : ActivityScreen(screens, id, boardFrame(design)),
      Label1(addArray<Label>(QStringLiteral("Label1"))),
      Label2(addArray<Label>(QStringLiteral("Label2"))),
      Label3(addArray<Label>(QStringLiteral("Label3"))),
      Label4(addArray<Label>(QStringLiteral("Label4"))),
      m_design(design),
      m_hover(*this) {
    LabelLook itemLook = shell::boxedLook(design.font);
    // The further boards' labels may wrap onto two lines; a one-line name then sits mid-box.
    itemLook.centreVertically = design.houseButtons;
    const int count = static_cast<int>(design.items.size());
    Q_ASSERT_X(design.groups.empty() || std::ssize(design.groups) == count, "LabellingBoard",
               "one group per item");
    for (int i = 0; i < count; ++i) {
        const BoardItem& item = design.items[static_cast<size_t>(i)];
        Label& target = Label1.add(i, item.target);
        target.setLook(itemLook);
        target.setCaption(itemText(design, 0, i));
    }
    for (int i = 0; i < count; ++i) {
        const BoardItem& item = design.items[static_cast<size_t>(i)];
        Label2.add(i, {item.homeLeft, item.homeTop, item.target.width, item.target.height})
            .setLook(itemLook);
    }
    for (int k = 0; k < 3; ++k) {
        Label& button = Label3.add(k, kButtons[k].rect);
        LabelLook buttonLook = shell::boxedLook(tahoma(15.75f, true));
        buttonLook.centreVertically = design.houseButtons;
        button.setLook(buttonLook);
        button.setCaption(QString::fromUtf8(kButtons[k].caption));
        // A board in the house frame leaves its exit to the house button.
        button.setVisible(k == kStartAgain || (k == kExit && !design.houseButtons));
    }
    // Home boxes are placed at load, where the name labels stand.
    for (int i = 0; i < count; ++i) {
        const TwipRect& target = design.items[static_cast<size_t>(i)].target;
        Label4.add(i, {0, 0, target.width, target.height})
            .setLook({.font = design.font, .border = true});
    }
    addDesignControls();

    Label2.onMouseDown = [this](int i, const MouseEvent& event) { pressName(i, event); };
    Label2.onMouseMove = [this](int i, const MouseEvent& event) { moveName(i, event); };
    Label2.onMouseUp = [this](int i, const MouseEvent& event) { releaseName(i, event); };
    Label3.onClick = [this](int k) {
        switch (k) {
            case kExit:
                exitActivity();
                break;
            case kStartAgain:
                startAgain();
                break;
            case kCheckScore:
                checkScore();
                break;
        }
    };
    m_hover.add(Label3, 0, 3);
    if (cmdgo) cmdgo->onClick = [this] { showPage(m_page + 1); };
    Label2.onKey = [this](int i, int key, Qt::KeyboardModifiers modifiers) {
        return boardKey(i, key, modifiers);
    };
    // Tab away from a carried label, or the window closed under it: it goes back.
    Label2.onFocusLost = [this](int i) {
        if (m_carried == i) putBack();
    };
    if (m_message) m_message->setAnnounced(true);
}

// The board's own pictures, texts and outlines, in the order the design gives them.
void LabellingBoard::addDesignControls() {
    if (!m_design.pictures.empty()) {
        m_pictures = &addArray<PictureBox>(QStringLiteral("Image1"));
        for (int slot = 0; slot < std::ssize(m_design.pictures); ++slot) {
            // Beneath every label, whatever size the picture turns out to be.
            m_pictures->add(slot, m_design.pictures[static_cast<size_t>(slot)].place).toBack();
        }
    }
    if (!m_design.equations.empty())
        addEquationRows(*this, m_design.equations, m_design.equationFont,
                        m_design.equationArrowLeft);
    for (const BoardText& text : m_design.texts) {
        const QString name = QString::fromLatin1(text.name);
        Label& label = text.index < 0
                           ? add<Label>(name, text.place)
                           : (findArray(name) ? *array<Label>(name) : addArray<Label>(name))
                                 .add(text.index, text.place);
        label.setLook(text.look);
        label.setCaption(QString::fromUtf8(text.text));
    }
    for (const BoardOutline& outline : m_design.outlines) {
        Shape& shape = add<Shape>(QString::fromLatin1(outline.name), outline.place);
        shape.setKind(Shape::Kind::Rectangle);
        shape.setLine(outline.colour, outline.widthPx);
    }
    if (!m_design.pages.empty()) {
        m_question = &add<Label>(QStringLiteral("lblquestion"), m_design.pageQuestion);
        // The house question size, readable from the back of the room.
        m_question->setLook(shell::questionLook());
        m_question->setCaption(QString::fromUtf8(m_design.pages.front().question));
    }
    if (m_design.message.name) {
        m_message = &add<Label>(QString::fromLatin1(m_design.message.name), m_design.message.place);
        m_message->setLook(m_design.message.look);
        if (m_design.message.text) m_message->setCaption(QString::fromUtf8(m_design.message.text));
        m_message->setVisible(!m_design.message.hiddenUntilScored);
    }
}

void LabellingBoard::setUp() {
    loadPictures();
    setUpBoard();
    // Every control is in place by now, the frame's buttons included.
    m_putDownWatch = std::make_unique<PutDownWatch>(*this);
}

void LabellingBoard::loadPictures() {
    // In projector mode read side by side on the worker threads while the board shows, each
    // fitted to its box as it comes in. A missing picture leaves its box empty; the board works
    // without it.
    for (int slot = 0; slot < std::ssize(m_design.pictures); ++slot) {
        PictureBox& box = (*m_pictures)[slot];
        const QString file = QString::fromLatin1(m_design.pictures[static_cast<size_t>(slot)].file);
        pictures().whenReadAtFactorInForce(
            file, [&box] { return box.screen().scale().factor(); }, box.widget(),
            [&box, file] { loadPictureToFit(box, file); });
    }
}

void LabellingBoard::scaleChanged() {
    // Fitted afresh to the boxes at their new size, from the pictures made for it.
    loadPictures();
}

void LabellingBoard::setUpBoard() {
    m_count = static_cast<int>(m_design.items.size());
    for (int i = 0; i < m_count; ++i) {
        Label4[i].setWidth(Label2[i].width());
        Label4[i].setHeight(Label2[i].height());
        Label1[i].setVisible(false);
    }
    for (int i = 0; i < m_count; ++i) {
        Label2[i].setCaption(Label1[i].caption());
        Label1[i].setCaption(QString());
        Label1[i].setOpaque(false);
        Label1[i].setVisible(true);
        Label4[i].move(Label2[i].left(), Label2[i].top());
    }
    // Above everything the screen has added, so a label on a box or a picture can be picked up
    // again. Nothing restacks them afterwards, picking one up included.
    for (int i = 0; i < m_count; ++i) Label2[i].toFront();
    nameBoxes();
    describePlaces();
}

void LabellingBoard::showPage(int page) {
    m_page = page % pageCount();
    const std::span<const TwipPoint> homes =
        m_design.pages.empty() ? std::span<const TwipPoint>()
                               : m_design.pages[static_cast<size_t>(m_page)].homes;
    for (int i = 0; i < m_count; ++i) {
        Label2[i].setCaption(itemText(m_design, m_page, i));
        const BoardItem& item = m_design.items[static_cast<size_t>(i)];
        const TwipPoint home =
            homes.empty() ? TwipPoint{item.homeLeft, item.homeTop} : homes[static_cast<size_t>(i)];
        Label4[i].move(home.left, home.top);
    }
    if (m_question)
        m_question->setCaption(
            QString::fromUtf8(m_design.pages[static_cast<size_t>(m_page)].question));
    startAgain();
}

bool LabellingBoard::stepForward() {
    if (pageCount() < 2) return false;
    showPage(m_page + 1);
    return true;
}

void LabellingBoard::drag(int i, const MouseEvent& event) {
    // Left alone drags; left and right together, or any other state, leave the label be.
    if (event.button != kLeftButton) return;
    Label& label = Label2[i];
    label.move(label.left() + event.x - label.width() / 2,
               label.top() + event.y - label.height() / 2);
}

void LabellingBoard::drop(int i) {
    std::vector<TwipRect> boxes;
    boxes.reserve(2 * static_cast<size_t>(m_count));
    for (int k = 0; k < m_count; ++k) {
        boxes.push_back(Label1[k].rect());
        // Every home box catches every label, not only its own.
        boxes.push_back(Label4[k].rect());
    }
    Label& label = Label2[i];
    const TwipPoint rest = settle({label.left(), label.top()}, boxes);
    label.move(rest.left, rest.top);
    makeRoomFor(i);
    // Once shown, only Start Again hides the button.
    if (placedPairs() == m_count) Label3[kCheckScore].setVisible(true);
    describePlaces();
}

// A label is never hidden under another: one already where label i came to rest goes back to
// its own home, and should that be where i rests (i dropped on a label waiting at home), i goes
// to its own home instead. Each move lands on a home, so the chain ends within a pass per label.
void LabellingBoard::makeRoomFor(int i) {
    int moved = i;
    for (int pass = 0; pass < m_count && moved >= 0; ++pass) {
        const Label& label = Label2[moved];
        int under = -1;
        for (int j = 0; j < m_count && under < 0; ++j) {
            if (j != moved && isAt(Label2[j], label)) under = j;
        }
        if (under < 0) return;
        const int sent = isAt(Label4[under], label) ? moved : under;
        Label2[sent].move(Label4[sent].left(), Label4[sent].top());
        moved = sent;
    }
}

// A press and release that stays within the platform's drag distance is a tap: it picks the label
// up (or, on the label already picked, puts it down where it lies). Anything further is a drag,
// exactly as before, and leaves nothing picked. The drop rule runs on every release either way.
void LabellingBoard::pressName(int i, const MouseEvent& event) {
    // A left press always starts afresh: it cannot come while the left button is already down.
    if (event.button == kLeftButton) {
        m_pressed = i;
        m_pressX = Label2[i].left() + event.x;
        m_pressY = Label2[i].top() + event.y;
        m_dragged = false;
    } else {
        // A second button held with the first makes it no tap.
        m_dragged = true;
    }
}

void LabellingBoard::moveName(int i, const MouseEvent& event) {
    notePointer(i, event);
    drag(i, event);
}

void LabellingBoard::releaseName(int i, const MouseEvent& event) {
    notePointer(i, event);
    const bool ownPress = event.button == kLeftButton && m_pressed == i;
    const bool tap = ownPress && !m_dragged;
    if (ownPress) m_pressed = -1;
    drop(i);
    if (tap)
        pick(m_picked == i ? -1 : i);
    else if (ownPress)
        pick(-1);
}

// Measured in the client area, since the label itself jumps to the pointer at the first move.
void LabellingBoard::notePointer(int i, const MouseEvent& event) {
    if (m_pressed != i || m_dragged) return;
    const float travel = std::abs(Label2[i].left() + event.x - m_pressX) +
                         std::abs(Label2[i].top() + event.y - m_pressY);
    if (travel >= toTwips(QApplication::startDragDistance())) {
        m_dragged = true;
        pick(-1);
    }
}

void LabellingBoard::pick(int i) {
    if (i != m_carried) m_carried = -1;
    if (m_picked >= 0) Label2[m_picked].setHighlighted(false);
    m_picked = i;
    if (m_picked >= 0) Label2[m_picked].setHighlighted(true);
}

// Not on a name label (a tap there picks that one) nor on a button (which does its own thing).
bool LabellingBoard::putsDownAt(const Control* control) const {
    if (!control) return true;
    if (dynamic_cast<const CommandButton*>(control)) return false;
    const int index = control->index();
    return Label2.element(index) != control && Label3.element(index) != control;
}

// As though the label had been dragged there by its centre and let go.
void LabellingBoard::putDown(float x, float y) {
    const int i = m_picked;
    Label& label = Label2[i];
    label.move(x - label.width() / 2, y - label.height() / 2);
    drop(i);
    pick(-1);
}

int LabellingBoard::placedPairs() const {
    int pairs = 0;
    for (int j = 0; j < m_count; ++j) {
        for (int k = 0; k < m_count; ++k) {
            if (isAt(Label2[j], Label1[k])) ++pairs;
        }
    }
    return pairs;
}

bool LabellingBoard::belongsOn(int label, int box) const {
    if (m_design.groups.empty()) return label == box;
    return m_design.groups[static_cast<size_t>(label)] == m_design.groups[static_cast<size_t>(box)];
}

// A box earns at most one mark, however many right labels are piled on it: on a one-to-one board
// that is its own label; on a sorting board, any label of its column.
int LabellingBoard::score() const {
    int correct = 0;
    for (int k = 0; k < m_count; ++k) {
        for (int j = 0; j < m_count; ++j) {
            if (belongsOn(j, k) && isAt(Label2[j], Label1[k])) {
                ++correct;
                break;
            }
        }
    }
    return correct;
}

void LabellingBoard::checkScore() {
    if (!m_message) return;
    m_message->setCaption(scoreMessage(score(), m_count, QString::fromUtf8(m_design.scoreSuffix)));
    if (m_design.message.hiddenUntilScored) m_message->setVisible(true);
}

void LabellingBoard::startAgain() {
    if (m_message) {
        if (m_design.message.hiddenUntilScored)
            m_message->setVisible(false);
        else
            m_message->setCaption(QString::fromUtf8(m_design.message.text));
    }
    pick(-1);
    for (int i = 0; i < m_count; ++i) Label2[i].move(Label4[i].left(), Label4[i].top());
    Label3[kCheckScore].setVisible(false);
    describePlaces();
}

// Enter (or Space while the ring shows) on a label picks it up, as a tap does; the arrows then
// move it through the boxes in reading order, its home among them; Enter or Space puts it down
// and the board takes it as a drop; Escape puts it back where it was.
bool LabellingBoard::boardKey(int i, int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter ||
                           (key == Qt::Key_Space && screens().keyboardInUse());
    if (m_carried != i) {
        if (!activates) return false;
        carry(i);
        return true;
    }
    switch (key) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            carryTo(+1);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Up:
            carryTo(-1);
            return true;
        case Qt::Key_Escape:
            putBack();
            return true;
        // The remote's steps would turn the page under a label held in mid-air.
        case Qt::Key_PageDown:
        case Qt::Key_PageUp:
            return true;
        default:
            break;
    }
    if (!activates) return false;
    m_carried = -1;
    drop(i);
    pick(-1);
    return true;
}

void LabellingBoard::carry(int i) {
    if (m_carried >= 0) putBack();
    Label& label = Label2[i];
    m_carriedFrom = {label.left(), label.top()};
    m_carried = i;
    pick(i);
    label.setDescription(QStringLiteral("picked up; the arrow keys move it, Enter puts it down"));
}

// The places in reading order, and the next one after (or before) where the label stands, round
// to the first; a label between places (on another label's home) starts from where it is.
void LabellingBoard::carryTo(int step) {
    Label& label = Label2[m_carried];
    std::vector<TwipRect> places = keyPlaces(m_carried);
    const TwipPoint here{label.left(), label.top()};
    const auto at = std::find_if(places.begin(), places.end(), [&](const TwipRect& place) {
        return place.left == here.left && place.top == here.top;
    });
    if (at == places.end()) places.push_back(label.rect());
    const std::size_t from =
        at == places.end() ? places.size() - 1 : std::size_t(at - places.begin());
    const std::vector<std::size_t> order = forms::readingOrder(places);
    const auto count = std::ssize(order);
    const std::ptrdiff_t stands = std::find(order.begin(), order.end(), from) - order.begin();
    std::ptrdiff_t next = (stands + step + count) % count;
    // The label's own spot between places is not one to stop at.
    if (at == places.end() && order[static_cast<size_t>(next)] == from)
        next = (next + step + count) % count;
    const TwipRect& place = places[order[static_cast<size_t>(next)]];
    label.move(place.left, place.top);
    label.setDescription(QStringLiteral("over ") + placeName({place.left, place.top}));
}

void LabellingBoard::putBack() {
    const int i = m_carried;
    if (i < 0) return;
    m_carried = -1;
    Label2[i].move(m_carriedFrom.left, m_carriedFrom.top);
    pick(-1);
    describePlaces();
}

// Every box, and the label's own home, once each.
std::vector<TwipRect> LabellingBoard::keyPlaces(int i) const {
    std::vector<TwipRect> places;
    places.reserve(static_cast<size_t>(m_count) + 1);
    const auto add = [&places](const TwipRect& place) {
        if (std::none_of(places.begin(), places.end(), [&](const TwipRect& p) {
                return p.left == place.left && p.top == place.top;
            }))
            places.push_back(place);
    };
    for (int k = 0; k < m_count; ++k) add(Label1[k].rect());
    add(Label4[i].rect());
    return places;
}

QString LabellingBoard::placeName(const TwipPoint& place) const {
    for (int k = 0; k < m_count; ++k)
        if (Label1[k].left() == place.left && Label1[k].top() == place.top)
            return m_boxNames[static_cast<size_t>(k)];
    return QStringLiteral("the labels' places");
}

QString LabellingBoard::boxName(int box) const {
    return m_boxNames.at(static_cast<size_t>(box));
}

namespace {

float centreDistance(const TwipRect& a, const TwipRect& b) {
    return std::hypot(a.left + a.width / 2 - b.left - b.width / 2,
                      a.top + a.height / 2 - b.top - b.height / 2);
}

}  // namespace

// From the design where it says; on a sorting board from the heading over the box's column;
// from a picture that is this box's own (the nearest to it, and it the nearest box to that
// picture); otherwise by its place in reading order.
void LabellingBoard::nameBoxes() {
    m_boxNames.assign(static_cast<size_t>(m_count), QString());
    std::vector<TwipRect> boxes;
    for (int k = 0; k < m_count; ++k) boxes.push_back(Label1[k].rect());
    // Each box's place in reading order, as paper numbers it.
    std::vector<int> rank(boxes.size());
    const std::vector<std::size_t> order = forms::readingOrder(boxes);
    for (std::size_t n = 0; n < order.size(); ++n) rank[order[n]] = static_cast<int>(n);
    for (int k = 0; k < m_count; ++k) {
        const TwipRect box = Label1[k].rect();
        QString& name = m_boxNames[static_cast<size_t>(k)];
        if (!m_design.boxNames.empty()) {
            name = QString::fromUtf8(m_design.boxNames[static_cast<size_t>(k)]);
            continue;
        }
        if (!m_design.groups.empty()) {
            const BoardText* heading = nullptr;
            for (const BoardText& text : m_design.texts) {
                const TwipRect& at = text.place;
                const float middle = box.left + box.width / 2;
                if (at.left <= middle && middle <= at.left + at.width && at.top < box.top &&
                    (!heading || at.top > heading->place.top))
                    heading = &text;
            }
            if (heading) {
                int row = 1;
                int rows = 0;
                for (int j = 0; j < m_count; ++j) {
                    if (!belongsOn(j, k)) continue;
                    ++rows;
                    if (rank[static_cast<size_t>(j)] < rank[static_cast<size_t>(k)]) ++row;
                }
                const QString column = QString::fromUtf8(heading->text);
                name = rows == 1 ? QStringLiteral("box under ") + column
                                 : column + QStringLiteral(", box %1").arg(row);
                continue;
            }
        }
        if (m_pictures) {
            const auto nearestPicture = [this](const TwipRect& rect) {
                int nearest = -1;
                for (int slot : m_pictures->indices())
                    if (nearest < 0 || centreDistance((*m_pictures)[slot].rect(), rect) <
                                           centreDistance((*m_pictures)[nearest].rect(), rect))
                        nearest = slot;
                return nearest;
            };
            // A picture shared by several boxes (a diagram with its parts) names none of them.
            const int slot = nearestPicture(box);
            int sharing = 0;
            for (int j = 0; j < m_count; ++j)
                if (nearestPicture(Label1[j].rect()) == slot) ++sharing;
            const QString described = pictures::Pictures::description(
                QString::fromLatin1(m_design.pictures[static_cast<size_t>(slot)].file));
            if (sharing == 1 && !described.isEmpty()) {
                const TwipRect& picture = (*m_pictures)[slot].rect();
                name = (picture.top + picture.height <= box.top ? QStringLiteral("box under ")
                                                                : QStringLiteral("box beside ")) +
                       described;
                continue;
            }
        }
        name = QStringLiteral("box %1").arg(rank[static_cast<size_t>(k)] + 1);
    }
}

// What a reader finds on each box and label: "box under pH 3, holds vinegar"; "vinegar, in box
// under pH 3". Only changed texts reach the reader.
void LabellingBoard::describePlaces() {
    if (std::ssize(m_boxNames) != m_count) return;
    for (int k = 0; k < m_count; ++k) {
        QStringList held;
        for (int j = 0; j < m_count; ++j)
            if (isAt(Label2[j], Label1[k])) held << Label2[j].caption();
        Label1[k].setDescription(
            m_boxNames[static_cast<size_t>(k)] +
            (held.isEmpty() ? QStringLiteral(", empty")
                            : QStringLiteral(", holds ") + held.join(QStringLiteral(" and "))));
    }
    for (int j = 0; j < m_count; ++j) {
        if (j == m_carried) continue;
        QString where = QStringLiteral("waiting to be placed");
        for (int k = 0; k < m_count; ++k)
            if (isAt(Label2[j], Label1[k]))
                where = QStringLiteral("in ") + m_boxNames[static_cast<size_t>(k)];
        Label2[j].setDescription(where);
    }
}

bool LabellingBoard::loadPictureToFit(PictureBox& box, const QString& designPath) {
    const Scale& scale = box.screen().scale();
    std::optional<QImage> picture = box.screen().pictures().load(designPath, scale.factor());
    if (!picture) return false;
    const QSize size = scale.toPixels(box.rect()).size();
    // A picture drawn for a box of its size fills it edge to edge as it is (at a factor, to
    // within the pixel that rounding the box's edges may add): nothing to fit.
    const bool madeForTheBox = pictures::designSize(*picture) == box.rect().toPixels().size();
    if (!madeForTheBox && picture->size() != size && !size.isEmpty()) {
        // Fitted in display pixels; the ratio goes back on once the fitting is done.
        picture->setDevicePixelRatio(1);
        QImage scaled = picture->scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (scaled.size() == size) {
            picture = std::move(scaled);
        } else {
            // Kept in proportion and centred; the margin left over is see-through.
            QImage fitted(size, QImage::Format_ARGB32_Premultiplied);
            fitted.fill(Qt::transparent);
            QPainter painter(&fitted);
            painter.drawImage((size.width() - scaled.width()) / 2,
                              (size.height() - scaled.height()) / 2, scaled);
            painter.end();
            picture = std::move(fitted);
        }
        picture->setDevicePixelRatio(scale.factor());
    }
    box.setPicture(*picture);
    box.setPicturePath(designPath);
    return true;
}

}  // namespace labelling
