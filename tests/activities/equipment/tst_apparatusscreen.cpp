// Laboratory Apparatus: its design at load, its pictures, and its score in the instruction.
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"
#include "shell/HouseStyle.h"

using namespace forms;
using labelling::LabellingBoard;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

const QString kInstruction = QStringLiteral("Label these pieces of laboratory apparatus");

// Picture files in slot order, each drawn in a colour of its own.
const char* const kFiles[] = {"bunsensm", "tripodsm", "funnelsm",  "thermosm",  "testtubesm",
                              "beakersm", "flasksm",  "pipettesm", "measuresm", "spatulasm"};
QColor slotColour(int slot) {
    return QColor::fromHsv(slot * 36, 255, 220);
}
bool near(QRgb a, QColor b) {
    return qAbs(qRed(a) - b.red()) < 12 && qAbs(qGreen(a) - b.green()) < 12 &&
           qAbs(qBlue(a) - b.blue()) < 12;
}

}  // namespace

class ApparatusScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void items_data();
    void items();
    void restOfTheDesign();
    void picturesOfAnySizeFitTheirBoxes();
    void labelsSnapToAnyHomeBox();
    void scoreReplacesTheInstructionUntilStartAgain();

  private:
    Screen& open() {
        m_screen = &m_program->screens.show(QStringLiteral("equipment"));
        return *m_screen;
    }
    ControlArray<Label>& labels(const char* name) const {
        return *m_screen->array<Label>(QString::fromLatin1(name));
    }

    std::unique_ptr<TestProgram> m_program;
    Screen* m_screen = nullptr;
};

void ApparatusScreenTest::init() {
    m_program = std::make_unique<TestProgram>();
    for (int slot = 0; slot < 10; ++slot)
        m_program->addPicture(QStringLiteral("Images/%1.jpg").arg(QLatin1String(kFiles[slot])),
                              {164, 124}, slotColour(slot));
}

void ApparatusScreenTest::cleanup() {
    m_program.reset();
}

void ApparatusScreenTest::items_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPointF>("target");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QPointF>("home");
    QTest::newRow("Funnel") << 0 << "Funnel" << QPointF(240, 6780) << 2 << QPointF(8760, 2760);
    QTest::newRow("Beaker") << 1 << "Beaker" << QPointF(2880, 4380) << 5 << QPointF(8760, 4680);
    QTest::newRow("Test Tube") << 2 << "Test Tube" << QPointF(240, 4380) << 4
                               << QPointF(8760, 5160);
    QTest::newRow("Spatula") << 3 << "Spatula" << QPointF(2880, 1980) << 9 << QPointF(8760, 4200);
    QTest::newRow("Bunsen Burner")
        << 4 << "Bunsen Burner" << QPointF(2880, 6780) << 0 << QPointF(8760, 3240);
    QTest::newRow("Measuring Cylinder")
        << 5 << "Measuring Cylinder" << QPointF(240, 1980) << 8 << QPointF(8760, 3720);
    QTest::newRow("Pipette") << 6 << "Pipette" << QPointF(5520, 6780) << 7 << QPointF(8760, 7080);
    QTest::newRow("Thermometer") << 7 << "Thermometer" << QPointF(8160, 1980) << 3
                                 << QPointF(8760, 6600);
    QTest::newRow("Tripod") << 8 << "Tripod" << QPointF(5520, 4380) << 1 << QPointF(8760, 6120);
    QTest::newRow("Conical Flask")
        << 9 << "Conical Flask" << QPointF(5520, 1980) << 6 << QPointF(8760, 5640);
}

void ApparatusScreenTest::items() {
    QFETCH(int, item);
    QFETCH(QString, text);
    QFETCH(QPointF, target);
    QFETCH(int, slot);
    QFETCH(QPointF, home);
    open();
    const float tx = float(target.x()), ty = float(target.y());
    const float hx = float(home.x()), hy = float(home.y());

    const Label& name = labels("Label2")[item];
    QCOMPARE(name.caption(), text);
    QCOMPARE(name.rect(), (TwipRect{hx, hy, 2460, 375}));
    QVERIFY(name.isOpaque());

    const Label& box = labels("Label1")[item];
    QCOMPARE(box.rect(), (TwipRect{tx, ty, 2460, 375}));
    QCOMPARE(box.caption(), QString());
    QVERIFY(!box.isOpaque() && box.look().border && box.isVisible());

    QCOMPARE(labels("Label4")[item].rect(), name.rect());

    // The picture over the box, loaded into its own slot.
    const PictureBox& picture = (*m_screen->array<PictureBox>(QStringLiteral("Image1")))[slot];
    QCOMPARE(picture.rect(), (TwipRect{tx, ty - 1860, 2460, 1860}));
    QVERIFY(near(picture.picture().pixel(82, 62), slotColour(slot)));
}

void ApparatusScreenTest::restOfTheDesign() {
    open();
    QCOMPARE(m_screen->caption(), QStringLiteral("Laboratory Apparatus"));
    QCOMPARE(m_screen->backColour(), shell::HouseBlue);
    QCOMPARE(m_screen->width(), shell::FrameWidth);

    const Label& instruction = *m_screen->find<Label>(QStringLiteral("Label5"));
    QCOMPARE(instruction.caption(), kInstruction);
    QCOMPARE(instruction.rect(), (TwipRect{240, 7260, 7695, 615}));

    const QStringList captions{"Exit", "Start Again", "Check Score"};
    const TwipRect places[] = {
        {10560, 7920, 1245, 495}, {3360, 7920, 2565, 495}, {6000, 7920, 2565, 495}};
    for (int k = 0; k < 3; ++k) {
        const Label& button = labels("Label3")[k];
        QCOMPARE(button.caption(), captions[k]);
        QCOMPARE(button.rect(), places[k]);
        QCOMPARE(button.isVisible(), k != LabellingBoard::kCheckScore);
    }
}

void ApparatusScreenTest::picturesOfAnySizeFitTheirBoxes() {
    m_program->addPicture(QStringLiteral("Images/funnelsm.jpg"), {328, 248}, Qt::red);
    m_program->addPicture(QStringLiteral("Images/thermosm.jpg"), {100, 300}, Qt::blue);
    m_program->removeFile(QStringLiteral("Images/beakersm.jpg"));
    open();
    const auto& pictures = *m_screen->array<PictureBox>(QStringLiteral("Image1"));
    QCOMPARE(pictures[2].picture().size(), QSize(164, 124));
    QVERIFY(near(pictures[2].picture().pixel(0, 0), Qt::red));
    // A tall picture keeps its proportions, centred, with see-through margins.
    const QImage& tall = pictures[3].picture();
    QCOMPARE(tall.size(), QSize(164, 124));
    QVERIFY(near(tall.pixel(82, 62), Qt::blue));
    QCOMPARE(qAlpha(tall.pixel(5, 62)), 0);
    QCOMPARE(qAlpha(tall.pixel(158, 62)), 0);
    // A missing one leaves its box empty, and the screen works as ever.
    QVERIFY(!pictures[5].hasPicture());
    QCOMPARE(labels("Label2")[1].caption(), QStringLiteral("Beaker"));
}

void ApparatusScreenTest::labelsSnapToAnyHomeBox() {
    open();
    Mouse mouse(*m_screen);
    Label& thermometer = labels("Label2")[7];
    // Its corner lands up and to the right of the box at 8160, 1980, inside the zone.
    mouse.drag(Mouse::centreOf(thermometer), Mouse::pixelOf(labels("Label1")[7], 1500, 300));
    QCOMPARE(thermometer.left(), 8160.f);
    QCOMPARE(thermometer.top(), 1980.f);
    // Dropped near the Funnel waiting at its home: it would cover the Funnel there, so it goes
    // to its own home instead.
    mouse.drag(Mouse::centreOf(thermometer), Mouse::centreOf(labels("Label2")[0]) + QPoint(5, 4));
    QCOMPARE(labels("Label2")[0].rect(), labels("Label4")[0].rect());
    QCOMPARE(thermometer.rect(), labels("Label4")[7].rect());
    // With the Funnel gone from its home, the thermometer takes that home box.
    mouse.drag(Mouse::centreOf(labels("Label2")[0]), Mouse::centreOf(labels("Label1")[0]));
    mouse.drag(Mouse::centreOf(thermometer), Mouse::centreOf(labels("Label4")[0]) + QPoint(5, 4));
    QCOMPARE(thermometer.rect(), labels("Label4")[0].rect());
}

void ApparatusScreenTest::scoreReplacesTheInstructionUntilStartAgain() {
    open();
    Mouse mouse(*m_screen);
    auto place = [&](int shift) {
        for (int i = 0; i < 10; ++i)
            mouse.drag(Mouse::centreOf(labels("Label2")[i]),
                       Mouse::centreOf(labels("Label1")[(i + shift) % 10]));
        mouse.click(Mouse::centreOf(labels("Label3")[LabellingBoard::kCheckScore]));
        return m_screen->find<Label>(QStringLiteral("Label5"))->caption();
    };
    QCOMPARE(place(0), QStringLiteral(" 10 out of 10 correct"));
    QVERIFY(m_screen->find<Label>(QStringLiteral("Label5"))->isVisible());
    mouse.click(Mouse::centreOf(labels("Label3")[LabellingBoard::kStartAgain]));
    QCOMPARE(m_screen->find<Label>(QStringLiteral("Label5"))->caption(), kInstruction);
    QCOMPARE(place(1), QStringLiteral(" 0 out of 10 correct"));
}

QTEST_MAIN(ApparatusScreenTest)
#include "tst_apparatusscreen.moc"
