// The glossary catalogue: group sizes, the orders that are not alphabetical, the form of every
// term, and the three picture terms.
#include <QSet>
#include <QtTest>

#include "activities/vocab/GlossaryCatalogue.h"

using namespace vocab;

namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QStringList termsOf(int group) {
    QStringList terms;
    for (std::string_view term : glossaryGroups()[group - 1].terms) terms << text(term);
    return terms;
}

}  // namespace

class GlossaryCatalogueTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void groups_data();
    void groups();
    void holds390UniqueTerms();
    void onlyTheKnownPairsBreakAlphabeticalOrder();
    void termsAreWellFormed();
    void personEntryIsOneTermOfThirteenCharacters();
    void pictureTerms();
};

void GlossaryCatalogueTest::groups_data() {
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("size");
    const struct {
        const char* caption;
        int size;
    } table[] = {{"A", 16},           {"B", 8},      {"C", 35}, {"D", 25},
                 {"E", 19},           {"F", 11},     {"G", 9},  {"H", 12},
                 {"I", 28},           {"J    K", 5}, {"L", 11}, {"M", 24},
                 {"N", 12},           {"O", 9},      {"P", 44}, {"Q", 8},
                 {"R", 23},           {"S", 38},     {"T", 28}, {"U     V    W", 20},
                 {"X     Y     Z", 5}};
    QCOMPARE(std::size(table), std::size_t(kGroupCount));
    int group = 1;
    for (const auto& row : table) {
        QTest::addRow("%d %s", group, row.caption)
            << group << QString::fromLatin1(row.caption) << row.size;
        ++group;
    }
}

void GlossaryCatalogueTest::groups() {
    QFETCH(int, group);
    QFETCH(QString, caption);
    QFETCH(int, size);
    QCOMPARE(int(glossaryGroups().size()), kGroupCount);
    QCOMPARE(text(glossaryGroups()[group - 1].tileCaption), caption);
    QCOMPARE(termsOf(group).size(), size);
    // Every term starts with one of the letters on its tile, in either case.
    const QString letters = caption.remove(QLatin1Char(' '));
    for (const QString& term : termsOf(group))
        QVERIFY2(letters.contains(term.front().toUpper()), qPrintable(term));
}

void GlossaryCatalogueTest::holds390UniqueTerms() {
    QSet<QString> seen;
    int total = 0;
    for (int group = 1; group <= kGroupCount; ++group) {
        for (const QString& term : termsOf(group)) {
            QVERIFY2(!seen.contains(term), qPrintable(term));
            seen.insert(term);
            ++total;
        }
    }
    QCOMPARE(total, 390);
}

// The lists are shown as written. They read alphabetically, ignoring case, except for these
// neighbours; a transposed or misfiled term would show up here as a new pair.
void GlossaryCatalogueTest::onlyTheKnownPairsBreakAlphabeticalOrder() {
    QStringList outOfOrder;
    for (int group = 1; group <= kGroupCount; ++group) {
        const QStringList terms = termsOf(group);
        for (int i = 1; i < terms.size(); ++i) {
            if (QString::compare(terms[i - 1], terms[i], Qt::CaseInsensitive) > 0)
                outOfOrder << terms[i - 1] + QStringLiteral(" / ") + terms[i];
        }
    }
    QCOMPARE(outOfOrder, (QStringList{
                             QStringLiteral("Estimate [verb] / Estimate [noun]"),
                             QStringLiteral("Lowest Common Multiple / Length"),
                             QStringLiteral("Linear... / Line of Best Fit"),
                         }));
    QCOMPARE(termsOf(11).mid(0, 3),
             (QStringList{QStringLiteral("Lowest Common Denominator"),
                          QStringLiteral("Lowest Common Multiple"), QStringLiteral("Length")}));
    QCOMPARE(termsOf(9).front(), QStringLiteral("i"));
}

void GlossaryCatalogueTest::termsAreWellFormed() {
    // Letters, single inner spaces, and the few marks the terms use; no digits.
    const QRegularExpression allowed(QStringLiteral("^[A-Za-z\\x{00F6} ,'\\[\\].-]+$"));
    QStringList nonAscii;
    QStringList threeDots;
    for (int group = 1; group <= kGroupCount; ++group) {
        for (const QString& term : termsOf(group)) {
            QVERIFY2(term.size() >= 1 && term.size() <= 27, qPrintable(term));
            QVERIFY2(allowed.match(term).hasMatch(), qPrintable(term));
            QVERIFY2(!term.contains(QStringLiteral("  ")), qPrintable(term));
            QVERIFY2(term.trimmed() == term, qPrintable(term));
            if (term.contains(QChar(0x00F6))) nonAscii << term;
            if (term.endsWith(QStringLiteral("..."))) threeDots << term;
        }
    }
    // The one letter outside ASCII, held as UTF-8 and read back as U+00F6.
    QCOMPARE(nonAscii, QStringList{QStringLiteral("K\u00f6nigsberg Bridge Problem")});
    QVERIFY(glossaryGroups()[9].terms[4].starts_with("K\xC3\xB6nigsberg"));
    QCOMPARE(threeDots, (QStringList{QStringLiteral("Common..."), QStringLiteral("Frequency..."),
                                     QStringLiteral("Linear..."), QStringLiteral("Major..."),
                                     QStringLiteral("Minor..."), QStringLiteral("Quadratic...")}));
}

void GlossaryCatalogueTest::personEntryIsOneTermOfThirteenCharacters() {
    const QString person = termsOf(13).at(4);
    QCOMPARE(person.size(), 13);
    QVERIFY2(
        QRegularExpression(QStringLiteral("^[A-Z][a-z]+, [A-Z][a-z]+$")).match(person).hasMatch(),
        qPrintable(person));
    int withComma = 0;
    for (int group = 1; group <= kGroupCount; ++group)
        withComma += int(termsOf(group).filter(QStringLiteral(",")).size());
    QCOMPARE(withComma, 1);
}

void GlossaryCatalogueTest::pictureTerms() {
    QStringList found;
    for (int group = 1; group <= kGroupCount; ++group) {
        for (std::string_view term : glossaryGroups()[group - 1].terms) {
            if (const PictureTerm* entry = findPictureTerm(term)) {
                QCOMPARE(group, 10);
                found << text(entry->term) + QLatin1Char('|') + text(entry->picture) +
                             QLatin1Char('|') + QString::number(entry->hasProblem);
            }
        }
    }
    QCOMPARE(found, (QStringList{
                        QStringLiteral("Joukowski Airfoil|Images\\airfoil.jpg|0"),
                        QStringLiteral("Julia Set|Images\\julia1.jpg|0"),
                        QStringLiteral("K\u00f6nigsberg Bridge Problem|Images\\kbridge.jpg|1"),
                    }));
    QCOMPARE(int(vocab::pictureTerms().size()), 3);
    QVERIFY(!findPictureTerm("Kite"));
    QVERIFY(!findPictureTerm("Konigsberg Bridge Problem"));
}

QTEST_MAIN(GlossaryCatalogueTest)
#include "tst_glossarycatalogue.moc"
