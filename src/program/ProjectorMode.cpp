#include "program/ProjectorMode.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "forms/Platform.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "shell/HouseStyle.h"

namespace program {

ProjectorMode::ProjectorMode(forms::Screens& screens, const Options& options)
    : m_screens(screens), m_options(options) {
    setOn(options.size != Options::Size::Design);
    qApp->installEventFilter(this);
}

ProjectorMode::~ProjectorMode() {
    qApp->removeEventFilter(this);
}

double ProjectorMode::projectorFactor() const {
    if (m_options.size == Options::Size::Fixed) return m_options.factor;
    return forms::factorToFit(m_screens.platform().displaySize(),
                              QSizeF(shell::FrameWidth, shell::FrameHeight));
}

void ProjectorMode::setOn(bool on) {
    m_on = on;
    m_screens.setScale(forms::Scale(on ? projectorFactor() : forms::Scale::kDesignSize));
}

bool ProjectorMode::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() != Qt::Key_F11 || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // Only over the program's own screens, once however far the key travels up the widgets.
    if (!m_screens.holding(watched)) return false;
    if (!key.isAutoRepeat()) toggle();
    return true;
}

}  // namespace program
