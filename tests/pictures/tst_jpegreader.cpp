// JPEG pictures read straight at the size they are shown at.
#include <QtEndian>
#include <QtTest>

#include "TestProgram.h"
#include "pictures/JpegReader.h"

class JpegReaderTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void scaledAsQtScalesIt_data();
    void scaledAsQtScalesIt();
    void dataEndingBeforeTheRowsIsRefused();
};

using testing_support::jpegOf;

namespace {

// Smooth shading crossed by one-pixel lines, as the drawn pictures are: a row or column out of
// place, or channels swapped, shows at once.
QImage sample(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const bool line = x % 17 == 5 || y % 13 == 7;
            image.setPixel(
                x, y,
                line ? qRgb(250, 250, 250)
                     : qRgb(40 + x * 150 / size.width(), 90, 200 - y * 120 / size.height()));
        }
    return image;
}

struct Difference {
    double mean = 0;
    int most = 0;
};

Difference differenceOf(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    Difference d;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int i = 0; i < x.width() * 3; ++i) {
            const int step = std::abs(x.constScanLine(row)[i] - y.constScanLine(row)[i]);
            sum += step;
            d.most = std::max(d.most, step);
        }
    d.mean = sum / (double(x.width()) * x.height() * 3);
    return d;
}

}  // namespace

// Every ratio the variants give on the way to a factor, enlarging and reducing, and a line one
// pixel wide: the rows come out as Qt's smooth scaling of the whole decoded picture makes them.
void JpegReaderTest::scaledAsQtScalesIt_data() {
    QTest::addColumn<QSize>("own");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<bool>("grey");
    QTest::newRow("same size") << QSize(97, 61) << QSize(97, 61) << false;
    QTest::newRow("3 times at 3.6") << QSize(240, 174) << QSize(288, 209) << false;
    QTest::newRow("design size at 1.8") << QSize(80, 60) << QSize(144, 108) << false;
    QTest::newRow("design size at 4") << QSize(40, 30) << QSize(160, 120) << false;
    QTest::newRow("twice at 1.8") << QSize(160, 120) << QSize(144, 108) << false;
    QTest::newRow("twice at 1.5") << QSize(160, 120) << QSize(120, 90) << false;
    QTest::newRow("3 times at 1") << QSize(240, 180) << QSize(80, 60) << false;
    QTest::newRow("grey, 3 times at 3.6") << QSize(240, 174) << QSize(288, 209) << true;
    QTest::newRow("one pixel wide") << QSize(1, 40) << QSize(4, 144) << false;
}

void JpegReaderTest::scaledAsQtScalesIt() {
    QFETCH(QSize, own);
    QFETCH(QSize, shown);
    QFETCH(bool, grey);
    QImage original = sample(own);
    if (grey) original = original.convertToFormat(QImage::Format_Grayscale8);
    const QByteArray bytes = jpegOf(original);
    QSize asked;
    const pictures::JpegRead read = pictures::readJpeg(bytes, 8192, [&](QSize size) {
        asked = size;
        return shown;
    });
    QCOMPARE(asked, own);
    QVERIFY(read.image.has_value());
    QCOMPARE(read.image->size(), shown);
    QCOMPARE(read.image->format(), QImage::Format_RGB888);
    const QImage qt = QImage::fromData(bytes)
                          .convertToFormat(QImage::Format_RGB32)
                          .scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const Difference d = differenceOf(*read.image, qt);
    QVERIFY2(d.mean < 1.0, qPrintable(QStringLiteral("mean difference %1").arg(d.mean)));
    QVERIFY2(d.most <= 6, qPrintable(QStringLiteral("largest difference %1").arg(d.most)));
}

// A header claiming more rows than the data holds would come out finished in grey; a side over
// the limit, or more than Qt lets one picture take, is refused before it is read at all.
void JpegReaderTest::dataEndingBeforeTheRowsIsRefused() {
    const QByteArray good = jpegOf(sample({64, 48}));
    const auto asIs = [](QSize size) { return size; };
    QVERIFY(pictures::readJpeg(good, 8192, asIs).image.has_value());
    const qsizetype frame = good.indexOf("\xFF\xC0");
    QVERIFY(frame > 0);
    const auto withSize = [&](quint16 width, quint16 height) {
        QByteArray bytes = good;
        qToBigEndian<quint16>(height, bytes.data() + frame + 5);
        qToBigEndian<quint16>(width, bytes.data() + frame + 7);
        return bytes;
    };
    for (const QByteArray& bytes :
         {withSize(64, 480), withSize(640, 48), withSize(8000, 8000), withSize(64, 48).left(200)}) {
        const pictures::JpegRead read = pictures::readJpeg(bytes, 8192, asIs);
        QVERIFY(!read.image.has_value());
        QVERIFY(!read.elsewhere);
    }
    bool asked = false;
    QVERIFY(!pictures::readJpeg(withSize(300, 48), 256, [&](QSize size) {
                 asked = true;
                 return size;
             }).image.has_value());
    QVERIFY(!asked);
}

QTEST_GUILESS_MAIN(JpegReaderTest)
#include "tst_jpegreader.moc"
