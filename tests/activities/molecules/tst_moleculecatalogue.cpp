// The molecule table: draw order, exact key lookup, picture paths, the digit rules, the atom key.
#include <QtTest>

#include "activities/molecules/MoleculeCatalogue.h"

using namespace molecules;

class MoleculeCatalogueTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void indexAndKeyFindTheSameRow();
    void keysMatchExactlyWithLetterCase_data();
    void keysMatchExactlyWithLetterCase();
    void picturePathKeepsTheKeysLetterCase();
    void answersAsTheClassSeesThem();
    void digitPlacementRules();
    void atomKeyIsAnEvenRowWithCentredCaptions();
};

void MoleculeCatalogueTest::indexAndKeyFindTheSameRow() {
    const QStringList drawOrder{"CO2", "H2", "H2O", "CH4", "NH3", "HCl", "N2", "O2", "CCl4", "CO"};
    QCOMPARE(MoleculeCatalogue::count(), 10);
    for (int i = 0; i < MoleculeCatalogue::count(); ++i) {
        const MoleculeEntry* row = MoleculeCatalogue::at(i);
        QVERIFY(row);
        QCOMPARE(QString::fromLatin1(row->key), drawOrder[i]);
        QCOMPARE(MoleculeCatalogue::find(drawOrder[i]), row);
    }
    QVERIFY(!MoleculeCatalogue::at(-1));
    QVERIFY(!MoleculeCatalogue::at(10));
}

void MoleculeCatalogueTest::keysMatchExactlyWithLetterCase_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("index");  // -1: no row
    QTest::newRow("HCl") << "HCl" << 5;
    QTest::newRow("CO is not CO2") << "CO" << 9;
    QTest::newRow("CCl4") << "CCl4" << 8;
    QTest::newRow("lower case") << "co2" << -1;
    QTest::newRow("HCL") << "HCL" << -1;
    QTest::newRow("H2o") << "H2o" << -1;
    QTest::newRow("trailing space") << "CO2 " << -1;
    QTest::newRow("prefix") << "C" << -1;
    QTest::newRow("formula text") << "H  O" << -1;
    QTest::newRow("empty") << "" << -1;
}

void MoleculeCatalogueTest::keysMatchExactlyWithLetterCase() {
    QFETCH(QString, key);
    QFETCH(int, index);
    QCOMPARE(MoleculeCatalogue::find(key), index < 0 ? nullptr : MoleculeCatalogue::at(index));
}

void MoleculeCatalogueTest::picturePathKeepsTheKeysLetterCase() {
    QCOMPARE(MoleculeCatalogue::find(u"CO2")->picturePath(), QStringLiteral("Images\\CO2.jpg"));
    QCOMPARE(MoleculeCatalogue::find(u"HCl")->picturePath(), QStringLiteral("Images\\HCl.jpg"));
    QCOMPARE(MoleculeCatalogue::find(u"CCl4")->picturePath(), QStringLiteral("Images\\CCl4.jpg"));
}

void MoleculeCatalogueTest::answersAsTheClassSeesThem() {
    const MoleculeEntry& water = *MoleculeCatalogue::find(u"H2O");
    QCOMPARE(QLatin1String(water.formula), QLatin1String("H  O"));
    QCOMPARE(QLatin1String(water.subscript), QLatin1String("2"));
    QCOMPARE(QLatin1String(water.name), QLatin1String("Water"));
    QCOMPARE(QLatin1String(MoleculeCatalogue::find(u"HCl")->name),
             QLatin1String("Hydrochloric Acid"));
    for (const MoleculeEntry& row : MoleculeCatalogue::entries()) {
        const QLatin1String key(row.key);
        // Only water puts its digit into a gap; only HCl and CO have none.
        QCOMPARE(row.placement == SubscriptPlacement::FixedOffset, key == QLatin1String("H2O"));
        const bool noDigit = key == QLatin1String("HCl") || key == QLatin1String("CO");
        QCOMPARE(QLatin1String(row.subscript).isEmpty(), noDigit);
        // The key is the formula with its digit (water's gap aside).
        QString written = QString::fromLatin1(row.formula).remove(QLatin1Char(' '));
        if (row.placement == SubscriptPlacement::AfterText)
            written += QLatin1String(row.subscript);
        else
            written.insert(1, QLatin1String(row.subscript));
        QCOMPARE(written, QString(key));
        const QLatin1String kind(row.classification);
        QVERIFY(kind == QLatin1String("Element") || kind == QLatin1String("Compound"));
    }
}

void MoleculeCatalogueTest::digitPlacementRules() {
    // After the formula label as sized to its text; water's digit 300 in from the left edge.
    QCOMPARE(subscriptLeft(*MoleculeCatalogue::find(u"CO2"), 3360, 690), 4050.0f);
    QCOMPARE(subscriptLeft(*MoleculeCatalogue::find(u"HCl"), 3360, 915), 4275.0f);
    QCOMPARE(subscriptLeft(*MoleculeCatalogue::find(u"H2O"), 3360, 795), 3660.0f);
}

void MoleculeCatalogueTest::atomKeyIsAnEvenRowWithCentredCaptions() {
    const auto atoms = MoleculeCatalogue::atomKey();
    QCOMPARE(atoms.size(), std::size_t{5});
    for (std::size_t i = 0; i < atoms.size(); ++i) {
        const AtomKeyEntry& atom = atoms[i];
        QCOMPARE(atom.slot, int(i));
        QCOMPARE(atom.pictureLeft, 960.0f + 2160.0f * float(i));
        const float slotCentre = atom.pictureLeft + kAtomPictureSize / 2;
        const float captionCentre = atom.captionLeft + atom.captionWidth / 2;
        QVERIFY2(std::abs(captionCentre - slotCentre) <= 60, atom.caption);
        const QString caption = QString::fromLatin1(atom.caption);
        QCOMPARE(caption, caption.toLower());
        QVERIFY(caption.endsWith(QLatin1String(" atom")));
    }
}

QTEST_MAIN(MoleculeCatalogueTest)
#include "tst_moleculecatalogue.moc"
