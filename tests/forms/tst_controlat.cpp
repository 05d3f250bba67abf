// Finding the control under a pixel: background, stacking, panels and hidden controls.
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/PictureBox.h"
#include "forms/Screen.h"

using namespace forms;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

class LayeredScreen : public Screen {
  public:
    explicit LayeredScreen(Screens& screens)
        : Screen(screens, QStringLiteral("layered")),
          picture(add<PictureBox>(QStringLiteral("Image1"), {0, 0, 6000, 4500})),
          panel(add<Panel>(QStringLiteral("Frame1"), {3000, 3000, 3000, 1500})),
          inPanel(add<Label>(QStringLiteral("Label1"), {300, 300, 900, 300}, &panel)),
          hidden(add<Label>(QStringLiteral("Label2"), {600, 600, 900, 900})) {
        setClientSize(9000, 6000);
        hidden.setVisible(false);
    }
    PictureBox& picture;
    Panel& panel;
    Label& inPanel;
    Label& hidden;
};

}  // namespace

class ControlAtTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void findsTheTopmostShownControl();
};

void ControlAtTest::findsTheTopmostShownControl() {
    TestProgram program(false);
    program.screens.define(QStringLiteral("layered"),
                           [](Screens& s) { return std::make_unique<LayeredScreen>(s); });
    auto& screen = program.screens.show<LayeredScreen>(QStringLiteral("layered"));
    QCOMPARE(screen.controlAt({500, 300}), nullptr);
    QCOMPARE(screen.controlAt(Mouse::centreOf(screen.inPanel)), &screen.inPanel);
    QCOMPARE(screen.controlAt(Mouse::pixelOf(screen.panel, 2000, 1000)), &screen.panel);
    // Beneath a hidden control lies what is shown there.
    QCOMPARE(screen.controlAt(Mouse::centreOf(screen.hidden)), &screen.picture);
    screen.hidden.setVisible(true);
    QCOMPARE(screen.controlAt(Mouse::centreOf(screen.hidden)), &screen.hidden);
    screen.panel.setVisible(false);
    QCOMPARE(screen.controlAt(Mouse::centreOf(screen.inPanel)), &screen.picture);
}

QTEST_MAIN(ControlAtTest)
#include "tst_controlat.moc"
