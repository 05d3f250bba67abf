// A label that sizes itself draws its whole caption: every caption a content table puts in one,
// in every house font, wherever the label stands.
#include <QFontMetricsF>
#include <QtTest>

#include "CaptionCheck.h"
#include "TestProgram.h"
#include "activities/molecules/MoleculeCatalogue.h"
#include "forms/Label.h"
#include "forms/Screen.h"
#include "kit/labelling/LabellingBoard.h"
#include "program/Activities.h"

using namespace forms;
using namespace testing_support;

Q_DECLARE_METATYPE(forms::FontSpec)
Q_DECLARE_METATYPE(forms::Align)

namespace {

// Every caption that lands in a label sizing itself sideways, from the tables that hold them:
// the molecules' answers and the static text of every board's equation rows.
QStringList autoSizedCaptions() {
    QStringList captions;
    for (const molecules::MoleculeEntry& entry : molecules::MoleculeCatalogue::entries()) {
        for (const char* text : {entry.name, entry.formula, entry.classification, entry.subscript})
            if (*text) captions << QString::fromLatin1(text);
    }
    TestProgram program;
    program.addShellPictures();
    for (const program::Activity& activity : program::activities()) {
        if (!activity.make) continue;
        const auto* board = dynamic_cast<labelling::LabellingBoard*>(
            &program.screens.load(QString::fromUtf8(activity.screen)));
        if (!board) continue;
        for (const labelling::EquationRow& row : board->design().equations) {
            for (const char* text : {row.before.text, row.after.text})
                if (*text) captions << QString::fromUtf8(text);
        }
    }
    captions.removeDuplicates();
    return captions;
}

const char* alignName(Align align) {
    switch (align) {
        case Align::Centre:
            return "centred";
        case Align::Right:
            return "right";
        case Align::Left:
            break;
    }
    return "left";
}

class Sheet : public Screen {
  public:
    explicit Sheet(Screens& screens)
        : Screen(screens, QStringLiteral("sheet")),
          label(add<Label>(QStringLiteral("Label1"), {240, 240, 600, 300})) {
        setClientSize(12000, 6000);
    }
    Label& label;
};

}  // namespace

class LabelAutoSizeTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void contentCaptionsShowWhole_data();
    void contentCaptionsShowWhole();
    void wholeWhereverItStands_data();
    void wholeWhereverItStands();
    void checkFindsCutCaptions();

  private:
    Label& label() { return m_program->screens.load<Sheet>(QStringLiteral("sheet")).label; }
    std::unique_ptr<TestProgram> m_program;
};

void LabelAutoSizeTest::initTestCase() {
    m_program = std::make_unique<TestProgram>(false);
    m_program->screens.define(QStringLiteral("sheet"),
                              [](Screens& screens) { return std::make_unique<Sheet>(screens); });
}

void LabelAutoSizeTest::cleanupTestCase() {
    m_program.reset();
}

void LabelAutoSizeTest::contentCaptionsShowWhole_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<FontSpec>("font");
    QTest::addColumn<Align>("align");
    for (const QString& caption : autoSizedCaptions())
        for (const FontSpec& font : houseFonts())
            for (Align align : {Align::Left, Align::Centre, Align::Right})
                QTest::addRow("%s, %s, %s", qPrintable(caption), qPrintable(fontName(font)),
                              alignName(align))
                    << caption << font << align;
}

void LabelAutoSizeTest::contentCaptionsShowWhole() {
    QFETCH(QString, caption);
    QFETCH(FontSpec, font);
    QFETCH(Align, align);
    Label& shown = label();
    shown.setLook({.font = font, .fore = kGreen, .align = align, .autoSize = true});
    shown.setCaption(caption);
    const QString cut = captionCut(shown);
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
}

// Edges between pixels, a border and a caption of two lines: the size in twips still covers the
// pixels the text needs once the edges are rounded.
void LabelAutoSizeTest::wholeWhereverItStands_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<float>("left");
    QTest::addColumn<bool>("border");
    QTest::addColumn<Align>("align");
    for (const char* caption : {"Carbon dioxide", "Carbon\ntetrachloride", "2"})
        for (float left : {240.0f, 4297.5f, 5047.0f, 5053.0f})
            for (bool border : {false, true})
                for (Align align : {Align::Left, Align::Centre})
                    QTest::addRow("%s at %g%s, %s", caption, double(left),
                                  border ? " bordered" : "", alignName(align))
                        << QString::fromLatin1(caption) << left << border << align;
}

void LabelAutoSizeTest::wholeWhereverItStands() {
    QFETCH(QString, caption);
    QFETCH(float, left);
    QFETCH(bool, border);
    QFETCH(Align, align);
    Label& shown = label();
    shown.move(left, left / 3);
    shown.setLook({.font = tahoma(21.75f, true),
                   .fore = kYellow,
                   .back = kBlack,
                   .opaque = border,
                   .border = border,
                   .align = align,
                   .autoSize = true});
    shown.setCaption(caption);
    QCOMPARE(shown.left(), left);
    const QString cut = captionCut(shown);
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
}

// The check itself sees a wrapped word, a line below the bottom edge and clipped ink.
void LabelAutoSizeTest::checkFindsCutCaptions() {
    Label& shown = label();
    const FontSpec font = tahoma(21.75f, true);
    const QString name = QStringLiteral("Carbon dioxide");
    // As wide as the advances add up to, which is how auto-size used to measure.
    const double advance = QFontMetricsF(font.toQFont()).horizontalAdvance(name);
    shown.setRect({240, 240, toTwips(std::ceil(advance)), 1500});
    shown.setLook({.font = font, .fore = kGreen});
    shown.setCaption(name);
    QVERIFY(captionCut(shown).contains(QLatin1String("wraps")));

    shown.setRect({240, 240, 6000, 450});
    shown.setCaption(QStringLiteral("Carbon\ndioxide"));
    QVERIFY(captionCut(shown).contains(QLatin1String("height")));

    // One word never wraps: a label too narrow for it clips its ink.
    shown.setRect({240, 240, 750, 450});
    shown.setCaption(QStringLiteral("Compound"));
    QVERIFY(captionCut(shown).contains(QLatin1String("ink")));
}

QTEST_MAIN(LabelAutoSizeTest)
#include "tst_labelautosize.moc"
