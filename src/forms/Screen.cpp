#include "forms/Screen.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "forms/Platform.h"
#include "forms/ReadingOrder.h"
#include "forms/ScreenWindow.h"
#include "forms/Screens.h"
#include "pictures/Pictures.h"

namespace forms {

Screen::Screen(Screens& screens, QString name)
    : m_screens(screens), m_name(std::move(name)), m_window(std::make_unique<ScreenWindow>(*this)) {
    m_window->setObjectName(m_name);
    setClientSize(4800, 3600);
}

Screen::~Screen() {
    // Controls go first (they hold widgets inside the window), arrays after them.
    while (!m_controls.empty()) m_controls.pop_back();
    m_arrayStore.clear();
}

Platform& Screen::platform() const {
    return m_screens.platform();
}
pictures::Pictures& Screen::pictures() const {
    return m_screens.pictures();
}
const Scale& Screen::scale() const {
    return m_screens.scale();
}

QSizeF Screen::displaySize() const {
    return platform().displaySize() / scale().factor();
}

QWidget* Screen::window() const {
    return m_window.get();
}
QWidget* Screen::surface() const {
    return m_window.get();
}

QString Screen::caption() const {
    return m_window->windowTitle();
}
void Screen::setCaption(const QString& caption) {
    m_window->setWindowTitle(caption);
}

void Screen::setBackColour(Colour colour) {
    m_back = colour;
    m_window->update();
}

void Screen::setPicture(const QImage& picture) {
    m_picture = picture;
    m_window->update();
}

bool Screen::loadPicture(const QString& designPath) {
    std::optional<QImage> picture = pictures().load(designPath, scale().factor());
    if (!picture) return false;
    setPicture(*picture);
    return true;
}

void Screen::clearIcon() {
    // A fully transparent icon: the window shows no program icon of its own. One for every
    // window, as the window system's copy of an icon is cached by the icon: a new one for each
    // window opened would grow that cache all lesson long. Kept until the program ends.
    static const QIcon* const blank = [] {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        return new QIcon(pixmap);
    }();
    m_window->setWindowIcon(*blank);
    m_hasIcon = false;
}

void Screen::setIcon(const QIcon& icon) {
    m_window->setWindowIcon(icon);
    m_hasIcon = true;
}

void Screen::setLeft(float left) {
    m_outer.left = left;
    applyWindowGeometry();
}
void Screen::setTop(float top) {
    m_outer.top = top;
    applyWindowGeometry();
}
void Screen::setWidth(float width) {
    m_outer.width = width;
    applyWindowGeometry();
}
void Screen::setHeight(float height) {
    m_outer.height = height;
    applyWindowGeometry();
}
void Screen::setClientSize(float width, float height) {
    m_outer.width = width + kDecorationWidth;
    m_outer.height = height + kDecorationHeight;
    applyWindowGeometry();
}

void Screen::setKeptOnDisplay(bool kept) {
    m_keptOnDisplay = kept;
    applyWindowGeometry();
}

void Screen::applyWindowGeometry() {
    const Scale& s = scale();
    m_laidAt = s;
    QSize client(std::max(1, s.toPixels(clientWidth())), std::max(1, s.toPixels(clientHeight())));
    const QPoint at(s.toPixels(m_outer.left), s.toPixels(m_outer.top));
    if (m_keptOnDisplay) {
        const QSizeF twips = platform().displaySize();
        const QRect display(0, 0, toPixels(static_cast<float>(twips.width())),
                            toPixels(static_cast<float>(twips.height())));
        if (!s.isDesignSize()) {
            client.setHeight(
                std::clamp(display.height() - s.toPixels(kDecorationHeight), 1, client.height()));
        }
        // Where the client area falls below a title bar and inside a border of the allowance.
        const int side = s.toPixels(kDecorationWidth / 2);
        QRect placed(at + QPoint(side, s.toPixels(kDecorationHeight - kDecorationWidth / 2)),
                     client);
        if (!display.contains(placed)) {
            // A display too small for the whole client area keeps its top-left corner.
            if (placed.right() > display.right()) placed.moveRight(display.right());
            if (placed.bottom() > display.bottom()) placed.moveBottom(display.bottom());
            if (placed.left() < 0) placed.moveLeft(0);
            if (placed.top() < 0) placed.moveTop(0);
            m_window->setFixedSize(client);
            m_window->setGeometry(placed);
            return;
        }
    }
    m_window->setFixedSize(client);
    m_window->move(at);
}

void Screen::rescale() {
    // A screen keeps its place against the middle of the display, so that a centred screen
    // stays centred at its new size.
    const QSizeF before = platform().displaySize() / m_laidAt.factor();
    const QSizeF after = displaySize();
    m_outer.left += static_cast<float>((after.width() - before.width()) / 2);
    m_outer.top += static_cast<float>((after.height() - before.height()) / 2);
    applyWindowGeometry();
    m_picture = pictures().rechoose(m_picture, scale().factor());
    for (const auto& control : m_controls) control->rescale();
    scaleChanged();
    m_window->update();
}

void Screen::show() {
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void Screen::hide() {
    if (!m_window->isVisible()) return;
    m_window->hide();
    m_screens.leftView();
}
bool Screen::isVisible() const {
    return m_window->isVisible();
}

bool Screen::hidesAllOf(const Screen& other) const {
    return isVisible() && other.isVisible() &&
           m_window->frameGeometry().contains(other.m_window->frameGeometry());
}

void Screen::letSurfaceGo() {
    m_window->letSurfaceGo();
}

void Screen::drawAfresh() {
    m_window->drawAfresh();
}

bool Screen::hasLetSurfaceGo() const {
    return m_window->hasLetSurfaceGo();
}

Control* Screen::findControl(const QString& name) const {
    return m_singles.value(name, nullptr);
}
ControlArrayBase* Screen::findArray(const QString& name) const {
    return m_arrays.value(name, nullptr);
}

Control* Screen::controlAt(const QPoint& clientPx) const {
    for (QWidget* hit = m_window->childAt(clientPx); hit && hit != m_window.get();
         hit = hit->parentWidget()) {
        for (const auto& control : m_controls)
            if (control->widget() == hit) return control.get();
    }
    return nullptr;
}

std::vector<Control*> Screen::focusChain() const {
    std::vector<Control*> controls;
    std::vector<TwipRect> places;
    QWidget* client = window();
    for (const std::unique_ptr<Control>& control : m_controls) {
        QWidget* widget = control->widget();
        if (!widget || !widget->isVisibleTo(client) || !control->takesKeyboard()) continue;
        const QPoint at = widget->mapTo(client, QPoint());
        controls.push_back(control.get());
        places.push_back({toTwips(at.x()), toTwips(at.y()), toTwips(widget->width()),
                          toTwips(widget->height())});
    }
    std::vector<Control*> chain;
    chain.reserve(controls.size());
    // The house buttons last, each part in reading order.
    for (const bool last : {false, true})
        for (const std::size_t i : readingOrder(places))
            if (controls[i]->isLastInTabOrder() == last) chain.push_back(controls[i]);
    return chain;
}

bool Screen::moveFocus(bool forward) {
    const std::vector<Control*> chain = focusChain();
    if (chain.empty()) return false;
    const QWidget* focused = window()->focusWidget();
    auto at = std::find_if(chain.begin(), chain.end(),
                           [focused](const Control* c) { return c->widget() == focused; });
    const auto count = static_cast<std::ptrdiff_t>(chain.size());
    std::ptrdiff_t next = 0;
    if (at != chain.end()) {
        // Told here as well as by the focus event, which a window not active never sends.
        if ((*at)->onFocusLost) (*at)->onFocusLost();
        const std::ptrdiff_t here = at - chain.begin();
        next = (here + (forward ? 1 : count - 1)) % count;
    } else if (!forward) {
        next = count - 1;
    }
    screens().setKeyboardInUse(true);
    chain[static_cast<size_t>(next)]->widget()->setFocus(forward ? Qt::TabFocusReason
                                                                 : Qt::BacktabFocusReason);
    return true;
}

void Screen::updateArea(const QRect& area) {
    m_window->update(area);
}

void Screen::paintBackground(QPainter& painter, const QRect& dirty) {
    // An opaque picture made for the scale that covers the area paints all of it: the colour
    // beneath would be a second pass over a whole projector-sized window.
    const bool covered = !m_picture.isNull() && !m_picture.hasAlphaChannel() &&
                         std::abs(m_picture.devicePixelRatio() - scale().factor()) < 1e-6 &&
                         m_picture.rect().contains(dirty);
    if (!covered) painter.fillRect(dirty, QColor(m_back));
    drawPictureArea(painter, dirty, m_picture, scale());
}

}  // namespace forms
