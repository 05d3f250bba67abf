// What a school machine's picture folders can hold instead of the pictures: every screen still
// opens, paints and closes, and the broken picture is simply not shown.
#include <sys/resource.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "Lesson.h"
#include "ProgramPictures.h"
#include "TestProgram.h"
#include "forms/Pictures.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "forms/WmfReader.h"
#include "program/ScreenDirectory.h"

using namespace testing_support;

namespace {

// 20000 x 20000 pixels, far beyond any limit, in a file of a few hundred bytes.
constexpr int kEnormousSide = 20000;

QByteArray enormousJpeg() {
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "JPG", 95);
    // Start of frame: marker, length, precision, then height and width, big-endian.
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    Q_ASSERT(frame > 0);
    qToBigEndian<quint16>(kEnormousSide, bytes.data() + frame + 5);
    qToBigEndian<quint16>(kEnormousSide, bytes.data() + frame + 7);
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
const char* const kDamages[] = {"missing", "empty", "truncated", "not a picture", "enormous"};

void damage(TestProgram& program, const QString& relative, const QByteArray& bytes,
            const QString& kind, const QByteArray& enormous) {
    if (kind == QLatin1String("missing"))
        program.removeFile(relative);
    else if (kind == QLatin1String("empty"))
        program.addFile(relative, {});
    else if (kind == QLatin1String("truncated"))
        program.addFile(relative, bytes.left(bytes.size() / 2));
    else if (kind == QLatin1String("not a picture"))
        program.addFile(relative, "<html><body>404 Not Found</body></html>\r\n");
    else
        program.addFile(relative, enormous);
}

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Opens every screen the program defines, each in a program of its own (so that closing the
// last one ends only that program), lets it paint, and closes it. The names that did not come
// on view.
QStringList openAndCloseEveryScreen(forms::Platform& platform, forms::Pictures& pictures,
                                    double factor = 1.0) {
    QStringList failed;
    forms::Screens names(platform, pictures);
    program::defineScreens(names);
    for (const QString& name : names.definedNames()) {
        forms::Screens screens(platform, pictures);
        program::defineScreens(screens);
        screens.setScale(forms::Scale(factor));
        screens.onProgramEnd = [] {};
        forms::Screen& screen = screens.show(name);
        settle();
        // Paints the whole window now, pictures included, whatever the platform exposes.
        const QImage shot = screen.window()->grab().toImage();
        if (!screen.isVisible() || shot.isNull()) failed << name;
        screens.unload(name);
        settle();
    }
    return failed;
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
    void folders_data();
    void folders();
    void memoryStaysBounded();
    void cleanupTestCase();

  private:
    // One folder of the built pictures for every broken-picture case, each case breaking one and
    // mending it after.
    std::unique_ptr<TestProgram> m_shared;
    QByteArray m_board;
    QByteArray m_enormousJpeg;
    long m_peakBefore = 0;
    int m_cases = 0;
};

void BadPicturesTest::initTestCase() {
    QVERIFY2(!buildDir().isEmpty(), "KINDREL_BUILD_DIR is not set");
    QFile board(forms::Pictures({buildDir()}).resolve(QStringLiteral("IMAGES\\BOARD.WMF")));
    QVERIFY(board.open(QIODevice::ReadOnly));
    m_board = board.readAll();
    m_enormousJpeg = enormousJpeg();
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

    const bool metafile = forms::isPlaceableMetafile(bytes);
    ::damage(program, relative, bytes, damage,
             metafile ? enormousMetafile(m_board) : m_enormousJpeg);

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
    ::damage(program, relative, bytes, damage, m_enormousJpeg);

    // The damage is real, yet the picture is read from another of its sizes.
    QFile damaged(program.path(relative));
    const bool decodes =
        damaged.open(QIODevice::ReadOnly) && forms::Pictures::decode(damaged.readAll()).has_value();
    damaged.close();
    const std::optional<QImage> shown = pictures.load(designPath, variant);
    const QStringList failed = openAndCloseEveryScreen(program.platform, pictures, variant);
    for (const QString& file : added) program.removeFile(file);
    QVERIFY(!decodes);
    QVERIFY(shown.has_value());
    QCOMPARE(shown->size(), design * variant);
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
