// The glossary screen: its states after opening, tile clicks and choices, the picture terms, the
// problem button and its screen, the hand pointer, and leaving and reopening.
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "activities/vocab/GlossaryCatalogue.h"
#include "activities/vocab/HandPointer.h"
#include "activities/vocab/VocabScreen.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/DropDownList.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/PictureBox.h"
#include "shell/HouseStyle.h"

using namespace forms;
using namespace vocab;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

const QString kVocab = QStringLiteral("Vocab");
const QString kMenu4 = QStringLiteral("menu4");
const QString kProblem = QStringLiteral("bridgeproblem");
const QString kSelect = QStringLiteral("Select");

// Stands in for the fourth menu, which the glossary's exit leads to.
class StubMenu : public Screen {
  public:
    explicit StubMenu(Screens& screens) : Screen(screens, kMenu4) {}
};

QStringList catalogueTerms(int group) {
    QStringList terms;
    for (std::string_view term : glossaryGroups()[group - 1].terms)
        terms << QString::fromUtf8(term.data(), qsizetype(term.size()));
    return terms;
}

int indexOf(const ComboBox& list, const QString& term) {
    return int(list.items().indexOf(term));
}

}  // namespace

class VocabScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void openShowsOnlyTheInstructionTilesAndExit();
    void tileShowsItsListOnly_data();
    void tileShowsItsListOnly();
    void choosingATermShowsItForDiscussion();
    void anotherTileHidesTheShownTerm();
    void pictureTermThenPlainTerm();
    void problemButtonOnlyForItsTerm();
    void missingPictureStillShowsTheTerm();
    void aTermIsChosenFromTheOpenListWithThePointer();
    void typingIntoAListDoesNothing();
    void problemButtonHighlightRule();
    void handPointerOnTheTilesOnly();
    void exitShowsMenu4AndReopeningStartsAfresh();
    void exitWithoutMenu4Defined();
    void escapeClosesAnOpenListFirstThenLeaves();
    void problemScreenGivesTheGlossaryBack();

  private:
    VocabScreen& open();
    void clickTile(int group);
    void choose(int group, const QString& term);
    Label& problemButton() const { return *m_vocab->find<Label>(QStringLiteral("Label57")); }
    Panel& discussion() const { return *m_vocab->find<Panel>(QStringLiteral("Frame1")); }
    Label& termCaption() const { return *m_vocab->find<Label>(QStringLiteral("Label55")); }
    PictureBox& termPicture() const { return *m_vocab->find<PictureBox>(QStringLiteral("Image1")); }
    int visibleList() const;

    std::unique_ptr<TestProgram> m_program;
    VocabScreen* m_vocab = nullptr;
};

void VocabScreenTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_program->addShellPictures();
    m_program->addPicture(QStringLiteral("Images/julia1.jpg"), {300, 100});
    m_program->addPicture(QStringLiteral("Images/airfoil.jpg"), {320, 90});
    m_program->addPicture(QStringLiteral("Images/kbridge.jpg"), {364, 160});
    m_program->screens.define(kMenu4, [](Screens& s) { return std::make_unique<StubMenu>(s); });
}

void VocabScreenTest::cleanup() {
    m_vocab = nullptr;
    m_program.reset();
}

VocabScreen& VocabScreenTest::open() {
    m_vocab = &m_program->screens.show<VocabScreen>(kVocab);
    return *m_vocab;
}

void VocabScreenTest::clickTile(int group) {
    Mouse(*m_vocab).click(Mouse::centreOf(m_vocab->tile(group)));
}

void VocabScreenTest::choose(int group, const QString& term) {
    ComboBox& list = m_vocab->termList(group);
    const int index = indexOf(list, term);
    QVERIFY2(index >= 0, qPrintable(term));
    list.choose(index);
}

int VocabScreenTest::visibleList() const {
    int shown = 0;
    for (int group = 1; group <= kGroupCount; ++group) {
        if (m_vocab->termList(group).isVisible()) {
            if (shown != 0) return -1;
            shown = group;
        }
    }
    return shown;
}

void VocabScreenTest::openShowsOnlyTheInstructionTilesAndExit() {
    VocabScreen& vocab = open();
    QCOMPARE(vocab.caption(), QStringLiteral("Mathematical Vocabulary"));
    QCOMPARE(vocab.backColour(), shell::ScreenBlue);
    QCOMPARE(discussion().backColour(), shell::ScreenBlue);
    QCOMPARE(vocab.find<Panel>(QStringLiteral("Frame2"))->backColour(), shell::ScreenBlue);
    QCOMPARE(vocab.find<Label>(QStringLiteral("Label56"))->caption(),
             QStringLiteral("Click on a letter"));

    for (int group = 1; group <= kGroupCount; ++group) {
        QVERIFY(vocab.tile(group).widget()->isVisible());
        const ComboBox& list = vocab.termList(group);
        QVERIFY(!list.isVisible());
        QCOMPARE(list.text(), kSelect);
        QCOMPARE(list.items(), catalogueTerms(group));
        QCOMPARE(list.backColour(), shell::ScreenBlue);
        QCOMPARE(list.foreColour(), kWhite);
        QCOMPARE(list.font().family(), QStringLiteral("Tahoma"));
    }
    QCOMPARE(vocab.tile(10).caption(), QStringLiteral("J    K"));
    QVERIFY(!discussion().isVisible());
    QVERIFY(!termPicture().isVisible());
    QVERIFY(!problemButton().isVisible());
    QVERIFY(termCaption().caption().isEmpty());

    // The exit button is inside the strip's visible area with its picture; the term picture is
    // empty at its place between the term list and the discussion panel.
    auto& exit = *vocab.find<CommandButton>(QStringLiteral("cmdexit"));
    const auto& strip = *vocab.find<Panel>(QStringLiteral("framestatus"));
    QVERIFY(exit.widget()->isVisible());
    QVERIFY(exit.hasPicture());
    QVERIFY(exit.left() >= 0 && exit.rect().right() <= strip.width());
    QVERIFY(exit.top() >= 0 && exit.rect().bottom() <= strip.height());
    QVERIFY(strip.rect().bottom() <= vocab.clientHeight());
    QCOMPARE(termPicture().left(), 3180.0f);
    QCOMPARE(termPicture().top(), 3240.0f);
    QVERIFY(!termPicture().hasPicture());
}

void VocabScreenTest::tileShowsItsListOnly_data() {
    QTest::addColumn<int>("group");
    for (int group = 1; group <= kGroupCount; ++group) QTest::addRow("group %d", group) << group;
}

void VocabScreenTest::tileShowsItsListOnly() {
    QFETCH(int, group);
    open();
    clickTile(group);
    QCOMPARE(visibleList(), group);
    QCOMPARE(m_vocab->termList(group).text(), kSelect);
    // Another tile swaps the list.
    const int other = group == 1 ? kGroupCount : 1;
    clickTile(other);
    QCOMPARE(visibleList(), other);
}

void VocabScreenTest::choosingATermShowsItForDiscussion() {
    open();
    clickTile(1);
    for (int twice = 0; twice < 2; ++twice) {
        choose(1, QStringLiteral("Abacus"));
        QVERIFY(discussion().isVisible());
        QCOMPARE(discussion().title(), QStringLiteral("Discuss...."));
        QCOMPARE(termCaption().caption(), QStringLiteral("Abacus"));
        QCOMPARE(m_vocab->termList(1).text(), kSelect);
        QCOMPARE(visibleList(), 1);
    }
    clickTile(5);
    choose(5, QStringLiteral("Estimate [verb]"));
    QCOMPARE(termCaption().caption(), QStringLiteral("Estimate [verb]"));
    choose(5, QStringLiteral("Estimate [noun]"));
    QCOMPARE(termCaption().caption(), QStringLiteral("Estimate [noun]"));
    QVERIFY(!problemButton().isVisible());
}

void VocabScreenTest::anotherTileHidesTheShownTerm() {
    open();
    clickTile(3);
    choose(3, QStringLiteral("Common..."));
    clickTile(11);
    QVERIFY(!discussion().isVisible());
    QCOMPARE(visibleList(), 11);
    choose(11, QStringLiteral("Linear..."));
    QVERIFY(discussion().isVisible());
    QCOMPARE(termCaption().caption(), QStringLiteral("Linear..."));
}

void VocabScreenTest::pictureTermThenPlainTerm() {
    open();
    clickTile(10);
    choose(10, QStringLiteral("Julia Set"));
    QVERIFY(termPicture().isVisible());
    QCOMPARE(termPicture().picture().size(), QSize(300, 100));
    // Natural size, from the design place.
    QCOMPARE(termPicture().rect(), (TwipRect{3180, 3240, 300 * 15, 100 * 15}));
    QVERIFY(!problemButton().isVisible());

    choose(10, QStringLiteral("Joukowski Airfoil"));
    QCOMPARE(termPicture().picture().size(), QSize(320, 90));

    choose(10, QStringLiteral("Kite"));
    QVERIFY(!termPicture().hasPicture());
    QCOMPARE(termCaption().caption(), QStringLiteral("Kite"));
    QVERIFY(!problemButton().isVisible());
}

void VocabScreenTest::problemButtonOnlyForItsTerm() {
    const QString bridges = QStringLiteral("K\u00f6nigsberg Bridge Problem");
    open();
    clickTile(10);
    choose(10, bridges);
    QCOMPARE(termCaption().caption(), bridges);
    QCOMPARE(termPicture().picture().size(), QSize(364, 160));
    QVERIFY(problemButton().isVisible());
    QCOMPARE(problemButton().caption(), QStringLiteral("The problem"));

    choose(10, QStringLiteral("Kilo-"));
    QVERIFY(!problemButton().isVisible());
    choose(10, bridges);
    QVERIFY(problemButton().isVisible());
    clickTile(10);
    QVERIFY(!problemButton().isVisible());
    QVERIFY(!termPicture().hasPicture());
}

void VocabScreenTest::missingPictureStillShowsTheTerm() {
    m_program->removeFile(QStringLiteral("Images/kbridge.jpg"));
    open();
    clickTile(10);
    choose(10, QStringLiteral("K\u00f6nigsberg Bridge Problem"));
    QVERIFY(discussion().isVisible());
    QVERIFY(!termPicture().hasPicture());
    QVERIFY(problemButton().isVisible());
}

void VocabScreenTest::aTermIsChosenFromTheOpenListWithThePointer() {
    open();
    clickTile(15);
    ComboBox& list = m_vocab->termList(15);
    QTest::mouseClick(list.widget(), Qt::LeftButton, {}, QPoint(20, 10));
    DropDownList* dropped = list.list();
    QVERIFY(dropped);
    // "P" has 44 terms: the list scrolls, 16 rows at a time.
    QCOMPARE(dropped->rows().visibleRows(), ComboBox::kMaxVisibleRows);
    QTest::keyClick(dropped, Qt::Key_End);
    const int last = dropped->rows().visibleRows() - 1;
    QTest::mouseClick(dropped, Qt::LeftButton, {}, dropped->rowRect(last).center());
    QVERIFY(!list.isDroppedDown());
    QVERIFY(discussion().isVisible());
    QCOMPARE(termCaption().caption(), catalogueTerms(15).last());
    QCOMPARE(list.text(), kSelect);
}

void VocabScreenTest::typingIntoAListDoesNothing() {
    open();
    clickTile(1);
    QWidget* field = m_vocab->termList(1).widget();
    QTest::keyClicks(field, QStringLiteral("Abacus"));
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClicks(field, QStringLiteral("Ang"));
    QTest::keyClick(field, Qt::Key_Enter);
    QCOMPARE(m_vocab->termList(1).text(), kSelect);
    QVERIFY(!discussion().isVisible());
    QVERIFY(termCaption().caption().isEmpty());
    QCOMPARE(m_vocab->termList(1).items(), catalogueTerms(1));
}

void VocabScreenTest::problemButtonHighlightRule() {
    open();
    clickTile(10);
    choose(10, QStringLiteral("K\u00f6nigsberg Bridge Problem"));
    Mouse mouse(*m_vocab);
    QVERIFY(!problemButton().isOpaque());
    mouse.move(Mouse::centreOf(problemButton()));
    QVERIFY(problemButton().isOpaque());
    QCOMPARE(problemButton().look().back, kBlack);
    // Other controls leave it alone; only the screen's own background clears it.
    mouse.move(Mouse::centreOf(m_vocab->tile(3)));
    mouse.move(Mouse::centreOf(discussion()));
    QVERIFY(problemButton().isOpaque());
    mouse.move(Mouse::pixelOf(problemButton(), problemButton().width() + 150, 0));
    QVERIFY(!problemButton().isOpaque());
}

void VocabScreenTest::handPointerOnTheTilesOnly() {
    open();
    const QImage hand = handPointerImage();
    QCOMPARE(hand.size(), QSize(32, 32));
    // The fingertip is at the hot spot; the tip is the hand's topmost point.
    QVERIFY(qAlpha(hand.pixel(kHandHotSpotX, kHandHotSpotY)) > 0);
    for (int y = 0; y < kHandHotSpotY; ++y)
        for (int x = 0; x < 32; ++x) QVERIFY(qAlpha(hand.pixel(x, y)) < 128);
    for (int group = 1; group <= kGroupCount; ++group) {
        QWidget* tile = m_vocab->tile(group).widget();
        QVERIFY(tile->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(tile->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(tile->cursor().hotSpot(), QPoint(kHandHotSpotX, kHandHotSpotY));
    }
    QVERIFY(!problemButton().widget()->testAttribute(Qt::WA_SetCursor));
}

void VocabScreenTest::exitShowsMenu4AndReopeningStartsAfresh() {
    open();
    clickTile(10);
    choose(10, QStringLiteral("K\u00f6nigsberg Bridge Problem"));
    auto* exit = m_vocab->find<CommandButton>(QStringLiteral("cmdexit"));
    Mouse(*m_vocab).click(Mouse::centreOf(*exit));
    QVERIFY(!m_program->screens.isLoaded(kVocab));
    QVERIFY(m_program->screens.loaded(kMenu4)->isVisible());
    QCOMPARE(m_program->programEnds, 0);
    m_program->screens.collectUnloaded();

    open();
    QCOMPARE(m_program->screens.loadCount(kVocab), 2);
    for (int group = 1; group <= kGroupCount; ++group)
        QCOMPARE(m_vocab->termList(group).items(), catalogueTerms(group));
    QCOMPARE(visibleList(), 0);
    QVERIFY(!discussion().isVisible());
    QVERIFY(!termPicture().isVisible());
    QVERIFY(!problemButton().isVisible());
    QVERIFY(termCaption().caption().isEmpty());
}

// The exit leads to menu 4 only when the program has one; otherwise the glossary just closes.
void VocabScreenTest::exitWithoutMenu4Defined() {
    m_program = std::make_unique<TestProgram>(false);
    m_program->screens.define(kVocab, [](Screens& s) { return std::make_unique<VocabScreen>(s); });
    open();
    m_vocab->find<CommandButton>(QStringLiteral("cmdexit"))->press();
    QVERIFY(!m_program->screens.isLoaded(kVocab));
    QCOMPARE(m_program->programEnds, 1);
}

// The open term list has the keyboard: Escape shuts it and the glossary stays. With the list
// shut, Escape at the field (which keeps the focus) leaves for menu 4.
void VocabScreenTest::escapeClosesAnOpenListFirstThenLeaves() {
    open();
    clickTile(15);
    ComboBox& list = m_vocab->termList(15);
    QTest::mouseClick(list.widget(), Qt::LeftButton, {}, QPoint(20, 10));
    DropDownList* dropped = list.list();
    QVERIFY(dropped);
    QTest::keyClick(dropped, Qt::Key_Down);
    QTest::keyClick(dropped, Qt::Key_Escape);
    QVERIFY(!list.isDroppedDown());
    QVERIFY(m_program->screens.isLoaded(kVocab));
    QVERIFY(!discussion().isVisible());

    QTest::keyClick(list.widget(), Qt::Key_Escape);
    QVERIFY(!m_program->screens.isLoaded(kVocab));
    QVERIFY(m_program->screens.loaded(kMenu4)->isVisible());
}

void VocabScreenTest::problemScreenGivesTheGlossaryBack() {
    Screens& screens = m_program->screens;
    screens.show(kMenu4);
    open();
    clickTile(10);
    choose(10, QStringLiteral("K\u00f6nigsberg Bridge Problem"));
    Mouse(*m_vocab).click(Mouse::centreOf(problemButton()));
    Screen* problem = screens.loaded(kProblem);
    QVERIFY(problem && problem->isVisible());
    QVERIFY(problem->caption().contains(QChar(0x00F6)));

    problem->find<CommandButton>(QStringLiteral("cmdexit"))->press();
    QVERIFY(!screens.isLoaded(kProblem));
    QVERIFY(m_vocab->isVisible());
    QCOMPARE(termCaption().caption(), QStringLiteral("K\u00f6nigsberg Bridge Problem"));

    // Leaving the glossary takes an open problem screen with it.
    problemButton().onClick();
    QVERIFY(screens.isLoaded(kProblem));
    m_vocab->find<CommandButton>(QStringLiteral("cmdexit"))->press();
    QVERIFY(!screens.isLoaded(kProblem));
    QCOMPARE(screens.loadedNames(), QStringList{kMenu4});

    // Closing the problem screen never ends the program, even with the glossary gone.
    screens.show(kProblem);
    screens.unload(kMenu4);
    screens.loaded(kProblem)->find<CommandButton>(QStringLiteral("cmdexit"))->press();
    QCOMPARE(m_program->programEnds, 0);
    QVERIFY(screens.isLoaded(kVocab));
    m_vocab = nullptr;
}

QTEST_MAIN(VocabScreenTest)
#include "tst_vocabscreen.moc"
