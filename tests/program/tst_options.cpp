// The command line: the size options, the help, Qt's own options left alone, and every mistake
// refused with a message rather than guessed at.
#include <QDir>
#include <QtTest>

#include "program/Options.h"

using program::Options;
using program::parseOptions;

Q_DECLARE_METATYPE(Options::Size)

class OptionsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void helpNamesEveryOption();
    void worksheetWithoutAWindow();
    void screenNamesInAnyCase_data();
    void screenNamesInAnyCase();
};

void OptionsTest::accepted_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Options::Size>("size");
    QTest::addColumn<double>("factor");
    QTest::addColumn<bool>("help");
    using Size = Options::Size;
    QTest::newRow("nothing") << QStringList() << Size::Design << 1.0 << false;
    QTest::newRow("--fit") << QStringList{"--fit"} << Size::FitDisplay << 1.0 << false;
    QTest::newRow("--fit twice") << QStringList{"--fit", "--fit"} << Size::FitDisplay << 1.0
                                 << false;
    QTest::newRow("--scale 1.8") << QStringList{"--scale", "1.8"} << Size::Fixed << 1.8 << false;
    QTest::newRow("--scale=2.7") << QStringList{"--scale=2.7"} << Size::Fixed << 2.7 << false;
    QTest::newRow("--scale 1, the least")
        << QStringList{"--scale", "1"} << Size::Fixed << 1.0 << false;
    QTest::newRow("--scale 4, the most")
        << QStringList{"--scale", "4.0"} << Size::Fixed << 4.0 << false;
    QTest::newRow("--help") << QStringList{"--help"} << Size::Design << 1.0 << true;
    QTest::newRow("-h with --fit") << QStringList{"--fit", "-h"} << Size::FitDisplay << 1.0 << true;
    // Qt reads these itself; a value after one is not an argument of ours.
    QTest::newRow("--open hangman")
        << QStringList{"--open", "hangman"} << Size::Design << 1.0 << false;
    QTest::newRow("--lists and --check-lists")
        << QStringList{"--lists", QDir::currentPath(), "--check-lists"} << Size::Design << 1.0
        << false;
    QTest::newRow("--open with --list")
        << QStringList{"--open", "equations", "--list", "Acids"} << Size::Design << 1.0 << false;
    QTest::newRow("Qt's -platform and its value")
        << QStringList{"-platform", "offscreen", "--fit"} << Size::FitDisplay << 1.0 << false;
    QTest::newRow("Qt's -style=fusion and -reverse")
        << QStringList{"-style=fusion", "-reverse"} << Size::Design << 1.0 << false;
}

void OptionsTest::accepted() {
    QFETCH(QStringList, arguments);
    QFETCH(Options::Size, size);
    QFETCH(double, factor);
    QFETCH(bool, help);
    const program::ParsedOptions parsed = parseOptions(arguments);
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QCOMPARE(parsed.options.size, size);
    if (size == Options::Size::Fixed) QCOMPARE(parsed.options.factor, factor);
    QCOMPARE(parsed.options.help, help);
}

void OptionsTest::refused_data() {
    QTest::addColumn<QStringList>("arguments");
    // A word the message must name, so that the teacher sees what was wrong.
    QTest::addColumn<QString>("named");
    QTest::newRow("unknown option") << QStringList{"--projector"} << "--projector";
    QTest::newRow("unknown short option") << QStringList{"-f"} << "-f";
    QTest::newRow("a file name") << QStringList{"lesson.txt"} << "lesson.txt";
    QTest::newRow("--scale without a factor") << QStringList{"--scale"} << "--scale";
    QTest::newRow("factor below 1") << QStringList{"--scale", "0.5"} << "0.5";
    QTest::newRow("factor above 4") << QStringList{"--scale", "4.5"} << "4.5";
    QTest::newRow("factor not a number") << QStringList{"--scale", "big"} << "big";
    QTest::newRow("decimal comma") << QStringList{"--scale", "1,8"} << "1,8";
    QTest::newRow("not a finite number") << QStringList{"--scale=nan"} << "nan";
    QTest::newRow("empty factor") << QStringList{"--scale="} << "--scale";
    QTest::newRow("--fit and --scale") << QStringList{"--fit", "--scale", "2"} << "--scale";
    QTest::newRow("two different factors")
        << QStringList{"--scale", "2", "--scale", "3"} << "twice";
    QTest::newRow("a mistake after a good option") << QStringList{"--fit", "--fitt"} << "--fitt";
    QTest::newRow("--worksheet without a screen") << QStringList{"--worksheet"} << "--worksheet";
    QTest::newRow("--worksheet without -o") << QStringList{"--worksheet", "symbols"} << "-o";
    QTest::newRow("-o without a file") << QStringList{"--worksheet", "symbols", "-o"} << "-o";
    QTest::newRow("-o without --worksheet") << QStringList{"-o", "a.pdf"} << "--worksheet";
    QTest::newRow("--open, an unknown screen")
        << QStringList{"--open", "hangmen"}
        << "there is no activity called that; there are symbols, hangman";
    QTest::newRow("--open alone") << QStringList{"--open"} << "--open needs an activity's name";
    QTest::newRow("--list alone") << QStringList{"--list", "Acids"}
                                  << "--list goes with --open or --worksheet";
    QTest::newRow("--lists, no such folder")
        << QStringList{"--lists", QDir::currentPath() + "/nowhere"} << "there is no such folder";
    QTest::newRow("--check-lists and --open")
        << QStringList{"--check-lists", "--open", "hangman"} << "cannot be given with --open";
    QTest::newRow("--worksheet with --fit")
        << QStringList{"--worksheet", "symbols", "-o", "a.pdf", "--fit"} << "--fit";
}

void OptionsTest::refused() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    const program::ParsedOptions parsed = parseOptions(arguments);
    QVERIFY(!parsed.error.isEmpty());
    QVERIFY2(parsed.error.contains(named), qPrintable(parsed.error));
}

void OptionsTest::helpNamesEveryOption() {
    const QString help = program::usage();
    for (const char* option :
         {"--fit", "--scale F", "--help", "--version", "F11", "--worksheet SCREEN", "--no-answers",
          "-o", "--lists DIR", "--check-lists", "--open SCREEN", "--list TITLE"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
}

void OptionsTest::worksheetWithoutAWindow() {
    const program::ParsedOptions parsed =
        parseOptions({"--worksheet", "symbols", "--no-answers", "-o", "term 1/symbols.pdf"});
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QCOMPARE(parsed.options.worksheet, QStringLiteral("symbols"));
    QCOMPARE(parsed.options.output, QStringLiteral("term 1/symbols.pdf"));
    QVERIFY(!parsed.options.answers);
    QVERIFY(parseOptions({"--worksheet", "ph", "--output", "ph.pdf"}).options.answers);
}

// Typed as a teacher types them, spelled as the program spells them.
void OptionsTest::screenNamesInAnyCase_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("worksheet");
    QTest::newRow("--open vocab") << QStringList{"--open", "vocab"} << "Vocab"
                                  << "";
    QTest::newRow("--open HANGMAN") << QStringList{"--open", "HANGMAN"} << "hangman"
                                    << "";
    QTest::newRow("--open Vocab, as the program spells it")
        << QStringList{"--open", "Vocab"} << "Vocab"
        << "";
    QTest::newRow("--worksheet Symbols")
        << QStringList{"--worksheet", "Symbols", "-o", "a.pdf"} << ""
        << "symbols";
    QTest::newRow("--worksheet SAFETY") << QStringList{"--worksheet", "SAFETY", "-o", "a.pdf"} << ""
                                        << "safety";
}

void OptionsTest::screenNamesInAnyCase() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, open);
    QFETCH(QString, worksheet);
    const program::ParsedOptions parsed = parseOptions(arguments);
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QCOMPARE(parsed.options.openScreen, open);
    QCOMPARE(parsed.options.worksheet, worksheet);
}

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
