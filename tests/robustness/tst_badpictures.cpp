// What a school machine's picture folders can hold instead of the pictures: every screen still
// opens, paints, answers its buttons and closes, and the broken picture is simply not shown.
#include <sys/resource.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "Lesson.h"
#include "Mouse.h"
#include "ProgramPictures.h"
#include "TestProgram.h"
#include "forms/Pictures.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "forms/WmfReader.h"
#include "labelling/LabellingBoard.h"
#include "program/Activities.h"
#include "program/ScreenDirectory.h"
#include "shell/ScreenNames.h"

using namespace testing_support;

namespace {

// 20000 x 20000 pixels, far beyond any limit, in a file of a few hundred bytes.
constexpr int kEnormousSide = 20000;
// Within the limit on a side and within what Qt lets one picture allocate (100 MB decoded), yet
// far beyond any place on a screen, and more again once scaled for a projector.
constexpr int kLargeSide = 5000;

QByteArray enormousJpeg(int side = kEnormousSide) {
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "JPG", 95);
    // Start of frame: marker, length, precision, then height and width, big-endian.
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    Q_ASSERT(frame > 0);
    qToBigEndian<quint16>(side, bytes.data() + frame + 5);
    qToBigEndian<quint16>(side, bytes.data() + frame + 7);
    return bytes;
}

QByteArray enormousMetafile(QByteArray wmf) {
    // Bounds 0..32000 at one unit to the inch: 3 million pixels a side at 96 dpi.
    qToLittleEndian<qint16>(0, wmf.data() + 6);
    qToLittleEndian<qint16>(0, wmf.data() + 8);
    qToLittleEndian<qint16>(32000, wmf.data() + 10);
    qToLittleEndian<qint16>(32000, wmf.data() + 12);
    qToLittleEndian<quint16>(1, wmf.data() + 14);
    // The header's checksum covers the words before it.
    quint16 sum = 0;
    for (qsizetype i = 0; i < 10; ++i) sum ^= qFromLittleEndian<quint16>(wmf.constData() + 2 * i);
    qToLittleEndian<quint16>(sum, wmf.data() + 20);
    return wmf;
}

// The kinds of damage a picture file suffers, each made from the file's own bytes.
const char* const kDamages[] = {"missing",       "empty",    "truncated",
                                "not a picture", "enormous", "large"};

// The file's bytes after the damage; none when the file is gone.
std::optional<QByteArray> damaged(const QString& kind, const QByteArray& bytes,
                                  const QByteArray& board) {
    const bool metafile = forms::isPlaceableMetafile(bytes);
    if (kind == QLatin1String("missing")) return std::nullopt;
    if (kind == QLatin1String("empty")) return QByteArray();
    if (kind == QLatin1String("truncated")) return bytes.left(bytes.size() / 2);
    if (kind == QLatin1String("not a picture"))
        return QByteArray("<html><body>404 Not Found</body></html>\r\n");
    if (metafile) return enormousMetafile(board);
    return enormousJpeg(kind == QLatin1String("large") ? kLargeSide : kEnormousSide);
}

void damage(TestProgram& program, const QString& relative, const QByteArray& bytes,
            const QString& kind, const QByteArray& board) {
    if (const std::optional<QByteArray> broken = damaged(kind, bytes, board))
        program.addFile(relative, *broken);
    else
        program.removeFile(relative);
}

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

const program::Activity* activityNamed(const QString& name) {
    for (const program::Activity& activity : program::activities())
        if (name == QLatin1String(activity.screen)) return &activity;
    return nullptr;
}

forms::Control* shownControl(const forms::Screen& screen, const QString& name) {
    forms::Control* control = screen.findControl(name);
    return control && control->isVisible() ? control : nullptr;
}

QImage grabbed(const forms::Screen& screen) {
    return screen.window()->grab().toImage();
}

// Works an activity as the teacher does, with whatever pictures there are: opened from its
// menu, Answer shows something, Next moves on from it, Check and Scramble answer, the remote's
// keys, a name label placed by two taps on a board, and Escape gives the menu back. What went
// wrong, or nothing.
QString workActivity(forms::Screens& screens, const program::Activity& activity) {
    const QString name = QString::fromLatin1(activity.screen);
    forms::Screen& menu = screens.show(shell::menuScreenName(activity.menu));
    settle();
    forms::Control* entry = controlOf(menu, QStringLiteral("Label3"), activity.entry);
    if (!menu.isVisible() || !entry) return QStringLiteral("its menu or entry is not there");
    Mouse(menu).click(Mouse::centreOf(*entry));
    settle();
    forms::Screen* screen = screens.loaded(name);
    if (!screen || !screen->isVisible()) return QStringLiteral("did not open from its menu");
    QImage before = grabbed(*screen);
    if (before.isNull()) return QStringLiteral("did not paint");

    const auto press = [&](const char* button) -> std::optional<QImage> {
        forms::Control* control = shownControl(*screen, QString::fromLatin1(button));
        if (!control) return std::nullopt;
        Mouse(*screen).click(Mouse::centreOf(*control));
        settle();
        if (!screens.loaded(name) || !screen->isVisible()) return QImage();
        return grabbed(*screen);
    };
    if (const std::optional<QImage> answered = press("cmdsoln")) {
        if (answered->isNull()) return QStringLiteral("Answer closed it");
        if (*answered == before) return QStringLiteral("Answer changed nothing on view");
        before = *answered;
    }
    if (const std::optional<QImage> next = press("cmdgo")) {
        if (next->isNull()) return QStringLiteral("Next closed it");
        if (*next == before) return QStringLiteral("Next changed nothing on view");
    }
    for (const char* button : {"cmdcheckit", "cmdscramble"}) {
        if (const std::optional<QImage> after = press(button); after && after->isNull())
            return QStringLiteral("%1 closed it").arg(QLatin1String(button));
    }
    for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_Space, Qt::Key_PageUp, Qt::Key_Right}) {
        QTest::keyClick(screen->window(), key);
        settle();
        if (!screens.loaded(name) || !screen->isVisible())
            return QStringLiteral("key %1 closed it").arg(key, 0, 16);
    }

    if (auto* board = dynamic_cast<labelling::LabellingBoard*>(screen)) {
        forms::ControlArrayBase* names = screen->findArray(QStringLiteral("Label2"));
        forms::ControlArrayBase* boxes = screen->findArray(QStringLiteral("Label1"));
        forms::Control* label = nullptr;
        forms::Control* box = nullptr;
        int picked = -1;
        for (int i : names ? names->indices() : std::vector<int>{}) {
            if (names->element(i)->isVisible()) {
                label = names->element(i);
                picked = i;
                break;
            }
        }
        for (int i : boxes ? boxes->indices() : std::vector<int>{})
            if (!box && boxes->element(i)->isVisible()) box = boxes->element(i);
        if (!label || !box) return QStringLiteral("a board with no name label or box on view");
        const QPointF home(label->left(), label->top());
        Mouse(*screen).click(Mouse::centreOf(*label));
        settle();
        if (board->picked() != picked) return QStringLiteral("a tap did not pick a label up");
        Mouse(*screen).click(Mouse::centreOf(*box));
        settle();
        if (board->picked() != -1 || QPointF(label->left(), label->top()) == home)
            return QStringLiteral("a second tap did not put the label down on a box");
    }

    QTest::keyClick(screen->window(), Qt::Key_Escape);
    settle();
    if (screens.isLoaded(name)) return QStringLiteral("Escape did not leave it");
    if (!menu.isVisible()) return QStringLiteral("leaving it did not give its menu back");
    return {};
}

// Opens every screen the program defines, each in a program of its own (so that closing the
// last one ends only that program), lets it paint, and closes it; with `work`, every activity
// is worked as the teacher does. The screens that failed, with why.
QStringList openAndCloseEveryScreen(forms::Platform& platform, forms::Pictures& pictures,
                                    double factor = 1.0, bool work = false) {
    QStringList failed;
    forms::Screens names(platform, pictures);
    program::defineScreens(names);
    for (const QString& name : names.definedNames()) {
        forms::Screens screens(platform, pictures);
        program::defineScreens(screens);
        screens.setScale(forms::Scale(factor));
        screens.onProgramEnd = [] {};
        if (const program::Activity* activity = work ? activityNamed(name) : nullptr) {
            if (const QString why = workActivity(screens, *activity); !why.isEmpty())
                failed << name + QStringLiteral(": ") + why;
        } else {
            forms::Screen& screen = screens.show(name);
            settle();
            // Paints the whole window now, pictures included, whatever the platform exposes.
            const QImage shot = grabbed(screen);
            if (!screen.isVisible() || shot.isNull()) failed << name;
        }
        for (const QString& loaded : screens.loadedNames()) screens.unload(loaded);
        settle();
    }
    return failed;
}

// Every picture file of the build, at every size, copied into a folder of its own.
bool copyEveryPictureFile(TestProgram& program) {
    const forms::Pictures built({buildDir()});
    const QDir root(buildDir());
    bool all = true;
    std::vector<ProgramPicture> files = programPictures();
    files.insert(files.end(), programPictureVariants().begin(), programPictureVariants().end());
    for (const ProgramPicture& picture : files) {
        const QString source = built.resolve(picture.path);
        const QString target = program.path(root.relativeFilePath(source));
        all = !source.isEmpty() && QDir().mkpath(QFileInfo(target).path()) &&
              QFile::copy(source, target) && all;
    }
    return all;
}

}  // namespace

class BadPicturesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase();
    void brokenPicture_data();
    void brokenPicture();
    void brokenVariant_data();
    void brokenVariant();
    void everyPictureBroken_data();
    void everyPictureBroken();
    void folders_data();
    void folders();
    void memoryStaysBounded();
    void cleanupTestCase();

  private:
    // One folder of the built pictures for every broken-picture case, each case breaking one and
    // mending it after.
    std::unique_ptr<TestProgram> m_shared;
    QByteArray m_board;
    long m_peakBefore = 0;
    int m_cases = 0;
};

void BadPicturesTest::initTestCase() {
    QVERIFY2(!buildDir().isEmpty(), "KINDREL_BUILD_DIR is not set");
    QFile board(forms::Pictures({buildDir()}).resolve(QStringLiteral("IMAGES\\BOARD.WMF")));
    QVERIFY(board.open(QIODevice::ReadOnly));
    m_board = board.readAll();
    m_shared = std::make_unique<TestProgram>(false);
    QVERIFY(m_shared->addProgramPictures());
    m_peakBefore = peakResidentKiB();
}

void BadPicturesTest::brokenPicture_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("damage");
    for (const ProgramPicture& picture : programPictures()) {
        for (const char* kind : kDamages) {
            QTest::addRow("%s %s", qPrintable(picture.name), kind)
                << picture.path << QString::fromLatin1(kind);
        }
    }
}

void BadPicturesTest::brokenPicture() {
    QFETCH(QString, path);
    QFETCH(QString, damage);
    TestProgram& program = *m_shared;
    // A lookup of its own, as a program started afresh has: nothing decoded before the damage.
    forms::Pictures pictures({program.folder.path()});
    const QString file = pictures.resolve(path);
    QVERIFY(!file.isEmpty());
    const QString relative = QDir(program.folder.path()).relativeFilePath(file);
    QFile original(file);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();

    ::damage(program, relative, bytes, damage, m_board);

    // The damage is real: the program's own lookup gets no picture from it.
    const bool loaded = pictures.load(path).has_value();
    const QStringList failed = openAndCloseEveryScreen(program.platform, pictures);
    program.addFile(relative, bytes);
    QVERIFY(!loaded);
    QCOMPARE(failed, QStringList());
    ++m_cases;
}

// The larger sizes of a sample of the pictures, to keep the sweep quick: one raster picture in
// fifteen (the title, an atom, an apparatus drawing, a flame, a particle diagram), at 2 and 3
// times by turns, broken in each way and read at its own factor. The program reads another size
// of the same picture instead, and every screen opens at that factor.
void BadPicturesTest::brokenVariant_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("damage");
    const std::vector<ProgramPicture>& variants = programPictureVariants();
    // Two variants to a picture in the list, @2x then @3x.
    for (size_t picture = 0, turn = 0; 2 * picture < variants.size(); picture += 15, ++turn) {
        const ProgramPicture& variant = variants[2 * picture + turn % 2];
        for (const char* kind : kDamages) {
            QTest::addRow("%s %s", qPrintable(variant.name), kind)
                << variant.path << variant.variant << QString::fromLatin1(kind);
        }
    }
}

void BadPicturesTest::brokenVariant() {
    QFETCH(QString, path);
    QFETCH(int, variant);
    QFETCH(QString, damage);
    TestProgram& program = *m_shared;
    const forms::Pictures built({buildDir()});
    const QDir root(buildDir());
    // The design-size file's path: the variant's without its "@2x".
    const QString designPath = QString(path).remove(QStringLiteral("@%1x").arg(variant));
    QStringList added;
    for (int other : {2, 3}) {
        const QString source = built.resolve(forms::Pictures::variantPath(designPath, other));
        QVERIFY(!source.isEmpty());
        added << root.relativeFilePath(source);
        QFile::remove(program.path(added.back()));
        QVERIFY(QFile::copy(source, program.path(added.back())));
    }
    forms::Pictures pictures({program.folder.path()});
    const QString relative = QDir(program.folder.path()).relativeFilePath(pictures.resolve(path));
    QFile original(program.path(relative));
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    const QSize design = forms::designSize(*pictures.load(designPath));
    ::damage(program, relative, bytes, damage, m_board);

    // The damage is real (the file is no picture, or not this one's size), yet the picture is
    // read from another of its sizes.
    QFile damaged(program.path(relative));
    const QByteArray damagedBytes = damaged.open(QIODevice::ReadOnly) ? damaged.readAll() : "";
    damaged.close();
    // Its declared size first, so that a large one is not decoded here.
    QBuffer buffer;
    buffer.setData(damagedBytes);
    const bool decodes = QImageReader(&buffer).size() == design * variant &&
                         forms::Pictures::decode(damagedBytes).has_value();
    const std::optional<QImage> shown = pictures.load(designPath, variant);
    const QStringList failed = openAndCloseEveryScreen(program.platform, pictures, variant);
    for (const QString& file : added) program.removeFile(file);
    QVERIFY(!decodes);
    QVERIFY(shown.has_value());
    QCOMPARE(shown->size(), design * variant);
    QCOMPARE(failed, QStringList());
    ++m_cases;
}

// Every file of a size broken at once, in each way, and every screen worked at a factor: the
// screens read another size of every picture, or with every size broken show none, and each
// activity still opens from its menu, answers its buttons, keys and taps and gives its menu back.
// This is where each of the larger files meets every screen; one by one, only a sample does.
void BadPicturesTest::everyPictureBroken_data() {
    QTest::addColumn<QList<int>>("broken");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("damage");
    const struct {
        const char* name;
        QList<int> broken;
        double factor;
    } layouts[] = {
        // Nothing to show anywhere.
        {"every size, at design size", {1, 2, 3}, 1.0},
        // Every larger file tried and given up for the design-size one, scaled up.
        {"@2x and @3x, at 1.8", {2, 3}, 1.8},
    };
    for (const auto& layout : layouts) {
        for (const char* kind : kDamages) {
            QTest::addRow("%s %s", layout.name, kind)
                << layout.broken << layout.factor << QString::fromLatin1(kind);
        }
    }
}

void BadPicturesTest::everyPictureBroken() {
    QFETCH(QList<int>, broken);
    QFETCH(double, factor);
    QFETCH(QString, damage);
    TestProgram program(false);
    QVERIFY(copyEveryPictureFile(program));
    forms::Pictures pictures({program.folder.path()});
    const QDir root(program.folder.path());
    qsizetype files = 0;
    for (const ProgramPicture& picture : programPictures()) {
        for (int variant : broken) {
            const QString file =
                pictures.resolve(forms::Pictures::variantPath(picture.path, variant));
            if (file.isEmpty()) continue;  // the metafile has no larger sizes
            QFile original(file);
            QVERIFY(original.open(QIODevice::ReadOnly));
            const QByteArray bytes = original.readAll();
            original.close();
            ::damage(program, root.relativeFilePath(file), bytes, damage, m_board);
            ++files;
        }
    }
    qsizetype expected = 0;
    for (int variant : broken) {
        expected += variant == 1 ? qsizetype(programPictures().size())
                                 : std::count_if(programPictureVariants().begin(),
                                                 programPictureVariants().end(),
                                                 [variant](const ProgramPicture& picture) {
                                                     return picture.variant == variant;
                                                 });
    }
    QCOMPARE(files, expected);

    // With a size left whole every picture is read from it, at the factor's size; with none,
    // no picture is.
    const bool noneLeft = broken.size() == 3;
    for (const ProgramPicture& picture : programPictures()) {
        const bool vector = picture.path.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive);
        const std::optional<QImage> shown = pictures.load(picture.path, factor);
        if (noneLeft || (vector && broken.contains(1))) {
            QVERIFY2(!shown, qPrintable(picture.path));
        } else {
            QVERIFY2(shown, qPrintable(picture.path));
            QCOMPARE(forms::designSize(*shown), picture.size);
        }
    }
    const QStringList failed = openAndCloseEveryScreen(program.platform, pictures, factor, true);
    QCOMPARE(failed, QStringList());
    ++m_cases;
}

void BadPicturesTest::folders_data() {
    QTest::addColumn<QStringList>("keep");
    QTest::addColumn<QStringList>("filesInstead");
    QTest::addColumn<bool>("elsewhere");
    const QString images = QStringLiteral("Images"), opening = QStringLiteral("opening");
    QTest::newRow("both folders missing") << QStringList() << QStringList() << false;
    QTest::newRow("Images missing") << QStringList{opening} << QStringList() << false;
    QTest::newRow("opening missing") << QStringList{images} << QStringList() << false;
    QTest::newRow("files in place of the folders")
        << QStringList() << QStringList{images, opening} << false;
    QTest::newRow("working directory elsewhere")
        << QStringList{images, opening} << QStringList() << true;
}

void BadPicturesTest::folders() {
    QFETCH(QStringList, keep);
    QFETCH(QStringList, filesInstead);
    QFETCH(bool, elsewhere);
    TestProgram program;
    QVERIFY(program.addProgramPictures());
    for (const QString& folder : {QStringLiteral("Images"), QStringLiteral("opening")}) {
        if (keep.contains(folder)) continue;
        QVERIFY(QDir(program.path(folder)).removeRecursively());
        if (filesInstead.contains(folder)) program.addFile(folder, "not a folder");
    }

    // Elsewhere, the program looks as it does when started from another folder: in the working
    // directory, then in the folder of the executable, which for a test holds no pictures.
    QTemporaryDir away;
    const QString before = QDir::currentPath();
    if (elsewhere) QVERIFY(QDir::setCurrent(away.path()));
    forms::Pictures startedElsewhere;
    forms::Pictures& pictures = elsewhere ? startedElsewhere : program.pictures;

    for (const ProgramPicture& picture : programPictures()) {
        const QString folder = picture.path.section(QLatin1Char('\\'), 0, 0);
        const bool found = !elsewhere && keep.contains(folder, Qt::CaseInsensitive);
        QVERIFY2(pictures.load(picture.path).has_value() == found, qPrintable(picture.path));
    }
    const QStringList failed = openAndCloseEveryScreen(program.platform, pictures);
    QVERIFY(QDir::setCurrent(before));
    QCOMPARE(failed, QStringList());
    ++m_cases;
}

// Nothing enormous was ever decoded: the whole run stays within a few pictures' worth.
void BadPicturesTest::memoryStaysBounded() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer's shadow memory and quarantine dwarf what is measured here");
#endif
    const long growthMiB = (peakResidentKiB() - m_peakBefore) / 1024;
    qInfo("peak resident memory grew by %ld MiB over %d cases", growthMiB, m_cases);
    QVERIFY2(growthMiB < 256, qPrintable(QString::number(growthMiB)));
}

void BadPicturesTest::cleanupTestCase() {
    m_shared.reset();
    qInfo("%d cases, each opening and closing every screen", m_cases);
}

QTEST_MAIN(BadPicturesTest)
#include "tst_badpictures.moc"
