// Pointer positions reported to a control, in twips from its own corner.
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/Screen.h"
#include "forms/Screens.h"

using namespace forms;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

// Controls whose corners fall between pixels, one on the screen and one inside a panel.
class OffGridScreen : public Screen {
  public:
    explicit OffGridScreen(Screens& screens)
        : Screen(screens, QStringLiteral("offgrid")),
          loose(add<Label>(QStringLiteral("Label1"), {607.5f, 187.5f, 2460, 375})),
          panel(add<Panel>(QStringLiteral("Frame1"), {3000, 3000, 3000, 1500})),
          inPanel(add<Label>(QStringLiteral("Label2"), {67.5f, 52.5f, 1500, 300}, &panel)) {
        setClientSize(9000, 6000);
        for (Label* label : {&loose, &inPanel}) {
            label->onMouseDown = [this](const MouseEvent& e) { events.push_back(e); };
            label->onMouseMove = [this](const MouseEvent& e) { events.push_back(e); };
            label->onMouseUp = [this](const MouseEvent& e) { events.push_back(e); };
        }
    }
    Label& loose;
    Panel& panel;
    Label& inPanel;
    std::vector<MouseEvent> events;
};

}  // namespace

class ControlMouseTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void positionsAreFromTheTwipCorner();
};

void ControlMouseTest::positionsAreFromTheTwipCorner() {
    TestProgram program(false);
    program.screens.define(QStringLiteral("offgrid"),
                           [](Screens& s) { return std::make_unique<OffGridScreen>(s); });
    auto& screen = program.screens.show<OffGridScreen>(QStringLiteral("offgrid"));
    Mouse mouse(screen);

    // The label's widget starts at pixel 41 (607.5 twips rounded); the pointer at pixel 50 lies
    // 750 - 607.5 twips into the label, not 9 pixels.
    mouse.press({50, 20});
    mouse.move({-10, 400});
    mouse.release({-10, 400});
    QCOMPARE(screen.events.size(), size_t(3));
    QCOMPARE(screen.events[0].x, 750 - 607.5f);
    QCOMPARE(screen.events[0].y, 300 - 187.5f);
    QCOMPARE(screen.events[1].x, -150 - 607.5f);
    QCOMPARE(screen.events[2].y, 6000 - 187.5f);

    // Inside a panel: from the label's corner in the panel's coordinates.
    screen.events.clear();
    const QPoint panelOrigin = screen.panel.widget()->pos();
    mouse.click(panelOrigin + QPoint(10, 10));
    QCOMPARE(screen.events.size(), size_t(2));
    QCOMPARE(screen.events[0].x, 150 - 67.5f);
    QCOMPARE(screen.events[0].y, 150 - 52.5f);
}

QTEST_MAIN(ControlMouseTest)
#include "tst_controlmouse.moc"
