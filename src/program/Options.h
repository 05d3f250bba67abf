// The command line: how large the screens are drawn, the teachers' lists, the activity to open,
// and the help; nothing is ever stored.
#pragma once

#include <QString>
#include <QStringList>

namespace program {

struct Options {
    enum class Size {
        Design,      // 800 x 600 pixels, as designed
        FitDisplay,  // --fit: projector mode, as large as the display holds
        Fixed,       // --scale F: projector mode at F times the design size
    };
    Size size = Size::Design;
    double factor = 1.0;  // with Fixed
    bool help = false;
    // --version: print the program's version and end.
    bool version = false;
    // --lists DIR: a folder of lists, DIR/<screen name>/*.csv, besides the usual places.
    QString listsDir;
    // --check-lists: check every list found, print each error and end.
    bool checkLists = false;
    // --open SCREEN [--list TITLE]: straight into an activity, over its menu.
    QString openScreen;
    QString openList;
    // --worksheet SCREEN -o FILE: the activity's worksheet written as a PDF, no window opened.
    QString worksheet;
    bool answers = true;
    QString output;
};

struct ParsedOptions {
    Options options;
    // Why the command line cannot be followed; empty when it can.
    QString error;
};

// The arguments after the program's name. Qt's own options (-platform xcb, -style fusion, ...)
// are left for Qt to read.
ParsedOptions parseOptions(const QStringList& arguments);

// What --help prints.
QString usage();

}  // namespace program
