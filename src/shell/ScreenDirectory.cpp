#include "shell/ScreenDirectory.h"

#include <memory>

#include "forms/Screens.h"
#include "molecules/MoleculesScreen.h"
#include "glossary/BridgeProblemScreen.h"
#include "glossary/VocabScreen.h"
#include "jotter/JotterScreen.h"
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
    screens.define(QStringLiteral("Titlefrm"), factory<TitleScreen>());
    screens.define(QStringLiteral("Grey"), factory<BackdropScreen>());
    screens.define(QStringLiteral("intro0"), factory<FrontScreen>());
    for (const MenuDesign& menu : kMenus) {
        screens.define(menuScreenName(menu.number), [&menu](forms::Screens& s) {
            return std::make_unique<MenuScreen>(s, menu);
        });
    }
    screens.define(QStringLiteral("safety"), factory<safety::SafetyScreen>());
    screens.define(QStringLiteral("notepad"), factory<jotter::JotterScreen>());
    screens.define(QStringLiteral("molecules"), factory<molecules::MoleculesScreen>());
    screens.define(QString::fromLatin1(glossary::VocabScreen::kScreenName),
                   factory<glossary::VocabScreen>());
    screens.define(QString::fromLatin1(glossary::BridgeProblemScreen::kScreenName),
                   factory<glossary::BridgeProblemScreen>());
}

}  // namespace shell
