// The Jotter's pen rules: Write, Erase, Clear and the palette, including Erase pressed twice.
#include <QtTest>

#include "shell/HouseStyle.h"
#include "tools/jotter/Palette.h"
#include "tools/jotter/Pen.h"

using forms::Colour;
using jotter::kPalette;
using jotter::Pen;

namespace {

constexpr Colour kBackground = shell::ScreenBlue;

// Steps: "W" Write, "E" Erase, "C" Clear, a number chooses that palette square.
void run(Pen& pen, const QStringList& steps) {
    for (const QString& step : steps) {
        if (step == QLatin1String("W"))
            pen.write();
        else if (step == QLatin1String("E"))
            pen.erase();
        else if (step == QLatin1String("C"))
            pen.clear();
        else
            pen.choose(kPalette.at(step.toUInt()));
    }
}

}  // namespace

class PenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void rules_data();
    void rules();
};

void PenTest::rules_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<int>("width");
    QTest::addColumn<Colour>("saved");

    const Colour yellow = kPalette[14];
    const Colour red = kPalette[12];
    QTest::newRow("fresh pen") << QStringList{} << yellow << 3 << yellow;
    QTest::newRow("erase") << QStringList{"E"} << kBackground << 30 << yellow;
    QTest::newRow("write after one erase") << QStringList{"12", "E", "W"} << red << 3 << red;
    QTest::newRow("erase twice keeps the colour to return to")
        << QStringList{"12", "E", "E"} << kBackground << 30 << red;
    QTest::newRow("erase twice then write draws visibly again")
        << QStringList{"12", "E", "E", "W"} << red << 3 << red;
    QTest::newRow("erase three times then write")
        << QStringList{"2", "E", "E", "E", "W"} << kPalette[2] << 3 << kPalette[2];
    QTest::newRow("write, erase, write, erase, write")
        << QStringList{"5", "E", "W", "E", "W"} << kPalette[5] << 3 << kPalette[5];
    QTest::newRow("clear while erasing gives yellow, saved untouched")
        << QStringList{"12", "E", "C"} << yellow << 3 << red;
    QTest::newRow("write after clear while erasing")
        << QStringList{"12", "E", "C", "W"} << red << 3 << red;
    QTest::newRow("clear while writing keeps the colour")
        << QStringList{"12", "C"} << red << 3 << red;
    QTest::newRow("square while erasing ends erasing")
        << QStringList{"2", "E", "9"} << kPalette[9] << 3 << kPalette[9];
    QTest::newRow("write returns to the square chosen while erasing")
        << QStringList{"2", "E", "9", "W"} << kPalette[9] << 3 << kPalette[9];
    QTest::newRow("write without erasing changes nothing")
        << QStringList{"0", "W"} << kPalette[0] << 3 << kPalette[0];
}

void PenTest::rules() {
    QFETCH(QStringList, steps);
    QFETCH(Colour, colour);
    QFETCH(int, width);
    QFETCH(Colour, saved);
    Pen pen(kBackground);
    run(pen, steps);
    QCOMPARE(QColor(pen.colour()), QColor(colour));
    QCOMPARE(pen.width(), width);
    QCOMPARE(QColor(pen.savedColour()), QColor(saved));
    QCOMPARE(pen.isErasing(), colour == kBackground);
}

QTEST_MAIN(PenTest)
#include "tst_pen.moc"
