// Which of a picture's sizes is read at a factor, what happens when one is missing or broken,
// and the board metafile drawn as vectors at the factor.
#include <QFile>
#include <QThreadPool>
#include <QtTest>

#include "TestProgram.h"
#include "WmfWriter.h"
#include "forms/Scale.h"
#include "pictures/Pictures.h"

using pictures::Pictures;
using testing_support::TestProgram;

namespace {

// Each size of the picture in a colour of its own, so that the one read can be told.
QColor colourOf(int variant) {
    switch (variant) {
        case 1:
            return Qt::red;
        case 2:
            return Qt::green;
        default:
            return Qt::blue;
    }
}

int variantShown(const QImage& image) {
    const QRgb middle = image.pixel(image.width() / 2, image.height() / 2);
    for (int variant : Pictures::kVariants) {
        const QColor want = colourOf(variant);
        if (qAbs(qRed(middle) - want.red()) < 40 && qAbs(qGreen(middle) - want.green()) < 40 &&
            qAbs(qBlue(middle) - want.blue()) < 40)
            return variant;
    }
    return 0;
}

constexpr QSize kDesign(119, 33);

}  // namespace

class PictureVariantsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void variantFiles_data();
    void variantFiles();
    void smallestAtLeastTheFactor_data();
    void smallestAtLeastTheFactor();
    void brokenSizeIsPassedOver();
    void nothingReadableIsNothing();
    void chosenAgainForANewFactor();
    void metafileIsDrawnAtTheFactor();
    void readAheadIsWhatLoadGives();
    void handedOverOnceRead();
};

void PictureVariantsTest::variantFiles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("file");
    QTest::newRow("design size") << "Images\\exit.jpg" << 1 << "Images\\exit.jpg";
    QTest::newRow("twice") << "Images\\exit.jpg" << 2 << "Images\\exit@2x.jpg";
    QTest::newRow("three times, other case") << "images/EXIT.JPG" << 3 << "images/EXIT@3x.JPG";
    QTest::newRow("dot in a folder") << "my.pictures\\tick" << 2 << "my.pictures\\tick@2x";
}

void PictureVariantsTest::variantFiles() {
    QFETCH(QString, path);
    QFETCH(int, variant);
    QFETCH(QString, file);
    QCOMPARE(Pictures::variantPath(path, variant), file);
}

void PictureVariantsTest::smallestAtLeastTheFactor_data() {
    QTest::addColumn<double>("factor");
    QTest::addColumn<QList<int>>("made");
    QTest::addColumn<int>("read");
    const QList<int> all{1, 2, 3};
    QTest::newRow("1, all made") << 1.0 << all << 1;
    QTest::newRow("1.8, all made") << 1.8 << all << 2;
    QTest::newRow("2, all made") << 2.0 << all << 2;
    QTest::newRow("2.7, all made") << 2.7 << all << 3;
    QTest::newRow("3.6, the largest scaled up") << 3.6 << all << 3;
    QTest::newRow("1.8, twice missing: three times") << 1.8 << QList<int>{1, 3} << 3;
    QTest::newRow("2.7, three times missing: twice") << 2.7 << QList<int>{1, 2} << 2;
    QTest::newRow("2.7, only design size") << 2.7 << QList<int>{1} << 1;
    QTest::newRow("1, design size missing") << 1.0 << QList<int>{2, 3} << 2;
}

void PictureVariantsTest::smallestAtLeastTheFactor() {
    QFETCH(double, factor);
    QFETCH(QList<int>, made);
    QFETCH(int, read);
    TestProgram program(false);
    for (int variant : made)
        program.addPicture(Pictures::variantPath(QStringLiteral("Images/exit.jpg"), variant),
                           kDesign * variant, colourOf(variant));
    const std::optional<QImage> image =
        program.pictures.load(QStringLiteral("Images\\exit.jpg"), factor);
    QVERIFY(image.has_value());
    QCOMPARE(variantShown(*image), read);
    // Whichever was read, it comes at the factor's size and says so.
    QCOMPARE(image->size(), forms::Scale(factor).pixels(kDesign));
    QCOMPARE(image->devicePixelRatio(), factor);
    QCOMPARE(pictures::designSize(*image), kDesign);
}

void PictureVariantsTest::brokenSizeIsPassedOver() {
    TestProgram program(false);
    for (int variant : Pictures::kVariants)
        program.addPicture(Pictures::variantPath(QStringLiteral("Images/exit.jpg"), variant),
                           kDesign * variant, colourOf(variant));
    QFile twice(program.path(QStringLiteral("Images/exit@2x.jpg")));
    QVERIFY(twice.open(QIODevice::ReadOnly));
    const QByteArray bytes = twice.readAll();
    twice.close();
    program.addFile(QStringLiteral("Images/exit@2x.jpg"), bytes.left(bytes.size() / 2));
    const auto image = program.pictures.load(QStringLiteral("Images\\exit.jpg"), 1.8);
    QVERIFY(image.has_value());
    QCOMPARE(variantShown(*image), 3);
    QCOMPARE(image->size(), forms::Scale(1.8).pixels(kDesign));
}

void PictureVariantsTest::nothingReadableIsNothing() {
    TestProgram program(false);
    program.addFile(QStringLiteral("Images/exit.jpg"), "not a picture");
    program.addFile(QStringLiteral("Images/exit@3x.jpg"), QByteArray());
    for (double factor : {1.0, 1.8, 2.7})
        QVERIFY(!program.pictures.load(QStringLiteral("Images\\exit.jpg"), factor).has_value());
}

void PictureVariantsTest::chosenAgainForANewFactor() {
    TestProgram program(false);
    for (int variant : Pictures::kVariants)
        program.addPicture(Pictures::variantPath(QStringLiteral("Images/exit.jpg"), variant),
                           kDesign * variant, colourOf(variant));
    const QImage shown = *program.pictures.load(QStringLiteral("Images\\exit.jpg"), 1.0);
    const QImage again = program.pictures.rechoose(shown, 2.7);
    QCOMPARE(variantShown(again), 3);
    QCOMPARE(again.size(), forms::Scale(2.7).pixels(kDesign));
    QCOMPARE(variantShown(program.pictures.rechoose(again, 1.0)), 1);
    // A picture the lookup did not give stays as it is.
    QImage own(10, 10, QImage::Format_RGB32);
    own.fill(Qt::yellow);
    QCOMPARE(program.pictures.rechoose(own, 2.7).cacheKey(), own.cacheKey());
}

void PictureVariantsTest::metafileIsDrawnAtTheFactor() {
    // A 1500 x 1080 twip board: 100 x 72 pixels at design size, its outline 2 twips in from
    // the edge.
    pictures::WmfWriter writer(QRect(0, 0, 1500, 1080), 1440);
    writer.selectObject(writer.createPen(QColor(0, 0, 0), 30));
    writer.selectObject(writer.createBrush(QColor(30, 90, 60)));
    writer.rectangle(QRect(150, 150, 1200, 780));
    TestProgram program(false);
    program.addFile(QStringLiteral("Images/BOARD.WMF"), writer.toBytes());
    for (double factor : {1.0, 1.8, 2.7}) {
        const auto image = program.pictures.load(QStringLiteral("IMAGES\\BOARD.WMF"), factor);
        QVERIFY(image.has_value());
        QCOMPARE(image->size(), forms::Scale(factor).pixels(QSize(100, 72)));
        QCOMPARE(image->devicePixelRatio(), factor);
        // Drawn, not enlarged: the rectangle's edge is as sharp at every factor, one step from
        // clear to ink within a pixel or two.
        const int y = image->height() / 2;
        int blended = 0;
        for (int x = 0; x < image->width() / 2; ++x) {
            const int alpha = qAlpha(image->pixel(x, y));
            if (alpha > 20 && alpha < 235) ++blended;
        }
        QVERIFY2(blended <= 2, qPrintable(QString::number(blended)));
    }
}

// A picture read ahead on a worker is the one load() would have read; one broken meanwhile, or
// missing, gives what load() gives without reading ahead.
void PictureVariantsTest::readAheadIsWhatLoadGives() {
    TestProgram program(false);
    for (int variant : Pictures::kVariants)
        program.addPicture(Pictures::variantPath(QStringLiteral("Images/exit.jpg"), variant),
                           kDesign * variant, colourOf(variant));
    program.addPicture(QStringLiteral("Images/tick.jpg"), {40, 40});
    const QString exit = QStringLiteral("Images\\exit.jpg");
    // At design size only when asked to (the title, read while the fonts are set up).
    for (double factor : {1.8, 1.0}) {
        program.pictures.prefetch(exit, factor, Pictures::Worker::Always);
        program.pictures.prefetch(QStringLiteral("Images\\missing.jpg"), factor,
                                  Pictures::Worker::Always);
        const std::optional<QImage> ahead = program.pictures.load(exit, factor);
        const std::optional<QImage> fresh = Pictures({program.folder.path()}).load(exit, factor);
        QVERIFY(ahead && fresh);
        QCOMPARE(*ahead, *fresh);
        QVERIFY(!program.pictures.load(QStringLiteral("Images\\missing.jpg"), factor).has_value());
    }

    program.pictures.prefetch(QStringLiteral("Images\\tick.jpg"), 2.7);
    QThreadPool::globalInstance()->waitForDone();
    program.addFile(QStringLiteral("Images/tick.jpg"), "not a picture");
    // Read ahead before the damage, collected after it: the file is looked at again.
    QVERIFY(!program.pictures.load(QStringLiteral("Images\\tick.jpg"), 2.7).has_value());
}

// A picture a screen need not wait for: at design size, at hand, or not there, given at once; in
// projector mode handed over on this thread once read, as load() would read it, and never to a
// screen that has gone, nor by a lookup that has.
void PictureVariantsTest::handedOverOnceRead() {
    TestProgram program(false);
    for (int variant : Pictures::kVariants)
        program.addPicture(Pictures::variantPath(QStringLiteral("Images/exit.jpg"), variant),
                           kDesign * variant, colourOf(variant));
    const QString exit = QStringLiteral("Images\\exit.jpg");
    QObject screen;
    int handed = 0;
    const auto hand = [&] { ++handed; };
    program.pictures.whenRead(exit, 1.0, &screen, hand);
    QCOMPARE(handed, 1);

    // Two boxes of one picture wait for one read.
    program.pictures.whenRead(exit, 2.7, &screen, hand);
    program.pictures.whenRead(exit, 2.7, &screen, hand);
    QCOMPARE(handed, 1);
    QCOMPARE(program.pictures.awaited(), 1);
    QTRY_COMPARE(handed, 3);
    QCOMPARE(program.pictures.awaited(), 0);
    const std::optional<QImage> shown = program.pictures.load(exit, 2.7);
    QVERIFY(shown);
    QCOMPARE(variantShown(*shown), 3);
    QCOMPARE(*shown, *Pictures({program.folder.path()}).load(exit, 2.7));
    program.pictures.whenRead(exit, 2.7, &screen, hand);
    QCOMPARE(handed, 4);
    program.pictures.whenRead(QStringLiteral("Images\\missing.jpg"), 1.8, &screen, hand);
    QCOMPARE(handed, 5);

    {
        QObject gone;
        program.pictures.whenRead(exit, 1.8, &gone, hand);
    }
    {
        Pictures goneLookup({program.folder.path()});
        goneLookup.whenRead(exit, 3.6, &screen, hand);
    }
    QTRY_COMPARE(program.pictures.awaited(), 0);
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCOMPARE(handed, 5);
}

QTEST_MAIN(PictureVariantsTest)
#include "tst_picturevariants.moc"
