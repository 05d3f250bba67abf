// Melting Points: each substance's state at room temperature worked out from its two
// temperatures, the boundaries, and the question and answer as the class sees them.
#include <QtTest>
#include <iterator>

#include "activities/meltingpoints/MeltingPoints.h"
#include "activities/meltingpoints/MeltingPointsScreen.h"
#include "activities/meltingpoints/RoomTemperature.h"

using namespace meltingpoints;

Q_DECLARE_METATYPE(meltingpoints::State)

namespace {

const QChar kMinus(0x2212);

const MeltingPoint* find(const QString& substance) {
    for (const MeltingPoint& row : kMeltingPoints)
        if (QString::fromUtf8(row.substance) == substance) return &row;
    return nullptr;
}

QString stateWord(State state) {
    return stateName(state).toLower();
}

}  // namespace

class MeltingPointsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void designStates_data();
    void designStates();
    void boundaries_data();
    void boundaries();
    void questionShowsBothTemperatures_data();
    void questionShowsBothTemperatures();
};

// The states the design gives, against those worked out from the table's temperatures.
void MeltingPointsTest::designStates_data() {
    QTest::addColumn<QString>("substance");
    QTest::addColumn<State>("state");
    const std::pair<const char*, State> design[] = {
        {"Iron", State::Solid},     {"Mercury", State::Liquid}, {"Oxygen", State::Gas},
        {"Ethanol", State::Liquid}, {"Bromine", State::Liquid}, {"Sodium chloride", State::Solid},
        {"Nitrogen", State::Gas},   {"Water", State::Liquid},   {"Sulphur", State::Solid},
        {"Chlorine", State::Gas},   {"Gallium", State::Solid},  {"Candle wax", State::Solid},
    };
    static_assert(std::size(design) == std::size(kMeltingPoints));
    for (const auto& [substance, state] : design)
        QTest::newRow(substance) << QString::fromUtf8(substance) << state;
}

void MeltingPointsTest::designStates() {
    QFETCH(QString, substance);
    QFETCH(State, state);
    const MeltingPoint* row = find(substance);
    QVERIFY(row);
    QVERIFY2(row->melts < row->boils, "melts above its boiling point");
    QCOMPARE(stateAt(row->melts, row->boils), state);
    const quiz::QuizItem item = MeltingPointsScreen::itemFor(*row);
    QCOMPARE(item.answer, stateName(state));
    QVERIFY2(item.reason.contains(QStringLiteral("so it is a ") + stateWord(state)),
             qPrintable(item.reason));
}

void MeltingPointsTest::boundaries_data() {
    QTest::addColumn<int>("melts");
    QTest::addColumn<int>("boils");
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("reason");
    QTest::newRow("melts just above room temperature")
        << 26 << 100 << State::Solid << "It melts above 25 °C, so it is a solid.";
    // At its melting point it is melting: counted as the liquid it is becoming.
    QTest::newRow("melts at room temperature")
        << 25 << 100 << State::Liquid << "It melts at 25 °C and boils above it, so it is a liquid.";
    QTest::newRow("melts just below room temperature")
        << 24 << 100 << State::Liquid
        << "It melts below 25 °C and boils above it, so it is a liquid.";
    QTest::newRow("boils just above room temperature")
        << -50 << 26 << State::Liquid
        << "It melts below 25 °C and boils above it, so it is a liquid.";
    // At its boiling point it is boiling: counted as a gas.
    QTest::newRow("boils at room temperature")
        << -50 << 25 << State::Gas << "It boils at 25 °C, so it is a gas.";
    QTest::newRow("boils just below room temperature")
        << -50 << 24 << State::Gas << "It boils below 25 °C, so it is a gas.";
}

void MeltingPointsTest::boundaries() {
    QFETCH(int, melts);
    QFETCH(int, boils);
    QFETCH(State, state);
    QFETCH(QString, reason);
    QCOMPARE(stateAt(melts, boils), state);
    QCOMPARE(stateReason(melts, boils), reason);
    // Room temperature is only the default: the same rule holds anywhere on the scale.
    QCOMPARE(stateAt(melts - 100, boils - 100, kRoomTemperature - 100), state);
}

void MeltingPointsTest::questionShowsBothTemperatures_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(std::size(kMeltingPoints)); ++i)
        QTest::newRow(kMeltingPoints[i].substance) << i;
}

void MeltingPointsTest::questionShowsBothTemperatures() {
    QFETCH(int, index);
    const MeltingPoint& row = kMeltingPoints[index];
    const QString question = MeltingPointsScreen::itemFor(row).question;
    const auto shown = [&row](int celsius) {
        const QString number =
            celsius < 0 ? kMinus + QString::number(-celsius) : QString::number(celsius);
        return (row.approximate ? QStringLiteral("about ") : QString()) + number +
               QStringLiteral(" °C");
    };
    QVERIFY2(question.startsWith(QString::fromUtf8(row.substance) + QLatin1Char('\n')),
             qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("melts at ") + shown(row.melts)),
             qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("boils at ") + shown(row.boils)),
             qPrintable(question));
    QVERIFY2(question.endsWith(QStringLiteral("Solid, liquid or gas at room temperature (25 °C)?")),
             qPrintable(question));
    // A hyphen is not a minus sign.
    QVERIFY2(!question.contains(QLatin1Char('-')), qPrintable(question));
    const QString reason = MeltingPointsScreen::itemFor(row).reason;
    if (row.note) QVERIFY(reason.endsWith(QLatin1Char(' ') + QString::fromUtf8(row.note)));
}

QTEST_MAIN(MeltingPointsTest)
#include "tst_meltingpoints.moc"
