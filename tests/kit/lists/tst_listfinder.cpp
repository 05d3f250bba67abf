// Finding a screen's lists in the teacher's, the school's and a given folder, past the things a
// shared folder can hold: links in a loop, pipes, huge files, a file where a folder should be;
// and telling the teacher of every folder and file there that is not read.
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>

#include "kit/lists/CsvReader.h"
#include "kit/lists/ListFinder.h"

using namespace lists;
using namespace Qt::Literals::StringLiterals;

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every name under the folder with its size and time: what a search must leave as it found it.
QStringList snapshot(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries += info.filePath() + u' ' + QString::number(info.size()) + u' ' +
                   info.lastModified().toString(Qt::ISODateWithMs);
    }
    entries.sort();
    return entries;
}

ListPlace place(const QString& name) {
    return {{name}, {}, {}};
}

}  // namespace

class ListFinderTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase();
    void findsInOrder();
    void screenNameStaysInItsFolder();
    void folderLinkedToItself();
    void unreadableFolder();
    void readingAFile_data();
    void readingAFile();
    void foldersAnyCaseAndShared();
    void givenFolderIsTheActivitys();
    void surveyTellsWhatIsNotRead();

  private:
    QString path(const QString& relative) const { return m_root.filePath(relative); }
    QTemporaryDir m_root;
};

void ListFinderTest::initTestCase() {
    QVERIFY(m_root.isValid());
    // Before anything asks QStandardPaths, which reads them on each call.
    qputenv("XDG_DATA_HOME", path(u"home"_s).toUtf8());
    qputenv("XDG_DATA_DIRS",
            (path(u"school"_s) + u':' + path(u"school"_s) + u':' + path(u"other"_s)).toUtf8());

    const QString own = path(u"home/kindrel/lists/hangman/"_s);
    write(own + u"b list.csv"_s, "word,clue\n");
    write(own + u"A list.CSV"_s, "word,clue\n");
    write(own + u".hidden.csv"_s, "word,clue\n");
    write(own + u"notes.txt"_s, "word,clue\n");
    write(own + u"big.csv"_s, {});
    QVERIFY(QFile::resize(own + u"big.csv"_s, kMaxListBytes + 1));
    QVERIFY(QDir().mkpath(own + u"folder.csv"_s));
    QVERIFY(QFile::link(own + u"loop.csv"_s, own + u"loop.csv"_s));
    QCOMPARE(mkfifo(QFile::encodeName(own + u"pipe.csv"_s).constData(), 0600), 0);

    write(path(u"school/kindrel/lists/hangman/A list.csv"_s), "word,clue\n");
    write(path(u"school/kindrel/lists/hangman/School.csv"_s), "word,clue\n");
    write(path(u"school/kindrel/lists/symbols/Symbols.csv"_s), "name,symbol\n");
    write(path(u"other/kindrel/lists/hangman"_s), "a file where the folder should be");
    write(path(u"extra/hangman/Extra.csv"_s), "word,clue\n");
}

void ListFinderTest::findsInOrder() {
    const QStringList before = snapshot(m_root.path());
    const ListSearch search = findLists(place(u"hangman"_s), path(u"extra"_s));
    QStringList found;
    for (const FoundList& list : search.lists) {
        QVERIFY(list.path.endsWith(u'/' + list.fileName));
        found += QDir(m_root.path()).relativeFilePath(list.path);
    }
    QCOMPARE(found, (QStringList{u"home/kindrel/lists/hangman/A list.CSV"_s,
                                 u"home/kindrel/lists/hangman/b list.csv"_s,
                                 u"school/kindrel/lists/hangman/A list.csv"_s,
                                 u"school/kindrel/lists/hangman/School.csv"_s,
                                 u"extra/hangman/Extra.csv"_s}));
    QCOMPARE(
        search.problems,
        (QStringList{path(u"home/kindrel/lists/hangman/big.csv"_s) +
                         u": the file is too large for a list (1,025 KB; the most is 1,024 KB)"_s,
                     path(u"home/kindrel/lists/hangman/loop.csv"_s) +
                         u": it is not a file that can be read"_s,
                     path(u"home/kindrel/lists/hangman/pipe.csv"_s) +
                         u": it is not a file that can be read"_s,
                     path(u"other/kindrel/lists/hangman"_s) + u" is not a folder."_s}));
    QCOMPARE(search.refused.size(), 3);
    QCOMPARE(snapshot(m_root.path()), before);

    // Another screen's folder, and no extra folder.
    QCOMPARE(findLists(place(u"symbols"_s)).lists.size(), std::size_t{1});
    QVERIFY(findLists(place(u"speed"_s)).lists.empty());
    QVERIFY(findLists(place(u"speed"_s)).problems.isEmpty());
}

void ListFinderTest::screenNameStaysInItsFolder() {
    for (const QString& name : {u"../hangman"_s, u"hangman/../symbols"_s, u""_s, u"Hangman"_s}) {
        const ListSearch search = findLists(place(name), path(u"extra"_s));
        QVERIFY(search.lists.empty());
        QCOMPARE(search.problems, QStringList{u"There is no screen called '%1'."_s.arg(name)});
    }
}

void ListFinderTest::folderLinkedToItself() {
    const QString looped = path(u"looped/hangman"_s);
    QVERIFY(QDir().mkpath(path(u"looped"_s)));
    QVERIFY(QFile::link(looped, looped));
    const ListSearch search = findLists(place(u"hangman"_s), path(u"looped"_s));
    QCOMPARE(search.lists.size(), std::size_t{4});
    QCOMPARE(search.problems.last(), u"The folder %1 cannot be read."_s.arg(looped));
}

void ListFinderTest::unreadableFolder() {
    if (geteuid() == 0) QSKIP("permissions do not stop root from reading a folder");
    const QString locked = path(u"locked/hangman"_s);
    write(locked + u"/Locked.csv"_s, "word,clue\n");
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    const ListSearch search = findLists(place(u"hangman"_s), path(u"locked"_s));
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(search.problems.last(), u"The folder %1 cannot be read."_s.arg(locked));
}

void ListFinderTest::readingAFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a list") << u"school/kindrel/lists/hangman/School.csv"_s
                            << QByteArray("word,clue\n") << QString();
    QTest::newRow("too large") << u"home/kindrel/lists/hangman/big.csv"_s << QByteArray()
                               << u": the file is too large for a list (1,025 KB; the most is "
                                  u"1,024 KB)"_s;
    QTest::newRow("a pipe, which would wait for ever")
        << u"home/kindrel/lists/hangman/pipe.csv"_s << QByteArray()
        << u": it is not a file that can be read"_s;
    QTest::newRow("a link to itself") << u"home/kindrel/lists/hangman/loop.csv"_s << QByteArray()
                                      << u": it is not a file that can be read"_s;
}

void ListFinderTest::readingAFile() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const ListFile read = readListFile(path(file));
    QCOMPARE(read.bytes, bytes);
    // Every problem names the file's whole path, not a title that two folders may share.
    QCOMPARE(read.problem, problem.isEmpty() ? problem : path(file) + problem);
}

// A folder in another letter case, a screen's own name for a kind's folder, and a folder shared
// by kinds, whose files are this kind's only when taken.
void ListFinderTest::foldersAnyCaseAndShared() {
    const QString given = path(u"cases"_s);
    write(given + u"/Hangman/Capital.csv"_s, "word,clue\n");
    write(given + u"/MIXEDUP/Mixed.csv"_s, "word,clue\n");
    write(given + u"/fourinarow/Words.csv"_s, "word,clue\n");
    write(given + u"/fourinarow/Symbols.csv"_s, "name,symbol\n");
    write(given + u"/Symbols/Not this.csv"_s, "name,symbol\n");
    const ListPlace words{{u"hangman"_s, u"mixedup"_s}, {u"fourinarow"_s}, [](const QString& file) {
                              return file.endsWith(u"Words.csv"_s);
                          }};
    QStringList found;
    for (const FoundList& list : findLists(words, given).lists)
        if (list.root == given) found += QDir(given).relativeFilePath(list.path);
    QCOMPARE(found, (QStringList{u"fourinarow/Words.csv"_s, u"Hangman/Capital.csv"_s,
                                 u"MIXEDUP/Mixed.csv"_s}));
}

void ListFinderTest::givenFolderIsTheActivitys() {
    // --lists pointed at an activity's folder, rather than the folder of folders.
    const QString given = path(u"straight/Hangman"_s);
    write(given + u"/Straight.csv"_s, "word,clue\n");
    const ListSearch search = findLists(place(u"hangman"_s), given);
    QCOMPARE(search.lists.back().path, given + u"/Straight.csv"_s);
    QCOMPARE(whereFrom(search.lists.back()), u"From Hangman/Straight.csv"_s);
    // Typed relative to where the program started, and still named whole.
    const ListSearch typed =
        findLists(place(u"hangman"_s), QDir::current().relativeFilePath(given));
    QCOMPARE(typed.lists.back().path, given + u"/Straight.csv"_s);
    for (const FoundList& list : findLists(place(u"symbols"_s), given).lists)
        QVERIFY2(!list.path.startsWith(given), qPrintable(list.path));
}

void ListFinderTest::surveyTellsWhatIsNotRead() {
    const QString given = path(u"survey"_s);
    write(given + u"/hangmen/Typo.csv"_s, "word,clue\n");
    write(given + u"/Year 9/Far.csv"_s, "word,clue\n");
    write(given + u"/Loose.csv"_s, "word,clue\n");
    write(given + u"/hangman/Notes.txt"_s, "word,clue\n");
    write(given + u"/hangman/Inner/Deep.csv"_s, "word,clue\n");
    write(given + u"/hangman/.hidden"_s, "");
    write(given + u"/fourinarow/Other.csv"_s, "formula\n");
    const std::vector<ListPlace> places{
        {{u"hangman"_s, u"mixedup"_s}, {u"fourinarow"_s}, [](const QString&) { return false; }},
        place(u"symbols"_s)};
    const QStringList before = snapshot(m_root.path());
    const ListSurvey survey =
        surveyLists(places, given, [](const QString&) { return QStringList{u"hangman"_s}; });
    QCOMPARE(snapshot(m_root.path()), before);
    QVERIFY2(survey.searched.contains(u"Searched "_s + given + u"/hangman"_s),
             qPrintable(survey.searched.join(u'\n')));
    QVERIFY(survey.searched.contains(u"Searched "_s + path(u"home/kindrel/lists"_s)));
    const QStringList expected{
        given +
            u"/fourinarow/Other.csv is not read: its columns are those of none of the lists "
            u"this folder holds; it belongs in "_s +
            given + u"/hangman"_s,
        given +
            u"/hangman/Inner is not read: folders inside an activity's folder are not "
            u"searched; its lists belong in "_s +
            given + u"/hangman"_s,
        given +
            u"/hangman/Notes.txt is not read: only .csv files are lists (saved from the "
            u"spreadsheet as Notes.csv)"_s,
        given +
            u"/hangmen is not read: no activity reads a folder of that name; the nearest "
            u"that is read is "_s +
            given + u"/hangman"_s,
        given +
            u"/Loose.csv is not read: a list goes in the folder of the activity that plays "
            u"it, such as "_s +
            given + u"/hangman/Loose.csv"_s,
        given +
            u"/Year 9 is not read: no activity reads a folder of that name; the folders "
            u"read are hangman, mixedup, fourinarow, symbols"_s,
    };
    for (const QString& line : expected)
        QVERIFY2(survey.unread.contains(line), qPrintable(survey.unread.join(u'\n')));
    // Nothing else of that folder: the hidden file and the lists read are not told of.
    QCOMPARE(survey.unread.filter(given).size(), expected.size());
}

QTEST_GUILESS_MAIN(ListFinderTest)
#include "tst_listfinder.moc"
