// The board metafile reader: drawing what the writer writes, and refusing broken files safely.
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <QtTest>

#include "WmfWriter.h"
#include "pictures/Pictures.h"
#include "pictures/WmfReader.h"

using namespace pictures;

namespace {

// A 2 x 1 inch picture: red square on the left, blue disc on the right, a green line across.
QByteArray sampleMetafile() {
    WmfWriter w(QRect(0, 0, 2880, 1440), 1440);
    const int red = w.createBrush(QColor(255, 0, 0));
    const int none = w.createNullPen();
    w.selectObject(red);
    w.selectObject(none);
    w.rectangle(QRect(0, 0, 1440, 1440));
    const int blue = w.createBrush(QColor(0, 0, 255));
    w.selectObject(blue);
    w.ellipse(QRect(1440, 0, 1440, 1440));
    const int green = w.createPen(QColor(0, 160, 0), 150);
    w.selectObject(green);
    w.moveTo(QPoint(0, 1300));
    w.lineTo(QPoint(2880, 1300));
    return w.toBytes();
}

QByteArray withWord(QByteArray bytes, int offset, quint16 value) {
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

QByteArray withLong(QByteArray bytes, int offset, quint32 value) {
    qToLittleEndian(value, bytes.data() + offset);
    return bytes;
}

constexpr int kFirstRecord = wmf::kPlaceableHeaderBytes + wmf::kMetaHeaderBytes;

bool near(QRgb actual, QRgb expected) {
    return qAbs(qRed(actual) - qRed(expected)) < 8 && qAbs(qGreen(actual) - qGreen(expected)) < 8 &&
           qAbs(qBlue(actual) - qBlue(expected)) < 8 && qAlpha(actual) == 255;
}

}  // namespace

class TestWmfReader : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void roundTripDrawsTheRecords() {
        const QByteArray bytes = sampleMetafile();
        QVERIFY(isPlaceableMetafile(bytes));
        const std::optional<QImage> image = Pictures::decode(bytes);
        QVERIFY(image.has_value());
        QCOMPARE(image->size(), QSize(192, 96));
        QVERIFY(near(image->pixel(40, 40), qRgb(255, 0, 0)));
        QVERIFY(near(image->pixel(144, 40), qRgb(0, 0, 255)));
        QVERIFY(near(image->pixel(10, 87), qRgb(0, 160, 0)));
        QVERIFY(near(image->pixel(144, 87), qRgb(0, 160, 0)));
        // Outside the disc nothing was drawn: the screen behind shows through.
        QCOMPARE(qAlpha(image->pixel(99, 2)), 0);
        QCOMPARE(qAlpha(image->pixel(190, 2)), 0);
    }

    void naturalSizeFollowsUnitsPerInch_data() {
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<int>("unitsPerInch");
        QTest::addColumn<QSize>("size");
        QTest::newRow("twips") << QRect(0, 0, 1500, 1080) << 1440 << QSize(100, 72);
        QTest::newRow("half inch units") << QRect(0, 0, 10, 5) << 2 << QSize(480, 240);
        QTest::newRow("offset origin") << QRect(-300, 200, 600, 300) << 576 << QSize(100, 50);
    }
    void naturalSizeFollowsUnitsPerInch() {
        QFETCH(QRect, bounds);
        QFETCH(int, unitsPerInch);
        QFETCH(QSize, size);
        WmfWriter w(bounds, unitsPerInch);
        const int black = w.createBrush(Qt::black);
        w.selectObject(black);
        w.rectangle(bounds);
        const std::optional<QImage> image = readPlaceableMetafile(w.toBytes());
        QVERIFY(image.has_value());
        QCOMPARE(image->size(), size);
        // The window maps the bounds onto the whole picture, wherever its origin lies.
        QVERIFY(near(image->pixel(size.width() / 2, size.height() / 2), qRgb(0, 0, 0)));
        QVERIFY(near(image->pixel(1, size.height() - 2), qRgb(0, 0, 0)));
    }

    void deletedSlotIsReusedByTheNextObject() {
        WmfWriter w(QRect(0, 0, 1440, 1440), 1440);
        const int first = w.createPen(Qt::black, 1);
        w.createPen(Qt::black, 1);
        w.deleteObject(first);
        const int brush = w.createBrush(QColor(0, 200, 0));
        QCOMPARE(brush, first);
        w.selectObject(brush);
        w.polygon(QPolygon({QPoint(0, 0), QPoint(1440, 0), QPoint(1440, 1440), QPoint(0, 1440)}));
        const std::optional<QImage> image = readPlaceableMetafile(w.toBytes());
        QVERIFY(image.has_value());
        QVERIFY(near(image->pixel(48, 48), qRgb(0, 200, 0)));
    }

    void unknownRecordsArePassedOver() {
        WmfWriter w(QRect(0, 0, 1440, 1440), 1440);
        w.record(0x0A32, {1, 2, 3, 4, 5, 6, 7, 8});  // text output: not drawn
        w.record(0x0999, {});
        const int brush = w.createBrush(QColor(200, 0, 200));
        w.selectObject(brush);
        w.roundRect(QRect(0, 0, 1440, 1440), 200, 200);
        const std::optional<QImage> image = readPlaceableMetafile(w.toBytes());
        QVERIFY(image.has_value());
        QVERIFY(near(image->pixel(48, 48), qRgb(200, 0, 200)));
    }

    void savedStateIsRestored() {
        WmfWriter w(QRect(0, 0, 1440, 1440), 1440);
        const int red = w.createBrush(QColor(255, 0, 0));
        const int blue = w.createBrush(QColor(0, 0, 255));
        w.selectObject(w.createNullPen());
        w.selectObject(red);
        w.record(wmf::SaveDc, {});
        w.selectObject(blue);
        w.record(wmf::RestoreDc, {-1});
        w.rectangle(QRect(0, 0, 1440, 1440));
        const std::optional<QImage> image = readPlaceableMetafile(w.toBytes());
        QVERIFY(image.has_value());
        QVERIFY(near(image->pixel(48, 48), qRgb(255, 0, 0)));
    }

    void brokenFilesFailCleanly_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = sampleMetafile();
        QTest::newRow("key only") << good.left(4);
        QTest::newRow("headers only") << good.left(kFirstRecord);
        QTest::newRow("no closing record") << good.left(good.size() - 6);
        QTest::newRow("half a record") << good.left(kFirstRecord + 3);
        QTest::newRow("zero units per inch") << withWord(good, 14, 0);
        QTest::newRow("empty bounds") << withWord(good, 10, 0);
        QTest::newRow("oversized bounds") << withWord(withWord(good, 10, 30000), 14, 10);
        QTest::newRow("wrong header size") << withWord(good, wmf::kPlaceableHeaderBytes + 2, 3);
        QTest::newRow("record of zero words") << withLong(good, kFirstRecord, 0);
        QTest::newRow("record past the end") << withLong(good, kFirstRecord, 0x7FFFFFFF);
        QTest::newRow("no object slots") << withWord(good, wmf::kPlaceableHeaderBytes + 10, 0);
        QByteArray garbage = good.left(kFirstRecord);
        for (int i = 0; i < 400; ++i) garbage.append(char((i * 37 + 11) & 0xFF));
        QTest::newRow("garbage records") << garbage;

        WmfWriter badIndex(QRect(0, 0, 100, 100), 1440);
        badIndex.record(wmf::SelectObject, {7});
        QTest::newRow("object index out of range") << badIndex.toBytes();

        WmfWriter shortRecord(QRect(0, 0, 100, 100), 1440);
        shortRecord.record(wmf::Rectangle, {10, 10});
        QTest::newRow("rectangle missing corners") << shortRecord.toBytes();

        WmfWriter shortPolygon(QRect(0, 0, 100, 100), 1440);
        shortPolygon.record(wmf::Polygon, {500, 0, 0, 10, 10});
        QTest::newRow("polygon counts more points than it has") << shortPolygon.toBytes();

        WmfWriter endless(QRect(0, 0, 100, 100), 1440);
        for (int i = 0; i < wmf::kMaxRecords; ++i) endless.record(wmf::SetBkMode, {1});
        QTest::newRow("too many records") << endless.toBytes();

        WmfWriter overdraw(QRect(0, 0, 2000, 2000), 96);
        overdraw.selectObject(overdraw.createBrush(Qt::black));
        for (int i = 0; i < 40; ++i) overdraw.rectangle(QRect(0, 0, 2000, 2000));
        QTest::newRow("painting past the budget") << overdraw.toBytes();
    }
    void brokenFilesFailCleanly() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!readPlaceableMetafile(bytes).has_value());
        QVERIFY(!Pictures::decode(bytes).has_value());
    }

    void everyTruncationFails() {
        const QByteArray good = sampleMetafile();
        for (qsizetype length = 0; length < good.size(); ++length) {
            QVERIFY2(!Pictures::decode(good.left(length)).has_value(),
                     qPrintable(QStringLiteral("length %1").arg(length)));
        }
        QVERIFY(Pictures::decode(good).has_value());
    }

    // Files that once crashed or hung the reader, and seeds worth keeping; "ok-" files load.
    void regressionCorpus() {
        const QString folder = QFINDTESTDATA("wmf_corpus");
        QVERIFY(!folder.isEmpty());
        const QFileInfoList files =
            QDir(folder).entryInfoList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Name);
        QVERIFY(files.size() >= 5);
        for (const QFileInfo& info : files) {
            QFile file(info.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const bool loads = readPlaceableMetafile(file.readAll()).has_value();
            QVERIFY2(loads == info.fileName().startsWith(QLatin1String("ok-")),
                     qPrintable(info.fileName()));
        }
    }
};

QTEST_MAIN(TestWmfReader)
#include "tst_wmfreader.moc"
