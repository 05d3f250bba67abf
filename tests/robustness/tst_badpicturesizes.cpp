// Broken pictures in projector mode, and every file broken at once: every screen still opens at
// the factor, its activities answer their buttons, keys and taps, and the larger sizes give way
// to another size of the same picture.
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include "BrokenPictureSweep.h"
#include "BrokenPictures.h"
#include "Lesson.h"
#include "ProgramPictures.h"
#include "TestProgram.h"
#include "pictures/Pictures.h"
#include "pictures/WmfReader.h"

using namespace testing_support;

class BadPictureSizesTest : public BrokenPictureSweep {
    Q_OBJECT
  private Q_SLOTS:
    void brokenVariant_data();
    void brokenVariant();
    void everyPictureBroken_data();
    void everyPictureBroken();
};

// The larger sizes of a sample of the pictures, to keep the sweep quick: one raster picture in
// fifteen (the title, an atom, an apparatus drawing, a flame, a particle diagram), at 2 and 3
// times by turns, broken in each way and read at its own factor. The program reads another size
// of the same picture instead, and every screen opens at that factor.
void BadPictureSizesTest::brokenVariant_data() {
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

void BadPictureSizesTest::brokenVariant() {
    QFETCH(QString, path);
    QFETCH(int, variant);
    QFETCH(QString, damage);
    TestProgram& program = *m_shared;
    const pictures::Pictures built({buildDir()});
    const QDir root(buildDir());
    // The design-size file's path: the variant's without its "@2x".
    const QString designPath = QString(path).remove(QStringLiteral("@%1x").arg(variant));
    QStringList added;
    for (int other : {2, 3}) {
        const QString source = built.resolve(pictures::Pictures::variantPath(designPath, other));
        QVERIFY(!source.isEmpty());
        added << root.relativeFilePath(source);
        QFile::remove(program.path(added.back()));
        QVERIFY(QFile::copy(source, program.path(added.back())));
    }
    pictures::Pictures pictures({program.folder.path()});
    const QString relative = QDir(program.folder.path()).relativeFilePath(pictures.resolve(path));
    QFile original(program.path(relative));
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();
    original.close();
    const QSize design = pictures::designSize(*pictures.load(designPath));
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
                         pictures::Pictures::decode(damagedBytes).has_value();
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
void BadPictureSizesTest::everyPictureBroken_data() {
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

void BadPictureSizesTest::everyPictureBroken() {
    QFETCH(QList<int>, broken);
    QFETCH(double, factor);
    QFETCH(QString, damage);
    TestProgram program(false);
    QVERIFY(copyEveryPictureFile(program));
    pictures::Pictures pictures({program.folder.path()});
    const QDir root(program.folder.path());
    qsizetype files = 0;
    for (const ProgramPicture& picture : programPictures()) {
        for (int variant : broken) {
            const QString file =
                pictures.resolve(pictures::Pictures::variantPath(picture.path, variant));
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
            QCOMPARE(pictures::designSize(*shown), picture.size);
        }
    }
    const QStringList failed = openAndCloseEveryScreen(program.platform, pictures, factor, true);
    QCOMPARE(failed, QStringList());
    ++m_cases;
}

QTEST_MAIN(BadPictureSizesTest)
#include "tst_badpicturesizes.moc"
