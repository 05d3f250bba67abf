#include "shell/ScreenDirectory.h"

#include <memory>

#include "forms/Screens.h"
#include "labelling/AcidsAlkalisScreen.h"
#include "labelling/ApparatusScreen.h"
#include "shell/BackdropScreen.h"
#include "shell/ScreenFrame.h"
#include "shell/TitleScreen.h"

namespace shell {

namespace {

template <class T>
forms::Screens::Factory factory() {
    return [](forms::Screens& screens) { return std::make_unique<T>(screens); };
}

// Stands in for the front screen until it is built: framed, and nothing more.
class PlainFramedScreen : public forms::Screen {
  public:
    using Screen::Screen;
    void load() override { ApplyScreenFrame(*this); }
};

}  // namespace

void defineScreens(forms::Screens& screens) {
    screens.define(QStringLiteral("Titlefrm"), factory<TitleScreen>());
    screens.define(QStringLiteral("Grey"), factory<BackdropScreen>());
    screens.define(QStringLiteral("equipment"), factory<labelling::ApparatusScreen>());
    screens.define(QStringLiteral("acidsandalkalis"), factory<labelling::AcidsAlkalisScreen>());
    screens.define(QStringLiteral("intro0"), [](forms::Screens& s) {
        return std::make_unique<PlainFramedScreen>(s, QStringLiteral("intro0"));
    });
}

}  // namespace shell
