#include "shell/ScreenDirectory.h"

#include <memory>

#include "forms/Screens.h"
#include "glossary/BridgeProblemScreen.h"
#include "glossary/VocabScreen.h"
#include "jotter/JotterScreen.h"
#include "labelling/AcidsAlkalisScreen.h"
#include "labelling/ApparatusScreen.h"
#include "molecules/MoleculesScreen.h"
#include "safety/SafetyScreen.h"
#include "shell/BackdropScreen.h"
#include "shell/FrontScreen.h"
#include "shell/MenuScreen.h"
#include "shell/MenuTable.h"
#include "shell/TitleScreen.h"

namespace shell {

namespace {

template <class T>
forms::Screens::Factory factory() {
    return [](forms::Screens& screens) { return std::make_unique<T>(screens); };
}

}  // namespace

void defineScreens(forms::Screens& screens) {
    // The shell.
    screens.define(QStringLiteral("Titlefrm"), factory<TitleScreen>());
    screens.define(QStringLiteral("intro0"), factory<FrontScreen>());
    for (const MenuDesign& menu : kMenus) {
        screens.define(menuScreenName(menu.number),
                       [&menu](forms::Screens& s) { return std::make_unique<MenuScreen>(s, menu); });
    }
    screens.define(QStringLiteral("Grey"), factory<BackdropScreen>());

    // The activities, by the names the menu table opens them by.
    screens.define(QStringLiteral("molecules"), factory<molecules::MoleculesScreen>());
    screens.define(QStringLiteral("equipment"), factory<labelling::ApparatusScreen>());
    screens.define(QStringLiteral("acidsandalkalis"), factory<labelling::AcidsAlkalisScreen>());
    screens.define(QStringLiteral("safety"), factory<safety::SafetyScreen>());
    screens.define(QString::fromLatin1(glossary::VocabScreen::kScreenName), factory<glossary::VocabScreen>());
    screens.define(QString::fromLatin1(glossary::BridgeProblemScreen::kScreenName),
                   factory<glossary::BridgeProblemScreen>());

    // Opened from any screen while teaching.
    screens.define(QStringLiteral("notepad"), factory<jotter::JotterScreen>());
}

}  // namespace shell
