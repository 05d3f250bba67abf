#include "forms/Screens.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <stdexcept>

#include "forms/Screen.h"
#include "pictures/Pictures.h"

namespace forms {

Screens::Screens(Platform& platform, pictures::Pictures& pictures)
    : m_platform(platform), m_pictures(pictures) {
    onProgramEnd = [] { QCoreApplication::exit(0); };
}

Screens::~Screens() {
    m_loaded.clear();
    m_unloaded.clear();
}

void Screens::setScale(const Scale& scale) {
    if (scale == m_scale) return;
    m_scale = scale;
    for (auto& [name, screen] : m_loaded) screen->rescale();
}

void Screens::define(const QString& name, const Factory& factory) {
    m_factories.insert(name, factory);
}

QStringList Screens::definedNames() const {
    QStringList names = m_factories.keys();
    names.sort();
    return names;
}

Screen& Screens::load(const QString& name) {
    if (Screen* screen = loaded(name)) return *screen;
    const auto factory = m_factories.constFind(name);
    // A name nobody defined is a fault in the program, never in a lesson: it must not pass
    // unnoticed in a release build.
    if (factory == m_factories.constEnd())
        throw std::logic_error("no screen is defined as \"" + name.toStdString() + '"');
    std::unique_ptr<Screen> created = (*factory)(*this);
    Screen& screen = *created;
    // Registered before its load handler runs, so that the handler may refer to it.
    m_loaded[name] = std::move(created);
    m_loadCounts[name] += 1;
    screen.load();
    if (onLoaded && isLoaded(name)) onLoaded(screen);
    return screen;
}

Screen* Screens::loaded(const QString& name) const {
    auto it = m_loaded.find(name);
    return it == m_loaded.end() ? nullptr : it->second.get();
}

Screen* Screens::holding(const QObject* object) const {
    if (!object || !object->isWidgetType()) return nullptr;
    const QWidget* window = static_cast<const QWidget*>(object)->window();
    for (const auto& [name, screen] : m_loaded)
        if (screen->window() == window) return screen.get();
    return nullptr;
}

QStringList Screens::loadedNames() const {
    QStringList names;
    for (const auto& [name, screen] : m_loaded) names << name;
    return names;
}

Screen& Screens::show(const QString& name) {
    Screen& screen = load(name);
    if (!m_ended && isLoaded(name)) {
        screen.show();
        screen.drawAfresh();
        // A screen opened from a menu usually hides all of it, whose surface is then megabytes
        // in projector mode that nobody sees.
        for (auto& entry : m_loaded) {
            Screen& below = *entry.second;
            if (&below != &screen && screen.hidesAllOf(below)) below.letSurfaceGo();
        }
    }
    return screen;
}

void Screens::unload(const QString& name) {
    auto it = m_loaded.find(name);
    if (it == m_loaded.end()) return;
    // The caller is often one of the screen's own handlers: free it once the event is done.
    m_unloaded.push_back(std::move(it->second));
    m_loaded.erase(it);
    scheduleCollection();
    // Gone before a screen it uncovers makes its own surface anew, not on the next turn.
    m_unloaded.back()->letSurfaceGo();
    // Going from view may end the program; with nothing loaded it ends all the same.
    m_unloaded.back()->hide();
    if (m_loaded.empty()) endProgram();
}

bool Screens::anyOnView() const {
    for (const auto& [name, screen] : m_loaded)
        if (screen->isVisible()) return true;
    return false;
}

void Screens::leftView() {
    for (auto& entry : m_loaded) {
        Screen& below = *entry.second;
        if (!below.isVisible() || !below.hasLetSurfaceGo()) continue;
        const bool hidden = std::any_of(m_loaded.begin(), m_loaded.end(), [&](const auto& above) {
            return above.second.get() != &below && above.second->hidesAllOf(below);
        });
        if (!hidden) below.drawAfresh();
    }
    // Hidden screens could never be brought back with nothing on view to work. A move between
    // screens shows the next one before the last goes, so it never passes through here empty.
    if (!m_ended && !anyOnView()) endProgram();
}

void Screens::endProgram() {
    if (m_ended) return;
    m_ended = true;
    for (auto& [name, screen] : m_loaded) m_unloaded.push_back(std::move(screen));
    m_loaded.clear();
    for (const auto& screen : m_unloaded) screen->hide();
    scheduleCollection();
    if (onProgramEnd) onProgramEnd();
}

void Screens::scheduleCollection() {
    if (m_collectionScheduled) return;
    m_collectionScheduled = true;
    QTimer::singleShot(0, &m_janitor, [this] { collectUnloaded(); });
}

void Screens::setKeyboardInUse(bool inUse) {
    if (m_keyboardInUse == inUse) return;
    m_keyboardInUse = inUse;
    // The ring comes or goes on whichever control holds the focus.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (QWidget* focused = window->focusWidget()) focused->update();
}

void Screens::collectUnloaded() {
    m_collectionScheduled = false;
    m_unloaded.clear();
    // A projector's picture left idle is megabytes: gone before the next screen reads its own.
    m_pictures.trimIdle();
}

}  // namespace forms
