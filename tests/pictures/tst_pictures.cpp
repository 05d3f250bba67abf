// Picture lookup (letter case, backslashes, folders) and decoding of broken files.
#include <QDir>
#include <QtEndian>
#include <QtTest>

#include "TestProgram.h"
#include "forms/Scale.h"
#include "forms/Screen.h"

using testing_support::TestProgram;

class PicturesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void lookupIgnoresLetterCase_data();
    void lookupIgnoresLetterCase();
    void lookupFallsBackToLaterRoots();
    void lookupNeverLeavesItsRoots();
    void brokenFilesFailCleanly_data();
    void brokenFilesFailCleanly();
    void changedFileIsReadAgain();
    void jpegDecodesAsQtReadsIt();
    void jpegTooLargeToAllocateFails();
    void pictureLargerThanAnyPlaceIsRefused_data();
    void pictureLargerThanAnyPlaceIsRefused();
    void cacheKeepsLittleThatNothingShows();
    void pictureOfAScreenGoneIsLetGoWithIt();
};

void PicturesTest::lookupIgnoresLetterCase_data() {
    QTest::addColumn<QString>("designPath");
    QTest::newRow("as written") << "Images\\exit.jpg";
    QTest::newRow("lower-case folder") << "images\\exit.jpg";
    QTest::newRow("upper-case folder and file") << "IMAGES\\EXIT.JPG";
    QTest::newRow("forward slash") << "Images/exit.jpg";
}

void PicturesTest::lookupIgnoresLetterCase() {
    QFETCH(QString, designPath);
    TestProgram program(false);
    program.addPicture(QStringLiteral("Images/exit.jpg"), {119, 33});
    QCOMPARE(program.pictures.resolve(designPath), program.path(QStringLiteral("Images/exit.jpg")));
    const auto image = program.pictures.load(designPath);
    QVERIFY(image.has_value());
    QCOMPARE(image->size(), QSize(119, 33));
}

void PicturesTest::lookupFallsBackToLaterRoots() {
    QTemporaryDir first;
    QTemporaryDir second;
    QDir(second.path()).mkpath(QStringLiteral("Images"));
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(second.path() + QStringLiteral("/Images/HCl.jpg")));
    pictures::Pictures pictures({first.path(), second.path()});
    QCOMPARE(pictures.resolve(QStringLiteral("Images\\HCl.jpg")),
             second.path() + QStringLiteral("/Images/HCl.jpg"));
    QCOMPARE(pictures.resolve(QStringLiteral("Images\\hcl.jpg")),
             second.path() + QStringLiteral("/Images/HCl.jpg"));
    QVERIFY(pictures.resolve(QStringLiteral("Images\\HCl2.jpg")).isEmpty());
    // A folder is not a picture.
    QVERIFY(pictures.resolve(QStringLiteral("Images")).isEmpty());
}

void PicturesTest::lookupNeverLeavesItsRoots() {
    TestProgram program(false);
    program.addPicture(QStringLiteral("Images/exit.jpg"), {10, 10});
    program.addPicture(QStringLiteral("opening/kal2h000.jpg"), {10, 10});
    QVERIFY(
        program.pictures.resolve(QStringLiteral("Images\\..\\opening\\kal2h000.jpg")).isEmpty());
    QVERIFY(program.pictures.resolve(QString()).isEmpty());
}

void PicturesTest::brokenFilesFailCleanly_data() {
    QTest::addColumn<QByteArray>("bytes");
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated JPEG") << jpeg.left(20);
    QTest::newRow("not a picture") << QByteArray("This is a text file, not a picture.\n");
    QTest::newRow("metafile key and nothing else") << QByteArray("\xD7\xCD\xC6\x9A", 4);
    // A PNG header that declares 20000 x 20000 pixels in a few bytes.
    QByteArray huge = QByteArray::fromHex("89504E470D0A1A0A0000000D49484452");
    huge += QByteArray::fromHex("00004E2000004E200806000000");
    QTest::newRow("enormous declared size") << huge;
}

void PicturesTest::brokenFilesFailCleanly() {
    QFETCH(QByteArray, bytes);
    TestProgram program(false);
    program.addFile(QStringLiteral("Images/exit.jpg"), bytes);
    QVERIFY(!program.pictures.load(QStringLiteral("Images\\exit.jpg")).has_value());
    QVERIFY(!program.pictures.load(QStringLiteral("Images\\missing.jpg")).has_value());
}

void PicturesTest::changedFileIsReadAgain() {
    TestProgram program(false);
    program.addPicture(QStringLiteral("Images/logo2.jpg"), {10, 10});
    QCOMPARE(program.pictures.load(QStringLiteral("Images\\logo2.jpg"))->size(), QSize(10, 10));
    program.addPicture(QStringLiteral("Images/logo2.jpg"), {20, 30});
    QCOMPARE(program.pictures.load(QStringLiteral("Images\\logo2.jpg"))->size(), QSize(20, 30));
    program.removeFile(QStringLiteral("Images/logo2.jpg"));
    QVERIFY(!program.pictures.load(QStringLiteral("Images\\logo2.jpg")).has_value());
}

// JPEG files are read by our own reader; the pixels must be those Qt's own reader gives, a
// screen-sized picture kept at three bytes a pixel and a smaller one at four.
void PicturesTest::jpegDecodesAsQtReadsIt() {
    for (const QSize size : {QSize(97, 61), QSize(640, 420)}) {
        QImage colour(size, QImage::Format_RGB32);
        for (int y = 0; y < colour.height(); ++y)
            for (int x = 0; x < colour.width(); ++x)
                colour.setPixel(x, y, qRgb(x * 2 % 256, y * 4 % 256, 255 - x % 256));
        const QImage grey = colour.convertToFormat(QImage::Format_Grayscale8);
        const QImage::Format kept =
            size.width() < 100 ? QImage::Format_RGB32 : QImage::Format_RGB888;
        for (const QImage& original : {colour, grey}) {
            const QByteArray bytes = testing_support::jpegOf(original, 90);
            const std::optional<QImage> decoded = pictures::Pictures::decode(bytes);
            QVERIFY(decoded.has_value());
            QCOMPARE(decoded->format(), kept);
            QCOMPARE(*decoded, QImage::fromData(bytes).convertToFormat(kept));
        }
    }
}

// Within the side limit, yet four times what Qt lets one picture allocate: refused, not tried.
void PicturesTest::jpegTooLargeToAllocateFails() {
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    QByteArray bytes = testing_support::jpegOf(small, 90);
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    QVERIFY(frame > 0);
    qToBigEndian<quint16>(8000, bytes.data() + frame + 5);
    qToBigEndian<quint16>(8000, bytes.data() + frame + 7);
    QVERIFY(8000 <= pictures::Pictures::kMaxSide);
    QVERIFY(!pictures::Pictures::decode(bytes).has_value());
}

// A file Qt would decode, yet so large that a copy scaled for the largest factor would pass the
// limit on a side, is refused at its own size rather than scaled to gigabytes for a projector.
// The largest that is not is read at every size and scaled to the largest factor.
void PicturesTest::pictureLargerThanAnyPlaceIsRefused_data() {
    QTest::addColumn<int>("variant");
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("shownWidth");  // 0: refused
    const int most = int(pictures::Pictures::kMaxSide / forms::Scale::kLargest);
    QTest::newRow("the most, at 4") << 1 << most << 4.0 << pictures::Pictures::kMaxSide;
    QTest::newRow("the most @2x, at 1") << 2 << 2 * most << 1.0 << most;
    QTest::newRow("the most @3x, at 3") << 3 << 3 * most << 3.0 << 3 * most;
    QTest::newRow("one more") << 1 << most + 1 << 1.0 << 0;
    QTest::newRow("one more @2x, at 2") << 2 << 2 * (most + 1) << 2.0 << 0;
    QTest::newRow("one more @3x, at 1") << 3 << 3 * (most + 1) << 1.0 << 0;
    QTest::newRow("8000 pixels, which Qt decodes, at 3") << 1 << 8000 << 3.0 << 0;
}

void PicturesTest::pictureLargerThanAnyPlaceIsRefused() {
    QFETCH(int, variant);
    QFETCH(int, width);
    QFETCH(double, factor);
    QFETCH(int, shownWidth);
    TestProgram program(false);
    const QString file =
        pictures::Pictures::variantPath(QStringLiteral("Images/wide.jpg"), variant);
    program.addPicture(file, {width, 4 * variant});
    const std::optional<QImage> shown =
        program.pictures.load(QStringLiteral("Images\\wide.jpg"), factor);
    QCOMPARE(shown.has_value(), shownWidth > 0);
    if (shown) QCOMPARE(shown->width(), shownWidth);
}

void PicturesTest::cacheKeepsLittleThatNothingShows() {
    TestProgram program(false);
    // Each decodes to 256 KiB (256 x 256, four bytes a pixel).
    for (int i = 0; i < 5; ++i)
        program.addPicture(QStringLiteral("Images/p%1.jpg").arg(i), {256, 256});
    const QImage shown = *program.pictures.load(QStringLiteral("Images\\p0.jpg"));
    for (int i = 1; i < 5; ++i) program.pictures.load(QStringLiteral("Images\\p%1.jpg").arg(i));
    QVERIFY(program.pictures.idleCacheBytes() <= pictures::Pictures::kIdleCacheBytes);
    QVERIFY(program.pictures.idleCacheBytes() > 0);
    // The picture still on show is kept and shared, not decoded again; the most recent idle one
    // is kept too.
    QCOMPARE(program.pictures.load(QStringLiteral("Images\\p0.jpg"))->constBits(),
             shown.constBits());
    const QImage recent = *program.pictures.load(QStringLiteral("Images\\p4.jpg"));
    QCOMPARE(program.pictures.load(QStringLiteral("Images\\p4.jpg"))->constBits(),
             recent.constBits());
}

// A picture over the budget that only a screen now gone showed goes with that screen, not when
// some later picture is read: in projector mode it is megabytes, which the next screen's own
// would come on top of.
void PicturesTest::pictureOfAScreenGoneIsLetGoWithIt() {
    TestProgram program(false);
    program.addPicture(QStringLiteral("Images/lab.jpg"), {800, 582});
    for (const char* name : {"menu", "activity"}) {
        program.screens.define(QString::fromLatin1(name), [name](forms::Screens& screens) {
            return std::make_unique<forms::Screen>(screens, QString::fromLatin1(name));
        });
    }
    program.screens.show(QStringLiteral("menu"));
    forms::Screen& activity = program.screens.show(QStringLiteral("activity"));
    QVERIFY(activity.loadPicture(QStringLiteral("Images\\lab.jpg")));
    QCOMPARE(program.pictures.idleCacheBytes(), 0);
    program.screens.unload(QStringLiteral("activity"));
    program.screens.collectUnloaded();
    QCOMPARE(program.pictures.idleCacheBytes(), 0);
    QCOMPARE(program.programEnds, 0);
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
