// Every labelling board of the program through the board mechanism: its answer key scored by
// real drags, every page, and the checks of its table that the class would otherwise find on
// screen (a label too long for its box, a home place over a box, a picture that does not exist).
#include <QtTest>
#include <algorithm>
#include <set>
#include <vector>

#include "Boards.h"
#include "Mouse.h"
#include "ProgramPictures.h"
#include "TestProgram.h"
#include "TextFit.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"
#include "program/Activities.h"
#include "shell/HouseStyle.h"

using namespace forms;
using labelling::BoardDesign;
using labelling::LabellingBoard;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

bool overlap(const TwipRect& a, const TwipRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// Air each side of a label's text inside its box: three pixels.
constexpr float kSideRoom = 45;

// The client area of a framed screen.
constexpr TwipRect kClient{0, 0, shell::FrameWidth - 90, shell::FrameHeight - 480};

int groupOf(const BoardDesign& design, int item) {
    return design.groups.empty() ? item : design.groups[static_cast<size_t>(item)];
}

// Where an item's label waits on a page.
labelling::TwipPoint homeOf(const BoardDesign& design, int page, int item) {
    const auto& it = design.items[static_cast<size_t>(item)];
    if (design.pages.empty() || design.pages[static_cast<size_t>(page)].homes.empty())
        return {it.homeLeft, it.homeTop};
    return design.pages[static_cast<size_t>(page)].homes[static_cast<size_t>(item)];
}

QString itemText(const BoardDesign& design, int page, int item) {
    if (design.pages.empty())
        return QString::fromUtf8(design.items[static_cast<size_t>(item)].text);
    return QString::fromUtf8(
        design.pages[static_cast<size_t>(page)].texts[static_cast<size_t>(item)]);
}

}  // namespace

class BoardsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        m_program = std::make_unique<TestProgram>();
        QVERIFY(m_program->addProgramPictures());
    }
    void cleanup() { m_program.reset(); }

    void everyBoard_data() {
        QTest::addColumn<QString>("screen");
        for (const QString& screen : testing_support::boardScreens())
            QTest::newRow(qPrintable(screen)) << screen;
    }

    // On every page: each label dragged onto its own box scores full marks; moved onto a box of
    // another column it loses exactly that mark; Start Again sends everything home.
    void answerKeyScoresThroughRealDrags_data() { everyBoard_data(); }
    void answerKeyScoresThroughRealDrags() {
        QFETCH(QString, screen);
        auto& board = m_program->screens.show<LabellingBoard>(screen);
        const BoardDesign& design = board.design();
        auto& names = *board.array<Label>(QStringLiteral("Label2"));
        auto& boxes = *board.array<Label>(QStringLiteral("Label1"));
        auto& buttons = *board.array<Label>(QStringLiteral("Label3"));
        Mouse mouse(board);
        const int count = static_cast<int>(design.items.size());
        for (int page = 0; page < board.pageCount(); ++page) {
            QCOMPARE(board.page(), page);
            for (int i = 0; i < count; ++i) QCOMPARE(names[i].caption(), itemText(design, page, i));
            QVERIFY(!buttons[LabellingBoard::kCheckScore].isVisible());
            for (int i = 0; i < count; ++i)
                mouse.drag(Mouse::centreOf(names[i]), Mouse::centreOf(boxes[i]));
            for (int i = 0; i < count; ++i)
                QVERIFY2(names[i].left() == boxes[i].left() && names[i].top() == boxes[i].top(),
                         qPrintable(names[i].caption()));
            QVERIFY(buttons[LabellingBoard::kCheckScore].isVisible());
            mouse.click(Mouse::centreOf(buttons[LabellingBoard::kCheckScore]));
            const QString full =
                LabellingBoard::scoreMessage(count, count, QString::fromUtf8(design.scoreSuffix));
            QCOMPARE(board.find<Label>(QString::fromLatin1(design.message.name))->caption(), full);

            // Label 0 onto the first box of another column: the label there is never left
            // hidden under it, but goes home, and both marks are lost.
            int other = -1;
            for (int k = 0; k < count && other < 0; ++k)
                if (groupOf(design, k) != groupOf(design, 0)) other = k;
            if (other >= 0) {
                mouse.drag(Mouse::centreOf(names[0]), Mouse::centreOf(boxes[other]));
                QCOMPARE(names[0].rect(), boxes[other].rect());
                QCOMPARE(names[other].left(), homeOf(design, page, other).left);
                QCOMPARE(names[other].top(), homeOf(design, page, other).top);
                QCOMPARE(board.score(), count - 2);
            }
            mouse.click(Mouse::centreOf(buttons[LabellingBoard::kStartAgain]));
            QVERIFY(!buttons[LabellingBoard::kCheckScore].isVisible());
            for (int i = 0; i < count; ++i) {
                QCOMPARE(names[i].left(), homeOf(design, page, i).left);
                QCOMPARE(names[i].top(), homeOf(design, page, i).top);
            }
            if (board.pageCount() > 1)
                mouse.click(Mouse::centreOf(*board.find<CommandButton>(QStringLiteral("cmdgo"))));
        }
        // After the last page, the first again.
        QCOMPARE(board.page(), 0);
    }

    // What the class would otherwise find on screen: every label whole in its box on every page,
    // every box and home place inside the screen and clear of the buttons, no home place over a
    // box or another home, and a start that does not give the answers away.
    void tableIsFairAndLegible_data() { everyBoard_data(); }
    void tableIsFairAndLegible() {
        QFETCH(QString, screen);
        auto& board = m_program->screens.load<LabellingBoard>(screen);
        const BoardDesign& table = board.design();
        const int count = static_cast<int>(table.items.size());
        QVERIFY(count > 1);
        QVERIFY(table.groups.empty() || std::ssize(table.groups) == count);
        if (!table.pages.empty()) QVERIFY(table.pages.size() > 1);
        for (const auto& page : table.pages) QCOMPARE(std::ssize(page.texts), count);

        std::vector<TwipRect> buttons;
        for (const char* name : {"cmdexit", "cmdjotter", "cmdgo"})
            if (auto* button = board.find<CommandButton>(QString::fromLatin1(name)))
                buttons.push_back(button->rect());
        const auto& labelButtons = *board.array<Label>(QStringLiteral("Label3"));
        for (int k = 0; k < 3; ++k)
            if (k != LabellingBoard::kExit || !table.houseButtons)
                buttons.push_back(labelButtons[k].rect());

        for (int i = 0; i < count; ++i) {
            const auto& item = table.items[static_cast<size_t>(i)];
            const TwipRect home{item.homeLeft, item.homeTop, item.target.width, item.target.height};
            // With room to spare: a few pixels each side, so that no label runs edge to edge.
            const TwipRect room{item.target.left, item.target.top,
                                item.target.width - 2 * kSideRoom, item.target.height};
            for (int page = 0; page < std::max<int>(1, std::ssize(table.pages)); ++page) {
                const QString text = itemText(table, page, i);
                QVERIFY2(captionFits(text, table.font, room, true), qPrintable(text));
            }
            for (const TwipRect& place : {item.target, home}) {
                QVERIFY2(place.left >= kClient.left && place.top >= kClient.top &&
                             place.right() <= kClient.right() && place.bottom() <= kClient.bottom(),
                         item.text);
                for (const TwipRect& button : buttons) QVERIFY2(!overlap(place, button), item.text);
            }
            for (int k = 0; k < count; ++k) {
                const auto& other = table.items[static_cast<size_t>(k)];
                QVERIFY2(!overlap(home, other.target), item.text);
                if (k != i) {
                    QVERIFY2(!overlap(item.target, other.target), item.text);
                    QVERIFY2(!overlap(home, {other.homeLeft, other.homeTop, other.target.width,
                                             other.target.height}),
                             item.text);
                }
            }
        }
        // The homes in reading order do not spell out the boxes in reading order.
        const auto readingOrder = [&](auto placeOf) {
            std::vector<int> order(static_cast<size_t>(count));
            std::iota(order.begin(), order.end(), 0);
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                const TwipRect pa = placeOf(a);
                const TwipRect pb = placeOf(b);
                return pa.top != pb.top ? pa.top < pb.top : pa.left < pb.left;
            });
            std::vector<int> groups;
            for (int i : order) groups.push_back(groupOf(table, i));
            return groups;
        };
        const auto homeGroups = readingOrder([&](int i) {
            const auto& item = table.items[static_cast<size_t>(i)];
            return TwipRect{item.homeLeft, item.homeTop, 1, 1};
        });
        const auto boxGroups =
            readingOrder([&](int i) { return table.items[static_cast<size_t>(i)].target; });
        QVERIFY2(homeGroups != boxGroups, "the labels start in the order of their boxes");
        QVERIFY2(!std::is_sorted(homeGroups.begin(), homeGroups.end()),
                 "the labels start grouped by their answers");

        // Static texts whole in their places (those that size themselves cannot be cut off).
        for (const auto& text : table.texts) {
            if (text.look.autoSize) continue;
            QVERIFY2(captionFits(QString::fromUtf8(text.text), text.look.font, text.place,
                                 text.look.border),
                     text.text);
        }
        for (const auto& page : table.pages) {
            const auto* question = board.find<Label>(QStringLiteral("lblquestion"));
            QVERIFY2(captionFits(QString::fromUtf8(page.question), question->look().font,
                                 table.pageQuestion),
                     page.question);
        }
    }

    // From one page to the next, and from the last round to the first, a column's labels wait
    // in as few of the places its labels waited in before as the homes allow: none for a column
    // of one, two for four labels in six places. Otherwise where a label waits names its column.
    void pagesMoveEachColumnsHomes() {
        int paged = 0;
        for (const QString& screen : testing_support::boardScreens()) {
            const BoardDesign& table = m_program->screens.load<LabellingBoard>(screen).design();
            const int pages = static_cast<int>(table.pages.size());
            if (pages < 2) continue;
            ++paged;
            const int count = static_cast<int>(table.items.size());
            std::set<int> groups;
            for (int i = 0; i < count; ++i) groups.insert(groupOf(table, i));
            for (int page = 0; page < pages; ++page) {
                const int next = (page + 1) % pages;
                for (int group : groups) {
                    int size = 0;
                    int kept = 0;
                    for (int i = 0; i < count; ++i) {
                        if (groupOf(table, i) != group) continue;
                        ++size;
                        for (int j = 0; j < count; ++j)
                            if (groupOf(table, j) == group &&
                                homeOf(table, next, i) == homeOf(table, page, j))
                                ++kept;
                    }
                    QVERIFY2(kept == std::max(0, 2 * size - count),
                             qPrintable(QStringLiteral("%1, page %2 to %3, column %4")
                                            .arg(screen)
                                            .arg(page + 1)
                                            .arg(next + 1)
                                            .arg(group)));
                }
                // Every page's homes are the items' places at home, in another order.
                std::vector<std::pair<float, float>> places;
                std::vector<std::pair<float, float>> own;
                for (int i = 0; i < count; ++i) {
                    places.emplace_back(homeOf(table, page, i).left, homeOf(table, page, i).top);
                    own.emplace_back(table.items[static_cast<size_t>(i)].homeLeft,
                                     table.items[static_cast<size_t>(i)].homeTop);
                }
                QVERIFY(std::is_permutation(places.begin(), places.end(), own.begin()));
            }
        }
        QVERIFY(paged > 0);
    }

    // Every picture a board shows is one the build makes.
    void picturesAreInTheManifest_data() { everyBoard_data(); }
    void picturesAreInTheManifest() {
        QFETCH(QString, screen);
        const BoardDesign& table = m_program->screens.load<LabellingBoard>(screen).design();
        const auto manifest = testing_support::pictureManifest();
        QVERIFY(manifest.has_value());
        for (const auto& picture : table.pictures) {
            QVERIFY2(manifest->find(QString::fromLatin1(picture.file)), picture.file);
            QVERIFY2(picture.place.left >= 0 && picture.place.top >= 0 &&
                         picture.place.right() <= kClient.right() &&
                         picture.place.bottom() <= kClient.bottom(),
                     picture.file);
        }
    }

  private:
    std::unique_ptr<TestProgram> m_program;
};

QTEST_MAIN(BoardsTest)
#include "tst_boards.moc"
