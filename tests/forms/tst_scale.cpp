// The scale: the factor that fits a display, twips to pixels and back at any factor, and pictures
// and text drawn at the factor from their design sizes.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "forms/DesignText.h"
#include "forms/Font.h"
#include "forms/Scale.h"

using forms::Scale;
using forms::TwipRect;

class ScaleTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void factorToFitTheDisplay_data();
    void factorToFitTheDisplay();
    void designSizeIsTheDesignsRounding_data();
    void designSizeIsTheDesignsRounding();
    void pointerPixelsComeBackToTheirTwips_data();
    void pointerPixelsComeBackToTheirTwips();
    void pictureMadeForTheFactorIsDrawnAsItIs();
    void pictureOffByRoundingIsNotStretched();
    void otherPicturesAreScaledToTheirDesignSize();
    void textLandsWhereItDoesAtDesignSize_data();
    void textLandsWhereItDoesAtDesignSize();
    void textFromKeptGlyphPicturesAndAfresh_data();
    void textFromKeptGlyphPicturesAndAfresh();
};

void ScaleTest::factorToFitTheDisplay_data() {
    QTest::addColumn<QSize>("display");
    QTest::addColumn<double>("factor");
    // A framed screen is 800 x 600 pixels at design size; the height is what limits a wide
    // display, the width a tall one.
    QTest::newRow("800 x 600") << QSize(800, 600) << 1.0;
    QTest::newRow("smaller than a screen") << QSize(640, 480) << 1.0;
    QTest::newRow("1024 x 768") << QSize(1024, 768) << 1.28;
    QTest::newRow("1366 x 768") << QSize(1366, 768) << 1.28;
    QTest::newRow("1280 x 1024, width limits") << QSize(1280, 1024) << 1.6;
    QTest::newRow("1680 x 1050, in hundredths") << QSize(1680, 1050) << 1.75;
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.8;
    QTest::newRow("1920 x 1200") << QSize(1920, 1200) << 2.0;
    QTest::newRow("2560 x 1440") << QSize(2560, 1440) << 2.4;
    QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 3.6;
    QTest::newRow("5120 x 2880, at most 4") << QSize(5120, 2880) << 4.0;
    QTest::newRow("portrait 1080 x 1920") << QSize(1080, 1920) << 1.35;
    QTest::newRow("1600 x 1000, rounded down") << QSize(1600, 1000) << 1.66;
}

void ScaleTest::factorToFitTheDisplay() {
    QFETCH(QSize, display);
    QFETCH(double, factor);
    const QSizeF twips(forms::toTwips(display.width()), forms::toTwips(display.height()));
    const double fit = forms::factorToFit(twips, QSizeF(12000, 9000));
    QCOMPARE(fit, factor);
    // The framed screen fits at that factor.
    const Scale scale(fit);
    if (fit > 1) {
        QVERIFY(scale.toPixels(12000) <= display.width());
        QVERIFY(scale.toPixels(9000) <= display.height());
    }
}

void ScaleTest::designSizeIsTheDesignsRounding_data() {
    QTest::addColumn<float>("twips");
    for (float twips : {0.0f, 7.0f, 7.5f, 8.0f, 4297.5f, 10050.0f, 11910.0f, -90.0f})
        QTest::addRow("%g", double(twips)) << twips;
}

// At factor 1 the scale is the design's own conversion, so that nothing moves by a pixel.
void ScaleTest::designSizeIsTheDesignsRounding() {
    QFETCH(float, twips);
    const Scale design;
    QCOMPARE(design.toPixels(twips), forms::toPixels(twips));
    QCOMPARE(design.toTwips(design.toPixels(twips)), forms::toTwips(forms::toPixels(twips)));
    const TwipRect rect{twips, twips / 2, 1785, 495};
    QCOMPARE(design.toPixels(rect), rect.toPixels());
}

void ScaleTest::pointerPixelsComeBackToTheirTwips_data() {
    QTest::addColumn<double>("factor");
    for (double factor : {1.0, 1.28, 1.8, 2.7, 3.6, 4.0}) QTest::addRow("%g", factor) << factor;
}

// A pointer on the pixel a twip position is drawn at reads back within half a pixel of it.
void ScaleTest::pointerPixelsComeBackToTheirTwips() {
    QFETCH(double, factor);
    const Scale scale(factor);
    const float halfPixel = float(forms::kTwipsPerPixel / factor / 2) + 0.01f;
    for (float twips = -300; twips < 12000; twips += 37.5f) {
        const float back = scale.toTwips(scale.toPixels(twips));
        QVERIFY2(std::abs(back - twips) <= halfPixel, qPrintable(QString::number(twips)));
    }
    QCOMPARE(scale.toPixels(scale.toTwips(523)), 523);
}

void ScaleTest::pictureMadeForTheFactorIsDrawnAsItIs() {
    // Every pixel its own colour: a scaled draw would blend or drop some.
    QImage picture(90, 54, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x * 2, y * 4, 99));
    picture.setDevicePixelRatio(1.8);
    QImage target(120, 80, QImage::Format_RGB32);
    target.fill(Qt::black);
    {
        QPainter painter(&target);
        forms::drawPicture(painter, {7, 5}, picture, Scale(1.8));
    }
    QImage expected = picture.copy();
    expected.setDevicePixelRatio(1);
    QCOMPARE(target.copy(7, 5, 90, 54), expected);
    QCOMPARE(target.pixel(7 + 90, 5), qRgb(0, 0, 0));
}

// A box a pixel larger or smaller than its picture, as rounding its edges makes it: every pixel of
// the picture where it is, the last column and row carried on into the extra pixels.
void ScaleTest::pictureOffByRoundingIsNotStretched() {
    QImage picture(90, 54, QImage::Format_RGB888);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x * 2, y * 4, 99));
    picture.setDevicePixelRatio(3.6);
    for (const QSize box : {QSize(91, 55), QSize(92, 54), QSize(89, 53), QSize(90, 56)}) {
        QImage target(120, 80, QImage::Format_RGB32);
        target.fill(Qt::black);
        {
            QPainter painter(&target);
            forms::drawPicture(painter, QRect(QPoint(7, 5), box), picture, Scale(3.6));
        }
        for (int y = 0; y < box.height(); ++y)
            for (int x = 0; x < box.width(); ++x) {
                const QRgb expected = picture.pixel(std::min(x, picture.width() - 1),
                                                    std::min(y, picture.height() - 1));
                QVERIFY2(target.pixel(7 + x, 5 + y) == expected,
                         qPrintable(QStringLiteral("%1 x %2 at %3, %4")
                                        .arg(box.width())
                                        .arg(box.height())
                                        .arg(x)
                                        .arg(y)));
            }
        QCOMPARE(target.pixel(7 + box.width(), 5), qRgb(0, 0, 0));
        QCOMPARE(target.pixel(7, 5 + box.height()), qRgb(0, 0, 0));
    }
}

void ScaleTest::otherPicturesAreScaledToTheirDesignSize() {
    // Made for design size, shown at 2.7: 20 x 10 design pixels cover 54 x 27.
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QImage target(80, 40, QImage::Format_RGB32);
    target.fill(Qt::black);
    {
        QPainter painter(&target);
        forms::drawPicture(painter, {0, 0}, picture, Scale(2.7));
    }
    QCOMPARE(target.pixel(52, 25), qRgb(255, 0, 0));
    QCOMPARE(target.pixel(55, 5), qRgb(0, 0, 0));
    QCOMPARE(target.pixel(5, 28), qRgb(0, 0, 0));
}

namespace {

// The rectangle the yellow ink covers.
QRect inked(const QImage& image) {
    QRect covered;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(image.pixel(x, y)) > 128 && qBlue(image.pixel(x, y)) < 128)
                covered |= QRect(x, y, 1, 1);
    return covered;
}

QImage drawn(const QFont& font, int flags, double factor,
             const QString& text = QStringLiteral("Evaporating basin and tripod"),
             QSize size = {160, 80}, const QColor& ink = Qt::yellow) {
    const QRect design(4, 3, size.width() - 10, size.height() - 10);
    QImage image(Scale(factor).pixels(size), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(ink);
    forms::drawDesignText(painter, Scale(factor), design, flags, text);
    return image;
}

}  // namespace

void ScaleTest::textLandsWhereItDoesAtDesignSize_data() {
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("flags");
    for (bool bold : {false, true}) {
        const char* weight = bold ? "bold" : "regular";
        QTest::addRow("%s, left, wrapped", weight)
            << bold << int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        QTest::addRow("%s, centred, wrapped", weight)
            << bold << int(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
        QTest::addRow("%s, right, wrapped", weight)
            << bold << int(Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap);
        QTest::addRow("%s, centred both ways", weight) << bold << int(Qt::AlignCenter);
    }
}

// The same lines in the same places at 2.7 as at design size: the ink's box, scaled, within a
// few pixels of where design size puts it (bold text at a factor is drawn from its outlines).
void ScaleTest::textLandsWhereItDoesAtDesignSize() {
    QFETCH(bool, bold);
    QFETCH(int, flags);
    forms::registerHouseFonts();
    const QFont font = forms::tahoma(11.25f, bold).toQFont();
    const QRect design = inked(drawn(font, flags, 1.0));
    const QRect scaled = inked(drawn(font, flags, 2.7));
    QVERIFY(!design.isEmpty());
    const auto near = [](double a, double b) { return std::abs(a - b) <= 4; };
    QVERIFY2(near(scaled.left(), design.left() * 2.7) && near(scaled.top(), design.top() * 2.7) &&
                 near(scaled.right() + 1, (design.right() + 1) * 2.7) &&
                 near(scaled.bottom() + 1, (design.bottom() + 1) * 2.7),
             qPrintable(QStringLiteral("design %1,%2 %3x%4, at 2.7 %5,%6 %7x%8")
                            .arg(design.x())
                            .arg(design.y())
                            .arg(design.width())
                            .arg(design.height())
                            .arg(scaled.x())
                            .arg(scaled.y())
                            .arg(scaled.width())
                            .arg(scaled.height())));
}

void ScaleTest::textFromKeptGlyphPicturesAndAfresh_data() {
    QTest::addColumn<QFont>("font");
    QTest::addColumn<double>("factor");
    QTest::addRow("bold at 1.8") << forms::tahoma(11.25f, true).toQFont() << 1.8;
    QTest::addRow("bold at 3.6") << forms::tahoma(11.25f, true).toQFont() << 3.6;
    // Glyphs of 14 pt Arial reach 67 pixels at 3.6, past what Qt keeps pictures of.
    QTest::addRow("large regular at 3.6") << forms::arial(14).toQFont() << 3.6;
}

// Such text is drawn from pictures of its glyphs, kept and shared between captions within a
// budget: the same pixels again from the kept pictures, and again once many other captions have
// pushed them out; in the pen's colour, whichever colour drew the same glyphs before; and a text
// of more glyphs than the whole budget drawn alike each time.
void ScaleTest::textFromKeptGlyphPicturesAndAfresh() {
    QFETCH(QFont, font);
    QFETCH(double, factor);
    forms::registerHouseFonts();
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QImage first = drawn(font, flags, factor);
    QVERIFY(!inked(first).isEmpty());
    QCOMPARE(drawn(font, flags, factor), first);
    for (int i = 0; i < 200; ++i)
        drawn(font, flags, factor,
              QStringLiteral("Caption %1 with words enough to fill it").arg(i));
    QCOMPARE(drawn(font, flags, factor), first);

    const QImage white = drawn(font, flags, factor, QStringLiteral("Evaporating basin and tripod"),
                               {160, 80}, Qt::white);
    bool anyYellow = false;
    bool anyWhite = false;
    for (int y = 0; y < white.height(); ++y)
        for (int x = 0; x < white.width(); ++x) {
            anyYellow |= white.pixel(x, y) == qRgb(255, 255, 0);
            anyWhite |= white.pixel(x, y) == qRgb(255, 255, 255);
        }
    QVERIFY2(anyWhite && !anyYellow, "the glyphs came in another caption's colour");

    const QString longText = QStringLiteral("sulphur copper oxide ").repeated(80);
    const QSize page(1000, 500);
    const QImage whole = drawn(font, flags, factor, longText, page);
    QVERIFY(inked(whole).height() > 10 * 15 * factor);
    QCOMPARE(drawn(font, flags, factor, longText, page), whole);
}

QTEST_MAIN(ScaleTest)
#include "tst_scale.moc"
