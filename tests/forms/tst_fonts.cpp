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

// The amount of ink a line of text leaves, in whole black pixels, drawn as the controls draw it
// at a factor.
double inkOf(const FontSpec& face, const QString& text, double factor = 1.0) {
    const Scale scale(factor);
    QImage image(scale.pixels(QSize(1200, 120)), QImage::Format_Grayscale8);
    image.fill(255);
    QPainter painter(&image);
    painter.setFont(face.toQFont());
    painter.setPen(Qt::black);
    drawDesignText(painter, scale, QRectF(0, 0, 1200, 120), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.end();
    double ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) ink += (255 - line[x]) / 255.0;
    }
    return ink;
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
};

void FontsTest::boldTahomaCarriesMoreInk_data() {
    QTest::addColumn<float>("points");
    QTest::addColumn<double>("factor");
    QTest::newRow("menu entry") << 15.75f << 1.0;
    QTest::newRow("tab") << 18.0f << 1.0;
    QTest::newRow("front title") << 27.75f << 1.0;
    QTest::newRow("menu title") << 36.0f << 1.0;
    // Qt draws the bold it makes from Tahoma's regular face as regular from 64 pixels up, and
    // its outlines too: Chemical Symbols' question and answer are 72 at design size.
    for (const double factor : {1.0, 1.8, 3.6}) {
        const QByteArray at = " at " + QByteArray::number(factor);
        QTest::newRow("question" + at) << 21.75f << factor;
        QTest::newRow("symbol" + at) << 54.0f << factor;
    }
}

void FontsTest::boldTahomaCarriesMoreInk() {
    QFETCH(float, points);
    QFETCH(double, factor);
    const QString text = QStringLiteral("Chemistry Key Stage 3 Kindrel");
    const double regular = inkOf(tahoma(points, false), text, factor);
    const double bold = inkOf(tahoma(points, true), text, factor);
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

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
