#include "program/ScreenDirectory.h"

#include <memory>

#include "activities/vocab/BridgeProblemScreen.h"
#include "forms/Screens.h"
#include "program/Activities.h"
#include "shell/BackdropScreen.h"
#include "shell/FrontScreen.h"
#include "shell/MenuScreen.h"
#include "shell/ScreenNames.h"
#include "shell/TitleScreen.h"
#include "tools/jotter/JotterScreen.h"

namespace program {

namespace {

template <class T>
forms::Screens::Factory factory() {
    return [](forms::Screens& screens) { return std::make_unique<T>(screens); };
}

}  // namespace

void defineScreens(forms::Screens& screens) {
    using shell::kBackdropScreen;
    using shell::kFrontScreen;
    using shell::kJotterScreen;
    using shell::kTitleScreen;
    screens.define(QString::fromLatin1(kTitleScreen), factory<shell::TitleScreen>());
    screens.define(QString::fromLatin1(kFrontScreen), factory<shell::FrontScreen>());
    for (const shell::MenuDesign& menu : menus()) {
        screens.define(shell::menuScreenName(menu.number), [&menu](forms::Screens& s) {
            return std::make_unique<shell::MenuScreen>(s, menu);
        });
    }
    screens.define(QString::fromLatin1(kBackdropScreen), factory<shell::BackdropScreen>());

    for (const Activity& activity : activities()) {
        if (!activity.make) continue;
        const shell::ActivityId id{QString::fromUtf8(activity.screen),
                                   QString::fromUtf8(activity.caption)};
        screens.define(id.screen,
                       [&activity, id](forms::Screens& s) { return activity.make(s, id); });
    }
    // Reached from the glossary, not from a menu.
    screens.define(QString::fromLatin1(vocab::BridgeProblemScreen::kScreenName),
                   factory<vocab::BridgeProblemScreen>());
    // Opened from any screen while teaching.
    screens.define(QString::fromLatin1(kJotterScreen), factory<jotter::JotterScreen>());
}

}  // namespace program
