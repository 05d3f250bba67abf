#include "forms/Screens.h"

#include <QCoreApplication>
#include <QTimer>

#include "forms/Screen.h"

namespace forms {

Screens::Screens(Platform& platform, Pictures& pictures)
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

void Screens::define(const QString& name, const Factory& factory) { m_factories.insert(name, factory); }

QStringList Screens::definedNames() const {
    QStringList names = m_factories.keys();
    names.sort();
    return names;
}

Screen& Screens::load(const QString& name) {
    if (Screen* screen = loaded(name)) return *screen;
    const auto factory = m_factories.constFind(name);
    Q_ASSERT_X(factory != m_factories.constEnd(), "Screens::load", qPrintable(name));
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

QStringList Screens::loadedNames() const {
    QStringList names;
    for (const auto& [name, screen] : m_loaded) names << name;
    return names;
}

Screen& Screens::show(const QString& name) {
    Screen& screen = load(name);
    if (!m_ended && isLoaded(name)) screen.show();
    return screen;
}

void Screens::unload(const QString& name) {
    auto it = m_loaded.find(name);
    if (it == m_loaded.end()) return;
    std::unique_ptr<Screen> screen = std::move(it->second);
    m_loaded.erase(it);
    screen->hide();
    // The caller is often one of the screen's own handlers: free it once the event is done.
    m_unloaded.push_back(std::move(screen));
    scheduleCollection();
    if (m_loaded.empty() && !m_ended) {
        m_ended = true;
        if (onProgramEnd) onProgramEnd();
    }
}

void Screens::endProgram() {
    if (m_ended) return;
    m_ended = true;
    for (auto& [name, screen] : m_loaded) {
        screen->hide();
        m_unloaded.push_back(std::move(screen));
    }
    m_loaded.clear();
    scheduleCollection();
    if (onProgramEnd) onProgramEnd();
}

void Screens::scheduleCollection() {
    if (m_collectionScheduled) return;
    m_collectionScheduled = true;
    QTimer::singleShot(0, &m_janitor, [this] { collectUnloaded(); });
}

void Screens::collectUnloaded() {
    m_collectionScheduled = false;
    m_unloaded.clear();
}

}  // namespace forms
