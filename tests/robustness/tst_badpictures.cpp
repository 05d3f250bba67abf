// What a school machine's picture folders can hold instead of the pictures: each design-size
// file broken in turn and the folders taken away, every screen still opens, paints and closes,
// and the broken picture is simply not shown. The larger sizes are in tst_badpicturesizes.
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

class BadPicturesTest : public BrokenPictureSweep {
    Q_OBJECT
  private Q_SLOTS:
    void brokenPicture_data();
    void brokenPicture();
    void folders_data();
    void folders();
};

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
    pictures::Pictures pictures({program.folder.path()});
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
    pictures::Pictures startedElsewhere;
    pictures::Pictures& pictures = elsewhere ? startedElsewhere : program.pictures;

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

QTEST_MAIN(BadPicturesTest)
#include "tst_badpictures.moc"
