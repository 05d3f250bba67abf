// The house fonts: bold text must read as bold on a projector, whichever Tahoma is installed.
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "forms/DesignText.h"
#include "forms/Font.h"
#include "forms/Scale.h"

using namespace forms;

Q_DECLARE_METATYPE(forms::FontSpec)

namespace {

QImage drawn(const QFont& font, const QString& text) {
    QImage image(1200, 80, QImage::Format_Grayscale8);
    image.fill(255);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(4, 60), text);
    painter.end();
    return image;
}

// The amount of ink a line of text leaves, in whole black pixels.
double inkOf(const FontSpec& face, const QString& text) {
    const QImage image = drawn(face.toQFont(), text);
    double ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) ink += (255 - line[x]) / 255.0;
    }
    return ink;
}

// How wide the stem of an "l" is drawn, in whole pixels across its middle, by the toolkit's text
// drawing at a factor.
int stemWidth(const FontSpec& face, double factor) {
    const Scale scale(factor);
    const QRectF area(0, 0, 160, 120);
    QImage image(scale.pixels(QSize(160, 120)), QImage::Format_Grayscale8);
    image.fill(255);
    QPainter painter(&image);
    painter.setFont(face.toQFont());
    painter.setPen(Qt::black);
    drawDesignText(painter, scale, area, Qt::AlignCenter, QStringLiteral("l"));
    painter.end();
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        if (std::any_of(line, line + image.width(), [](uchar v) { return v < 128; })) {
            if (top < 0) top = y;
            bottom = y;
        }
    }
    if (top < 0) return 0;
    const uchar* middle = image.constScanLine((top + bottom) / 2);
    return static_cast<int>(
        std::count_if(middle, middle + image.width(), [](uchar v) { return v < 128; }));
}

}  // namespace

class FontsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { registerHouseFonts(); }
    void boldTahomaCarriesMoreInk_data();
    void boldTahomaCarriesMoreInk();
    void faceNamedAsInstalledDrawsAsTheDesignName_data();
    void faceNamedAsInstalledDrawsAsTheDesignName();
    void boldStemsAreWiderAtEverySizeAndFactor_data();
    void boldStemsAreWiderAtEverySizeAndFactor();
};

void FontsTest::boldTahomaCarriesMoreInk_data() {
    QTest::addColumn<float>("points");
    QTest::newRow("menu entry") << 15.75f;
    QTest::newRow("tab") << 18.0f;
    QTest::newRow("front title") << 27.75f;
    QTest::newRow("menu title") << 36.0f;
}

void FontsTest::boldTahomaCarriesMoreInk() {
    QFETCH(float, points);
    const QString text = QStringLiteral("Chemistry Key Stage 3 Kindrel");
    const double regular = inkOf(tahoma(points, false), text);
    const double bold = inkOf(tahoma(points, true), text);
    QVERIFY(regular > 0);
    // A real bold face puts down about half as much ink again as the regular one.
    QVERIFY2(bold > 1.25 * regular,
             qPrintable(QStringLiteral("regular %1, bold %2").arg(regular).arg(bold)));
}

void FontsTest::faceNamedAsInstalledDrawsAsTheDesignName_data() {
    QTest::addColumn<FontSpec>("face");
    QTest::newRow("Times New Roman") << timesNewRoman(15.75f);
    QTest::newRow("Times New Roman bold") << timesNewRoman(26.25f, true);
    QTest::newRow("Arial") << arial(8.25f);
    QTest::newRow("Arial bold") << arial(12.0f, true);
}

// A house face may be asked for by the family installed in its place; it must come out exactly
// as the design's own name, left to the system's font matching, would have drawn it.
void FontsTest::faceNamedAsInstalledDrawsAsTheDesignName() {
    QFETCH(FontSpec, face);
    const QFont asked = face.toQFont();
    QFont byDesignName = asked;
    byDesignName.setFamily(face.family);
    QCOMPARE(QFontInfo(asked).family(), QFontInfo(byDesignName).family());
    QCOMPARE(QFontInfo(asked).bold(), QFontInfo(byDesignName).bold());
    const QString text = QStringLiteral("Kindrel: magnesium + hydrochloric acid \u2192 salt");
    QCOMPARE(drawn(asked, text), drawn(byDesignName, text));
}

void FontsTest::boldStemsAreWiderAtEverySizeAndFactor_data() {
    QTest::addColumn<float>("points");
    QTest::addColumn<double>("factor");
    for (const double factor : {1.0, 1.8, 3.6}) {
        const QByteArray at = " at " + QByteArray::number(factor);
        QTest::newRow("question" + at) << 21.75f << factor;
        // Chemical Symbols' question and answer: 72 pixels at design size.
        QTest::newRow("symbol" + at) << 54.0f << factor;
    }
}

// Qt draws the bold it makes from Tahoma's regular face as regular from 64 pixels up, and its
// outlines too; a stem compares what a reader sees, not what the font was asked for.
void FontsTest::boldStemsAreWiderAtEverySizeAndFactor() {
    QFETCH(float, points);
    QFETCH(double, factor);
    const int regular = stemWidth(tahoma(points, false), factor);
    const int bold = stemWidth(tahoma(points, true), factor);
    QVERIFY(regular > 0);
    // FreeType makes bold a 24th of the em wider across each stem.
    const double strength = points * 4.0 / 3.0 * factor / 24.0;
    QVERIFY2(bold - regular >= std::max(1.0, 0.5 * strength),
             qPrintable(QStringLiteral("regular %1 px, bold %2 px").arg(regular).arg(bold)));
}

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
