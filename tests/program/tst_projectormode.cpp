// Projector mode through the program: the factor the options ask for, F11 re-laying every loaded
// screen at once (geometry, pictures, the Jotter's drawing), and the menus worked at the factor.
#include <QThreadPool>
#include <QtTest>

#include "Lesson.h"
#include "Mouse.h"
#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "kit/labelling/LabellingBoard.h"
#include "program/Activities.h"
#include "program/ProjectorMode.h"
#include "shell/HouseStyle.h"
#include "shell/ScreenNames.h"
#include "tools/LessonTimer.h"
#include "tools/jotter/JotterScreen.h"

using namespace forms;
using program::Options;
using program::ProjectorMode;
using testing_support::Mouse;
using testing_support::TestProgram;

Q_DECLARE_METATYPE(Options::Size)

namespace {

// A classroom projector: --fit draws at 1.8.
constexpr QSize kDisplay(1920, 1080);

struct Laid {
    QRect window;
    std::vector<QRect> controls;
    bool operator==(const Laid&) const = default;
};

// Where a screen's window and a set of its controls are drawn, each control checked against its
// twips at the screen's scale on the way.
Laid laidOut(const Screen& screen, const std::vector<const Control*>& controls) {
    Laid laid{screen.window()->geometry(), {}};
    const Scale& scale = screen.scale();
    for (const Control* control : controls) {
        const QRect at = control->widget()->geometry();
        if (at != scale.toPixels(control->rect())) {
            qWarning("%s is not at its twips", qPrintable(control->name()));
            return {};
        }
        laid.controls.push_back(at);
    }
    return laid;
}

std::vector<const Control*> elements(const Screen& screen, const char* array) {
    std::vector<const Control*> all;
    const ControlArrayBase* found = screen.findArray(QString::fromLatin1(array));
    for (int index : found->indices()) all.push_back(found->element(index));
    return all;
}

// Every activity screen as first opened at a factor, on a program of its own, so that each
// draws what it drew at every other factor.
std::vector<std::pair<QString, QImage>> everyScreenAt(double factor) {
    TestProgram program;
    program.platform.display = QSizeF(toTwips(kDisplay.width()), toTwips(kDisplay.height()));
    if (!program.addProgramPictures()) return {};
    program.screens.setScale(Scale(factor));
    // On view throughout, so that unloading each activity does not end the program.
    program.screens.show(QStringLiteral("Grey"));
    std::vector<std::pair<QString, QImage>> shots;
    for (const program::Activity& activity : program::activities()) {
        if (!activity.make) continue;
        const QString name = QString::fromUtf8(activity.screen);
        Screen& shown = program.screens.show(name);
        // A projector's large pictures come in as they are read.
        if (!QTest::qWaitFor([&program] { return program.pictures.awaited() == 0; })) return {};
        testing_support::settle();
        shots.emplace_back(name, shown.window()->grab().toImage().convertToFormat(
                                     QImage::Format_RGB32));
        program.screens.unload(name);
        testing_support::settle();
    }
    return shots;
}

// How many 8 x 8 blocks of the design's pixels differ in their average colour, by more than
// text's antialiasing moves it, between a screen at design size and one drawn larger and taken
// down to design size again. A board or a drawing left at its design size moves a whole area.
int differingBlocks(const QImage& design, const QImage& larger) {
    constexpr int kBlock = 8;
    constexpr int kTolerance = 32;
    const QSize blocks(design.width() / kBlock, design.height() / kBlock);
    const auto means = [&blocks](const QImage& image) {
        return image.scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage a = means(design);
    const QImage b = means(larger.scaled(design.size(), Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation));
    int differing = 0;
    for (int y = 0; y < blocks.height(); ++y) {
        for (int x = 0; x < blocks.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::max({qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                          qAbs(qBlue(p) - qBlue(q))}) > kTolerance)
                ++differing;
        }
    }
    return differing;
}

void press(Screen& screen, int key) {
    QTest::keyClick(screen.window(), static_cast<Qt::Key>(key));
    testing_support::settle();
}

}  // namespace

class ProjectorModeTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void factorAsTheOptionsSay_data();
    void factorAsTheOptionsSay();
    void f11RelaysEveryLoadedScreen();
    void boardPicturesFitTheirBoxesAfterF11();
    void menuEntriesAndTabsAtTheFactor();
    void jotterKeepsItsDrawing();
    void everyScreenTheSameOnlyLarger_data();
    void everyScreenTheSameOnlyLarger();
    void timerCoversNoControl_data();
    void timerCoversNoControl();

  private:
    std::unique_ptr<TestProgram> m_program;
};

void ProjectorModeTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_program->platform.display = QSizeF(toTwips(kDisplay.width()), toTwips(kDisplay.height()));
    QVERIFY(m_program->addProgramPictures());
}

void ProjectorModeTest::cleanup() {
    m_program.reset();
}

void ProjectorModeTest::factorAsTheOptionsSay_data() {
    QTest::addColumn<Options::Size>("size");
    QTest::addColumn<double>("given");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("afterF11");
    QTest::newRow("design size, F11 fits") << Options::Size::Design << 1.0 << 1.0 << 1.8;
    QTest::newRow("--fit, F11 to design size") << Options::Size::FitDisplay << 1.0 << 1.8 << 1.0;
    QTest::newRow("--scale 2.7, F11 to design size") << Options::Size::Fixed << 2.7 << 2.7 << 1.0;
}

void ProjectorModeTest::factorAsTheOptionsSay() {
    QFETCH(Options::Size, size);
    QFETCH(double, given);
    QFETCH(double, start);
    QFETCH(double, afterF11);
    Options options;
    options.size = size;
    options.factor = given;
    ProjectorMode mode(m_program->screens, options);
    QCOMPARE(m_program->screens.scale().factor(), start);
    Screen& title = m_program->screens.show(QStringLiteral("Titlefrm"));
    press(title, Qt::Key_F11);
    QCOMPARE(m_program->screens.scale().factor(), afterF11);
    press(title, Qt::Key_F11);
    QCOMPARE(m_program->screens.scale().factor(), start);
    // Other keys, and F11 held down, change nothing.
    press(title, Qt::Key_F10);
    QTest::keyPress(title.window(), Qt::Key_F11, Qt::ShiftModifier);
    QCOMPARE(m_program->screens.scale().factor(), start);
}

// The lesson's board over its menu, the front screen loaded beneath: F11 re-lays them all, each
// control at its twips at 1.8 with its pictures made for 1.8, centred on the display; F11 again
// brings back exactly what was there.
void ProjectorModeTest::f11RelaysEveryLoadedScreen() {
    ProjectorMode mode(m_program->screens, {});
    Screens& screens = m_program->screens;
    screens.show(QString::fromLatin1(shell::kFrontScreen));
    Screen& menu = screens.show(shell::menuScreenName(5));
    auto& board = screens.show<labelling::LabellingBoard>(QStringLiteral("equipment"));
    testing_support::settle();
    const auto boardControls = [&] {
        std::vector<const Control*> all = elements(board, "Label2");
        for (const char* array : {"Label1", "Image1"})
            for (const Control* control : elements(board, array)) all.push_back(control);
        return all;
    };
    const Laid boardBefore = laidOut(board, boardControls());
    const Laid menuBefore = laidOut(menu, elements(menu, "Label3"));
    QVERIFY(!boardBefore.controls.empty());

    press(board, Qt::Key_F11);
    const Scale scale(1.8);
    QCOMPARE(screens.scale(), scale);
    for (Screen* screen : {static_cast<Screen*>(&board), &menu}) {
        const QRect window = screen->window()->geometry();
        QCOMPARE(window.size(), QSize(scale.toPixels(screen->clientWidth()),
                                      scale.toPixels(screen->clientHeight())));
        // Centred with its scaled outer size, as at design size (its frame is where it is put).
        QCOMPARE(screen->window()->pos(), QPoint((kDisplay.width() - scale.toPixels(12000)) / 2,
                                                 (kDisplay.height() - scale.toPixels(9000)) / 2));
    }
    QVERIFY(!laidOut(board, boardControls()).controls.empty());
    QVERIFY(!laidOut(menu, elements(menu, "Label3")).controls.empty());
    QCOMPARE(menu.picture().size(), QSize(1440, 1080));
    Screen& front = *screens.loaded(QString::fromLatin1(shell::kFrontScreen));
    QCOMPARE(front.picture().size(), QSize(1440, 1080));

    press(board, Qt::Key_F11);
    QVERIFY(screens.scale().isDesignSize());
    QCOMPARE(laidOut(board, boardControls()), boardBefore);
    QCOMPARE(laidOut(menu, elements(menu, "Label3")), menuBefore);
    QCOMPARE(menu.picture().size(), QSize(800, 600));
}

// Whatever size its pictures were made for, every board has each one chosen again at the new
// factor and fitted to its box (to within the pixel that rounding the box's edges may add); and
// pictures read for a factor the screens have left meanwhile are not put up.
void ProjectorModeTest::boardPicturesFitTheirBoxesAfterF11() {
    ProjectorMode mode(m_program->screens, {});
    Screens& screens = m_program->screens;
    screens.show(shell::menuScreenName(1));
    const auto misfit = [&screens](const Screen& board) {
        const double factor = screens.scale().factor();
        for (const Control* control : elements(board, "Image1")) {
            const QImage& picture = static_cast<const PictureBox&>(*control).picture();
            const QSize box = screens.scale().toPixels(control->rect()).size();
            if (picture.devicePixelRatio() != factor || qAbs(picture.width() - box.width()) > 1 ||
                qAbs(picture.height() - box.height()) > 1)
                return QStringLiteral("%1 at %2: %3 x %4 at %5")
                    .arg(board.name())
                    .arg(factor)
                    .arg(picture.width())
                    .arg(picture.height())
                    .arg(picture.devicePixelRatio());
        }
        return QString();
    };
    int boards = 0;
    for (const program::Activity& activity : program::activities()) {
        if (!activity.make) continue;
        const QString name = QString::fromUtf8(activity.screen);
        Screen& shown = screens.show(name);
        if (dynamic_cast<labelling::LabellingBoard*>(&shown) &&
            shown.findArray(QStringLiteral("Image1"))) {
            ++boards;
            press(shown, Qt::Key_F11);
            QTRY_COMPARE(m_program->pictures.awaited(), 0);
            testing_support::settle();
            QVERIFY2(misfit(shown).isEmpty(), qPrintable(misfit(shown)));
            // Opened at a factor not seen yet, its pictures still being read when the screens go
            // back to design size.
            screens.unload(name);
            screens.setScale(Scale(2.7));
            Screen& reopened = screens.show(name);
            QVERIFY(m_program->pictures.awaited() > 0);
            QThreadPool::globalInstance()->waitForDone();
            screens.setScale(Scale(1.0));
            QTRY_COMPARE(m_program->pictures.awaited(), 0);
            testing_support::settle();
            QVERIFY2(misfit(reopened).isEmpty(), qPrintable(misfit(reopened)));
        }
        screens.unload(name);
        testing_support::settle();
    }
    QVERIFY(boards > 0);
}

// At 1.8 a click at the middle of a tab or an entry, worked out from its twips, opens its screen.
void ProjectorModeTest::menuEntriesAndTabsAtTheFactor() {
    Options options;
    options.size = Options::Size::FitDisplay;
    ProjectorMode mode(m_program->screens, options);
    Screens& screens = m_program->screens;
    const Scale& scale = screens.scale();
    const auto middle = [&scale](const Control& control) {
        return QPoint(scale.toPixels(control.left() + control.width() / 2),
                      scale.toPixels(control.top() + control.height() / 2));
    };
    Screen& front = screens.show(QString::fromLatin1(shell::kFrontScreen));
    Mouse(front).click(middle((*front.array<Label>(QStringLiteral("Label2")))[4]));
    testing_support::settle();
    Screen* menu = screens.loaded(shell::menuScreenName(5));
    QVERIFY(menu && menu->isVisible());
    for (const program::Activity& activity : program::activities()) {
        if (activity.menu != 5 || !activity.make) continue;
        const QString name = QString::fromUtf8(activity.screen);
        Mouse(*menu).click(
            middle(*menu->array<Label>(QStringLiteral("Label3"))->at(activity.entry)));
        testing_support::settle();
        QVERIFY2(screens.isLoaded(name) && screens.loaded(name)->isVisible(), activity.screen);
        screens.unload(name);
        testing_support::settle();
    }
}

// What is drawn on the Jotter stays through F11 and back, where it was in twips.
void ProjectorModeTest::jotterKeepsItsDrawing() {
    ProjectorMode mode(m_program->screens, {});
    Screens& screens = m_program->screens;
    screens.show(QStringLiteral("Grey"));
    auto& jotter = screens.show<jotter::JotterScreen>(QString::fromLatin1(shell::kJotterScreen));
    Mouse(jotter).drag({40, 100}, {400, 100}, 20);
    const QPointF end = jotter.drawing().currentPoint();
    const auto inkAt = [&jotter](float x, float y) {
        const Scale& scale = jotter.scale();
        return jotter.drawing().image().pixel(scale.toPixels(x), scale.toPixels(y)) !=
               shell::ScreenBlue;
    };
    QVERIFY(inkAt(toTwips(220), toTwips(100)));

    press(jotter, Qt::Key_F11);
    QCOMPARE(jotter.drawing().image().size(), jotter.window()->size());
    QCOMPARE(jotter.window()->width(), Scale(1.8).toPixels(jotter.clientWidth()));
    QVERIFY(inkAt(toTwips(220), toTwips(100)));
    QVERIFY(!inkAt(toTwips(220), toTwips(140)));
    QCOMPARE(jotter.drawing().currentPoint(), end);
    // Drawing on goes on from where the stroke ended, at the new size.
    Mouse mouse(jotter);
    const QPoint from(Scale(1.8).toPixels(float(end.x())), Scale(1.8).toPixels(float(end.y())));
    mouse.press(from);
    mouse.move(from + QPoint(0, 90));
    mouse.release(from + QPoint(0, 90));
    QVERIFY(inkAt(float(end.x()), float(end.y()) + 600));

    press(jotter, Qt::Key_F11);
    QVERIFY(inkAt(toTwips(220), toTwips(100)));
    QCOMPARE(jotter.drawing().image().size(), jotter.window()->size());
}

void ProjectorModeTest::everyScreenTheSameOnlyLarger_data() {
    QTest::addColumn<double>("factor");
    QTest::newRow("1.8") << 1.8;
    QTest::newRow("3.6") << 3.6;
}

// Every activity looks at every factor as it does at design size, only larger: every control,
// picture and drawing grown alike, none left at its design size in a corner of its place.
void ProjectorModeTest::everyScreenTheSameOnlyLarger() {
    QFETCH(double, factor);
    m_program.reset();
    // Design size once for both factors.
    static const auto design = everyScreenAt(1.0);
    const auto larger = everyScreenAt(factor);
    QVERIFY(!design.empty());
    QCOMPARE(larger.size(), design.size());
    QStringList unlike;
    for (std::size_t i = 0; i < design.size(); ++i) {
        const QImage& shot = larger[i].second;
        QCOMPARE(shot.size(), Scale(factor).pixels(design[i].second.size()));
        // Of 7,500 blocks, text's edges move a few; Hangman's blanks left at design size, 60.
        const int blocks = differingBlocks(design[i].second, shot);
        if (blocks > 8)
            unlike << QStringLiteral("%1 (%2 blocks)").arg(design[i].first).arg(blocks);
    }
    QVERIFY2(unlike.isEmpty(), qPrintable(unlike.join(QStringLiteral(", "))));
}

void ProjectorModeTest::timerCoversNoControl_data() {
    QTest::addColumn<QSize>("display");
    QTest::addColumn<bool>("fitted");
    QTest::newRow("1024x768 design size") << QSize(1024, 768) << false;
    QTest::newRow("1280x1024 design size") << QSize(1280, 1024) << false;
    QTest::newRow("1280x1024 --fit") << QSize(1280, 1024) << true;
    QTest::newRow("1920x1080 --fit") << QSize(1920, 1080) << true;
}

// Over every activity, its List button shown, "Time's up!" sits on the display where it covers
// none of the screen's controls: every point of it over the screen is over its background.
void ProjectorModeTest::timerCoversNoControl() {
    QFETCH(QSize, display);
    QFETCH(bool, fitted);
    m_program->platform.display = QSizeF(toTwips(display.width()), toTwips(display.height()));
    Options options;
    options.size = fitted ? Options::Size::FitDisplay : Options::Size::Design;
    ProjectorMode mode(m_program->screens, options);
    Screens& screens = m_program->screens;
    for (const program::Activity& activity : program::activities()) {
        if (!activity.make) continue;
        const QString name = QString::fromUtf8(activity.screen);
        screens.define(name, [&activity, name](Screens& s) {
            return activity.make(s, {name, QString::fromUtf8(activity.caption), [] {}}, {});
        });
    }
    screens.show(QStringLiteral("Grey"));
    tools::LessonTimer timer(screens);
    timer.start(1);
    m_program->platform.advance(60'000 + tools::LessonTimer::kTickMs);
    QCOMPARE(timer.text(), QStringLiteral("Time's up!"));
    // A scene that fills the screen (Safety in the Lab's laboratory) leaves a fitted screen no
    // place free of it: there the timer may cover its corner, and nothing else.
    const auto fillsScreen = [](const Control& control) {
        const QSize area = control.widget()->size();
        const QSize window = control.screen().window()->size();
        return area.width() * area.height() > window.width() * window.height() / 2;
    };
    QStringList covered;
    for (const program::Activity& activity : program::activities()) {
        if (!activity.make) continue;
        const QString name = QString::fromUtf8(activity.screen);
        Screen& shown = screens.show(name);
        shown.window()->activateWindow();
        testing_support::settle();
        if (const Control* list = shown.findControl(QStringLiteral("cmdlist")))
            QVERIFY2(list->widget()->isVisible(), activity.screen);

        m_program->platform.advance(tools::LessonTimer::kTickMs);
        const QRect place = timer.window()->geometry();
        QVERIFY2(QRect(QPoint(), display).contains(place), activity.screen);
        const QPoint client = shown.window()->mapToGlobal(QPoint());
        for (int y = place.top(); y <= place.bottom(); y += 2)
            for (int x = place.left(); x <= place.right(); x += 2)
                if (const Control* under = shown.controlAt(QPoint(x, y) - client);
                    under && !fillsScreen(*under)) {
                    covered << QStringLiteral("%1's %2").arg(name, under->name());
                    y = place.bottom() + 1;
                    break;
                }
        screens.unload(name);
        testing_support::settle();
    }
    QVERIFY2(covered.isEmpty(), qPrintable(covered.join(QStringLiteral(", "))));
}

QTEST_MAIN(ProjectorModeTest)
#include "tst_projectormode.moc"
