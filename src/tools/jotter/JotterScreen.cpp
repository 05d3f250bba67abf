#include "tools/jotter/JotterScreen.h"

#include <QMenu>

#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/Platform.h"
#include "forms/Screens.h"
#include "shell/ActivityScreen.h"
#include "shell/HouseStyle.h"
#include "shell/RemoteKeys.h"
#include "shell/ScreenNames.h"
#include "tools/jotter/Palette.h"

namespace jotter {

using namespace forms;

namespace {

constexpr Colour kSurfaceColour = shell::ScreenBlue;
constexpr Colour kExitColour = rgb(255, 224, 192);
constexpr Colour kWriteColour = rgb(255, 255, 192);
constexpr Colour kEraseColour = rgb(192, 192, 0);
constexpr Colour kClearColour = rgb(255, 192, 128);
constexpr Colour kFlipColour = rgb(128, 128, 255);

constexpr float kWideWidth = 10000;
constexpr float kWideHeight = 4140;
constexpr float kTallWidth = 4000;
constexpr float kTallHeight = 12000;
// Room left between the tall strip and the window's right edge.
constexpr float kTallStripMargin = 80;

// Palette squares: the wide row steps across, the tall strip stacks two columns.
constexpr float kWideStep = 305;
constexpr float kTallGap = 50;
constexpr float kTallColumnStep = 400;

// The surface is the window's client area as drawn, which a small display may have shortened.
QSize clientPixels(const Screen& screen) {
    return screen.window()->size();
}

CommandButton& addButton(Screen& screen, const char* name, const TwipRect& rect, Panel& strip) {
    return screen.add<CommandButton>(QString::fromLatin1(name), rect, &strip);
}

void styleButton(CommandButton& button, const char* caption, Colour face) {
    button.setCaption(QString::fromLatin1(caption));
    button.setBackColour(face);
    button.setFont(tahoma(12));
}

}  // namespace

JotterScreen::JotterScreen(Screens& screens)
    : Screen(screens, QString::fromLatin1(shell::kJotterScreen)),
      Frame_landscape(add<Panel>(QStringLiteral("Frame_landscape"), {0, 2910, 9920, 750})),
      Command1(addButton(*this, "Command1", {60, 180, 930, 480}, Frame_landscape)),
      Command2(addButton(*this, "Command2", {1120, 180, 930, 480}, Frame_landscape)),
      Command5(addButton(*this, "Command5", {2180, 180, 930, 480}, Frame_landscape)),
      Command6(addButton(*this, "Command6", {3240, 180, 930, 480}, Frame_landscape)),
      Command3(addButton(*this, "Command3", {4305, 180, 585, 480}, Frame_landscape)),
      Label1(addArray<Label>(QStringLiteral("Label1"))),
      Frame_portrait(add<Panel>(QStringLiteral("Frame_portrait"), {3165, 0, 1035, 5250})),
      Command9(addButton(*this, "Command9", {60, 180, 930, 480}, Frame_portrait)),
      Command10(addButton(*this, "Command10", {60, 705, 930, 480}, Frame_portrait)),
      Command8(addButton(*this, "Command8", {60, 1230, 930, 480}, Frame_portrait)),
      Command7(addButton(*this, "Command7", {60, 1755, 930, 480}, Frame_portrait)),
      Command4(addButton(*this, "Command4", {60, 2280, 930, 480}, Frame_portrait)),
      Label11(addArray<Label>(QStringLiteral("Label11"))),
      m_surface({1, 1}, kSurfaceColour),
      m_pen(kSurfaceColour) {
    setCaption(QStringLiteral("Jotter"));
    setClientSize(9915, 3660);
    // A fixed dialog border: no resizing and no minimise button.
    window()->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    // Centred across the display and at its top, where the tall layout has the most room; and
    // whole on the display, which may be shorter than the tall layout.
    const QSizeF display = displaySize();
    setLeft(static_cast<float>(display.width()) / 2 - width() / 2);
    setTop(0);
    setKeptOnDisplay(true);

    styleButton(Command1, "Exit", kExitColour);
    styleButton(Command2, "Write", kWriteColour);
    styleButton(Command5, "Erase", kEraseColour);
    styleButton(Command6, "Clear", kClearColour);
    styleButton(Command3, "Flip", kFlipColour);
    styleButton(Command9, "Exit", kExitColour);
    styleButton(Command10, "Write", kWriteColour);
    styleButton(Command8, "Erase", kEraseColour);
    styleButton(Command7, "Clear", kClearColour);
    styleButton(Command4, "Flip", kFlipColour);

    // Squares 1 to 15 exist in the design; load lays them out from square 0.
    const TwipRect wideSquare{5010, 285, 240, 240};
    const TwipRect tallSquare{180, 2820, 240, 240};
    for (std::size_t i = 0; i < kPalette.size(); ++i) {
        const int index = static_cast<int>(i);
        const QString colour = QStringLiteral("pen colour: ") + QLatin1String(kPaletteNames[i]);
        Label1.add(index, wideSquare, &Frame_landscape).setOpaque(true);
        Label11.add(index, tallSquare, &Frame_portrait).setOpaque(true);
        Label1[index].setDescription(colour);
        Label11[index].setDescription(colour);
    }
    Frame_portrait.setVisible(false);

    onMouseDown = [this](const MouseEvent& e) { surfaceMouseDown(e); };
    onMouseMove = [this](const MouseEvent& e) { surfaceMouseMove(e); };
    onMouseUp = [this](const MouseEvent&) { endStroke(); };
    onKey = [this](int key, Qt::KeyboardModifiers modifiers) { return keyPressed(key, modifiers); };
    Command1.onClick = [this] { this->screens().unload(name()); };
    Command9.onClick = [this] { this->screens().unload(name()); };
    Command2.onClick = [this] { write(); };
    Command10.onClick = [this] { write(); };
    Command5.onClick = [this] { erase(); };
    Command8.onClick = [this] { erase(); };
    Command6.onClick = [this] { clear(); };
    Command7.onClick = [this] { clear(); };
    Command3.onClick = [this] { flipToTall(); };
    Command4.onClick = [this] { flipToWide(); };
    Label1.onClick = [this](int index) { chooseSquare(Label1[index]); };
    Label11.onClick = [this](int index) { chooseSquare(Label11[index]); };
}

void JotterScreen::load() {
    // The pen was made fresh with the screen: width 3, light yellow, light yellow saved.
    setBackColour(kSurfaceColour);
    m_surface.setBackground(kSurfaceColour);
    m_surface.rescale(scale().factor(), clientPixels(*this));
    m_surface.resize(clientPixels(*this));
    Frame_portrait.setBackColour(kSurfaceColour);
    Frame_landscape.setBackColour(kSurfaceColour);

    platform().keepOnTop(window());

    for (std::size_t i = 0; i < kPalette.size(); ++i) {
        Label1[static_cast<int>(i)].setBackColour(kPalette[i]);
        Label11[static_cast<int>(i)].setBackColour(kPalette[i]);
    }

    const Label& wide0 = Label1[0];
    for (int i = 1; i <= 15; ++i) {
        Label1[i].setRect(
            {Label1[i - 1].left() + kWideStep, wide0.top(), wide0.width(), wide0.height()});
    }

    const Label& tall0 = Label11[0];
    for (int i = 1; i <= 7; ++i) {
        Label11[i].setRect({tall0.left(), Label11[i - 1].top() + tall0.height() + kTallGap,
                            tall0.width(), tall0.height()});
    }
    for (int i = 8; i <= 15; ++i) {
        Label11[i].setRect({Label11[i - 8].left() + kTallColumnStep, Label11[i - 8].top(),
                            tall0.width(), tall0.height()});
    }
    m_history.start(m_surface.image(), static_cast<int>(m_layout), m_surface.factor());
}

void JotterScreen::paintBackground(QPainter& painter, const QRect& dirty) {
    m_surface.paint(painter, dirty);
}

void JotterScreen::scaleChanged() {
    // Back at the top, where it was placed; what was drawn stays, at the new size.
    setTop(0);
    m_surface.rescale(scale().factor(), clientPixels(*this));
    updateArea(QRect(QPoint(0, 0), clientPixels(*this)));
}

void JotterScreen::surfaceMouseDown(const MouseEvent& event) {
    endStroke();
    m_surface.moveTo({event.x, event.y});
}

void JotterScreen::surfaceMouseMove(const MouseEvent& event) {
    // The left button alone draws; any other button, or none, leaves the surface alone.
    if (event.button != kLeftButton) return;
    updateArea(m_surface.lineTo({event.x, event.y}, m_pen.colour(), m_pen.width()));
    m_strokeDrawn = true;
}

void JotterScreen::endStroke() {
    if (!m_strokeDrawn) return;
    m_strokeDrawn = false;
    record();
}

void JotterScreen::record() {
    m_history.record(m_surface.image(), static_cast<int>(m_layout), m_surface.factor());
}

void JotterScreen::undo() {
    endStroke();
    if (auto state = m_history.undo()) restore(*state);
}

void JotterScreen::redo() {
    endStroke();
    if (auto state = m_history.redo()) restore(*state);
}

// Back to a drawing as it was, in the layout it was drawn in; the pen is left as it is.
void JotterScreen::restore(const DrawingHistory::State& state) {
    const auto layout = static_cast<Layout>(state.layout);
    if (layout != m_layout) showLayout(layout);
    // Drawn before F11 changed the factor, it comes back at the present one.
    m_surface.setImage(state.image, state.factor);
    m_surface.rescale(scale().factor(), clientPixels(*this));
    updateArea(QRect(QPoint(0, 0), clientPixels(*this)));
}

bool JotterScreen::keyPressed(int key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (key == Qt::Key_Z && held == Qt::ControlModifier) {
        undo();
        return true;
    }
    if ((key == Qt::Key_Y && held == Qt::ControlModifier) ||
        (key == Qt::Key_Z && held == (Qt::ControlModifier | Qt::ShiftModifier))) {
        redo();
        return true;
    }
    // The remote's forward and back mean nothing here: they go on to the activity beneath, so
    // that the teacher need not put the remote down to click it. Escape stays the Jotter's.
    const shell::RemoteStep step = shell::remoteStep(key, modifiers);
    if (step != shell::RemoteStep::Forward && step != shell::RemoteStep::Back) return false;
    for (const QString& other : screens().loadedNames()) {
        Screen* beneath = screens().loaded(other);
        if (beneath != this && beneath->isVisible() &&
            dynamic_cast<shell::ActivityScreen*>(beneath) && beneath->onKey)
            return beneath->onKey(key, modifiers);
    }
    return false;
}

bool JotterScreen::offersMenuAt(QPoint clientPx, bool held) const {
    const Control* control = controlAt(clientPx);
    const Panel* strip = Frame_landscape.isVisible() ? &Frame_landscape : &Frame_portrait;
    if (control == strip) return true;
    // On the strip's buttons and squares the right button means nothing, but a held press there
    // ends in a click.
    return !held && control && &control->container() == strip;
}

void JotterScreen::addMenuEntries(QMenu& menu) {
    QAction* undoing = menu.addAction(QStringLiteral("Undo\tCtrl+Z"));
    undoing->setEnabled(m_history.undoSteps() > 0 || m_strokeDrawn);
    QObject::connect(undoing, &QAction::triggered, &menu, [this] { undo(); });
    QAction* redoing = menu.addAction(QStringLiteral("Redo\tCtrl+Y"));
    redoing->setEnabled(m_history.redoSteps() > 0 && !m_strokeDrawn);
    QObject::connect(redoing, &QAction::triggered, &menu, [this] { redo(); });
}

void JotterScreen::write() {
    m_pen.write();
}

void JotterScreen::erase() {
    m_pen.erase();
}

void JotterScreen::clear() {
    endStroke();
    wipe();
    m_surface.setBackground(kSurfaceColour);
    m_pen.clear();
    record();
}

void JotterScreen::chooseSquare(const Label& square) {
    m_pen.choose(square.look().back);
}

void JotterScreen::flipToTall() {
    endStroke();
    showLayout(Layout::Tall);
    wipe();
    record();
}

void JotterScreen::flipToWide() {
    endStroke();
    showLayout(Layout::Wide);
    wipe();
    record();
}

// The window's size and its tool strip; the drawing is the caller's.
void JotterScreen::showLayout(Layout layout) {
    m_layout = layout;
    if (layout == Layout::Tall) {
        setWidth(kTallWidth);
        setHeight(kTallHeight);
        Frame_portrait.setLeft(width() - Frame_portrait.width() - kTallStripMargin);
        Frame_landscape.setVisible(false);
        Frame_portrait.setVisible(true);
    } else {
        setWidth(kWideWidth);
        setHeight(kWideHeight);
        Frame_landscape.setVisible(true);
        Frame_portrait.setVisible(false);
    }
}

// Everything drawn goes, at the window's present size, and lines start again from the corner.
void JotterScreen::wipe() {
    m_surface.resize(clientPixels(*this));
    updateArea(QRect(QPoint(0, 0), clientPixels(*this)));
}

}  // namespace jotter
