// The house fonts: bold text must read as bold on a projector, whichever Tahoma is installed.
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "forms/Font.h"

using namespace forms;

namespace {

// The amount of ink a line of text leaves, in whole black pixels.
double inkOf(const FontSpec& face, const QString& text) {
    const QFont font = face.toQFont();
    QImage image(1200, 80, QImage::Format_Grayscale8);
    image.fill(255);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(4, 60), text);
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

QTEST_MAIN(FontsTest)
#include "tst_fonts.moc"
