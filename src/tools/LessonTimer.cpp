#include "tools/LessonTimer.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <limits>

#include "forms/Font.h"
#include "forms/Platform.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "forms/Twips.h"
#include "forms/Control.h"
#include "shell/HouseStyle.h"
#include "tools/HouseMenu.h"

namespace tools {

using namespace forms;
using namespace shell;

namespace {

// Read from the back of the room: the house yellow on black, the end in a red that stands out.
const QColor kDigitsColour(TitleYellow);
const QColor kWarningColour(255, 70, 70);
const QColor kPausedColour(170, 170, 170);
const QColor kNoteColour(230, 230, 230);
const QColor kBackColour(TitleBlack);

const QString kTimesUp = QStringLiteral("Time's up!");
constexpr int kPadding = 4;
constexpr int kCloseBox = 22;
// Kept off the display's very edge.
constexpr int kDisplayMargin = 4;

// A gap between the window and a control it keeps clear of.
constexpr int kGap = 4;

int overlap(const QRect& place, const std::vector<QRect>& rects) {
    int covered = 0;
    for (const QRect& rect : rects) {
        const QRect common = rect & place;
        if (!common.isEmpty()) covered += common.width() * common.height();
    }
    return covered;
}

// The controls shown on a screen: its window's innermost shown widgets, so that a panel counts
// by what it holds.
void shownControls(const Screen& screen, std::vector<QRect>& shown, std::vector<QRect>& worked) {
    QWidget* window = screen.window();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window)) continue;
        const auto children = widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        if (std::any_of(children.begin(), children.end(),
                        [window](QWidget* child) { return child->isVisibleTo(window); }))
            continue;
        shown.emplace_back(widget->mapToGlobal(QPoint()), widget->size());
    }
    for (const Control* control : screen.focusChain())
        worked.emplace_back(control->widget()->mapToGlobal(QPoint()), control->widget()->size());
}

QString minutesText(int minutes) {
    return minutes == 1 ? QStringLiteral("1 minute") : QStringLiteral("%1 minutes").arg(minutes);
}

}  // namespace

class TimerWindow final : public QWidget {
  public:
    explicit TimerWindow(LessonTimer& timer)
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
          m_timer(timer) {
        setObjectName(QStringLiteral("lessontimer"));
        // Never takes the keyboard from the screen beneath, whose remote keys must keep working.
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
        layOut(Scale());
        m_designSize = size();
    }

    QSize designSize() const { return m_designSize; }

    // Everything, type and padding alike, grows with the screens in projector mode, so that the
    // countdown stays as easy to read beside them.
    void layOut(const Scale& scale) {
        m_scale = scale;
        const auto points = [&](float designPoints) {
            return tahoma(designPoints * static_cast<float>(scale.factor()), true).toQFont();
        };
        m_digits = points(48);
        m_end = points(32);
        m_note = points(10);
        m_padding = scale.pixels(kPadding);
        m_closeBox = scale.pixels(kCloseBox);
        m_frame = scale.pixels(3);
        const QFontMetrics digits(m_digits);
        const QFontMetrics end(m_end);
        const QFontMetrics note(m_note);
        const int text = std::max({digits.horizontalAdvance(QStringLiteral("10:00")),
                                   end.horizontalAdvance(kTimesUp),
                                   note.horizontalAdvance(noteFor(LessonTimer::State::Paused))});
        // Only the ink of the digits takes room: the font's line has space for accents above.
        m_digitsInk = digits.tightBoundingRect(QStringLiteral("0123456789:"));
        m_endInk = end.tightBoundingRect(kTimesUp);
        const int noteHeight = note.ascent() + note.descent();
        setFixedSize(text + 2 * (m_closeBox + m_padding),
                     m_padding + m_digitsInk.height() + m_padding + noteHeight + m_padding);
        m_noteArea = QRect(0, height() - m_padding - noteHeight, width(), noteHeight);
        update();
    }

    QRect closeBox() const {
        const int inset = m_scale.pixels(2);
        return {width() - m_closeBox - inset, inset, m_closeBox, m_closeBox};
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(rect(), kBackColour);
        const LessonTimer::State state = m_timer.state();
        const bool finished = state == LessonTimer::State::Finished;
        const QColor colour = finished || m_timer.isWarning()       ? kWarningColour
                              : state == LessonTimer::State::Paused ? kPausedColour
                                                                    : kDigitsColour;
        const double half = m_frame / 2.0;
        painter.setPen(QPen(colour, m_frame));
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));

        // Centred across on the text's advance, which is steady from second to second, and
        // down on the ink.
        const QString text = m_timer.text();
        const QFontMetrics metrics(finished ? m_end : m_digits);
        const QRect& ink = finished ? m_endInk : m_digitsInk;
        painter.setFont(finished ? m_end : m_digits);
        painter.drawText(QPoint((width() - metrics.horizontalAdvance(text)) / 2,
                                m_padding + (m_digitsInk.height() - ink.height()) / 2 - ink.top()),
                         text);

        painter.setFont(m_note);
        painter.setPen(kNoteColour);
        painter.drawText(m_noteArea, Qt::AlignCenter, noteFor(state));

        // The close box: a cross in a square, big enough for a pen.
        const int inset = m_scale.pixels(5);
        const QRectF box = QRectF(closeBox()).adjusted(inset, inset, -inset, -inset);
        painter.setPen(QPen(kNoteColour, m_scale.pixels(2)));
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    }

    void mousePressEvent(QMouseEvent* event) override { event->accept(); }

    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
            return;
        if (closeBox().contains(event->position().toPoint()) ||
            m_timer.state() == LessonTimer::State::Finished)
            m_timer.close();
        else
            m_timer.pauseOrResume();
    }

    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu* menu = houseMenu(this, m_timer.screensScale());
        const LessonTimer::State state = m_timer.state();
        if (state == LessonTimer::State::Running || state == LessonTimer::State::Paused) {
            QAction* pause =
                menu->addAction(state == LessonTimer::State::Running ? QStringLiteral("Pause")
                                                                     : QStringLiteral("Go on"));
            QObject::connect(pause, &QAction::triggered, menu, [this] { m_timer.pauseOrResume(); });
        }
        QAction* close = menu->addAction(QStringLiteral("Close timer"));
        QObject::connect(close, &QAction::triggered, menu, [this] { m_timer.close(); });
        menu->popup(event->globalPos());
    }

  private:
    static QString noteFor(LessonTimer::State state) {
        switch (state) {
            case LessonTimer::State::Paused:
                return QStringLiteral("Paused: tap to go on");
            case LessonTimer::State::Finished:
                return QStringLiteral("Tap to close");
            default:
                return QStringLiteral("Tap to pause");
        }
    }

    LessonTimer& m_timer;
    QSize m_designSize;
    Scale m_scale;
    int m_padding = kPadding;
    int m_closeBox = kCloseBox;
    int m_frame = 3;
    QFont m_digits;
    QFont m_end;
    QFont m_note;
    QRect m_digitsInk;
    QRect m_endInk;
    QRect m_noteArea;
};

LessonTimer::LessonTimer(Screens& screens) : m_screens(screens), m_ticker(screens.platform()) {
    m_ticker.setInterval(kTickMs);
    m_ticker.onTimer = [this] { tick(); };
}

LessonTimer::~LessonTimer() = default;

void LessonTimer::start(int minutes) {
    m_state = State::Running;
    m_endsAt = m_screens.platform().clockMs() + std::int64_t{minutes} * 60'000;
    m_ticker.setEnabled(true);
    show();
}

void LessonTimer::pauseOrResume() {
    const std::int64_t now = m_screens.platform().clockMs();
    if (m_state == State::Running) {
        m_leftWhenPaused = std::max<std::int64_t>(0, m_endsAt - now);
        m_state = State::Paused;
    } else if (m_state == State::Paused) {
        m_endsAt = now + m_leftWhenPaused;
        m_state = State::Running;
    }
    if (m_window) m_window->update();
}

void LessonTimer::close() {
    m_state = State::Off;
    m_ticker.setEnabled(false);
    if (m_window) m_window->hide();
}

std::int64_t LessonTimer::remainingMs() const {
    switch (m_state) {
        case State::Running:
            return std::max<std::int64_t>(0, m_endsAt - m_screens.platform().clockMs());
        case State::Paused:
            return m_leftWhenPaused;
        default:
            return 0;
    }
}

bool LessonTimer::isWarning() const {
    return (m_state == State::Running || m_state == State::Paused) && remainingMs() <= kWarningMs;
}

QString LessonTimer::text() const {
    if (m_state == State::Finished) return kTimesUp;
    // Whole seconds rounded up, so "5:00" shows for the whole first second and "0:00" never does
    // before the end.
    const std::int64_t seconds = (remainingMs() + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

const Scale& LessonTimer::screensScale() const {
    return m_screens.scale();
}

QWidget* LessonTimer::window() {
    // Made when first wanted: measuring its large digits costs the program's start a
    // millisecond, for a timer that most lessons never start.
    if (!m_window) {
        m_window = std::make_unique<TimerWindow>(*this);
        m_screens.platform().keepOnTop(m_window.get());
    }
    return m_window.get();
}

void LessonTimer::tick() {
    // Not a screen, so nothing else would take it away when the program ends.
    if (m_screens.hasEnded()) {
        close();
        return;
    }
    // F11 re-lays the screens; the countdown follows them at its next tick.
    if (!(m_laidOutFor == m_screens.scale())) {
        show();
        m_shown.clear();
    }
    keepPlace();
    if (m_state == State::Running && remainingMs() == 0) m_state = State::Finished;
    // Repainted when what it shows changes, once a second, not at every tick.
    const QString shown = text() + (isWarning() ? QLatin1Char('!') : QLatin1Char(' '));
    if (shown != m_shown && m_window) {
        const bool ended = m_shown.startsWith(kTimesUp) != shown.startsWith(kTimesUp) &&
                           m_state == State::Finished;
        m_shown = shown;
        m_window->update();
        m_window->setAccessibleName(QStringLiteral("Lesson timer: ") + text());
        // The end is read out, not left to be found.
        if (ended && QAccessible::isActive()) {
            QAccessibleEvent alert(m_window.get(), QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        }
        // Where no window manager keeps it above, a screen shown since would cover it.
        m_window->raise();
    }
}

void LessonTimer::show() {
    QWidget* shown = window();
    const QSizeF displayTwips = m_screens.platform().displaySize();
    const QSize display(toPixels(static_cast<float>(displayTwips.width())),
                        toPixels(static_cast<float>(displayTwips.height())));
    m_laidOutFor = m_screens.scale();
    m_window->layOut(timerScale(display, m_window->designSize(), m_laidOutFor));
    m_placedAmong = keepClear();
    shown->move(placeOnDisplay(display, shown->size(), m_placedAmong));
    shown->update();
    shown->show();
}

void LessonTimer::keepPlace() {
    if (!m_window || !m_window->isVisible()) return;
    KeepClear now = keepClear();
    if (now == m_placedAmong) return;
    m_placedAmong = std::move(now);
    const QSizeF displayTwips = m_screens.platform().displaySize();
    const QSize display(toPixels(static_cast<float>(displayTwips.width())),
                        toPixels(static_cast<float>(displayTwips.height())));
    m_window->move(placeOnDisplay(display, m_window->size(), m_placedAmong));
}

void LessonTimer::addMenu(QMenu& menu) {
    QMenu* durations = menu.addMenu(QStringLiteral("Timer"));
    for (int minutes : kMinutes) {
        QAction* choice = durations->addAction(minutesText(minutes));
        QObject::connect(choice, &QAction::triggered, durations,
                         [this, minutes] { start(minutes); });
    }
}

void LessonTimer::offerChoices(QWidget* over, QPoint globalPx) {
    QMenu* menu = houseMenu(over, m_screens.scale());
    menu->setObjectName(QStringLiteral("timerchoices"));
    for (int minutes : kMinutes) {
        QAction* choice = menu->addAction(QStringLiteral("Timer: ") + minutesText(minutes));
        QObject::connect(choice, &QAction::triggered, menu, [this, minutes] { start(minutes); });
    }
    // Centred on the point, which is the middle of the screen the key was pressed on.
    const QSize size = menu->sizeHint();
    menu->popup(globalPx - QPoint(size.width() / 2, size.height() / 2));
}

Scale LessonTimer::timerScale(QSize display, QSize designSize, const Scale& screens) {
    const int margin = (display.width() - screens.toPixels(FrameWidth)) / 2 - kDisplayMargin;
    const double fits = static_cast<double>(margin) / std::max(1, designSize.width());
    return Scale(std::clamp(fits, Scale::kDesignSize, screens.factor()));
}

LessonTimer::KeepClear LessonTimer::keepClear() const {
    // The screen in front where one is known; else every screen on view.
    std::vector<const Screen*> beneath;
    if (const Screen* active = m_screens.holding(QApplication::activeWindow());
        active && active->isVisible())
        beneath.push_back(active);
    else
        for (const QString& name : m_screens.loadedNames())
            if (const Screen* screen = m_screens.loaded(name); screen && screen->isVisible())
                beneath.push_back(screen);
    KeepClear clear;
    for (const Screen* screen : beneath) {
        clear[0].push_back(screen->window()->frameGeometry());
        shownControls(*screen, clear[1], clear[2]);
    }
    return clear;
}

QPoint LessonTimer::placeOnDisplay(QSize display, QSize window, const KeepClear& clear) {
    const int left = kDisplayMargin;
    const int right = std::max(left, display.width() - window.width() - kDisplayMargin);
    const int top = kDisplayMargin;
    const int bottom = std::max(top, display.height() - window.height() - kDisplayMargin);
    const QPoint corners[] = {{right, top}, {left, top}, {right, bottom}, {left, bottom}};
    // Where there is a free place at all, there is one against the display's edges or against
    // the things kept clear of, across and down alike.
    std::vector<int> xs{left, right};
    std::vector<int> ys{top, bottom};
    for (const std::vector<QRect>& rects : clear) {
        for (const QRect& rect : rects) {
            xs.push_back(std::clamp(rect.right() + 1 + kGap, left, right));
            xs.push_back(std::clamp(rect.left() - kGap - window.width(), left, right));
            ys.push_back(std::clamp(rect.bottom() + 1 + kGap, top, bottom));
            ys.push_back(std::clamp(rect.top() - kGap - window.height(), top, bottom));
        }
    }
    for (std::vector<int>* edges : {&xs, &ys}) {
        std::sort(edges->begin(), edges->end());
        edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
    }
    // Nearest a corner, the corners in their order at equal distances.
    const auto distance = [&corners](QPoint at) {
        long best = std::numeric_limits<long>::max();
        for (int k = 0; k < 4; ++k)
            best = std::min(best, 4L * (at - corners[k]).manhattanLength() + k);
        return best;
    };
    const auto nearest = [&](const std::function<int(const QRect&)>& covered) {
        QPoint best = corners[0];
        std::pair<int, long> bestScore{std::numeric_limits<int>::max(), 0};
        for (int y : ys) {
            for (int x : xs) {
                const QPoint at(x, y);
                const std::pair<int, long> score{covered(QRect(at, window)), distance(at)};
                if (score < bestScore) {
                    bestScore = score;
                    best = at;
                }
            }
        }
        return std::pair{best, bestScore.first};
    };
    const QSize withGap = window + QSize(2 * kGap, 2 * kGap);
    for (const std::vector<QRect>& rects : clear) {
        const auto [at, covered] = nearest([&](const QRect& place) {
            const QRect gapped(place.topLeft() - QPoint(kGap, kGap), withGap);
            return std::any_of(rects.begin(), rects.end(),
                               [&](const QRect& rect) { return rect.intersects(gapped); })
                       ? 1
                       : 0;
        });
        if (covered == 0) return at;
    }
    return nearest([&](const QRect& place) { return overlap(place, clear.back()); }).first;
}

}  // namespace tools
