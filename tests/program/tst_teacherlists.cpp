// Teachers' lists through the program: each kind played by its screen, the chooser by pointer
// and by keys, the list in force read again, folders as teachers name them, the example lists
// sound, and the command line's list options.
#include <QtTest>

#include "FakePlatform.h"
#include "TestProgram.h"
#include "activities/atomicmass/AtomicMassScreen.h"
#include "activities/equations/EquationsScreen.h"
#include "activities/fourinarow/FourInARowScreen.h"
#include "activities/hangman/HangmanScreen.h"
#include "activities/meltingpoints/MeltingPointsScreen.h"
#include "activities/mixedup/MixedUpScreen.h"
#include "activities/symbols/SymbolsScreen.h"
#include "forms/CommandButton.h"
#include "forms/Screens.h"
#include "kit/labelling/ListBoard.h"
#include "tools/ListChooser.h"
#include "program/ScreenDirectory.h"
#include "program/TeacherLists.h"

using namespace Qt::Literals::StringLiterals;
using testing_support::TestProgram;

class TeacherListsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase();
    void eachKindPlays_data();
    void eachKindPlays();
    void refusedWhereItCannotShow_data();
    void refusedWhereItCannotShow();
    void withoutListsNothingChanges();
    void chooserByKeys();
    void listInForceReadAgain_data();
    void listInForceReadAgain();
    void sameTitleTwice();
    void reasonReadFromTheBack();
    void foldersAsTeachersNameThem();
    void exampleListsAreSound();

  private:
    QString writeList(const QString& folder, const QString& name, const QByteArray& bytes,
                      const QString& in = {});
    QTemporaryDir m_data;  // XDG folders with nothing in them
    QTemporaryDir m_lists;
};

void TeacherListsTest::initTestCase() {
    // Before anything asks QStandardPaths: no list of the machine's may come in.
    qputenv("XDG_DATA_HOME", (m_data.path() + u"/home"_s).toUtf8());
    qputenv("XDG_DATA_DIRS", (m_data.path() + u"/dirs"_s).toUtf8());
}

QString TeacherListsTest::writeList(const QString& folder, const QString& name,
                                    const QByteArray& bytes, const QString& in) {
    const QString dir = (in.isEmpty() ? m_lists.path() : in) + u'/' + folder;
    QDir().mkpath(dir);
    QFile file(dir + u'/' + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return file.fileName();
}

// One list of each kind, with what its screen must then show.
void TeacherListsTest::eachKindPlays_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("shown");  // what the screen has from the list
    QTest::newRow("hangman") << u"hangman"_s
                             << QByteArray("word,clue\nfiltrate,what passes the paper\n")
                             << u"FILTRATE|what passes the paper"_s;
    QTest::newRow("mixedup") << u"mixedup"_s
                             << QByteArray("word,clue\nfiltrate,what passes the paper\n")
                             << u"FILTRATE|what passes the paper"_s;
    QTest::newRow("symbols") << u"symbols"_s << QByteArray("name;symbol\nTungsten;W\n")
                             << u"Tungsten|W"_s;
    QTest::newRow("speed") << u"speed"_s
                           << QByteArray(
                                  "question,answer,reason\nWhy stir?,Faster,More collisions\n")
                           << u"Why stir?|Faster"_s;
    QTest::newRow("atomicmass") << u"atomicmass"_s << QByteArray("formula\nAgNO3\n")
                                << u"AgNO\u2083 = 107.9 + 14 + 3 \u00d7 16 = 169.9"_s;
    QTest::newRow("meltingpoints")
        << u"meltingpoints"_s
        << QByteArray("substance,melting point,boiling point\nPhenol,40.5,181.7\n")
        << u"Solid|melts at 40.5 \u00b0C"_s;
    QTest::newRow("equations") << u"equations"_s
                               << QByteArray("equation\nC4H10 + O2 -> CO2 + H2O\n")
                               << u"2,13,8,10"_s;
    QTest::newRow("metals") << u"metals"_s
                            << QByteArray("column,item\nMetal,tin\nNon-metal,neon\nMetal,lead\n")
                            << u"tin,neon,lead"_s;
    QTest::newRow("elements") << u"elements"_s
                              << QByteArray(
                                     "column,item\nElement,neon\nCompound,rust\nMixture,brass\n")
                              << u"neon,rust,brass"_s;
    QTest::newRow("everydayph") << u"everydayph"_s
                                << QByteArray("column,item\nAcid,lime juice\nAlkali,soap\n")
                                << u"lime juice,soap"_s;
}

void TeacherListsTest::eachKindPlays() {
    QFETCH(QString, screen);
    QFETCH(QByteArray, csv);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    program::TeacherLists lists(dir.path());
    const program::ListUse* use = program::listUseOf(screen);
    QVERIFY(use);
    const QString folder = QString::fromLatin1(use->folder);
    QVERIFY(!writeList(folder, u"Mine.csv"_s, csv, dir.path()).isEmpty());

    TestProgram program(false);
    program::defineScreens(program.screens, &lists);
    const program::FolderLists found = lists.readAll(folder);
    QCOMPARE(found.checked.size(), size_t(1));
    QVERIFY2(found.checked[0].sound(), qPrintable(found.checked[0].describedErrors().join(u'\n')));
    lists.setInForce(folder, found.search.lists[0].path,
                     std::make_unique<lists::CheckedList>(found.checked[0]));

    forms::Screen& on = program.screens.show(screen);
    QCOMPARE(on.caption(), on.caption().section(u" \u2013 "_s, 0, 0) + u" \u2013 Mine"_s);
    QVERIFY(on.find<forms::CommandButton>(u"cmdlist"_s));
    const QStringList parts = shown.split(u'|');
    if (auto* hangman = dynamic_cast<hangman::HangmanScreen*>(&on)) {
        QCOMPARE(hangman->game().word(), parts[0]);
        hangman->reveal();
        QCOMPARE(on.find<forms::Label>(u"lblclue"_s)->caption(), parts[1]);
    } else if (auto* mixed = dynamic_cast<mixedup::MixedUpScreen*>(&on)) {
        QCOMPARE(on.find<forms::Label>(u"lblanswer"_s)->caption(), parts[0]);
        QCOMPARE(on.find<forms::Label>(u"lblclue"_s)->caption(), parts[1]);
        QVERIFY(mixed->tileOrder() != parts[0]);
    } else if (auto* equations = dynamic_cast<equations::EquationsScreen*>(&on)) {
        QStringList answer;
        for (const int n : equations->answer()) answer += QString::number(n);
        QCOMPARE(answer.join(u','), shown);
        // The boxes count round as far as the list needs, by keys too.
        QCOMPARE(equations->highestNumber(), 13);
        auto* box = on.array<forms::Label>(u"lblnumber"_s);
        QTest::keyClick(box->at(0)->widget(), Qt::Key_Down);
        QCOMPARE(equations->numbers()[0], 13);
        QTest::keyClick(box->at(0)->widget(), Qt::Key_Up);
        QCOMPARE(equations->numbers()[0], 1);
    } else if (auto* board = dynamic_cast<labelling::LabellingBoard*>(&on)) {
        QVERIFY(dynamic_cast<labelling::ListBoard*>(board));
        const QStringList items = shown.split(u',');
        QCOMPARE(board->count(), items.size());
        auto* boxes = on.array<forms::Label>(u"Label1"_s);
        for (int i = 0; i < items.size(); ++i)
            QCOMPARE(on.array<forms::Label>(u"Label2"_s)->at(i)->caption(), items[i]);
        // Every label on its column's box scores full marks.
        auto* labels = on.array<forms::Label>(u"Label2"_s);
        for (int i = 0; i < items.size(); ++i)
            labels->at(i)->move(boxes->at(i)->left(), boxes->at(i)->top());
        QCOMPARE(board->score(), items.size());
    } else if (auto* quiz = dynamic_cast<quiz::QuizScreen*>(&on)) {
        const quiz::QuizItem& item = quiz->current();
        const QString all = item.question + u'|' + item.answer + u'|' + item.reason;
        for (const QString& part : parts) QVERIFY2(all.contains(part), qPrintable(all));
    } else {
        QFAIL("no screen of a known kind");
    }
}

// Each screen's own room, and each board's own shape, told as the teacher reads it.
void TeacherListsTest::refusedWhereItCannotShow_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("error");  // a pattern for the first error
    const QByteArray longText = QByteArray("a sentence of many words that goes on ").repeated(6);
    QTest::newRow("a clue over its lines")
        << u"hangman"_s << "word,clue\nACID," + longText + "\n"
        << u"^line 2: the clue is too long for its box \\(it needs \\d+ lines, the box holds "
           u"\\d+\\)$"_s;
    QTest::newRow("a word past the blanks")
        << u"hangman"_s << QByteArray("word,clue\nABCDEFGHIJKLMNOPQRSTUVWXY,a clue\n")
        << u"^line 2: 'ABCDEFGHIJKLMNOPQRSTUVWXY' has 25 letters; Hangman shows at most \\d+$"_s;
    QTest::newRow("a name wider than the screen")
        << u"symbols"_s << QByteArray("name,symbol\nIronironironironironiron,Fe\n")
        << u"^line 2: the name has a word too wide for its box$"_s;
    QTest::newRow("a reason over its lines")
        << u"speed"_s << "question,answer,reason\nWhy?,Because," + longText + "\n"
        << u"^line 2: the reason is too long for its box"_s;
    QTest::newRow("a substance over the question's lines")
        << u"meltingpoints"_s << "substance,melting point,boiling point\n" + longText + ",10,20\n"
        << u"^line 2: the substance is too long for its box"_s;
    QTest::newRow("an equation wider than the screen")
        << u"equations"_s
        << QByteArray(
               "equation\nK4Fe(CN)6 + KMnO4 + H2SO4 -> KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 "
               "+ H2O\n")
        << u"^line 2: the equation is too wide to show across the screen$"_s;
    QTest::newRow("three columns on a board of two")
        << u"metals"_s << QByteArray("column,item\nMetal,iron\nNon-metal,neon\nAlloy,brass\n")
        << u"^the items are in 3 columns; this board has 2$"_s;
    QTest::newRow("a column past its boxes")
        << u"elements"_s
        << QByteArray(
               "column,item\nElement,a\nElement,b\nElement,c\nElement,d\nElement,e\n"
               "Element,f\nElement,g\nElement,h\nCompound,i\n")
        << u"^line 8: 'Element' has more than 6 items; a column of this board holds 6$"_s;
}

void TeacherListsTest::refusedWhereItCannotShow() {
    QFETCH(QString, folder);
    QFETCH(QByteArray, csv);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = writeList(folder, u"Refused.csv"_s, csv, dir.path());
    const lists::CheckedList checked = program::checkListFile(
        folder, {path, QFileInfo(path).fileName(), lists::ListOrigin::Given, dir.path()});
    QVERIFY(!checked.sound());
    QVERIFY(checked.entries.empty());
    const lists::ListError& first = checked.errors.front();
    const QString told =
        first.line > 0 ? u"line %1: %2"_s.arg(first.line).arg(first.what) : first.what;
    QVERIFY2(QRegularExpression(error).match(told).hasMatch(), qPrintable(told));
}

void TeacherListsTest::withoutListsNothingChanges() {
    // The program's own table, with no list anywhere: no List button, the caption as designed.
    QTemporaryDir empty;
    program::TeacherLists lists(empty.path());
    TestProgram program(false);
    program::defineScreens(program.screens, &lists);
    for (const program::ListUse& use : program::listUses()) {
        forms::Screen& on = program.screens.show(QString::fromLatin1(use.screen));
        QVERIFY2(!on.find<forms::CommandButton>(u"cmdlist"_s), use.screen);
        QVERIFY2(!on.caption().contains(u'\u2013'), use.screen);
        program.screens.unload(QString::fromLatin1(use.screen));
    }
    // A list for Hangman does not bring the button to the other screens.
    writeList(u"hangman"_s, u"Good.csv"_s, "word,clue\nACID,pH below 7\n");
    program::TeacherLists some(m_lists.path());
    TestProgram another(false);
    program::defineScreens(another.screens, &some);
    QVERIFY(another.screens.show(u"mixedup"_s).find<forms::CommandButton>(u"cmdlist"_s));
    QVERIFY(!another.screens.show(u"symbols"_s).find<forms::CommandButton>(u"cmdlist"_s));
}

void TeacherListsTest::chooserByKeys() {
    QTemporaryDir dir;
    QVERIFY(!writeList(u"hangman"_s, u"A faulty.csv"_s,
                       "word,clue\nACID,pH below 7\nBASE 2,a number in it\n", dir.path())
                 .isEmpty());
    QVERIFY(!writeList(u"hangman"_s, u"B good.csv"_s, "word,clue\nALKALI,pH above 7\n", dir.path())
                 .isEmpty());
    program::TeacherLists lists(dir.path());
    TestProgram program(false);
    program::defineScreens(program.screens, &lists);
    program.screens.show(u"menu1"_s);
    forms::Screen& hangman = program.screens.show(u"hangman"_s);
    QTest::keyClick(hangman.window(), Qt::Key_L, Qt::ControlModifier);
    auto* chooser = dynamic_cast<tools::ListChooser*>(
        program.screens.loaded(QString::fromLatin1(program::kChooserScreen)));
    QVERIFY(chooser);
    QCOMPARE(chooser->caption(), u"Lists for Hangman"_s);
    QCOMPARE(chooser->rows().size(), size_t(3));
    QVERIFY(chooser->rows()[0].inForce);
    QVERIFY(!chooser->rows()[1].playable);
    QCOMPARE(chooser->rows()[1].note,
             u"Line 3: 'BASE 2' has a space, which Hangman cannot show "
             u"(only the letters A to Z)"_s);
    // The faulty list takes no focus: down from the program's own goes to the good one.
    QVERIFY(chooser->moveFocus(true));
    QTest::keyClick(chooser->window()->focusWidget(), Qt::Key_Down);
    QCOMPARE(chooser->window()->focusWidget(),
             chooser->array<forms::Label>(u"lbllist"_s)->at(2)->widget());
    QTest::keyClick(chooser->window()->focusWidget(), Qt::Key_Return);
    program.screens.collectUnloaded();
    QVERIFY(!program.screens.isLoaded(QString::fromLatin1(program::kChooserScreen)));
    auto& played = dynamic_cast<hangman::HangmanScreen&>(*program.screens.loaded(u"hangman"_s));
    QCOMPARE(played.game().word(), u"ALKALI"_s);
    QCOMPARE(played.caption(), u"Hangman \u2013 B good"_s);
    QVERIFY(played.isVisible());

    // Escape leaves the chooser with nothing changed; the list in force is marked.
    QTest::keyClick(played.window(), Qt::Key_L, Qt::ControlModifier);
    chooser = dynamic_cast<tools::ListChooser*>(
        program.screens.loaded(QString::fromLatin1(program::kChooserScreen)));
    QVERIFY(chooser && chooser->rows()[2].inForce && !chooser->rows()[0].inForce);
    QTest::keyClick(chooser->window(), Qt::Key_Escape);
    QVERIFY(!program.screens.isLoaded(QString::fromLatin1(program::kChooserScreen)));
    QCOMPARE(program.screens.loaded(u"hangman"_s)->caption(), u"Hangman \u2013 B good"_s);
}

// The file under the list in force changes while the program runs: what the chooser says and
// what the game plays are the file as it is now, and a list that can no longer play gives way.
void TeacherListsTest::listInForceReadAgain_data() {
    QTest::addColumn<bool>("byChooser");  // opened again from the chooser, or from its menu
    QTest::addColumn<QByteArray>("now");  // empty: the file is deleted
    QTest::addColumn<QString>("word");    // what Hangman plays then; empty: its own
    QTest::addColumn<QString>("why");     // what the chooser's first row says
    for (const bool byChooser : {true, false}) {
        const char* how = byChooser ? ", the chooser opened" : ", the activity opened";
        QTest::addRow("now faulty%s", how)
            << byChooser << QByteArray("word,clue\nBASE,pH above 7\nBASE,again\n") << QString()
            << u"Acids was changed and cannot be used now"_s;
        QTest::addRow("rewritten%s", how)
            << byChooser << QByteArray("word,clue\nBURETTE,measures\n") << u"BURETTE"_s
            << QString();
        QTest::addRow("deleted%s", how)
            << byChooser << QByteArray() << QString() << u"Acids was deleted or moved"_s;
    }
}

void TeacherListsTest::listInForceReadAgain() {
    QFETCH(bool, byChooser);
    QFETCH(QByteArray, now);
    QFETCH(QString, word);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString file =
        writeList(u"hangman"_s, u"Acids.csv"_s, "word,clue\nACID,pH below 7\n", dir.path());
    writeList(u"hangman"_s, u"Other.csv"_s, "word,clue\nALKALI,pH above 7\n", dir.path());
    program::TeacherLists lists(dir.path());
    QString path;
    QString refused;
    std::optional<lists::CheckedList> list =
        lists.listCalled(u"hangman"_s, u"acids"_s, &refused, &path);
    QVERIFY2(list, qPrintable(refused));
    lists.setInForce(u"hangman"_s, path, std::make_unique<lists::CheckedList>(*list));
    TestProgram program(false);
    program::defineScreens(program.screens, &lists);
    program.screens.show(u"menu1"_s);
    forms::Screen& first = program.screens.show(u"hangman"_s);
    QCOMPARE(dynamic_cast<hangman::HangmanScreen&>(first).game().word(), u"ACID"_s);

    if (now.isEmpty())
        QVERIFY(QFile::remove(file));
    else
        QVERIFY(!writeList(u"hangman"_s, u"Acids.csv"_s, now, dir.path()).isEmpty());
    const auto plays = [&word](forms::Screen& screen) {
        auto& hangman = dynamic_cast<hangman::HangmanScreen&>(screen);
        if (!word.isEmpty()) QCOMPARE(hangman.game().word(), word);
        QCOMPARE(hangman.caption(), word.isEmpty() ? u"Hangman"_s : u"Hangman \u2013 Acids"_s);
    };
    if (byChooser) {
        QTest::keyClick(first.window(), Qt::Key_L, Qt::ControlModifier);
    } else {
        program.screens.unload(u"hangman"_s);
        program.screens.collectUnloaded();
        plays(program.screens.show(u"hangman"_s));
        lists.openChooser(program.screens, u"hangman"_s);
    }
    program.screens.collectUnloaded();
    auto* chooser = dynamic_cast<tools::ListChooser*>(
        program.screens.loaded(QString::fromLatin1(program::kChooserScreen)));
    QVERIFY(chooser);
    // The game beneath the chooser plays what the chooser says.
    plays(*program.screens.loaded(u"hangman"_s));
    if (word.isEmpty()) {
        QVERIFY(!lists.inForce(u"hangman"_s));
        QVERIFY(chooser->rows()[0].inForce);
        QVERIFY2(chooser->rows()[0].note.startsWith(why), qPrintable(chooser->rows()[0].note));
    } else {
        QVERIFY(chooser->rows()[1].inForce);
        QCOMPARE(chooser->rows()[1].note, u"1 row"_s);
    }
    // Nothing changed since: read again, it stays as it is.
    QVERIFY(!lists.refresh(u"hangman"_s));
}

// The teacher's and the school's list of one title, and two letter cases of one in a folder.
void TeacherListsTest::sameTitleTwice() {
    QTemporaryDir dir;
    const QString mine = writeList(u"hangman"_s, u"Acids.csv"_s, "word,clue\nACID,pH below 7\n",
                                   m_data.path() + u"/home/kindrel/lists"_s);
    // No other test may find it.
    const auto removed = qScopeGuard([&mine] { QFile::remove(mine); });
    const QString given =
        writeList(u"Hangman"_s, u"acids.csv"_s, "word,clue\nBASE,pH above 7\n", dir.path());
    const QString single =
        writeList(u"mixedup"_s, u"Single.csv"_s, "word,clue\nSALT,made by\n", dir.path());
    program::TeacherLists lists(dir.path());
    QString why;
    QVERIFY(!lists.listCalled(u"mixedup"_s, u"ACIDS"_s, &why));
    QCOMPARE(why, u"2 lists are called 'ACIDS': %1 and %2; rename one of them"_s.arg(mine, given));
    QVERIFY(lists.listCalled(u"mixedup"_s, u"single"_s, &why));

    TestProgram program(false);
    program::defineScreens(program.screens, &lists);
    lists.openChooser(program.screens, u"hangman"_s);
    auto* chooser = dynamic_cast<tools::ListChooser*>(
        program.screens.loaded(QString::fromLatin1(program::kChooserScreen)));
    QVERIFY(chooser);
    QCOMPARE(chooser->rows().size(), size_t(4));
    QCOMPARE(chooser->rows()[1].from, u"Your own: hangman/Acids.csv"_s);
    QCOMPARE(chooser->rows()[2].from,
             u"From %1: Hangman/acids.csv"_s.arg(QFileInfo(dir.path()).fileName()));
    QCOMPARE(chooser->rows()[3].from, QString());
    // On screen, and to a reader, the two rows differ.
    auto* notes = chooser->array<forms::Label>(u"lblnote"_s);
    QVERIFY(notes->at(1)->caption() != notes->at(2)->caption());
    QVERIFY(notes->at(1)->caption().startsWith(chooser->rows()[1].from));
}

namespace {

// WCAG 2's relative luminance of a colour as drawn.
double luminance(QRgb colour) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

// Why a list is refused is read from the back of a classroom: 7:1 at least, as large as the
// list's name. The colours are those the chooser draws with, the screen's own behind a note
// that is not opaque.
void TeacherListsTest::reasonReadFromTheBack() {
    QTemporaryDir dir;
    writeList(u"symbols"_s, u"Faulty.csv"_s, "name,symbol\nIron,Xx\n", dir.path());
    program::TeacherLists lists(dir.path());
    TestProgram program(false);
    program::defineScreens(program.screens, &lists);
    lists.openChooser(program.screens, u"symbols"_s);
    auto* chooser = dynamic_cast<tools::ListChooser*>(
        program.screens.loaded(QString::fromLatin1(program::kChooserScreen)));
    QVERIFY(chooser && !chooser->rows()[1].playable);
    const forms::Label& reason = *chooser->array<forms::Label>(u"lblnote"_s)->at(1);
    const forms::Label& name = *chooser->array<forms::Label>(u"lbllist"_s)->at(1);
    QVERIFY(reason.isVisible() && !reason.caption().isEmpty());
    const QRgb behind = reason.look().opaque ? reason.look().back : chooser->backColour();
    QVERIFY2(contrast(reason.look().fore, behind) >= 7.0,
             qPrintable(QString::number(contrast(reason.look().fore, behind))));
    QCOMPARE(reason.look().font.points, name.look().font.points);
    // The name of a refused list too, grey on its black box.
    QVERIFY(contrast(name.look().fore, name.look().back) >= 7.0);
}

// Folders as a teacher may name them: in capitals, by another screen that plays the kind, or
// by Four in a Row, whose lists are told apart by their columns; and what is not read is told.
void TeacherListsTest::foldersAsTeachersNameThem() {
    QTemporaryDir dir;
    writeList(u"Hangman"_s, u"Capital.csv"_s, "word,clue\nACID,pH below 7\n", dir.path());
    writeList(u"mixedup"_s, u"Mixed.csv"_s, "word,clue\nBASE,pH above 7\n", dir.path());
    writeList(u"fourinarow"_s, u"Masses.csv"_s, "Formula\nCO2\n", dir.path());
    writeList(u"fourinarow"_s, u"Elements.csv"_s, "symbol;name\nNa;sodium\n", dir.path());
    // A title typed above the header, as a spreadsheet's first row often is.
    writeList(u"fourinarow"_s, u"Titled.csv"_s, "Year 8 words\nword,clue\nSALT,made by\n",
              dir.path());
    writeList(u"fourinarow"_s, u"Odd.csv"_s, "question,answer\nWhy?,So\n", dir.path());
    writeList(u"Mixed up"_s, u"Lost.csv"_s, "word,clue\nSALT,made by\n", dir.path());
    writeList({}, u"Loose.csv"_s, "name,symbol\nNa,sodium\n", dir.path());
    writeList(u"equations"_s, u"Faulty.csv"_s, "equation\nMg + O2 -> Xy\n", dir.path());
    program::TeacherLists lists(dir.path());
    const auto titles = [&lists](const QString& folder) {
        QStringList found;
        for (const lists::FoundList& list : lists.find(folder).lists) found += list.fileName;
        return found;
    };
    QCOMPARE(titles(u"hangman"_s),
             (QStringList{u"Titled.csv"_s, u"Capital.csv"_s, u"Mixed.csv"_s}));
    QCOMPARE(titles(u"symbols"_s), QStringList{u"Elements.csv"_s});
    QCOMPARE(titles(u"atomicmass"_s), QStringList{u"Masses.csv"_s});
    QVERIFY(titles(u"speed"_s).isEmpty());

    const program::ListsReport report = lists.checkEverything();
    const QString root = QDir::cleanPath(dir.path());
    QVERIFY(report.searched.contains(u"Searched "_s + root + u"/Hangman"_s));
    QVERIFY(report.searched.contains(u"Searched "_s + root + u"/fourinarow"_s));
    const QString all = report.lines().join(u'\n');
    QVERIFY2(report.unread.contains(root +
                                    u"/Mixed up is not read: no activity reads a folder of that "
                                    u"name; the nearest that is read is "_s +
                                    root + u"/mixedup"_s),
             qPrintable(all));
    QVERIFY2(report.unread.contains(root +
                                    u"/Loose.csv is not read: a list goes in the folder of "
                                    u"the activity that plays it, such as "_s +
                                    root + u"/symbols/Loose.csv"_s),
             qPrintable(all));
    QVERIFY2(report.unread.contains(root +
                                    u"/fourinarow/Odd.csv is not read: its columns are "
                                    u"those of none of the lists this folder holds; it "
                                    u"belongs in "_s +
                                    root + u"/speed"_s),
             qPrintable(all));
    QCOMPARE(report.unread.size(), 3);
    QCOMPARE(report.faults.size(), 1);
    QVERIFY(report.faults[0].startsWith(root + u"/equations/Faulty.csv, line 2: "_s));
    QCOMPARE(report.lines().last(), u"6 lists checked: 5 sound, 1 with errors"_s);
    QVERIFY(!report.allSound());
}

// What the package installs is sound, checked as --check-lists checks it.
void TeacherListsTest::exampleListsAreSound() {
    const QString source =
        QFileInfo(qEnvironmentVariable("KINDREL_MANIFEST")).dir().path() + u"/.."_s;
    program::TeacherLists lists(source + u"/packaging/lists"_s);
    const program::ListsReport report = lists.checkEverything();
    QVERIFY2(report.allSound() && report.unread.isEmpty(), qPrintable(report.lines().join(u'\n')));
    // A list for every folder.
    for (const QString& folder : program::listFolders())
        QVERIFY2(!lists.find(folder).lists.empty(), qPrintable(folder));
    QVERIFY(report.checked >= program::listFolders().size());
    QCOMPARE(report.sound, report.checked);
}

QTEST_MAIN(TeacherListsTest)
#include "tst_teacherlists.moc"
