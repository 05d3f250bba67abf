// Molecular Models: the draw, the picture's place, the revealed answers and the way back.
#include <QFontInfo>
#include <QFontMetricsF>
#include <QThreadPool>
#include <QtTest>

#include "CaptionCheck.h"
#include "DrawStatistics.h"
#include "TestProgram.h"
#include "activities/molecules/MoleculeCatalogue.h"
#include "activities/molecules/MoleculesScreen.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Scale.h"
#include "program/ScreenDirectory.h"
#include "shell/HouseStyle.h"

using namespace forms;
using namespace molecules;
using testing_support::TestProgram;

namespace {

const QString kMolecules = QStringLiteral("molecules");

// Each molecule's picture a size of its own, so that the picture on show names the molecule.
QSize distinctSize(int index) {
    return {120 + 10 * index, 60 + 6 * index};
}

void addMoleculePictures(TestProgram& program, std::function<QSize(int)> size = distinctSize) {
    for (int i = 0; i < MoleculeCatalogue::count(); ++i) {
        program.addPicture(QStringLiteral("Images/%1.jpg").arg(MoleculeCatalogue::at(i)->key),
                           size(i), Qt::darkGray);
    }
}

void addAtomPictures(TestProgram& program) {
    for (const AtomKeyEntry& atom : MoleculeCatalogue::atomKey())
        program.addPicture(QString::fromLatin1(atom.picture).replace('\\', '/'), {80, 80});
}

// A program with every picture the screen reads.
void addAllPictures(TestProgram& program, std::function<QSize(int)> moleculeSize = distinctSize) {
    program.addShellPictures();
    addAtomPictures(program);
    addMoleculePictures(program, std::move(moleculeSize));
}

MoleculesScreen& open(TestProgram& program) {
    return program.screens.show<MoleculesScreen>(kMolecules);
}

CommandButton& button(MoleculesScreen& screen, const char* name) {
    return *screen.find<CommandButton>(QLatin1String(name));
}
Label& answer(MoleculesScreen& screen, int index) {
    return (*screen.array<Label>(QStringLiteral("Label1")))[index];
}
PictureBox& picture(MoleculesScreen& screen) {
    return *screen.find<PictureBox>(QStringLiteral("Image2"));
}

// Presses next until the molecule comes up, as a teacher would. The fake platform's seeds
// repeat from run to run, so this is deterministic.
bool drawUntil(MoleculesScreen& screen, const QString& key) {
    for (int press = 0; press < 500 && screen.currentKey() != key; ++press)
        button(screen, "cmdgo").press();
    return screen.currentKey() == key;
}

bool anyAnswerVisible(MoleculesScreen& screen) {
    for (int i = 0; i < 4; ++i) {
        if (answer(screen, i).isVisible()) return true;
    }
    return false;
}

QImage snapshot(MoleculesScreen& screen) {
    return screen.window()->grab().toImage();
}

// Notes whether any answer was on show at the moment the picture appeared.
class ShowWatcher : public QObject {
  public:
    ShowWatcher(MoleculesScreen& screen) : m_screen(screen) {
        picture(screen).widget()->installEventFilter(this);
    }
    int shows = 0;
    bool answerVisibleAtShow = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++shows;
            answerVisibleAtShow = answerVisibleAtShow || anyAnswerVisible(m_screen);
        }
        return false;
    }

  private:
    MoleculesScreen& m_screen;
};

class StubMenu : public Screen {
  public:
    explicit StubMenu(Screens& screens) : Screen(screens, QStringLiteral("menu2")) {}
    int state = 0;
};

void defineStubMenu(TestProgram& program) {
    program.screens.define(QStringLiteral("menu2"),
                           [](Screens& screens) { return std::make_unique<StubMenu>(screens); });
}

}  // namespace

class MoleculesScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void opensWithAMoleculeAndTheAnswersHidden();
    void pictureHangsFromItsRightEdgeAndMiddle_data();
    void pictureHangsFromItsRightEdgeAndMiddle();
    void pictureGoesBehindTheLabels();
    void everyDrawShowsTheDrawnMoleculesPicture();
    void inProjectorModeOnlyTheLastDrawnPictureComesIn();
    void moleculeReadBeforeF11IsReadAgainOnAWorker();
    void waterPutsItsDigitBetweenHAndO();
    void digitFollowsTheNewFormulaText_data();
    void digitFollowsTheNewFormulaText();
    void noTraceOfAnEarlierDigit_data();
    void noTraceOfAnEarlierDigit();
    void nextHidesTheAnswersBeforeTheNewPicture();
    void revealedAnswersShowWhole_data();
    void revealedAnswersShowWhole();
    void remoteKeysWalkTheMolecules();
    void revealingTwiceChangesNothing_data();
    void revealingTwiceChangesNothing();
    void missingMoleculePictureStillGivesItsAnswers_data();
    void missingMoleculePictureStillGivesItsAnswers();
    void missingAtomPictureLeavesItsSlotEmpty();
    void exitReturnsToMenu2AsItWasLeft();
    void exitOpensMenu2WhenItIsNotLoaded();
    void exitWithoutMenu2StillCloses();
    void realGeneratorDrawsUniformlyAndIndependently();
};

void MoleculesScreenTest::opensWithAMoleculeAndTheAnswersHidden() {
    TestProgram program;
    addAllPictures(program);
    MoleculesScreen& screen = open(program);
    QCOMPARE(screen.caption(), QStringLiteral("Molecular Models"));
    QCOMPARE(screen.backColour(), shell::ScreenBlue);
    QCOMPARE(screen.width(), shell::FrameWidth);

    const MoleculeEntry* shown = MoleculeCatalogue::find(screen.currentKey());
    QVERIFY(shown);
    QVERIFY(picture(screen).isVisible());
    for (int i = 0; i < 4; ++i) QVERIFY(!answer(screen, i).isVisible());
    QVERIFY(!screen.answersShown());

    // The answer button stands 60 above the next button, which the frame has placed.
    QCOMPARE(button(screen, "cmdgo").rect(), (TwipRect{10050, 7950, 1785, 495}));
    QCOMPARE(button(screen, "cmdsoln").rect(), (TwipRect{10050, 7395, 1785, 495}));
    QVERIFY(button(screen, "cmdsoln").hasPicture());

    const auto& atoms = *screen.array<PictureBox>(QStringLiteral("Image1"));
    const auto& captions = *screen.array<Label>(QStringLiteral("Label2"));
    for (const AtomKeyEntry& atom : MoleculeCatalogue::atomKey()) {
        QVERIFY(atoms[atom.slot].hasPicture());
        // Each atom picture keeps its own size (80 px) in its slot.
        QCOMPARE(atoms[atom.slot].rect(), (TwipRect{atom.pictureLeft, 120, 1200, 1200}));
        QCOMPARE(captions[atom.slot].caption(), QString::fromLatin1(atom.caption));
    }
}

void MoleculesScreenTest::pictureHangsFromItsRightEdgeAndMiddle_data() {
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<TwipRect>("placed");
    QTest::newRow("200x134") << QSize(200, 134) << TwipRect{8400, 3795, 3000, 2010};
    QTest::newRow("one pixel") << QSize(1, 1) << TwipRect{11385, 4792.5f, 15, 15};
    QTest::newRow("odd height") << QSize(37, 51) << TwipRect{10845, 4417.5f, 555, 765};
    QTest::newRow("larger than the design box") << QSize(760, 600) << TwipRect{0, 300, 11400, 9000};
}

void MoleculesScreenTest::pictureHangsFromItsRightEdgeAndMiddle() {
    QFETCH(QSize, pixels);
    QFETCH(TwipRect, placed);
    TestProgram program;
    addAllPictures(program, [pixels](int) { return pixels; });
    MoleculesScreen& screen = open(program);
    QCOMPARE(picture(screen).rect(), placed);
    button(screen, "cmdgo").press();
    QCOMPARE(picture(screen).rect(), placed);
    QVERIFY(picture(screen).isVisible());

    // A picture 3000 by 2000 twips goes to 8400, 3800.
    QCOMPARE(MoleculesScreen::pictureSpot(3000, 2000), (TwipRect{8400, 3800, 3000, 2000}));
}

void MoleculesScreenTest::pictureGoesBehindTheLabels() {
    TestProgram program;
    addAllPictures(program, [](int) { return QSize(760, 600); });
    MoleculesScreen& screen = open(program);
    QWidget* image = picture(screen).widget();
    const QObjectList stack = image->parentWidget()->children();
    QCOMPARE(stack.first(), image);
    // And the questions are still drawn over it where they overlap.
    const QImage shot = snapshot(screen);
    const QRect question = screen.find<Label>(QStringLiteral("Label20"))->rect().toPixels();
    int yellow = 0;
    for (int y = question.top(); y <= question.bottom(); ++y) {
        for (int x = question.left(); x <= question.right(); ++x)
            yellow += shot.pixel(x, y) == kYellow;
    }
    QVERIFY(yellow > 100);
}

void MoleculesScreenTest::everyDrawShowsTheDrawnMoleculesPicture() {
    TestProgram program;
    addAllPictures(program);
    MoleculesScreen& screen = open(program);
    QSet<QString> seen;
    for (int press = 0; press < 60; ++press) {
        const MoleculeEntry* drawn = MoleculeCatalogue::find(screen.currentKey());
        QVERIFY(drawn);
        const int index = int(drawn - MoleculeCatalogue::at(0));
        QCOMPARE(picture(screen).width(), toTwips(distinctSize(index).width()));
        QCOMPARE(picture(screen).height(), toTwips(distinctSize(index).height()));
        QCOMPARE(picture(screen).rect().right(), 11400.0f);
        seen.insert(screen.currentKey());
        button(screen, "cmdgo").press();
    }
    QCOMPARE(seen.size(), 10);
}

// Pictures read on the workers come in after the screen shows: pressed on meanwhile to a
// molecule whose picture is at hand, shown at once, no earlier one arriving late replaces it.
void MoleculesScreenTest::inProjectorModeOnlyTheLastDrawnPictureComesIn() {
    TestProgram program;
    addAllPictures(program);
    program.screens.setScale(Scale(1.8));
    MoleculesScreen& screen = open(program);
    QVERIFY(!picture(screen).isVisible());
    const MoleculeEntry& last = *MoleculeCatalogue::at(
        MoleculeCatalogue::find(screen.currentKey()) == MoleculeCatalogue::at(0) ? 1 : 0);
    const std::optional<QImage> atHand = program.pictures.load(last.picturePath(), 1.8);
    QVERIFY(atHand);
    QVERIFY(drawUntil(screen, QString::fromLatin1(last.key)));
    QVERIFY(picture(screen).isVisible());
    QVERIFY(program.pictures.awaited() > 0);
    QTRY_COMPARE(program.pictures.awaited(), 0);
    QCoreApplication::processEvents();
    const int index = int(&last - MoleculeCatalogue::at(0));
    QVERIFY(picture(screen).isVisible());
    QCOMPARE(picture(screen).width(), toTwips(distinctSize(index).width()));
    QCOMPARE(picture(screen).height(), toTwips(distinctSize(index).height()));
    QCOMPARE(picture(screen).picture().devicePixelRatio(), 1.8);
}

// F11 while the molecule's picture is read: it comes in at the new factor, read on a worker.
void MoleculesScreenTest::moleculeReadBeforeF11IsReadAgainOnAWorker() {
    TestProgram program;
    addAllPictures(program);
    program.screens.setScale(Scale(1.8));
    MoleculesScreen& screen = open(program);
    QVERIFY(program.pictures.awaited() > 0);
    QThreadPool::globalInstance()->waitForDone();
    program.screens.setScale(Scale(3.6));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(!picture(screen).isVisible());
    QVERIFY(program.pictures.awaited() > 0);
    QTRY_COMPARE(program.pictures.awaited(), 0);
    QCoreApplication::processEvents();
    QVERIFY(picture(screen).isVisible());
    QCOMPARE(picture(screen).picture().devicePixelRatio(), 3.6);
}

void MoleculesScreenTest::waterPutsItsDigitBetweenHAndO() {
    TestProgram program;
    addAllPictures(program);
    MoleculesScreen& screen = open(program);
    QVERIFY(drawUntil(screen, QStringLiteral("CO2")));
    button(screen, "cmdsoln").press();
    QVERIFY(drawUntil(screen, QStringLiteral("H2O")));
    button(screen, "cmdsoln").press();

    Label& formula = answer(screen, 1);
    Label& digit = answer(screen, 3);
    QCOMPARE(formula.caption(), QStringLiteral("H  O"));
    QCOMPARE(digit.caption(), QStringLiteral("2"));
    QCOMPARE(formula.left(), 3360.0f);
    QCOMPARE(formula.top(), 7080.0f);
    QCOMPARE(digit.left(), 3660.0f);
    QCOMPARE(digit.top(), 7320.0f);
    QCOMPARE(answer(screen, 0).caption(), QStringLiteral("Compound"));
    QCOMPARE(answer(screen, 2).caption(), QStringLiteral("Water"));

    // With the real font, the digit's ink lies clear of the H and of the O, a pixel at least.
    const QFont big = tahoma(21.75f, true).toQFont();
    const QFont small = tahoma(14.25f, true).toQFont();
    QCOMPARE(QFontInfo(big).family(), QStringLiteral("Tahoma"));
    const QFontMetricsF bigMetrics(big);
    const QFontMetricsF smallMetrics(small);
    const float hInkRight = formula.left() + toTwips(bigMetrics.tightBoundingRect("H").right());
    const float oInkLeft = formula.left() + toTwips(bigMetrics.horizontalAdvance("H  ") +
                                                    bigMetrics.tightBoundingRect("O").left());
    // The digit is centred in its label, which is sized to it.
    const float digitStart =
        digit.left() + (digit.width() - toTwips(smallMetrics.horizontalAdvance("2"))) / 2;
    const QRectF digitInk = smallMetrics.tightBoundingRect("2");
    const float digitInkLeft = digitStart + toTwips(digitInk.left());
    const float digitInkRight = digitStart + toTwips(digitInk.right());
    QVERIFY2(
        hInkRight + kTwipsPerPixel <= digitInkLeft,
        qPrintable(QStringLiteral("H ends %1, digit starts %2").arg(hInkRight).arg(digitInkLeft)));
    QVERIFY2(
        digitInkRight + kTwipsPerPixel <= oInkLeft,
        qPrintable(QStringLiteral("digit ends %1, O starts %2").arg(digitInkRight).arg(oInkLeft)));
}

void MoleculesScreenTest::digitFollowsTheNewFormulaText_data() {
    QTest::addColumn<QString>("key");
    for (const char* key : {"CO2", "H2", "CH4", "NH3", "N2", "O2", "CCl4"})
        QTest::newRow(key) << QString::fromLatin1(key);
}

void MoleculesScreenTest::digitFollowsTheNewFormulaText() {
    QFETCH(QString, key);
    TestProgram program;
    addAllPictures(program);
    MoleculesScreen& screen = open(program);
    // A wider formula first, so that a width read before the new text would show.
    QVERIFY(drawUntil(screen, QStringLiteral("HCl")));
    button(screen, "cmdsoln").press();
    const float widthBefore = answer(screen, 1).width();
    QVERIFY(drawUntil(screen, key));
    button(screen, "cmdsoln").press();

    const MoleculeEntry& row = *MoleculeCatalogue::find(key);
    Label& formula = answer(screen, 1);
    QCOMPARE(formula.caption(), QString::fromLatin1(row.formula));
    QVERIFY(formula.width() != widthBefore);
    QCOMPARE(formula.left(), 3360.0f);
    QCOMPARE(answer(screen, 3).caption(), QString::fromLatin1(row.subscript));
    QCOMPARE(answer(screen, 3).left(), formula.left() + formula.width());
    QCOMPARE(answer(screen, 3).top(), 7320.0f);
    QCOMPARE(answer(screen, 2).caption(), QString::fromLatin1(row.name));
    QCOMPARE(answer(screen, 2).left(), 5040.0f);
    QCOMPARE(answer(screen, 2).top(), 7080.0f);
    QVERIFY(screen.answersShown());
}

void MoleculesScreenTest::noTraceOfAnEarlierDigit_data() {
    QTest::addColumn<QString>("key");
    QTest::newRow("HCl") << QStringLiteral("HCl");
    QTest::newRow("CO") << QStringLiteral("CO");
}

void MoleculesScreenTest::noTraceOfAnEarlierDigit() {
    QFETCH(QString, key);
    TestProgram program;
    // One picture for all, so that two displays of the same answers can be compared.
    addAllPictures(program, [](int) { return QSize(200, 134); });
    MoleculesScreen& screen = open(program);
    QVERIFY(drawUntil(screen, key));
    button(screen, "cmdsoln").press();
    const QImage clean = snapshot(screen);

    for (const QString& earlier : {QStringLiteral("CO2"), QStringLiteral("H2O")}) {
        QVERIFY(drawUntil(screen, earlier));
        button(screen, "cmdsoln").press();
        QVERIFY(drawUntil(screen, key));
        button(screen, "cmdsoln").press();
        QVERIFY(answer(screen, 3).caption().isEmpty());
        QCOMPARE(snapshot(screen), clean);
    }
}

void MoleculesScreenTest::nextHidesTheAnswersBeforeTheNewPicture() {
    TestProgram program;
    addAllPictures(program);
    MoleculesScreen& screen = open(program);
    ShowWatcher watcher(screen);
    for (int round = 0; round < 5; ++round) {
        button(screen, "cmdsoln").press();
        QVERIFY(screen.answersShown());
        button(screen, "cmdgo").press();
        QVERIFY(!anyAnswerVisible(screen));
    }
    QCOMPARE(watcher.shows, 5);
    QVERIFY(!watcher.answerVisibleAtShow);
}

void MoleculesScreenTest::revealedAnswersShowWhole_data() {
    QTest::addColumn<QString>("key");
    for (const MoleculeEntry& entry : MoleculeCatalogue::entries())
        QTest::newRow(entry.key) << QString::fromLatin1(entry.key);
}

// "Carbon dioxide" on the screen, not "Carbon" with the rest wrapped below the label's edge.
void MoleculesScreenTest::revealedAnswersShowWhole() {
    QFETCH(QString, key);
    TestProgram program;
    addAllPictures(program);
    MoleculesScreen& screen = open(program);
    QVERIFY(drawUntil(screen, key));
    button(screen, "cmdsoln").press();
    const MoleculeEntry& row = *MoleculeCatalogue::find(key);
    QCOMPARE(answer(screen, 2).caption(), QString::fromLatin1(row.name));
    for (int i = 0; i < 4; ++i) {
        Label& shown = answer(screen, i);
        QVERIFY(shown.isVisible());
        if (shown.caption().isEmpty()) continue;
        const QString cut = testing_support::captionCut(shown);
        QVERIFY2(cut.isEmpty(), qPrintable(shown.caption() + QStringLiteral(": ") + cut));
    }
}

// A presentation remote's forward button alone walks the starter: answers, next molecule,
// answers...; back hides the answers without a new draw; Escape is exit.
void MoleculesScreenTest::remoteKeysWalkTheMolecules() {
    TestProgram program;
    addAllPictures(program);
    defineStubMenu(program);
    MoleculesScreen& screen = open(program);
    QWidget* window = screen.window();
    ShowWatcher watcher(screen);
    for (int round = 1; round <= 3; ++round) {
        const QString key = screen.currentKey();
        QTest::keyClick(window, round == 2 ? Qt::Key_Space : Qt::Key_PageDown);
        QVERIFY(screen.answersShown());
        QCOMPARE(screen.currentKey(), key);
        QCOMPARE(answer(screen, 2).caption(),
                 QString::fromLatin1(MoleculeCatalogue::find(key)->name));
        QTest::keyClick(window, round == 3 ? Qt::Key_Right : Qt::Key_PageDown);
        QVERIFY(!anyAnswerVisible(screen));
        QCOMPARE(watcher.shows, round);
    }
    QVERIFY(!watcher.answerVisibleAtShow);

    QTest::keyClick(window, Qt::Key_PageDown);
    QTest::keyClick(window, Qt::Key_Left);
    QVERIFY(!anyAnswerVisible(screen));
    QTest::keyClick(window, Qt::Key_PageUp);
    QVERIFY(!anyAnswerVisible(screen));
    QCOMPARE(watcher.shows, 3);
    // With a modifier the keys are not the remote's.
    QTest::keyClick(window, Qt::Key_PageDown, Qt::ControlModifier);
    QVERIFY(!screen.answersShown());

    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!program.screens.isLoaded(kMolecules));
    QVERIFY(program.screens.loaded(QStringLiteral("menu2"))->isVisible());
    QCOMPARE(program.programEnds, 0);
}

void MoleculesScreenTest::revealingTwiceChangesNothing_data() {
    QTest::addColumn<QString>("key");
    QTest::newRow("H2O") << QStringLiteral("H2O");
    QTest::newRow("CCl4") << QStringLiteral("CCl4");
    QTest::newRow("CO") << QStringLiteral("CO");
}

void MoleculesScreenTest::revealingTwiceChangesNothing() {
    QFETCH(QString, key);
    TestProgram program;
    addAllPictures(program);
    MoleculesScreen& screen = open(program);
    QVERIFY(drawUntil(screen, key));
    button(screen, "cmdsoln").press();
    QList<TwipRect> rects;
    QStringList captions;
    for (int i = 0; i < 4; ++i) {
        rects << answer(screen, i).rect();
        captions << answer(screen, i).caption();
    }
    const QImage once = snapshot(screen);
    button(screen, "cmdsoln").press();
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(answer(screen, i).rect(), rects[i]);
        QCOMPARE(answer(screen, i).caption(), captions[i]);
        QVERIFY(answer(screen, i).isVisible());
    }
    QCOMPARE(snapshot(screen), once);
}

void MoleculesScreenTest::missingMoleculePictureStillGivesItsAnswers_data() {
    QTest::addColumn<bool>("unreadable");
    QTest::newRow("missing") << false;
    QTest::newRow("unreadable") << true;
}

void MoleculesScreenTest::missingMoleculePictureStillGivesItsAnswers() {
    QFETCH(bool, unreadable);
    TestProgram program;
    addAllPictures(program);
    program.removeFile(QStringLiteral("Images/H2O.jpg"));
    if (unreadable) program.addFile(QStringLiteral("Images/H2O.jpg"), "not a picture");
    MoleculesScreen& screen = open(program);
    QVERIFY(drawUntil(screen, QStringLiteral("CO2")));
    button(screen, "cmdsoln").press();

    QVERIFY(drawUntil(screen, QStringLiteral("H2O")));
    QVERIFY(!picture(screen).isVisible());
    QVERIFY(!anyAnswerVisible(screen));
    button(screen, "cmdsoln").press();
    QCOMPARE(answer(screen, 2).caption(), QStringLiteral("Water"));
    QCOMPARE(answer(screen, 1).caption(), QStringLiteral("H  O"));
    QCOMPARE(answer(screen, 3).left(), 3660.0f);

    // The next molecule with a picture shows it again, in its own place.
    QVERIFY(drawUntil(screen, QStringLiteral("NH3")));
    QVERIFY(picture(screen).isVisible());
    QCOMPARE(picture(screen).width(), toTwips(distinctSize(4).width()));
    QCOMPARE(picture(screen).rect().right(), 11400.0f);
}

void MoleculesScreenTest::missingAtomPictureLeavesItsSlotEmpty() {
    TestProgram program;
    addAllPictures(program);
    program.removeFile(QStringLiteral("Images/Oatom.jpg"));
    MoleculesScreen& screen = open(program);
    const auto& atoms = *screen.array<PictureBox>(QStringLiteral("Image1"));
    QVERIFY(!atoms[2].hasPicture());
    QVERIFY(atoms[1].hasPicture());
    QVERIFY(atoms[3].hasPicture());
    QVERIFY(picture(screen).isVisible());
    QVERIFY(!screen.currentKey().isEmpty());
}

void MoleculesScreenTest::exitReturnsToMenu2AsItWasLeft() {
    TestProgram program;
    addAllPictures(program);
    defineStubMenu(program);
    auto& menu = program.screens.show<StubMenu>(QStringLiteral("menu2"));
    menu.state = 42;
    MoleculesScreen& screen = open(program);
    button(screen, "cmdsoln").press();
    button(screen, "cmdexit").press();

    QVERIFY(!program.screens.isLoaded(kMolecules));
    QCOMPARE(program.screens.loaded(QStringLiteral("menu2")), &menu);
    QCOMPARE(program.screens.loadCount(QStringLiteral("menu2")), 1);
    QCOMPARE(menu.state, 42);
    QVERIFY(menu.isVisible());
    QCOMPARE(program.programEnds, 0);

    // Opening again starts afresh: a new draw, the answers hidden.
    program.screens.collectUnloaded();
    MoleculesScreen& again = open(program);
    QCOMPARE(program.screens.loadCount(kMolecules), 2);
    QVERIFY(!again.currentKey().isEmpty());
    QVERIFY(!anyAnswerVisible(again));
}

void MoleculesScreenTest::exitOpensMenu2WhenItIsNotLoaded() {
    TestProgram program;
    addAllPictures(program);
    defineStubMenu(program);
    MoleculesScreen& screen = open(program);
    button(screen, "cmdexit").press();
    QVERIFY(!program.screens.isLoaded(kMolecules));
    QVERIFY(program.screens.isLoaded(QStringLiteral("menu2")));
    QVERIFY(program.screens.loaded(QStringLiteral("menu2"))->isVisible());
    QCOMPARE(program.programEnds, 0);
}

void MoleculesScreenTest::exitWithoutMenu2StillCloses() {
    TestProgram program(false);
    addAllPictures(program);
    program.screens.define(
        kMolecules, [](Screens& screens) { return std::make_unique<MoleculesScreen>(screens); });
    MoleculesScreen& screen = open(program);
    button(screen, "cmdexit").press();
    QVERIFY(!program.screens.isLoaded(kMolecules));
    // It was the only screen, so the program is over.
    QCOMPARE(program.programEnds, 1);
}

// Draws through the next button with the desktop's own generator, as fast as presses come.
void MoleculesScreenTest::realGeneratorDrawsUniformlyAndIndependently() {
    TestProgram files(false);
    addAllPictures(files);
    QtPlatform platform;
    pictures::Pictures pictures({files.folder.path()});
    Screens screens(platform, pictures);
    screens.onProgramEnd = [] {};
    program::defineScreens(screens);
    auto& screen = screens.load<MoleculesScreen>(kMolecules);

    std::vector<int> draws;
    int repeats = 0;
    for (int press = 0; press < 5000; ++press) {
        button(screen, "cmdgo").press();
        const MoleculeEntry* drawn = MoleculeCatalogue::find(screen.currentKey());
        QVERIFY(drawn);
        draws.push_back(int(drawn - MoleculeCatalogue::at(0)));
        if (draws.size() > 1 && draws.back() == draws[draws.size() - 2]) ++repeats;
    }
    const auto stats = testing_support::drawStatistics(draws, MoleculeCatalogue::count());
    QVERIFY2(stats.uniformity < testing_support::kUniformityBound10,
             qPrintable(QString::number(stats.uniformity)));
    QVERIFY2(stats.pairs < testing_support::kPairsBound10,
             qPrintable(QString::number(stats.pairs)));
    // The molecule on show can come straight back.
    QVERIFY(repeats > 0);
    screens.unload(kMolecules);
    screens.collectUnloaded();
}

QTEST_MAIN(MoleculesScreenTest)
#include "tst_moleculesscreen.moc"
