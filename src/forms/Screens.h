// The screen registry: load on first reference, show, unload, and the end of the program.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "forms/Scale.h"

namespace pictures {
class Pictures;
}

namespace forms {

class Platform;
class Screen;

class Screens {
  public:
    using Factory = std::function<std::unique_ptr<Screen>(Screens&)>;

    Screens(Platform& platform, pictures::Pictures& pictures);
    ~Screens();
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    Platform& platform() const { return m_platform; }
    pictures::Pictures& pictures() const { return m_pictures; }

    // How large every screen is drawn. A new scale re-lays every loaded screen at once.
    const Scale& scale() const { return m_scale; }
    void setScale(const Scale& scale);

    void define(const QString& name, const Factory& factory);
    bool isDefined(const QString& name) const { return m_factories.contains(name); }
    // Every defined screen, in alphabetical order.
    QStringList definedNames() const;

    // A reference: the screen is created and its load handler run when it is not loaded.
    // Throws std::logic_error for a name that was never defined.
    Screen& load(const QString& name);
    template <class T>
    T& load(const QString& name) {
        return dynamic_cast<T&>(load(name));
    }
    Screen* loaded(const QString& name) const;
    // The loaded screen whose window `object` is, or is inside; null for anything else (a menu,
    // a dialog, an object that is no widget).
    Screen* holding(const QObject* object) const;
    bool isLoaded(const QString& name) const { return loaded(name) != nullptr; }
    QStringList loadedNames() const;

    // Loads when needed, then shows, modeless.
    Screen& show(const QString& name);
    template <class T>
    T& show(const QString& name) {
        return dynamic_cast<T&>(show(name));
    }

    // Discards the screen with all its state; the next reference loads it afresh. The program
    // ends when no screen is left loaded, or when the last one on view goes.
    void unload(const QString& name);
    // Whether a loaded screen is on view.
    bool anyOnView() const;
    // A screen has gone from view (hidden or unloaded): the program ends when it was the last.
    void leftView();

    // Ends the program at once: every screen goes, and no further handler runs.
    void endProgram();
    bool hasEnded() const { return m_ended; }
    // What ending does; the program quits the event loop, tests record it.
    std::function<void()> onProgramEnd;

    // Called after every screen's load handler; lets the program add what every screen offers.
    std::function<void(Screen&)> onLoaded;

    // Whether the keyboard is working the screens: set as Tab moves the focus, cleared by any
    // press of the pointer. The focus ring shows only while it is, so that a lesson worked by
    // pen looks as it always has.
    bool keyboardInUse() const { return m_keyboardInUse; }
    void setKeyboardInUse(bool inUse);

    // How many times a screen has been loaded since the program started.
    int loadCount(const QString& name) const { return m_loadCounts.value(name, 0); }

    // Frees unloaded screens now instead of on the next turn of the event loop.
    void collectUnloaded();

  private:
    void scheduleCollection();

    Platform& m_platform;
    pictures::Pictures& m_pictures;
    Scale m_scale;
    QHash<QString, Factory> m_factories;
    std::map<QString, std::unique_ptr<Screen>> m_loaded;
    std::vector<std::unique_ptr<Screen>> m_unloaded;
    QHash<QString, int> m_loadCounts;
    QObject m_janitor;
    bool m_collectionScheduled = false;
    bool m_ended = false;
    bool m_keyboardInUse = false;
};

}  // namespace forms
