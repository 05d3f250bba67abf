// The measure a teacher's list is held to agrees with the one every content table is checked by,
// and counts lines as a label draws them.
#include <QtTest>

#include "forms/Font.h"
#include "forms/TextFit.h"

using namespace Qt::Literals::StringLiterals;

class TextFitTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { forms::registerHouseFonts(); }
    void agreesWithCaptionFits_data();
    void agreesWithCaptionFits();
};

void TextFitTest::agreesWithCaptionFits_data() {
    QTest::addColumn<QString>("caption");
    // In a place of 300 x 100 px: -1 for too wide a word, -2 where only the agreement is
    // checked (wrapped prose, whose breaks depend on the font's widths).
    QTest::addColumn<int>("lines");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("one word") << u"acid"_s << 1;
    QTest::newRow("one line, near the edge") << u"an acid is a solution"_s << 1;
    QTest::newRow("wrapped") << u"an acid is a solution with a pH below seven"_s << -2;
    QTest::newRow("lines of its own") << u"one\ntwo\nthree"_s << 3;
    QTest::newRow("wrapped past its foot")
        << u"a base that dissolves in water is an alkali, and turns litmus blue"_s << -2;
    QTest::newRow("more lines than it holds") << u"one\ntwo\nthree\nfour\nfive"_s << 5;
    QTest::newRow("a word wider than the place")
        << u"pneumonoultramicroscopicsilicovolcano"_s << -1;
}

void TextFitTest::agreesWithCaptionFits() {
    QFETCH(QString, caption);
    QFETCH(int, lines);
    const forms::FontSpec font = forms::tahoma(24, true);
    // Around the width of its longest line, a pixel at a time: the quick way for one plain line
    // and the whole layout must never disagree.
    const QFontMetricsF metrics(font.toQFont());
    int widest = 0;
    for (const QString& line : caption.split(u'\n'))
        widest = std::max(widest, int(metrics.horizontalAdvance(line)));
    for (int px = widest - 12; px <= widest + 12; ++px) {
        const forms::TwipRect place{0, 0, forms::toTwips(px), forms::toTwips(100)};
        for (const bool border : {false, true})
            QVERIFY2(forms::textRoom(caption, font, place, border).fits() ==
                         forms::captionFits(caption, font, place, border),
                     qPrintable(u"%1 px of %2"_s.arg(px).arg(widest)));
    }
    const forms::TwipRect place{0, 0, forms::toTwips(300), forms::toTwips(100)};
    const forms::TextRoom room = forms::textRoom(caption, font, place);
    QCOMPARE(room.linesHeld, 3);
    if (lines == -1) {
        QVERIFY(room.wordTooWide);
    } else if (lines >= 0) {
        QVERIFY(!room.wordTooWide);
        QCOMPARE(room.linesNeeded, lines);
    }
    // What is told agrees with whether it fits.
    QCOMPARE(room.fits(), !room.wordTooWide && room.linesNeeded <= room.linesHeld);
}

QTEST_MAIN(TextFitTest)
#include "tst_textfit.moc"
