// The teachers' lists: which activity reads which kind from which folder, the checks each must
// pass, the chooser, and the list in force for each folder until the program ends. Lists are
// found and read only when an activity or the chooser needs them, and never written.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "kit/lists/ListCheck.h"
#include "kit/lists/ListFinder.h"

namespace forms {
class Screens;
}

namespace program {

struct ListUse {
    const char* screen;  // the activity
    const char* folder;  // where its lists are kept: Mixed Up Words plays Hangman's
    lists::ListKind kind;
};

// Every activity that plays a chosen teacher's list, in menu order.
const std::vector<ListUse>& listUses();
// Null for an activity that plays only its own.
const ListUse* listUseOf(const QString& screen);
// Screens that play other activities' lists without a chooser of their own (Four in a Row asks
// from three folders): their screen name is a folder those lists may be kept in too.
const std::vector<ListUse>& sharedListUses();

// Where a folder's lists are looked for: its own name, every screen that plays it, and the
// shared folders whose files have its columns.
lists::ListPlace listPlaceOf(const QString& folder);
// The folders whose kind of list a file's header suits, in menu order; empty when none does.
QStringList foldersSuiting(const QString& path);

// The folders, each once, in menu order.
QStringList listFolders();

// Reads and checks a list for every activity that shows it from that folder.
lists::CheckedList checkListFile(const QString& folder, const lists::FoundList& file);

// The chooser's screen.
inline constexpr char kChooserScreen[] = "Listfrm";

struct FolderLists {
    lists::ListSearch search;
    std::vector<lists::CheckedList> checked;  // one per search.lists, in its order
};

// What --check-lists prints.
struct ListsReport {
    QStringList searched;  // every folder looked in
    QStringList unread;    // every folder or file there that no activity reads
    QStringList faults;    // problems and errors, each a line naming the file's whole path
    int checked = 0;       // lists, those that could not be read among them
    int sound = 0;

    bool allSound() const { return faults.isEmpty(); }
    // Everything, ending with the count: "12 lists checked: 11 sound, 1 with errors".
    QStringList lines() const;
};

class TeacherLists {
  public:
    // extraDir: the folder --lists names, searched after the teacher's and the school's.
    explicit TeacherLists(QString extraDir = {});

    void setExtraDir(const QString& extraDir) { m_extraDir = extraDir; }
    const QString& extraDir() const { return m_extraDir; }

    // Found afresh, so that a list saved while the program runs is there the next time.
    lists::ListSearch find(const QString& folder) const;
    FolderLists readAll(const QString& folder) const;

    // The sound list of that title (its file name without .csv, any letter case) for a screen;
    // nothing, and why in words naming the lists there are, when there is no such list, it
    // cannot be used, or two lists go by that title.
    std::optional<lists::CheckedList> listCalled(const QString& screen, const QString& title,
                                                 QString* why, QString* path = nullptr) const;

    // The teacher's list playing in that folder's activities; null for their own.
    const lists::CheckedList* inForce(const QString& folder) const;
    // Null puts the activities' own back.
    void setInForce(const QString& folder, const QString& path,
                    std::unique_ptr<lists::CheckedList> list);
    QString inForcePath(const QString& folder) const;
    // Reads the list in force there again, as it is now: a list deleted or now faulty gives way
    // to the activities' own, and why is kept for the chooser. True when what plays changed.
    bool refresh(const QString& folder);
    // Why the list in force there last gave way; empty when none has since it was chosen.
    QString gaveWay(const QString& folder) const;

    // Shows the chooser over the activity on view; a choice opens the activity afresh with it,
    // as does a list in force found changed on the way.
    void openChooser(forms::Screens& screens, const QString& screen);
    // What the chooser was last opened for.
    const QString& chooserFor() const { return m_chooserFor; }

    // Every list of every folder checked, and every folder searched surveyed.
    ListsReport checkEverything() const;

  private:
    struct InForce {
        QString path;
        std::shared_ptr<const lists::CheckedList> list;
        QByteArray digest;  // of the bytes it was read from, to tell a change
    };
    QString m_extraDir;
    std::map<QString, InForce> m_inForce;
    std::map<QString, QString> m_gaveWay;
    QString m_chooserFor;
};

}  // namespace program
