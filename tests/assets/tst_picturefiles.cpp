// Every picture the program names is built, found by the program's own lookup, and fits its place.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "ProgramPictures.h"
#include "forms/Twips.h"
#include "pictures/Pictures.h"
#include "pictures/WmfReader.h"

using pictures::Pictures;

using testing_support::buildDir;
using testing_support::ProgramPicture;
using testing_support::programPictures;

namespace {

const QRgb kScreenBlue = qRgb(49, 135, 215);
// The most a colour channel, out of 255, may differ between a picture and its larger size, both
// brought down to a quarter of the design size. The built pictures differ by at most 43.
constexpr int kSamePictureDifference = 80;

bool closeTo(QRgb a, QRgb b, int tolerance) {
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

}  // namespace

class TestPictureFiles : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(!buildDir().isEmpty(), "KINDREL_BUILD_DIR is not set");
        const std::optional<pictures::PictureManifest> manifest =
            testing_support::pictureManifest();
        QVERIFY2(manifest.has_value(), "KINDREL_MANIFEST cannot be read");
        QVERIFY2(manifest->errors.isEmpty(), qPrintable(manifest->errors.join(QLatin1Char('\n'))));
        QVERIFY(!manifest->pictures.empty());
    }

    // Every drawing in the sources is a picture of the manifest: none is drawn and never shown.
    void everySvgSourceIsListed() {
        const QFileInfo manifestFile(qEnvironmentVariable("KINDREL_MANIFEST"));
        const QDir svg(manifestFile.dir().filePath(QStringLiteral("svg")));
        QSet<QString> listed;
        // Held for the loop: a range-for over a member of the temporary would read freed memory.
        const std::optional<pictures::PictureManifest> manifest =
            testing_support::pictureManifest();
        for (const pictures::ManifestPicture& picture : manifest->pictures)
            if (picture.isSvg()) listed << picture.sourceName();
        const QStringList sources = svg.entryList({QStringLiteral("*.svg")}, QDir::Files);
        QVERIFY(!sources.isEmpty());
        for (const QString& source : sources) QVERIFY2(listed.contains(source), qPrintable(source));
        for (const QString& source : listed) QVERIFY2(sources.contains(source), qPrintable(source));
    }

    void manifestRowsThatCannotBeTrusted_data() {
        QTest::addColumn<QString>("row");
        QTest::newRow("too few columns") << "Images\\a.jpg drawn:a 10";
        QTest::newRow("size not a number") << "Images\\a.jpg drawn:a ten 10";
        QTest::newRow("size zero") << "Images\\a.jpg drawn:a 0 10";
        QTest::newRow("unknown kind") << "Images\\a.jpg png:a.png 10 10";
        QTest::newRow("svg without background") << "Images\\a.jpg svg:a.svg 10 10";
        QTest::newRow("drawing with background") << "Images\\a.jpg drawn:a 10 10 #ffffff";
        QTest::newRow("bad colour") << "Images\\a.jpg svg:a.svg 10 10 #ggg";
        QTest::newRow("no source name") << "Images\\a.jpg svg: 10 10 #fff";
        QTest::newRow("listed twice, other case")
            << "Images\\a.jpg drawn:a 10 10\nimages/A.JPG drawn:b 10 10";
    }
    void manifestRowsThatCannotBeTrusted() {
        QFETCH(QString, row);
        const pictures::PictureManifest manifest =
            pictures::parsePictureManifest(QStringLiteral("# a comment\n\n") + row);
        QCOMPARE(manifest.errors.size(), 1);
        QVERIFY(manifest.errors.front().startsWith(QLatin1String("line ")));
    }

    void decodesAtItsSize_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (const ProgramPicture& picture : programPictures())
            QTest::newRow(qPrintable(picture.name)) << picture.path << picture.size;
    }
    void decodesAtItsSize() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        Pictures pictures({buildDir()});
        QVERIFY2(!pictures.resolve(path).isEmpty(), qPrintable(path));
        const std::optional<QImage> image = pictures.load(path);
        QVERIFY2(image.has_value(), qPrintable(path));
        QCOMPARE(image->size(), size);
    }

    // Every raster picture is made at 2 and 3 times its size as well, and is the same picture:
    // brought down to the design size it matches the design-size file, and the program's own
    // lookup reads it at its factor.
    void variantsAreTheSamePictureLarger_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QSize>("size");
        for (const ProgramPicture& picture : programPictures()) {
            if (picture.path.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive)) continue;
            for (int variant : {2, 3})
                QTest::addRow("%s @%dx", qPrintable(picture.name), variant)
                    << picture.path << variant << picture.size;
        }
    }
    void variantsAreTheSamePictureLarger() {
        QFETCH(QString, path);
        QFETCH(int, variant);
        QFETCH(QSize, size);
        Pictures pictures({buildDir()});
        QFile file(pictures.resolve(Pictures::variantPath(path, variant)));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(Pictures::variantPath(path, variant)));
        const std::optional<QImage> large = Pictures::decode(file.readAll());
        QVERIFY(large.has_value());
        QCOMPARE(large->size(), size * variant);
        const std::optional<QImage> design = pictures.load(path);
        QVERIFY(design.has_value());
        // Compared a quarter of the design size across, where antialiasing and the JPEG's blocks
        // have evened out; a drawing that forgot its scale (drawn into a corner) or a picture of
        // something else differs by far more somewhere (two atoms of different colours by 171).
        const QSize coarse = size / 4;
        const auto reduce = [&coarse](const QImage& image) {
            return image.scaled(coarse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        };
        const QImage a = reduce(*large), b = reduce(*design);
        int worst = 0;
        for (int y = 0; y < coarse.height(); ++y) {
            for (int x = 0; x < coarse.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                worst = std::max({worst, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                                  qAbs(qBlue(p) - qBlue(q))});
            }
        }
        QVERIFY2(worst <= kSamePictureDifference, qPrintable(QString::number(worst)));

        const std::optional<QImage> chosen = pictures.load(path, variant);
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->size(), size * variant);
        QCOMPARE(chosen->devicePixelRatio(), double(variant));
    }

    void everyLetterCaseFindsTheSameFile() {
        Pictures pictures({buildDir()});
        const QString expected = pictures.resolve(QStringLiteral("Images\\check.jpg"));
        QVERIFY(expected.endsWith(QLatin1String("/Images/check.jpg")));
        for (const char* path : {"images\\check.jpg", "IMAGES\\CHECK.JPG", "images/Check.jpg"}) {
            QCOMPARE(pictures.resolve(QString::fromLatin1(path)), expected);
        }
        // The molecule keys keep their lower-case l on disk.
        QVERIFY(
            pictures.resolve(QStringLiteral("Images\\HCl.jpg")).endsWith(QLatin1String("HCl.jpg")));
        QVERIFY(pictures.resolve(QStringLiteral("Images\\CCl4.jpg"))
                    .endsWith(QLatin1String("CCl4.jpg")));
    }

    // A molecule is placed with its right edge at 11400 and centre at 4800 twips: it must stay
    // clear of the formula question (right edge 6375) and the first question (bottom 2475).
    void moleculesLeaveTheQuestionsClear() {
        Pictures pictures({buildDir()});
        for (const char* key :
             {"CO2", "H2", "H2O", "CH4", "NH3", "HCl", "N2", "O2", "CCl4", "CO"}) {
            const auto image =
                pictures.load(QStringLiteral("Images\\%1.jpg").arg(QLatin1String(key)));
            QVERIFY2(image.has_value(), key);
            const float width = forms::toTwips(image->width());
            const float height = forms::toTwips(image->height());
            QVERIFY2(11400 - width >= 6375, key);
            QVERIFY2(4800 - height / 2 >= 2475, key);
            // The picture sits on the screen blue: its corners must melt into it.
            QVERIFY2(closeTo(image->pixel(2, 2), kScreenBlue, 4), key);
            QVERIFY2(closeTo(image->pixel(image->width() - 3, image->height() - 3), kScreenBlue, 4),
                     key);
        }
    }

    // The term picture stands at 3180, 3240 twips, left of the problem button (8865) and above
    // the discussion panel (5730).
    void glossaryPicturesFitBetweenTheirNeighbours() {
        Pictures pictures({buildDir()});
        for (const char* name : {"airfoil", "julia1", "kbridge"}) {
            const auto image =
                pictures.load(QStringLiteral("Images\\%1.jpg").arg(QLatin1String(name)));
            QVERIFY2(image.has_value(), name);
            QVERIFY2(3180 + forms::toTwips(image->width()) <= 8865, name);
            QVERIFY2(3240 + forms::toTwips(image->height()) <= 5730, name);
        }
    }

    void boardIsASmallMetafileOverTheScreen() {
        Pictures pictures({buildDir()});
        QFile file(pictures.resolve(QStringLiteral("IMAGES\\BOARD.WMF")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(pictures::isPlaceableMetafile(bytes));
        QVERIFY(bytes.size() < 4096);
        const auto image = Pictures::decode(bytes);
        QVERIFY(image.has_value());
        // Within the top-right corner of an 800-pixel screen, from left 10200 and top 90 twips.
        QVERIFY(10200 + forms::toTwips(image->width()) <= 11900);
        QVERIFY(forms::toTwips(image->height()) <= 1200);
        // The rounded frame leaves its very corner undrawn; the slate in the middle is green.
        QCOMPARE(qAlpha(image->pixel(0, 0)), 0);
        const QRgb middle = image->pixel(image->width() / 2, image->height() / 2 + 4);
        QVERIFY(qGreen(middle) > qRed(middle) && qGreen(middle) > qBlue(middle));
    }

    void buttonsShowYellowWordsOnADarkFace() {
        Pictures pictures({buildDir()});
        for (const char* path :
             {"Images\\exit.jpg", "Images\\next.jpg", "Images\\answer.jpg", "images\\check.jpg",
              "images\\jotter.jpg", "images\\scramble.jpg"}) {
            const auto image = pictures.load(QString::fromLatin1(path));
            QVERIFY2(image.has_value(), path);
            int dark = 0, yellow = 0;
            for (int y = 0; y < image->height(); ++y) {
                for (int x = 0; x < image->width(); ++x) {
                    const QRgb p = image->pixel(x, y);
                    if (qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60) ++dark;
                    if (qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 100) ++yellow;
                }
            }
            const int area = image->width() * image->height();
            QVERIFY2(dark > area / 2, path);
            QVERIFY2(yellow > area / 20, path);
        }
    }

    void brokenPicturesFailCleanly_data() {
        QTest::addColumn<QByteArray>("bytes");
        QFile exit(Pictures({buildDir()}).resolve(QStringLiteral("Images\\exit.jpg")));
        QVERIFY(exit.open(QIODevice::ReadOnly));
        const QByteArray jpeg = exit.readAll();
        QFile board(Pictures({buildDir()}).resolve(QStringLiteral("IMAGES\\BOARD.WMF")));
        QVERIFY(board.open(QIODevice::ReadOnly));
        const QByteArray wmf = board.readAll();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("jpeg header only") << jpeg.left(20);
        QTest::newRow("jpeg cut in half") << jpeg.left(jpeg.size() / 2);
        QTest::newRow("not a picture") << QByteArray("Exit\r\nThis is not a picture.\r\n");
        QTest::newRow("truncated metafile") << wmf.left(wmf.size() / 2);
    }
    void brokenPicturesFailCleanly() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(QDir(root.path()).mkpath(QStringLiteral("Images")));
        QFile file(root.filePath(QStringLiteral("Images/broken.jpg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        Pictures pictures({root.path()});
        QVERIFY(!pictures.resolve(QStringLiteral("images\\BROKEN.jpg")).isEmpty());
        QVERIFY(!pictures.load(QStringLiteral("images\\BROKEN.jpg")).has_value());
        QVERIFY(!pictures.load(QStringLiteral("Images\\missing.jpg")).has_value());
    }
};

QTEST_MAIN(TestPictureFiles)
#include "tst_picturefiles.moc"
