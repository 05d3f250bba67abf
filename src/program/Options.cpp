#include "program/Options.h"

#include <QFileInfo>
#include <QLocale>
#include <cmath>

#include "forms/Scale.h"
#include "program/Activities.h"

namespace program {

namespace {

// The options QGuiApplication and QApplication read for themselves, those followed by a value
// first. They are passed over here and left in place for Qt.
const QStringList kQtOptionsWithValue = {
    QStringLiteral("-platform"),        QStringLiteral("-platformpluginpath"),
    QStringLiteral("-platformtheme"),   QStringLiteral("-plugin"),
    QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowicon"),
    QStringLiteral("-qwindowtitle"),    QStringLiteral("-session"),
    QStringLiteral("-display"),         QStringLiteral("-style"),
    QStringLiteral("-stylesheet"),      QStringLiteral("-qmljsdebugger"),
};
const QStringList kQtFlags = {QStringLiteral("-reverse"), QStringLiteral("-widgetcount")};

bool isQtOptionWithValueAttached(const QString& argument) {
    for (const QString& option : kQtOptionsWithValue)
        if (argument.startsWith(option + QLatin1Char('='))) return true;
    return false;
}

// A factor written with a point, as on any keyboard's number row: "1.8", "2", "2.70".
bool readFactor(const QString& text, double& factor) {
    bool ok = false;
    factor = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(factor) && factor >= forms::Scale::kDesignSize &&
           factor <= forms::Scale::kLargest;
}

// Every activity's screen name, in menu order.
QStringList activityScreens() {
    QStringList names;
    for (const Activity& activity : activities())
        if (activity.make) names += QString::fromLatin1(activity.screen);
    return names;
}

// A screen name as a user types it, in any letter case, spelled as the program spells it
// ("vocab" is Vocab); as typed when no activity has it.
QString screenSpelled(const QString& typed) {
    for (const QString& name : activityScreens())
        if (name.compare(typed, Qt::CaseInsensitive) == 0) return name;
    return typed;
}

}  // namespace

ParsedOptions parseOptions(const QStringList& arguments) {
    ParsedOptions parsed;
    Options& options = parsed.options;
    const auto fail = [&parsed](const QString& why) {
        if (parsed.error.isEmpty()) parsed.error = why;
    };
    bool sized = false;
    const auto size = [&](Options::Size chosen, const QString& option) {
        if (sized && options.size != chosen)
            fail(QStringLiteral("%1 cannot be given with another size").arg(option));
        sized = true;
        options.size = chosen;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--version")) {
            options.version = true;
        } else if (argument == QLatin1String("--fit")) {
            size(Options::Size::FitDisplay, argument);
        } else if (argument == QLatin1String("--scale") ||
                   argument.startsWith(QLatin1String("--scale="))) {
            QString value;
            if (argument.contains(QLatin1Char('='))) {
                value = argument.section(QLatin1Char('='), 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                fail(QStringLiteral("--scale needs a factor from 1 to 4, such as --scale 1.8"));
                continue;
            }
            double factor = 0;
            if (!readFactor(value, factor)) {
                fail(QStringLiteral("--scale %1: the factor must be a number from 1 to 4, "
                                    "such as 1.8")
                         .arg(value));
                continue;
            }
            if (sized && options.size == Options::Size::Fixed && factor != options.factor)
                fail(QStringLiteral("--scale is given twice"));
            size(Options::Size::Fixed, QStringLiteral("--scale"));
            options.factor = factor;
        } else if (argument == QLatin1String("--check-lists")) {
            options.checkLists = true;
        } else if (argument == QLatin1String("--lists") || argument == QLatin1String("--open") ||
                   argument == QLatin1String("--list")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                fail(QStringLiteral("%1 needs %2")
                         .arg(argument, argument == QLatin1String("--lists")  ? "a folder"
                                        : argument == QLatin1String("--open") ? "an activity's name"
                                                                              : "a list's title"));
                continue;
            }
            QString value = arguments[++i];
            if (argument == QLatin1String("--open")) value = screenSpelled(value);
            if (argument == QLatin1String("--lists")) {
                if (!options.listsDir.isEmpty()) fail(QStringLiteral("--lists is given twice"));
                if (!QFileInfo(value).isDir())
                    fail(QStringLiteral("--lists %1: there is no such folder").arg(value));
                options.listsDir = value;
            } else if (argument == QLatin1String("--open")) {
                if (!options.openScreen.isEmpty()) fail(QStringLiteral("--open is given twice"));
                if (!activityScreens().contains(value))
                    fail(QStringLiteral("--open %1: there is no activity called that; there are %2")
                             .arg(value, activityScreens().join(QStringLiteral(", "))));
                options.openScreen = value;
            } else {
                if (!options.openList.isEmpty()) fail(QStringLiteral("--list is given twice"));
                options.openList = value;
            }
        } else if (argument == QLatin1String("--worksheet") || argument == QLatin1String("-o") ||
                   argument == QLatin1String("--output")) {
            if (i + 1 >= arguments.size()) {
                fail(argument == QLatin1String("--worksheet")
                         ? QStringLiteral("--worksheet needs a screen name, such as symbols")
                         : QStringLiteral("%1 needs the PDF file to write").arg(argument));
                continue;
            }
            if (argument == QLatin1String("--worksheet"))
                options.worksheet = screenSpelled(arguments[++i]);
            else
                options.output = arguments[++i];
        } else if (argument == QLatin1String("--answers")) {
            options.answers = true;
        } else if (argument == QLatin1String("--no-answers")) {
            options.answers = false;
        } else if (kQtOptionsWithValue.contains(argument)) {
            ++i;
        } else if (kQtFlags.contains(argument) || isQtOptionWithValueAttached(argument)) {
            continue;
        } else if (argument.startsWith(QLatin1Char('-'))) {
            fail(QStringLiteral("unknown option %1").arg(argument));
        } else {
            fail(
                QStringLiteral("unexpected argument %1: the program opens no files").arg(argument));
        }
    }
    if (!options.openList.isEmpty() && options.openScreen.isEmpty() && options.worksheet.isEmpty())
        fail(QStringLiteral("--list goes with --open or --worksheet, which name the activity"));
    if (options.checkLists && !options.openScreen.isEmpty())
        fail(QStringLiteral("--check-lists cannot be given with --open"));
    if (!options.worksheet.isEmpty() && options.output.isEmpty())
        fail(QStringLiteral("--worksheet needs -o FILE.pdf, the file to write"));
    if (options.worksheet.isEmpty() && !options.output.isEmpty())
        fail(QStringLiteral("-o is for --worksheet SCREEN"));
    if (!options.worksheet.isEmpty() && sized)
        fail(QStringLiteral("--worksheet opens no window: --fit and --scale do not go with it"));
    if (!options.worksheet.isEmpty() && (options.checkLists || !options.openScreen.isEmpty()))
        fail(QStringLiteral("--worksheet cannot be given with --open or --check-lists"));
    return parsed;
}

namespace {

// Every activity by menu, with the name --open and --worksheet take: read off the menus, so that
// the help is never out of step with them.
QString activityTable() {
    QString table = QStringLiteral("\nThe activities, menu by menu (SCREEN, then the entry):\n");
    for (const Activity& activity : activities())
        table += QStringLiteral("  menu %1  %2 %3\n")
                     .arg(activity.menu)
                     .arg(QString::fromLatin1(activity.screen), -16)
                     .arg(QString::fromUtf8(activity.caption));
    return table;
}

}  // namespace

QString usage() {
    return QStringLiteral(
        "Usage: kindrel [--fit | --scale F] [--lists DIR] [--open SCREEN [--list TITLE]]\n"
        "       kindrel [--lists DIR] --check-lists\n"
        "       kindrel [--lists DIR] --worksheet SCREEN [--list TITLE] [--answers | "
        "--no-answers]\n"
        "               -o FILE.pdf\n"
        "\n"
        "Chemistry Key Stage 3 Kindrel: whole-class chemistry starter activities for a\n"
        "projector or an interactive whiteboard. Without options every screen is drawn at its\n"
        "design size, 800 x 600 pixels.\n"
        "\n"
        "  --fit        projector mode: every screen as large as the display holds\n"
        "  --scale F    every screen F times its design size, F from 1 to 4 (such as 1.8)\n"
        "  --lists DIR  look for teachers' lists in DIR/<screen>/*.csv too, besides\n"
        "               kindrel/lists/<screen>/ in the teacher's and the school's data folders;\n"
        "               <screen> in any letter case, DIR may be a <screen> folder itself\n"
        "  --check-lists  check every list found, print each folder searched, each error and\n"
        "               what is not read, on a line each, then a count, and end: exit status\n"
        "               0 when every list is sound, 1 when any is not\n"
        "  --open SCREEN  start in an activity, over its menu (SCREEN as hangman, equations;\n"
        "               in any letter case)\n"
        "  --list TITLE   with --open, play the list of that title (its file name without .csv);\n"
        "               with --worksheet, print it\n"
        "  --worksheet SCREEN  write the activity's worksheet, then its answer sheet, to the\n"
        "               PDF file given by -o, without opening a window (such as\n"
        "               --worksheet symbols -o symbols.pdf); --no-answers leaves the answer\n"
        "               sheet out\n"
        "  --version    print the version and end\n"
        "  -h, --help   show this help and end\n"
        "\n"
        "F11 switches projector mode on and off while the program runs. Nothing is stored but\n"
        "the worksheet a teacher asks for, and lists are only ever read. A mistaken option ends\n"
        "the program with exit status 2.\n") +
           activityTable();
}

}  // namespace program
