#include "program/TeacherLists.h"

#include <QFileInfo>

#include "activities/atomicmass/AtomicMassScreen.h"
#include "activities/elements/ElementsBoard.h"
#include "activities/equations/EquationsScreen.h"
#include "activities/everydayph/EverydayPhBoard.h"
#include "activities/fourinarow/FourInARowScreen.h"
#include "activities/hangman/HangmanScreen.h"
#include "activities/meltingpoints/MeltingPointsScreen.h"
#include "activities/metals/MetalsBoard.h"
#include "activities/mixedup/MixedUpScreen.h"
#include "activities/speed/SpeedQuiz.h"
#include "activities/symbols/SymbolsScreen.h"
#include "forms/Screens.h"
#include "kit/labelling/ListBoard.h"
#include "kit/lists/ListChooser.h"
#include "kit/lists/RoomCheck.h"
#include "program/Activities.h"

using namespace Qt::Literals::StringLiterals;

namespace program {

namespace {

using lists::ListKind;
using Reason = std::optional<QString>;

}  // namespace

const labelling::SortingShape kMetalsShape{metals::kMetalsBoard, metals::kMetalsLayout, 2, 6};
const labelling::SortingShape kElementsShape{elements::kElementsBoard, elements::kElementsLayout, 3,
                                             4};
const labelling::SortingShape kEverydayPhShape{everydayph::kEverydayPhBoard,
                                               everydayph::kEverydayPhLayout, 3, 4};

const labelling::SortingShape* sortingShapeOf(const QString& folder) {
    if (folder == u"metals"_s) return &kMetalsShape;
    if (folder == u"elements"_s) return &kElementsShape;
    if (folder == u"everydayph"_s) return &kEverydayPhShape;
    return nullptr;
}

namespace {

const labelling::SortingShape* shapeOf(const QString& folder) {
    return sortingShapeOf(folder);
}

using fourinarow::FourInARowScreen;
using fourinarow::TurnQuestions;

// Every screen that shows a field, Four in a Row's questions among them.
Reason textCheck(const QString& folder, const QString& column, const QString& text) {
    if (folder == u"hangman"_s) {
        Reason fourInARow;
        if (column == u"clue"_s)
            fourInARow = FourInARowScreen::questionCheck(TurnQuestions::wordQuestion({}, text));
        else if (column == u"word"_s)
            fourInARow = FourInARowScreen::questionCheck(TurnQuestions::wordQuestion(text, {}));
        return lists::firstOf(hangman::HangmanScreen::listTextCheck(column, text),
                              mixedup::MixedUpScreen::listTextCheck(column, text), fourInARow);
    }
    if (folder == u"symbols"_s) {
        const bool name = column == u"name"_s;
        return lists::firstOf(
            symbols::SymbolsScreen::listTextCheck(column, text),
            FourInARowScreen::questionCheck(name ? TurnQuestions::symbolQuestion(text, {})
                                                 : TurnQuestions::symbolQuestion({}, text)));
    }
    if (folder == u"speed"_s)
        return quiz::QuizScreen::listTextCheck(speed::kSpeedLayout, column, text);
    if (folder == u"atomicmass"_s) {
        Reason fourInARow;
        if (const std::optional<fourinarow::TurnQuestion> asked = TurnQuestions::massQuestion(text))
            fourInARow = FourInARowScreen::questionCheck(*asked);
        return lists::firstOf(atomicmass::AtomicMassScreen::listTextCheck(column, text),
                              fourInARow);
    }
    if (folder == u"meltingpoints"_s)
        return meltingpoints::MeltingPointsScreen::listTextCheck(column, text);
    if (folder == u"equations"_s) return equations::EquationsScreen::listTextCheck(column, text);
    if (const labelling::SortingShape* shape = shapeOf(folder))
        return labelling::sortingTextCheck(*shape, column, text);
    return std::nullopt;
}

}  // namespace

const std::vector<ListUse>& listUses() {
    static const std::vector<ListUse> uses{
        {"symbols", "symbols", ListKind::Symbols},
        {"hangman", "hangman", ListKind::Words},
        {"mixedup", "hangman", ListKind::Words},
        {"metals", "metals", ListKind::Sorting},
        {"elements", "elements", ListKind::Sorting},
        {"everydayph", "everydayph", ListKind::Sorting},
        {"speed", "speed", ListKind::Quiz},
        {"atomicmass", "atomicmass", ListKind::FormulaMasses},
        {"meltingpoints", "meltingpoints", ListKind::MeltingPoints},
        {"equations", "equations", ListKind::Equations},
    };
    return uses;
}

const ListUse* listUseOf(const QString& screen) {
    for (const ListUse& use : listUses())
        if (screen == QLatin1StringView(use.screen)) return &use;
    return nullptr;
}

QStringList listFolders() {
    QStringList folders;
    for (const ListUse& use : listUses())
        if (!folders.contains(QLatin1StringView(use.folder)))
            folders += QString::fromLatin1(use.folder);
    return folders;
}

lists::CheckedList checkListFile(const QString& folder, const lists::FoundList& file) {
    ListKind kind = ListKind::Words;
    for (const ListUse& use : listUses())
        if (folder == QLatin1StringView(use.folder)) kind = use.kind;
    const lists::ListFile read = lists::readListFile(file.path);
    if (!read.problem.isEmpty()) {
        lists::CheckedList failed;
        failed.kind = kind;
        failed.fileName = file.fileName;
        // The reader's message names the file already; the error is what follows its name.
        const QString prefix = lists::listTitle(file.fileName) + u": "_s;
        failed.errors.push_back(
            {0, read.problem.startsWith(prefix) ? read.problem.mid(prefix.size()) : read.problem});
        return failed;
    }
    lists::CheckOptions options;
    options.lettersOnly = kind == ListKind::Words;
    options.textCheck = [folder](const QString& column, const QString& text) {
        return textCheck(folder, column, text);
    };
    lists::CheckedList checked = lists::checkList(kind, file.fileName, read.bytes, options);
    if (const labelling::SortingShape* shape = shapeOf(folder); shape && checked.sound()) {
        checked.errors = labelling::sortingLimits(*shape, checked);
        if (!checked.errors.empty()) {
            checked.entries.clear();
            checked.columns.clear();
        }
    }
    return checked;
}

TeacherLists::TeacherLists(QString extraDir) : m_extraDir(std::move(extraDir)) {}

lists::ListSearch TeacherLists::find(const QString& folder) const {
    return lists::findLists(folder, m_extraDir);
}

FolderLists TeacherLists::readAll(const QString& folder) const {
    FolderLists found{find(folder), {}};
    for (const lists::FoundList& file : found.search.lists)
        found.checked.push_back(checkListFile(folder, file));
    return found;
}

const lists::CheckedList* TeacherLists::inForce(const QString& folder) const {
    const auto it = m_inForce.find(folder);
    return it == m_inForce.end() ? nullptr : it->second.list.get();
}

QString TeacherLists::inForcePath(const QString& folder) const {
    const auto it = m_inForce.find(folder);
    return it == m_inForce.end() ? QString() : it->second.path;
}

void TeacherLists::setInForce(const QString& folder, const QString& path,
                              std::unique_ptr<lists::CheckedList> list) {
    if (!list) {
        m_inForce.erase(folder);
        return;
    }
    m_inForce[folder] = {path, std::move(list)};
}

void TeacherLists::openChooser(forms::Screens& screens, const QString& screen) {
    const ListUse* use = listUseOf(screen);
    if (!use) return;
    m_chooserFor = screen;
    const QString chooser = QString::fromLatin1(kChooserScreen);
    if (screens.isLoaded(chooser)) screens.unload(chooser);
    screens.show(chooser);
}

QStringList TeacherLists::checkEverything(int* count) const {
    QStringList report;
    int checked = 0;
    for (const QString& folder : listFolders()) {
        const FolderLists found = readAll(folder);
        report += found.search.problems;
        for (size_t i = 0; i < found.checked.size(); ++i) {
            ++checked;
            const QString& path = found.search.lists[i].path;
            for (const lists::ListError& error : found.checked[i].errors)
                report += error.line > 0
                              ? u"%1, line %2: %3"_s.arg(path).arg(error.line).arg(error.what)
                              : u"%1: %2"_s.arg(path, error.what);
        }
    }
    if (count) *count = checked;
    return report;
}

std::optional<lists::CheckedList> TeacherLists::listCalled(const QString& screen,
                                                           const QString& title, QString* why,
                                                           QString* path) const {
    const ListUse* use = listUseOf(screen);
    if (!use) {
        *why = QStringLiteral("%1 plays only its own list").arg(screen);
        return std::nullopt;
    }
    const FolderLists found = readAll(QString::fromLatin1(use->folder));
    QStringList titles;
    for (size_t i = 0; i < found.checked.size(); ++i) {
        const lists::CheckedList& list = found.checked[i];
        titles += list.title();
        if (list.title().compare(title, Qt::CaseInsensitive) != 0) continue;
        if (!list.sound()) {
            *why = QStringLiteral("the list '%1' cannot be used: %2")
                       .arg(title, list.describedErrors().constFirst());
            return std::nullopt;
        }
        if (path) *path = found.search.lists[i].path;
        return list;
    }
    *why = titles.isEmpty() ? QStringLiteral("there are no lists for %1").arg(screen)
                            : QStringLiteral("there is no list called '%1' for %2; there are %3")
                                  .arg(title, screen, titles.join(QStringLiteral(", ")));
    return std::nullopt;
}

}  // namespace program
